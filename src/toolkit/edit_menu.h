#pragma once
// The editing menu of the text controls: submenu 0 of menu resource 200 ("Cut", "Copy", "Paste",
// "Delete", "Select All"), opened at the cursor or, from the keyboard, at a point of the control.

#include <windows.h>

#include "support/unique_handle.h"

namespace tockly {

// Which items may be chosen; the others are grayed.
struct EditMenuItems {
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool erase = false;  // "Delete"
    bool selectAll = false;
};

class EditMenu {
public:
    EditMenu();

    // `screenPoint` is WM_CONTEXTMENU's lParam; -1 (the menu key, Shift+F10) opens the menu at
    // `keyboardAnchor` in `owner`'s client coordinates. The chosen item goes to `owner` as
    // WM_COMMAND with the item's id.
    void Show(HWND owner, LPARAM screenPoint, POINT keyboardAnchor,
              const EditMenuItems& items) const;

private:
    UniqueMenu menu_;
};

}  // namespace tockly
