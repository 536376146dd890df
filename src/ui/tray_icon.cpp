#include "ui/tray_icon.h"

#include <algorithm>

#include "support/wide_text.h"
#include "ui/tray_menu.h"

namespace tockly {

TrayIcon::TrayIcon(HWND owner, NotifyCall notify)
    : owner_(owner),
      notify_(notify),
      // The notification area's size for the display's DPI (24 pixels at 150 %): the icon holds
      // that size, where a 16-pixel one would be stretched.
      icon_(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), L"App_Icon", IMAGE_ICON,
                                            ::GetSystemMetrics(SM_CXSMICON),
                                            ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR))),
      menu_(OwnerDrawnMenu::Load(TrayMenuSetup())) {}

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
    if (!menu_) {
        return;
    }
    ::SetForegroundWindow(owner_);
    menuOpen_ = true;
    menu_->Show(owner_, screenX, screenY, TPM_RIGHTBUTTON);
    menuOpen_ = false;
    ::PostMessageW(owner_, WM_NULL, 0, 0);
}

bool TrayIcon::Measure(MEASUREITEMSTRUCT& measure) const {
    return menu_ && menu_->Measure(measure);
}

bool TrayIcon::Draw(const DRAWITEMSTRUCT& draw) const {
    return menu_ && menu_->Draw(draw);
}

}  // namespace tockly
