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

}  // namespace tockly
