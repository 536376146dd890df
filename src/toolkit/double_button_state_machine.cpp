#include "toolkit/double_button_state_machine.h"

namespace tockly {

MouseState DoubleButtonStateMachine::StateOf(ButtonHalf half) const noexcept {
    if (half == ButtonHalf::None) {
        return MouseState::Normal;
    }
    if (half == selected_ || (half == pressed_ && pressShown_)) {
        return MouseState::Pressed;
    }
    return half == hovered_ ? MouseState::Hovered : MouseState::Normal;
}

ControlEffects DoubleButtonStateMachine::MouseMove(ButtonHalf under, bool inside) {
    ControlEffects effects;
    if (!BeginMove(inside, effects)) {
        return effects;
    }
    const bool shown = pressed_ != ButtonHalf::None && under == pressed_;
    effects.repaint = hovered_ != under || pressShown_ != shown;
    hovered_ = under;
    pressShown_ = shown;
    return effects;
}

ControlEffects DoubleButtonStateMachine::LeftDown(ButtonHalf under) {
    ControlEffects effects;
    if (!enabled() || under == ButtonHalf::None) {
        return effects;
    }
    pressed_ = under;
    pressShown_ = true;
    hovered_ = under;
    effects.capture = true;
    effects.repaint = true;
    effects.takeFocus = true;  // so that Tab goes on from here
    return effects;
}

ControlEffects DoubleButtonStateMachine::LeftUp(ButtonHalf under) {
    ControlEffects effects;
    if (!enabled() || pressed_ == ButtonHalf::None) {
        return effects;
    }
    effects.releaseCapture = true;
    effects.repaint = true;
    if (under == pressed_) {
        selected_ = under;
        clicked_ = under;
        effects.notify = true;
    }
    pressed_ = ButtonHalf::None;
    pressShown_ = false;
    hovered_ = under;
    return effects;
}

ControlEffects DoubleButtonStateMachine::MouseLeave() {
    ControlEffects effects;
    if (!EndTracking()) {
        return effects;
    }
    effects.repaint = hovered_ != ButtonHalf::None;
    hovered_ = ButtonHalf::None;
    return effects;
}

ControlEffects DoubleButtonStateMachine::CaptureLost() {
    ControlEffects effects;
    if (pressed_ == ButtonHalf::None) {
        return effects;
    }
    pressed_ = ButtonHalf::None;
    pressShown_ = false;
    effects.repaint = true;
    return effects;
}

ControlEffects DoubleButtonStateMachine::SetEnabled(bool enabled) {
    ControlEffects effects;
    if (ChangeEnabled(enabled, effects) && !enabled) {
        effects.releaseCapture = pressed_ != ButtonHalf::None;
        pressed_ = ButtonHalf::None;
        pressShown_ = false;
        hovered_ = ButtonHalf::None;
    }
    return effects;
}

ControlEffects DoubleButtonStateMachine::SetChecked(bool checked) {
    ControlEffects effects;
    checked_ = checked;
    if (checked) {
        effects.repaint = selected_ != ButtonHalf::None;
        selected_ = ButtonHalf::None;
    }
    return effects;
}

ControlEffects DoubleButtonStateMachine::Select(ButtonHalf half) {
    ControlEffects effects;
    effects.repaint = selected_ != half;
    selected_ = half;
    return effects;
}

ControlEffects DoubleButtonStateMachine::ChooseByKey(ButtonHalf half) {
    ControlEffects effects;
    if (!enabled() || half == ButtonHalf::None || half == selected_) {
        return effects;
    }
    selected_ = half;
    clicked_ = half;
    effects.repaint = true;
    effects.notify = true;
    return effects;
}

}  // namespace tockly
