#include "ui/tray_icon.h"

#include <algorithm>

#include "support/wide_text.h"
#include "ui/tray_menu.h"

namespace tockly {

namespace {

constexpr wchar_t kMenuOwnerClass[] = L"TocklyTrayMenuOwner";

}  // namespace

TrayIcon::TrayIcon(HWND owner, NotifyCall notify)
    : owner_(owner),
      notify_(notify),
      // The notification area's size for the display's DPI (24 pixels at 150 %): the icon holds
      // that size, where a 16-pixel one would be stretched.
      icon_(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), L"App_Icon", IMAGE_ICON,
                                            ::GetSystemMetrics(SM_CXSMICON),
                                            ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR))),
      menu_(OwnerDrawnMenu::Load(TrayMenuSetup())) {
    static const ATOM menuOwnerClass = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &TrayIcon::MenuOwnerProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kMenuOwnerClass;
        return ::RegisterClassExW(&windowClass);
    }();
    if (menuOwnerClass != 0) {
        menuOwner_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, kMenuOwnerClass, L"", WS_POPUP, 0, 0,
                                           0, 0, nullptr, nullptr, ::GetModuleHandleW(nullptr),
                                           this));
    }
}

LRESULT CALLBACK TrayIcon::MenuOwnerProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const auto* tray =
        reinterpret_cast<const TrayIcon*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (tray != nullptr && message == WM_MEASUREITEM &&
        tray->Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
        return TRUE;
    }
    if (tray != nullptr && message == WM_DRAWITEM &&
        tray->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
        return TRUE;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

TrayIcon::~TrayIcon() {
    Show(false);
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner_;
    data.uID = kTrayIconId;
    data.uFlags = flags;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon_.get();
    const std::wstring tip = ToWide(kTrayTip);
    std::copy_n(tip.c_str(), std::min<std::size_t>(tip.size(), std::size(data.szTip) - 1),
                data.szTip);
    return data;
}

bool TrayIcon::Show(bool show) {
    NOTIFYICONDATAW data = Data(show ? NIF_MESSAGE | NIF_ICON | NIF_TIP : NIF_ICON);
    return notify_(show ? NIM_ADD : NIM_DELETE, &data) != FALSE;
}

void TrayIcon::Retranslate(const LanguageTexts& texts) {
    if (!menu_) {
        return;
    }
    for (const TrayMenuItem& item : TrayMenuItems()) {
        menu_->SetItemText(item.place, texts.Text(item.text));
    }
}

void TrayIcon::OpenMenu(int screenX, int screenY) {
    if (!menu_ || !menuOwner_) {
        return;
    }
    ::SetForegroundWindow(menuOwner_.get());
    menuOpen_ = true;
    const UINT command = static_cast<UINT>(
        ::TrackPopupMenuEx(menu_->handle(), TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, screenX,
                           screenY, menuOwner_.get(), nullptr));
    menuOpen_ = false;
    ::PostMessageW(menuOwner_.get(), WM_NULL, 0, 0);
    if (command != 0) {
        ::PostMessageW(owner_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
}

bool TrayIcon::Measure(MEASUREITEMSTRUCT& measure) const {
    return menu_ && menu_->Measure(measure);
}

bool TrayIcon::Draw(const DRAWITEMSTRUCT& draw) const {
    return menu_ && menu_->Draw(draw);
}

}  // namespace tockly
