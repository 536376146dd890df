#include <gtest/gtest.h>

#include "toolkit/check_state_machine.h"
#include "toolkit/double_button_state_machine.h"

namespace tockly {
namespace {

TEST(CheckBox, EachClickTogglesTakesTheFocusAndNotifies) {
    CheckStateMachine box(CheckKind::CheckBox);
    const ControlEffects first = box.LeftDown();
    EXPECT_TRUE(first.capture);
    EXPECT_TRUE(first.takeFocus);
    EXPECT_TRUE(first.notify);
    EXPECT_TRUE(box.checked());
    EXPECT_TRUE(box.LeftUp(true).releaseCapture);

    EXPECT_TRUE(box.LeftDown().notify);
    EXPECT_FALSE(box.checked());
}

TEST(RadioButton, AClickChecksButNeverUnchecks) {
    CheckStateMachine radio(CheckKind::RadioButton);
    radio.LeftDown();
    radio.LeftUp(true);
    EXPECT_TRUE(radio.checked());
    EXPECT_TRUE(radio.LeftDown().notify);  // the owner still hears of the click
    EXPECT_TRUE(radio.checked());
}

TEST(CheckBox, HoverFollowsTheCursorAndTheButtonUpWithoutAnOwnPressIsIgnored) {
    CheckStateMachine box(CheckKind::CheckBox);
    EXPECT_TRUE(box.MouseMove(true).startTracking);
    EXPECT_TRUE(box.hovered());
    EXPECT_TRUE(box.MouseLeave().repaint);
    EXPECT_FALSE(box.hovered());
    EXPECT_EQ(box.LeftUp(true), ControlEffects{});
}

TEST(CheckBox, DisabledIgnoresClicksButKeepsItsCheckFromTheOwner) {
    CheckStateMachine box(CheckKind::CheckBox);
    box.SetChecked(true);
    box.SetEnabled(false);
    EXPECT_EQ(box.LeftDown(), ControlEffects{});
    EXPECT_TRUE(box.checked());
    box.SetChecked(false);
    EXPECT_FALSE(box.checked());
}

TEST(DoubleButton, AClickOnAHalfSelectsItAndTheOtherHalfLetsGo) {
    DoubleButtonStateMachine button;
    button.LeftDown(ButtonHalf::Left);
    EXPECT_EQ(button.StateOf(ButtonHalf::Left), MouseState::Pressed);
    const ControlEffects up = button.LeftUp(ButtonHalf::Left);
    EXPECT_TRUE(up.notify);
    EXPECT_TRUE(up.releaseCapture);
    EXPECT_EQ(button.selected(), ButtonHalf::Left);
    EXPECT_EQ(button.clicked(), ButtonHalf::Left);

    button.LeftDown(ButtonHalf::Right);
    EXPECT_EQ(button.StateOf(ButtonHalf::Left), MouseState::Pressed);  // until the click is made
    button.LeftUp(ButtonHalf::Right);
    EXPECT_EQ(button.selected(), ButtonHalf::Right);
    EXPECT_EQ(button.StateOf(ButtonHalf::Left), MouseState::Normal);
}

TEST(DoubleButton, ReleasingOverTheOtherHalfOrTheLineIsNoClick) {
    DoubleButtonStateMachine button;
    button.LeftDown(ButtonHalf::Left);
    button.MouseMove(ButtonHalf::Right, true);
    EXPECT_EQ(button.StateOf(ButtonHalf::Left), MouseState::Normal);
    EXPECT_EQ(button.StateOf(ButtonHalf::Right), MouseState::Hovered);
    button.MouseMove(ButtonHalf::Left, true);
    EXPECT_EQ(button.StateOf(ButtonHalf::Left), MouseState::Pressed);
    EXPECT_FALSE(button.LeftUp(ButtonHalf::Right).notify);
    EXPECT_EQ(button.selected(), ButtonHalf::None);

    EXPECT_EQ(button.LeftDown(ButtonHalf::None), ControlEffects{});
}

TEST(DoubleButton, SetCheckedReturnsThePressedHalfToNormal) {
    DoubleButtonStateMachine button;
    button.Select(ButtonHalf::Right);
    button.SetChecked(true);
    EXPECT_TRUE(button.checked());
    EXPECT_EQ(button.selected(), ButtonHalf::None);
    EXPECT_EQ(button.StateOf(ButtonHalf::Right), MouseState::Normal);
}

TEST(DoubleButton, LosingTheCaptureOrBeingDisabledCancelsThePress) {
    DoubleButtonStateMachine button;
    button.LeftDown(ButtonHalf::Right);
    button.CaptureLost();
    EXPECT_FALSE(button.LeftUp(ButtonHalf::Right).notify);

    button.LeftDown(ButtonHalf::Right);
    EXPECT_TRUE(button.SetEnabled(false).releaseCapture);
    button.SetEnabled(true);
    EXPECT_FALSE(button.LeftUp(ButtonHalf::Right).notify);
    EXPECT_EQ(button.selected(), ButtonHalf::None);
}

}  // namespace
}  // namespace tockly
