#include "toolkit/pressable_control.h"

namespace tockly {

PressableControl::PressableControl(HWND parent, WORD id, DWORD style, TextColors colors)
    : CaptionedControl(parent, id, style, colors) {
    const auto mouse = [this](MouseEvent event) {
        return [this, event](UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
            Apply(TakeMouse(event, MouseInput::From(wParam, lParam)));
            return 0;
        };
    };
    messages().Set(WM_MOUSEMOVE, mouse(MouseEvent::Move));
    messages().Set(WM_LBUTTONDOWN, mouse(MouseEvent::LeftDown));
    messages().Set(WM_LBUTTONDBLCLK, mouse(MouseEvent::LeftDown));
    messages().Set(WM_LBUTTONUP, mouse(MouseEvent::LeftUp));
    messages().Set(WM_MOUSELEAVE, [this](UINT, WPARAM, LPARAM) -> LRESULT {
        ForgetMouseTracking();
        Apply(TakeMouse(MouseEvent::Leave, {}));
        return 0;
    });
    messages().Set(WM_CAPTURECHANGED, this, &PressableControl::OnCaptureChanged);
}

void PressableControl::OnCaptureChanged(const CaptureInput& capture) {
    if (capture.newOwner != window()) {
        Apply(TakeMouse(MouseEvent::CaptureLost, {}));
    }
}

void PressableControl::Apply(const ControlEffects& effects) {
    StoreChecked(LogicChecked());
    ApplyEffects(effects);
}

}  // namespace tockly
