#pragma once
// The mouse and keyboard logic of check boxes and radio buttons. Portable.

#include "toolkit/mouse_state.h"

namespace tockly {

enum class CheckKind {
    CheckBox,     // a click toggles
    RadioButton,  // a click checks; the owner unchecks the others of the group
};

class CheckStateMachine : public MouseStateMachineBase {
public:
    explicit CheckStateMachine(CheckKind kind) noexcept : kind_(kind) {}

    CheckKind kind() const noexcept { return kind_; }
    bool checked() const noexcept { return checked_; }
    bool hovered() const noexcept { return hovered_; }

    ControlEffects MouseMove(bool inside);
    ControlEffects LeftDown();  // a double click is a second button-down
    ControlEffects LeftUp(bool inside);
    ControlEffects MouseLeave();
    ControlEffects CaptureLost();
    // The Space key on the focused control: a click without the mouse.
    ControlEffects Space();

    ControlEffects SetEnabled(bool enabled);
    ControlEffects SetChecked(bool checked);

private:
    // A click's change: a check box toggles, a radio button is checked.
    void Toggle() noexcept;

    CheckKind kind_;
    bool checked_ = false;
    bool hovered_ = false;
    bool armed_ = false;
};

}  // namespace tockly
