// The controls' logic without windows: the push-button, check mark and double-button state
// machines, piece and half layouts, gradient slices, custom skin files and the themed scroll bar's
// file names.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "resources/skin_inventory.h"

#include "toolkit/button_skin_files.h"
#include "toolkit/button_state_machine.h"
#include "toolkit/check_state_machine.h"
#include "toolkit/control_geometry.h"
#include "toolkit/gradient_slice.h"
#include "toolkit/skin_names.h"
#include "toolkit/skin_pixels.h"
#include "toolkit/wheel_notches.h"

namespace tockly {
namespace {

constexpr bool kInside = true;
constexpr bool kOutside = false;
constexpr bool kHeld = true;
constexpr bool kUp = false;

TEST(PushButton, HoverPressAndReleaseWithTrackingAskedForOncePerVisit) {
    ButtonStateMachine button;
    EXPECT_TRUE(button.MouseMove(kInside, kUp).startTracking);
    EXPECT_FALSE(button.MouseMove(kInside, kUp).startTracking);
    EXPECT_EQ(button.state(), MouseState::Hovered);
    EXPECT_FALSE(button.LeftDown().notify);
    EXPECT_TRUE(button.LeftUp(kInside).notify);
    button.MouseMove(kInside, kUp);
    EXPECT_TRUE(button.MouseLeave(kUp).repaint);
    EXPECT_EQ(button.state(), MouseState::Normal);
    EXPECT_TRUE(button.MouseMove(kInside, kUp).startTracking);  // a new visit
    button.LeftDown();
    button.MouseLeave(kHeld);  // pressed, left with the button held: looks normal
    EXPECT_EQ(button.state(), MouseState::Normal);
}

TEST(PushButton, MovingBackInWithTheButtonHeldPressesAgainOnlyWhenAllowed) {
    ButtonStateMachine button;
    button.LeftDown();
    button.MouseMove(kOutside, kHeld);
    button.MouseMove(kInside, kHeld);
    EXPECT_EQ(button.state(), MouseState::Pressed);
    ButtonStateMachine stubborn;
    stubborn.flags().pressOnReEntry = false;
    stubborn.LeftDown();
    stubborn.MouseMove(kOutside, kHeld);
    stubborn.MouseMove(kInside, kHeld);
    EXPECT_EQ(stubborn.state(), MouseState::Hovered);
    EXPECT_TRUE(stubborn.LeftUp(kInside).notify);

    // A drag that began elsewhere neither presses nor clicks.
    ButtonStateMachine passedOver;
    passedOver.MouseMove(kInside, kHeld);
    EXPECT_EQ(passedOver.state(), MouseState::Hovered);
    EXPECT_FALSE(passedOver.LeftUp(kInside).notify);
}

TEST(PushButton, LosingTheCaptureOrBeingDisabledEndsAPressWithoutAClick) {
    ButtonStateMachine button;
    button.LeftDown();
    button.CaptureLost();
    EXPECT_FALSE(button.LeftUp(kInside).notify);
    button.LeftDown();
    button.LeftUp(kInside);
    EXPECT_EQ(button.CaptureLost(), ControlEffects{});  // our own release after a click

    button.MouseMove(kInside, kUp);
    button.SetEnabled(false);
    EXPECT_EQ(button.state(), MouseState::Normal);
    EXPECT_EQ(button.LeftDown(), ControlEffects{});
    EXPECT_EQ(button.MouseMove(kInside, kUp), ControlEffects{});
    button.MouseLeave(kUp);
    button.SetEnabled(true);
    // The leave ended the old tracking request; without a new one the hover would never end.
    EXPECT_TRUE(button.MouseMove(kInside, kUp).startTracking);
}

TEST(PushButton, AKeyClicksAnEnabledButtonButNotDuringAPressOfTheMouse) {
    ButtonStateMachine button;
    EXPECT_TRUE(button.KeyPress().notify);
    EXPECT_EQ(button.state(), MouseState::Normal);
    button.LeftDown();
    EXPECT_EQ(button.KeyPress(), ControlEffects{});
    EXPECT_TRUE(button.LeftUp(kInside).notify);
    button.SetEnabled(false);
    EXPECT_EQ(button.KeyPress(), ControlEffects{});

    ButtonStateMachine toggle;
    toggle.SetToggle(true);
    const ControlEffects checked = toggle.KeyPress();
    EXPECT_TRUE(checked.notify && checked.repaint && !checked.capture);
    EXPECT_TRUE(toggle.checked());
    EXPECT_EQ(toggle.state(), MouseState::Pressed);
    EXPECT_EQ(toggle.KeyPress(), ControlEffects{});  // checked stays checked
    toggle.flags().allowUncheck = true;
    EXPECT_TRUE(toggle.KeyPress().notify);
    EXPECT_FALSE(toggle.checked());
}

TEST(ToggleButton, AClickChecksAndACheckedToggleIgnoresClicksUnlessUncheckingIsAllowed) {
    ButtonStateMachine button;
    button.SetToggle(true);
    const ControlEffects down = button.LeftDown();
    EXPECT_TRUE(down.notify && down.capture && button.checked());
    EXPECT_TRUE(button.LeftUp(kInside).releaseCapture);
    button.MouseLeave(kHeld);
    EXPECT_EQ(button.state(), MouseState::Pressed);  // shows pressed while checked
    EXPECT_EQ(button.LeftDown(), ControlEffects{});

    button.flags().allowUncheck = true;
    EXPECT_TRUE(button.LeftDown().notify);
    EXPECT_FALSE(button.checked());
    button.MouseMove(kInside, kHeld);  // unchecked under a held button: not pressed
    EXPECT_EQ(button.state(), MouseState::Hovered);
    EXPECT_FALSE(button.LeftUp(kInside).notify);

    button.SetChecked(true);  // the owner's check
    EXPECT_EQ(button.state(), MouseState::Pressed);
    ButtonStateMachine push;
    EXPECT_EQ(push.SetChecked(true), ControlEffects{});
    EXPECT_FALSE(push.checked());
}

TEST(CheckMarks, AClickOrSpaceTogglesACheckBoxButOnlyChecksARadioButton) {
    CheckStateMachine box(CheckKind::CheckBox);
    const ControlEffects down = box.LeftDown();
    EXPECT_TRUE(down.notify && down.capture && down.takeFocus);
    EXPECT_TRUE(box.checked());
    EXPECT_TRUE(box.LeftUp(kInside).releaseCapture);
    box.LeftDown();
    EXPECT_FALSE(box.checked());
    box.LeftUp(kInside);
    EXPECT_TRUE(box.Space().notify);
    EXPECT_TRUE(box.checked());
    box.Space();
    EXPECT_FALSE(box.checked());

    // A radio button is checked by a click and stays checked: its group is the owner's business.
    CheckStateMachine radio(CheckKind::RadioButton);
    for (int click = 0; click < 3; ++click) {
        EXPECT_TRUE(radio.LeftDown().notify);
        radio.LeftUp(kInside);
        EXPECT_TRUE(radio.checked()) << click;
    }
    EXPECT_TRUE(radio.Space().notify);
    EXPECT_TRUE(radio.checked());
    radio.SetChecked(false);  // the owner unchecks it when another of the group is clicked
    radio.Space();
    EXPECT_TRUE(radio.checked());

    box.SetEnabled(false);
    EXPECT_EQ(box.LeftDown(), ControlEffects{});
    EXPECT_EQ(box.Space(), ControlEffects{});
    EXPECT_FALSE(box.checked());
}

TEST(DoubleButtonHalves, OnlyAReleaseOnTheHalfThatWasPressedClicksIt) {
    DoubleButtonStateMachine amPm;
    amPm.LeftDown(ButtonHalf::Left);
    EXPECT_EQ(amPm.StateOf(ButtonHalf::Left), MouseState::Pressed);
    const ControlEffects across = amPm.LeftUp(ButtonHalf::Right);
    EXPECT_FALSE(across.notify);
    EXPECT_TRUE(across.releaseCapture);
    EXPECT_EQ(amPm.selected(), ButtonHalf::None);
    EXPECT_EQ(amPm.clicked(), ButtonHalf::None);
    amPm.LeftDown(ButtonHalf::Right);
    EXPECT_FALSE(amPm.LeftUp(ButtonHalf::None).notify);  // on the line between them
    EXPECT_EQ(amPm.StateOf(ButtonHalf::Right), MouseState::Normal);

    amPm.LeftDown(ButtonHalf::Right);
    EXPECT_TRUE(amPm.LeftUp(ButtonHalf::Right).notify);
    EXPECT_EQ(amPm.selected(), ButtonHalf::Right);
    EXPECT_EQ(amPm.clicked(), ButtonHalf::Right);
    // Pressed on the left, released on the selected right half: still no click, no change.
    amPm.LeftDown(ButtonHalf::Left);
    EXPECT_FALSE(amPm.LeftUp(ButtonHalf::Right).notify);
    EXPECT_EQ(amPm.selected(), ButtonHalf::Right);
    EXPECT_EQ(amPm.clicked(), ButtonHalf::Right);
    EXPECT_EQ(amPm.LeftDown(ButtonHalf::None), ControlEffects{});
}

TEST(Layout, ThreePiecesAndDoubleButtonHalvesKeepACentreColumn) {
    EXPECT_EQ(LayoutThreePieces(100, 25, 5).centre, (PixelRect{5, 0, 90, 25}));  // columns 5 to 94
    EXPECT_EQ(LayoutThreePieces(7, 25, 5).centre, (PixelRect{3, 0, 1, 25}));     // ends shrink
    EXPECT_EQ(FitPieceSkin({25, 10}, 3, 40), (ControlSize{21, 25}));
    EXPECT_EQ(FitPieceSkin({0, 0}, 17, 20), (ControlSize{17, 20}));  // an icon has no height

    DoubleButtonGeometry geometry(2, 30, 5);
    EXPECT_EQ(geometry.leftWidth(), 6);
    geometry.SetHalfWidth(ButtonHalf::Left, 40);
    EXPECT_EQ(geometry.totalWidth(), 71);
    // The line between the halves belongs to neither.
    for (const auto& [x, half] : {std::pair{-1, ButtonHalf::None},
                                  {0, ButtonHalf::Left},
                                  {39, ButtonHalf::Left},
                                  {40, ButtonHalf::None},
                                  {41, ButtonHalf::Right},
                                  {70, ButtonHalf::Right},
                                  {71, ButtonHalf::None}}) {
        EXPECT_EQ(geometry.HalfAt(x), half) << x;
    }
    // Each half is painted exactly over its own columns; the line is column 40 alone.
    EXPECT_EQ(geometry.HalfRect(ButtonHalf::Left, 25), (PixelRect{0, 0, 40, 25}));
    EXPECT_EQ(geometry.lineX(), 40);
    EXPECT_EQ(geometry.HalfRect(ButtonHalf::Right, 25), (PixelRect{41, 0, 30, 25}));
    EXPECT_EQ(geometry.HalfRect(ButtonHalf::None, 25), PixelRect{});
    geometry.SetHalfWidth(ButtonHalf::Right, 3);  // still one centre column beside its end
    EXPECT_EQ(geometry.HalfRect(ButtonHalf::Right, 25), (PixelRect{41, 0, 6, 25}));
    EXPECT_EQ(geometry.totalWidth(), 47);
}

TEST(SkinNames, EveryThemeOfTheNarrowScrollBarNamesShippedFilesOfItsSize) {
    std::map<std::string, std::pair<int, int>> shipped;
    for (const testing::InventoryEntry& entry : testing::ReadInventory()) {
        shipped[entry.name] = {entry.width, entry.height};
    }
    const auto expectShipped = [&shipped](const std::u16string& name, int height) {
        std::string path(name.begin(), name.end());  // the names are ASCII
        std::replace(path.begin(), path.end(), '\\', '/');
        const auto found = shipped.find(path);
        ASSERT_NE(found, shipped.end()) << path;
        EXPECT_EQ(found->second, std::make_pair(skin::kSmallVScrollBar.width, height)) << path;
    };
    std::set<std::u16string> names;
    for (SkinTheme theme : {SkinTheme::Dark, SkinTheme::Light, SkinTheme::Yellow}) {
        const VScrollSkinNames skin = ThemedVScrollSkin(theme);
        for (const std::u16string* arrow :
             {&skin.up, &skin.upPressed, &skin.down, &skin.downPressed}) {
            expectShipped(*arrow, skin::kSmallVScrollBar.arrowHeight);
            names.insert(*arrow);
        }
        for (const std::u16string* tile :
             {&skin.track, &skin.grip, &skin.gripPressed, &skin.gripBorder}) {
            expectShipped(*tile, 1);
            names.insert(*tile);
        }
    }
    EXPECT_EQ(names.size(), 24u);  // no two pieces or themes share a file
    EXPECT_EQ(ThemedVScrollSkin(SkinTheme::Dark).up, u"data\\bitmaps\\13x11_vscroll_up_button.bmp");
    EXPECT_EQ(ThemedVScrollSkin(SkinTheme::Yellow).gripPressed,
              u"data\\bitmaps\\13x1_yellow_vscroll_clicked_grip.bmp");
}

TEST(GradientSlice, LevelsAtBothEdgesRoundToTheNearestStepAndStayInRange) {
    struct Case {
        GradientBackground gradient;
        int position, size;
        GradientSlice expected;
    };
    const GradientBackground across{
        .extentWidth = 400, .startLevel = 40, .endLevel = 240, .horizontal = true};
    const Case cases[] = {
        {{.extentHeight = 3, .startLevel = 0, .endLevel = 100}, 1, 1, {33, 67}},
        {{.extentHeight = 3, .startLevel = 0, .endLevel = 100}, 0, 3, {0, 100}},
        {{.extentHeight = 200, .startLevel = 200, .endLevel = 100}, 50, 100, {175, 125}},
        {across, 100, 100, {90, 140}},
        {{.startLevel = 90, .endLevel = 10}, 20, 30, {90, 90}},  // no extent yet
        {{.extentHeight = 100, .startLevel = 250, .endLevel = 50}, 80, 60, {90, 50}},
        {{.extentHeight = 100, .startLevel = 250, .endLevel = 50}, -50, 10, {250, 250}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SliceGradient(c.gradient, c.position, c.size), c.expected) << c.position;
    }
}

TEST(CustomSkinFiles, ALeftAndRightPieceStandsInMirroredForAMissingOrSameRightPiece) {
    using enum ButtonBitmap;
    ButtonSkinFiles files;
    files[NormalLeft] = u"data\\bitmaps_menu\\172x85_button_gray_lr_5.bmp";
    files[PressedLeft] = u"data\\bitmaps_menu\\x_lr_clicked.bmp";
    files[PressedRight] = files[PressedLeft];
    files[HoveredLeft] = u"data\\bitmaps_menu\\x_lr_hovered.bmp";
    files[HoveredRight] = u"data\\bitmaps_menu\\x_hovered_right.bmp";
    const auto plan = PlanSkinFileLoads(files);
    const auto load = [&plan](ButtonBitmap which) { return plan[static_cast<int>(which)]; };
    EXPECT_EQ(load(NormalRight), (SkinFileLoad{files[NormalLeft], true}));
    EXPECT_EQ(load(PressedRight), (SkinFileLoad{files[PressedLeft], true}));
    EXPECT_EQ(load(HoveredRight), (SkinFileLoad{files[HoveredRight], false}));  // its own
    EXPECT_EQ(load(Icon), SkinFileLoad{});
    EXPECT_FALSE(IsLeftAndRightPiece(u"data\\bitmaps\\1x9_green_progress_bar.bmp"));

    std::vector<std::uint32_t> pixels{1, 2, 3, 4, 5, 6};
    MirrorPixelRows(pixels, 3, 2);
    EXPECT_EQ(pixels, (std::vector<std::uint32_t>{3, 2, 1, 6, 5, 4}));
    std::vector<std::uint32_t> shortBuffer{1, 2, 3};
    MirrorPixelRows(shortBuffer, 3, 2);  // too short for its size: left alone
    EXPECT_EQ(shortBuffer, (std::vector<std::uint32_t>{1, 2, 3}));
}

TEST(WheelNotches, PartsOfANotchAddUpAndATurnTheOtherWayStartsAfresh) {
    WheelNotches wheel;
    EXPECT_EQ(wheel.Add(40), 0);
    EXPECT_EQ(wheel.Add(40), 0);
    EXPECT_EQ(wheel.Add(40), 1);
    EXPECT_EQ(wheel.Add(-360), -3);
    EXPECT_EQ(wheel.Add(60), 0);
    // The half notch up is forgotten, so the first notch down is a whole one.
    EXPECT_EQ(wheel.Add(-120), -1);
    EXPECT_EQ(wheel.Add(-100), 0);
    wheel.Reset();
    EXPECT_EQ(wheel.Add(-100), 0);
}

}  // namespace
}  // namespace tockly
