#include <gtest/gtest.h>

#include "toolkit/button_skin_files.h"
#include "toolkit/skin_pixels.h"

namespace tockly {
namespace {

using enum ButtonBitmap;

SkinFileLoad LoadOf(const std::array<SkinFileLoad, kButtonBitmapCount>& plan, ButtonBitmap which) {
    return plan[static_cast<std::size_t>(which)];
}

TEST(CustomSkinFiles, ALeftAndRightPieceStandsInMirroredForAMissingOrSameRightPiece) {
    ButtonSkinFiles files;
    files[NormalLeft] = u"data\\bitmaps_menu\\172x85_button_gray_lr_5.bmp";
    files[PressedLeft] = u"data\\bitmaps_menu\\x_lr_clicked.bmp";
    files[PressedRight] = files[PressedLeft];
    files[HoveredLeft] = u"data\\bitmaps_menu\\x_lr_hovered.bmp";
    files[HoveredRight] = u"data\\bitmaps_menu\\x_hovered_right.bmp";
    const auto plan = PlanSkinFileLoads(files);

    EXPECT_EQ(LoadOf(plan, NormalLeft), (SkinFileLoad{files[NormalLeft], false}));
    EXPECT_EQ(LoadOf(plan, NormalRight), (SkinFileLoad{files[NormalLeft], true}));
    EXPECT_EQ(LoadOf(plan, PressedRight), (SkinFileLoad{files[PressedLeft], true}));
    // A right piece of its own is used as it is.
    EXPECT_EQ(LoadOf(plan, HoveredRight), (SkinFileLoad{files[HoveredRight], false}));
}

TEST(CustomSkinFiles, OrdinaryPiecesAndIconsLoadAsNamed) {
    ButtonSkinFiles files;
    files[NormalLeft] = u"data\\bitmaps\\2x20_button_modern_left.bmp";
    files[Icon] = u"data\\bitmaps\\16_exit_icon.bmp";
    const auto plan = PlanSkinFileLoads(files);
    EXPECT_EQ(LoadOf(plan, NormalRight), SkinFileLoad{});
    EXPECT_EQ(LoadOf(plan, Icon), (SkinFileLoad{files[Icon], false}));
    EXPECT_FALSE(IsLeftAndRightPiece(u"data\\bitmaps\\1x9_green_progress_bar.bmp"));
}

TEST(SkinPixels, MirroringFlipsEachRowOnItsOwn) {
    std::vector<std::uint32_t> pixels{1, 2, 3, 4, 5, 6};
    MirrorPixelRows(pixels, 3, 2);
    EXPECT_EQ(pixels, (std::vector<std::uint32_t>{3, 2, 1, 6, 5, 4}));

    std::vector<std::uint32_t> shortBuffer{1, 2, 3};
    MirrorPixelRows(shortBuffer, 3, 2);
    EXPECT_EQ(shortBuffer, (std::vector<std::uint32_t>{1, 2, 3}));
}

}  // namespace
}  // namespace tockly
