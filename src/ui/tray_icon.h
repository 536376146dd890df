#pragma once
// The program's icon in the notification area and its owner-drawn menu. The icon reports to the
// owner (the main window) with the callback message 20100, lParam the mouse message; the menu's
// commands reach the owner as WM_COMMAND.
//
// The platform call is handed in, so that tests can count what the icon asks of the notification
// area; the program uses Shell_NotifyIconW.

#include <windows.h>

#include <shellapi.h>

#include <memory>

#include "shell/language_texts.h"
#include "support/unique_handle.h"
#include "widgets/owner_drawn_menu.h"

namespace tockly {

inline constexpr UINT kTrayCallbackMessage = 20100;
inline constexpr UINT kTrayIconId = 27272727;

struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle icon) noexcept { ::DestroyIcon(icon); }
};
using UniqueIcon = UniqueHandle<IconTraits>;

class TrayIcon {
public:
    using NotifyCall = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);

    explicit TrayIcon(HWND owner, NotifyCall notify = &::Shell_NotifyIconW);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon (again: adding one that is there fails harmlessly) or removes it.
    bool Show(bool show);
    void Retranslate(const LanguageTexts& texts);

    // The menu at the cursor; the chosen command reaches the owner as a posted WM_COMMAND. The
    // menu belongs to a window of its own that is never shown: it becomes the foreground window
    // first, so that a click elsewhere closes the menu, and gets a WM_NULL after it, as the
    // platform asks of tray menus. Owned by the main window, the menu was closed as it opened
    // when the main window had just lost the focus to the notification area (seen under X).
    void OpenMenu(int screenX, int screenY);

    // WM_MEASUREITEM and WM_DRAWITEM with wParam 0: true when they were the menu's.
    bool Measure(MEASUREITEMSTRUCT& measure) const;
    bool Draw(const DRAWITEMSTRUCT& draw) const;

    OwnerDrawnMenu* menu() const noexcept { return menu_.get(); }
    // True while the menu is open (the program's own popup, not another program's front).
    bool menuOpen() const noexcept { return menuOpen_; }

private:
    NOTIFYICONDATAW Data(UINT flags) const;
    static LRESULT CALLBACK MenuOwnerProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam);

    HWND owner_;
    UniqueWindow menuOwner_;
    NotifyCall notify_;
    UniqueIcon icon_;
    std::unique_ptr<OwnerDrawnMenu> menu_;
    bool menuOpen_ = false;
};

}  // namespace tockly
