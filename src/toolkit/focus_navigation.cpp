#include "toolkit/focus_navigation.h"

namespace tockly {

bool MoveFocusOnTab(HWND control, WPARAM virtualKey) noexcept {
    if (virtualKey != VK_TAB || (::GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        return false;
    }
    HWND parent = ::GetParent(control);
    if (!parent) {
        return false;
    }
    const bool backwards = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    HWND next = ::GetNextDlgTabItem(parent, control, backwards);
    if (!next || next == control) {
        return false;
    }
    ::SetFocus(next);
    // As the dialog manager does: a field that Tab arrives in has its whole text selected.
    if ((::SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        ::SendMessageW(next, EM_SETSEL, 0, -1);
    }
    return true;
}

}  // namespace tockly
