#include "toolkit/focus_navigation.h"

namespace tockly {

bool MoveFocusOnTab(HWND control, WPARAM virtualKey) noexcept {
    if (virtualKey != VK_TAB || (::GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        return false;
    }
    // The walk goes through the whole window, into the child windows that hold controls of their
    // own (WS_EX_CONTROLPARENT: the scrolling forms) and out of them again.
    HWND root = ::GetAncestor(control, GA_ROOT);
    if (!root) {
        return false;
    }
    const bool backwards = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    HWND next = nullptr;
    if (control == root) {
        // From the window itself: to its first tab stop, or back from there to its last.
        HWND first = ::GetNextDlgTabItem(root, nullptr, FALSE);
        next = backwards && first ? ::GetNextDlgTabItem(root, first, TRUE) : first;
    } else {
        next = ::GetNextDlgTabItem(root, control, backwards);
    }
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
