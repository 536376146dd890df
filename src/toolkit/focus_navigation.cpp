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
    return true;
}

}  // namespace tockly
