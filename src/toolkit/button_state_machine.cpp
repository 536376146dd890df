#include "toolkit/button_state_machine.h"

namespace tockly {

MouseState ButtonStateMachine::RestingState() const noexcept {
    // A checked toggle always looks pressed, wherever the mouse is.
    return toggle_ && checked_ ? MouseState::Pressed : MouseState::Normal;
}

bool ButtonStateMachine::ClickToggle() noexcept {
    if (checked_ && !flags_.allowUncheck) {
        return false;
    }
    checked_ = !checked_;
    state_ = RestingState();
    return true;
}

ControlEffects ButtonStateMachine::MouseMove(bool inside, bool leftHeld) {
    ControlEffects effects;
    if (!BeginMove(inside, effects)) {
        return effects;
    }
    MouseState next = state_;
    if (state_ == MouseState::Pressed && !inside && !checked_) {
        next = MouseState::Normal;
    } else if (state_ == MouseState::Normal && inside && leftHeld && flags_.pressOnReEntry &&
               armed_ && !toggle_) {
        // Only a press that began on this button comes back: a drag that started elsewhere and
        // crosses the button must not end in a click.
        next = MouseState::Pressed;
    } else if (state_ == MouseState::Normal && inside) {
        next = MouseState::Hovered;
    } else if (state_ == MouseState::Hovered && !inside) {
        next = MouseState::Normal;
    }
    effects.repaint = next != state_;
    state_ = next;
    return effects;
}

ControlEffects ButtonStateMachine::LeftDown() {
    ControlEffects effects;
    if (!enabled()) {
        return effects;
    }
    if (toggle_) {
        if (!ClickToggle()) {
            return effects;
        }
        effects.notify = true;
    } else {
        state_ = MouseState::Pressed;
        effects.notify = flags_.notifyOnPress;
    }
    armed_ = true;
    effects.capture = true;
    effects.repaint = true;
    return effects;
}

ControlEffects ButtonStateMachine::LeftUp(bool inside) {
    ControlEffects effects;
    if (!enabled() || !armed_) {
        return effects;
    }
    armed_ = false;
    // Toggles release the capture too: kept, it would hold every later click of the program.
    effects.releaseCapture = true;
    if (!toggle_) {
        effects.repaint = state_ != MouseState::Normal;
        state_ = MouseState::Normal;
        effects.notify = inside || flags_.notifyOnReleaseOutside;
    }
    return effects;
}

ControlEffects ButtonStateMachine::MouseLeave(bool leftHeld) {
    ControlEffects effects;
    if (!EndTracking()) {
        return effects;
    }
    if (state_ == MouseState::Hovered || (state_ == MouseState::Pressed && leftHeld && !checked_)) {
        state_ = MouseState::Normal;
        effects.repaint = true;
    }
    return effects;
}

ControlEffects ButtonStateMachine::CaptureLost() {
    ControlEffects effects;
    if (!armed_) {
        return effects;
    }
    // Someone else took the mouse (a dialog, a menu): the press is over without a click.
    armed_ = false;
    if (!toggle_ && state_ == MouseState::Pressed) {
        state_ = MouseState::Normal;
        effects.repaint = true;
    }
    return effects;
}

ControlEffects ButtonStateMachine::KeyPress() {
    ControlEffects effects;
    // A press of the mouse still held ends with its own release.
    if (!enabled() || armed_) {
        return effects;
    }
    if (toggle_ && !ClickToggle()) {
        return effects;
    }
    effects.repaint = toggle_;
    effects.notify = true;
    return effects;
}

ControlEffects ButtonStateMachine::SetEnabled(bool enabled) {
    ControlEffects effects;
    if (ChangeEnabled(enabled, effects) && !enabled) {
        effects.releaseCapture = armed_;
        armed_ = false;
        state_ = RestingState();
    }
    return effects;
}

ControlEffects ButtonStateMachine::SetToggle(bool toggle) {
    ControlEffects effects;
    if (toggle_ == toggle) {
        return effects;
    }
    toggle_ = toggle;
    checked_ = false;
    state_ = RestingState();
    effects.repaint = true;
    return effects;
}

ControlEffects ButtonStateMachine::SetChecked(bool checked) {
    ControlEffects effects;
    if (!toggle_) {
        return effects;
    }
    checked_ = checked;
    state_ = RestingState();
    effects.repaint = true;
    return effects;
}

}  // namespace tockly
