#include "toolkit/button_skin_files.h"

namespace tockly {
namespace {

constexpr std::u16string_view kLeftAndRightMark = u"_lr_";

struct PiecePair {
    ButtonBitmap left;
    ButtonBitmap right;
};
constexpr PiecePair kPairs[] = {
    {ButtonBitmap::NormalLeft, ButtonBitmap::NormalRight},
    {ButtonBitmap::HoveredLeft, ButtonBitmap::HoveredRight},
    {ButtonBitmap::PressedLeft, ButtonBitmap::PressedRight},
};

}  // namespace

bool IsLeftAndRightPiece(std::u16string_view name) noexcept {
    return name.find(kLeftAndRightMark) != std::u16string_view::npos;
}

std::array<SkinFileLoad, kButtonBitmapCount> PlanSkinFileLoads(const ButtonSkinFiles& files) {
    std::array<SkinFileLoad, kButtonBitmapCount> plan;
    for (std::size_t i = 0; i < kButtonBitmapCount; ++i) {
        plan[i].name = files.names[i];
    }
    for (const PiecePair& pair : kPairs) {
        const std::u16string& left = files[pair.left];
        const std::u16string& right = files[pair.right];
        if (IsLeftAndRightPiece(left) && (right.empty() || right == left)) {
            plan[static_cast<std::size_t>(pair.right)] = {left, true};
        }
    }
    return plan;
}

}  // namespace tockly
