#pragma once
// What the push-type controls (buttons, check boxes, radio buttons, double buttons) share on
// Win32: their mouse messages go to a portable state machine, and the window carries out what the
// machine answers, keeping the base's checked field in step with it.

#include <windows.h>

#include "toolkit/captioned_control.h"
#include "toolkit/mouse_state.h"

namespace tockly {

class PressableControl : public CaptionedControl {
public:
    PressableControl(HWND parent, WORD id, DWORD style, TextColors colors = kTextOnPage);

protected:
    enum class MouseEvent {
        Move,
        LeftDown,  // a double click too: it acts as a second press
        LeftUp,
        Leave,        // WM_MOUSELEAVE; the point means nothing
        CaptureLost,  // another window took the mouse; the point means nothing
    };

    // What the control's logic makes of a mouse message.
    virtual ControlEffects TakeMouse(MouseEvent event, const MouseInput& mouse) = 0;
    // The checked state the logic holds now.
    virtual bool LogicChecked() const noexcept = 0;

    // Mirrors the logic's checked state into the base, then carries out the effects (the
    // WM_COMMAND last: the parent may destroy the control while handling it).
    void Apply(const ControlEffects& effects);

private:
    // Another window took the mouse (a menu, a dialog): a press in progress ends without a click.
    // The control's own SetCapture sends this message too.
    void OnCaptureChanged(const CaptureInput& capture);
};

}  // namespace tockly
