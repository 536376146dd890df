#include "toolkit/check_state_machine.h"

namespace tockly {

ControlEffects CheckStateMachine::MouseMove(bool inside) {
    ControlEffects effects;
    if (!BeginMove(inside, effects)) {
        return effects;
    }
    effects.repaint = hovered_ != inside;
    hovered_ = inside;
    return effects;
}

ControlEffects CheckStateMachine::LeftDown() {
    ControlEffects effects;
    if (!enabled()) {
        return effects;
    }
    Toggle();
    hovered_ = true;
    armed_ = true;
    effects.capture = true;
    effects.takeFocus = true;
    effects.repaint = true;
    effects.notify = true;
    return effects;
}

void CheckStateMachine::Toggle() noexcept {
    checked_ = kind_ == CheckKind::RadioButton ? true : !checked_;
}

ControlEffects CheckStateMachine::Space() {
    ControlEffects effects;
    if (!enabled()) {
        return effects;
    }
    Toggle();
    effects.repaint = true;
    effects.notify = true;
    return effects;
}

ControlEffects CheckStateMachine::LeftUp(bool inside) {
    ControlEffects effects;
    if (!enabled() || !armed_) {
        return effects;
    }
    armed_ = false;
    effects.releaseCapture = true;
    effects.repaint = hovered_ != inside;
    hovered_ = inside;
    return effects;
}

ControlEffects CheckStateMachine::MouseLeave() {
    ControlEffects effects;
    if (!EndTracking()) {
        return effects;
    }
    effects.repaint = hovered_;
    hovered_ = false;
    return effects;
}

ControlEffects CheckStateMachine::CaptureLost() {
    armed_ = false;
    return {};
}

ControlEffects CheckStateMachine::SetEnabled(bool enabled) {
    ControlEffects effects;
    if (ChangeEnabled(enabled, effects) && !enabled) {
        effects.releaseCapture = armed_;
        armed_ = false;
        hovered_ = false;
    }
    return effects;
}

ControlEffects CheckStateMachine::SetChecked(bool checked) {
    ControlEffects effects;
    effects.repaint = checked_ != checked;
    checked_ = checked;
    return effects;
}

}  // namespace tockly
