#include "toolkit/button_state_machine.h"

#include <gtest/gtest.h>

namespace tockly {
namespace {

constexpr bool kInside = true;
constexpr bool kOutside = false;
constexpr bool kHeld = true;
constexpr bool kUp = false;

TEST(PushButton, AClickInsideCapturesPressesAndNotifiesOnlyOnRelease) {
    ButtonStateMachine button;
    const ControlEffects move = button.MouseMove(kInside, kUp);
    EXPECT_TRUE(move.startTracking);
    EXPECT_EQ(button.state(), MouseState::Hovered);

    const ControlEffects down = button.LeftDown();
    EXPECT_TRUE(down.capture);
    EXPECT_FALSE(down.notify);
    EXPECT_EQ(button.state(), MouseState::Pressed);

    const ControlEffects up = button.LeftUp(kInside);
    EXPECT_TRUE(up.releaseCapture);
    EXPECT_TRUE(up.notify);
    EXPECT_EQ(button.state(), MouseState::Normal);
    EXPECT_FALSE(button.armed());
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
}

TEST(PushButton, ADragThatBeganElsewhereNeitherPressesNorClicks) {
    ButtonStateMachine button;
    button.MouseMove(kInside, kHeld);
    EXPECT_EQ(button.state(), MouseState::Hovered);
    const ControlEffects up = button.LeftUp(kInside);
    EXPECT_FALSE(up.notify);
    EXPECT_FALSE(up.releaseCapture);
}

TEST(PushButton, LosingTheCaptureEndsThePressWithoutAClick) {
    ButtonStateMachine button;
    button.LeftDown();
    EXPECT_TRUE(button.CaptureLost().repaint);
    EXPECT_EQ(button.state(), MouseState::Normal);
    EXPECT_FALSE(button.LeftUp(kInside).notify);
    // Our own release of the capture after a click comes too late to matter.
    button.LeftDown();
    button.LeftUp(kInside);
    EXPECT_EQ(button.CaptureLost(), ControlEffects{});
}

TEST(PushButton, HoverEndsWhenTheCursorLeavesAndTrackingIsAskedForOncePerVisit) {
    ButtonStateMachine button;
    EXPECT_TRUE(button.MouseMove(kInside, kUp).startTracking);
    EXPECT_FALSE(button.MouseMove(kInside, kUp).startTracking);
    EXPECT_TRUE(button.MouseLeave(kUp).repaint);
    EXPECT_EQ(button.state(), MouseState::Normal);
    EXPECT_FALSE(button.tracking());
    EXPECT_TRUE(button.MouseMove(kInside, kUp).startTracking);
}

TEST(PushButton, LeavingWhilePressedWithTheButtonHeldLooksNormal) {
    ButtonStateMachine button;
    button.LeftDown();
    button.MouseLeave(kHeld);
    EXPECT_EQ(button.state(), MouseState::Normal);
}

TEST(DisabledButton, IgnoresTheMouseButStillForgetsItsTrackingRequest) {
    ButtonStateMachine button;
    button.MouseMove(kInside, kUp);
    button.SetEnabled(false);
    EXPECT_EQ(button.state(), MouseState::Normal);
    EXPECT_EQ(button.LeftDown(), ControlEffects{});
    EXPECT_EQ(button.LeftUp(kInside), ControlEffects{});
    EXPECT_EQ(button.MouseMove(kInside, kUp), ControlEffects{});
    button.MouseLeave(kUp);
    button.SetEnabled(true);
    // The leave ended the old request; without a new one the hover would never end.
    EXPECT_TRUE(button.MouseMove(kInside, kUp).startTracking);
}

TEST(ToggleButton, AClickChecksAndShowsPressedUntilUnchecked) {
    ButtonStateMachine button;
    button.SetToggle(true);
    const ControlEffects down = button.LeftDown();
    EXPECT_TRUE(down.notify);
    EXPECT_TRUE(down.capture);
    EXPECT_TRUE(button.checked());
    EXPECT_EQ(button.state(), MouseState::Pressed);
    EXPECT_TRUE(button.LeftUp(kInside).releaseCapture);

    button.MouseMove(kOutside, kUp);
    button.MouseLeave(kHeld);
    EXPECT_EQ(button.state(), MouseState::Pressed);
}

TEST(ToggleButton, ACheckedToggleIgnoresClicksUnlessUncheckingIsAllowed) {
    ButtonStateMachine button;
    button.SetToggle(true);
    button.LeftDown();
    button.LeftUp(kInside);
    EXPECT_EQ(button.LeftDown(), ControlEffects{});
    EXPECT_TRUE(button.checked());

    button.flags().allowUncheck = true;
    const ControlEffects down = button.LeftDown();
    EXPECT_TRUE(down.notify);
    EXPECT_FALSE(button.checked());
    EXPECT_EQ(button.state(), MouseState::Normal);
    // Still inside with the button held: an unchecked toggle must not look pressed.
    button.MouseMove(kInside, kHeld);
    EXPECT_EQ(button.state(), MouseState::Hovered);
    EXPECT_FALSE(button.LeftUp(kInside).notify);
}

TEST(ToggleButton, SetCheckedActsOnTogglesOnly) {
    ButtonStateMachine push;
    EXPECT_EQ(push.SetChecked(true), ControlEffects{});
    EXPECT_FALSE(push.checked());
    EXPECT_EQ(push.state(), MouseState::Normal);

    ButtonStateMachine toggle;
    toggle.SetToggle(true);
    toggle.SetChecked(true);
    EXPECT_EQ(toggle.state(), MouseState::Pressed);
    toggle.SetChecked(false);
    EXPECT_EQ(toggle.state(), MouseState::Normal);
}

}  // namespace
}  // namespace tockly
