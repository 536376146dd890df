#include "toolkit/edit_menu.h"

#include "toolkit/text_menu_ids.h"

namespace tockly {

EditMenu::EditMenu()
    : menu_(
          ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menu_id::kTextMenuResource))) {}

void EditMenu::Show(HWND owner, LPARAM screenPoint, POINT keyboardAnchor,
                    const EditMenuItems& items) const {
    HMENU popup = menu_ ? ::GetSubMenu(menu_.get(), 0) : nullptr;
    if (!popup) {
        return;
    }
    POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    if (screenPoint == -1) {
        at = keyboardAnchor;
        ::ClientToScreen(owner, &at);
    }
    const auto enable = [popup](int command, bool on) {
        ::EnableMenuItem(popup, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    enable(menu_id::kTextCut, items.cut);
    enable(menu_id::kTextCopy, items.copy);
    enable(menu_id::kTextPaste, items.paste);
    enable(menu_id::kTextDelete, items.erase);
    enable(menu_id::kTextSelectAll, items.selectAll);
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner,
                     nullptr);
}

}  // namespace tockly
