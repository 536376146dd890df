#pragma once
// Tab and Shift+Tab between the controls of a window. The program's windows are no dialogs and its
// message loop does not call IsDialogMessage, so the focused control passes the focus on itself:
// every control that takes the keyboard has WS_TABSTOP, and its WM_KEYDOWN handler calls
// MoveFocusOnTab first. The order is the order of the windows (their creation order), through the
// child windows with WS_EX_CONTROLPARENT as if their controls were the window's own, and it wraps.

#include <windows.h>

namespace tockly {

// For a Tab key press in `control`: moves the focus to the next (with Shift the previous) enabled,
// visible tab stop of its top-level window (`control` may be that window: its first or last tab
// stop then), and selects the whole text of a field it arrives in (EM_SETSEL 0, -1 when the
// window's WM_GETDLGCODE has DLGC_HASSETSEL). True when the key was used; false for other keys and
// when there is no other tab stop (so a text box may take the Tab itself).
bool MoveFocusOnTab(HWND control, WPARAM virtualKey) noexcept;

}  // namespace tockly
