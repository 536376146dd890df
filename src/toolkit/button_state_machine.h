#pragma once
// The mouse logic of a skinned push or toggle button. Portable: the window feeds it the mouse
// messages and carries out the effects it returns.

#include "toolkit/mouse_state.h"

namespace tockly {

struct ButtonFlags {
    bool notifyOnPress = false;           // also notify on the button-down
    bool notifyOnReleaseOutside = false;  // notify on the button-up even outside the button
    bool allowUncheck = false;            // a click may uncheck a checked toggle
    bool pressOnReEntry = true;           // moving back in with the button held shows it pressed
};

class ButtonStateMachine : public MouseStateMachineBase {
public:
    MouseState state() const noexcept { return state_; }
    bool checked() const noexcept { return checked_; }
    bool toggle() const noexcept { return toggle_; }
    // A press began on this button and its button-up has not come yet.
    bool armed() const noexcept { return armed_; }
    ButtonFlags& flags() noexcept { return flags_; }
    const ButtonFlags& flags() const noexcept { return flags_; }

    ControlEffects MouseMove(bool inside, bool leftHeld);
    ControlEffects LeftDown();  // a double click is a second button-down
    ControlEffects LeftUp(bool inside);
    ControlEffects MouseLeave(bool leftHeld);
    ControlEffects CaptureLost();
    // Space or Enter on the focused button: a click, as the mouse's press and release give it.
    ControlEffects KeyPress();

    ControlEffects SetEnabled(bool enabled);
    ControlEffects SetToggle(bool toggle);
    // Toggle buttons only; a push button ignores it.
    ControlEffects SetChecked(bool checked);

private:
    MouseState RestingState() const noexcept;
    // A click on a toggle checks it, or unchecks it where allowed; false when it stays checked.
    bool ClickToggle() noexcept;

    MouseState state_ = MouseState::Normal;
    ButtonFlags flags_;
    bool toggle_ = false;
    bool checked_ = false;
    bool armed_ = false;
};

}  // namespace tockly
