#pragma once
// The look a skinned control shows under the mouse, and what a control's window must do after the
// logic has taken an input.

namespace tockly {

enum class MouseState { Normal = 0, Hovered = 1, Pressed = 2 };

// Applied by the window in the order of the fields. The notification comes last because the parent
// may destroy the control while it handles it.
struct ControlEffects {
    bool startTracking = false;  // set the arrow cursor and ask for WM_MOUSELEAVE
    bool capture = false;
    bool releaseCapture = false;
    bool takeFocus = false;
    bool repaint = false;
    bool notify = false;  // WM_COMMAND to the parent

    bool operator==(const ControlEffects&) const = default;
};

// What the mouse logic of every push-type control keeps: whether the control takes the mouse at
// all, and whether it has asked for the WM_MOUSELEAVE that ends its hover.
class MouseStateMachineBase {
public:
    bool enabled() const noexcept { return enabled_; }
    bool tracking() const noexcept { return tracking_; }

protected:
    // The start of every mouse move: false while disabled (the move is ignored); entering the
    // control asks for WM_MOUSELEAVE once.
    bool BeginMove(bool inside, ControlEffects& effects) noexcept {
        if (!enabled_) {
            return false;
        }
        if (inside && !tracking_) {
            tracking_ = true;
            effects.startTracking = true;
        }
        return true;
    }
    // WM_MOUSELEAVE uses the request up even while disabled; false while disabled.
    bool EndTracking() noexcept {
        tracking_ = false;
        return enabled_;
    }
    // True when the flag changed; the control then repaints.
    bool ChangeEnabled(bool enabled, ControlEffects& effects) noexcept {
        if (enabled_ == enabled) {
            return false;
        }
        enabled_ = enabled;
        effects.repaint = true;
        return true;
    }

private:
    bool enabled_ = true;
    bool tracking_ = false;
};

}  // namespace tockly
