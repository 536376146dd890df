#include "ui/main_window.h"

#include <exception>
#include <utility>

#include "support/gdi_handles.h"
#include "tasks/win32_task_store_file.h"
#include "toolkit/focus_navigation.h"
#include "toolkit/skin_drawing.h"
#include "ui/pages/task_pages.h"
#include "ui/tray_menu.h"

namespace tockly {
namespace {

// Posted when the focus may have left the program; handled once the activation has settled.
constexpr UINT kCheckFocusMessage = WM_APP + 1;
// Posted when a task list asks for a save: everything that changed in one go is saved once.
constexpr UINT kSaveStoreMessage = WM_APP + 2;

constexpr int kFadeSteps = 6;
constexpr UINT kFadeIntervalMs = 15;

// The task list frame: its title strip, header row, scroll column and the remove button's place.
constexpr COLORREF kFrameFill = RGB(0x3d, 0x3d, 0x3d);
constexpr COLORREF kFrameLine = RGB(0x6d, 0x6d, 0x6d);
constexpr RECT kFrameTitleStrip{520, 12, 704, 30};
constexpr RECT kFrameHeader{521, 33, 689, 53};
constexpr RECT kFrameScrollTrack{690, 56, 703, 225};
constexpr RECT kFrameRemoveButton{588, 231, 651, 251};
constexpr RECT kFrameRows{520, 32, 704, 229};
constexpr POINT kFrameScrollUp{690, 45};
constexpr POINT kFrameScrollDown{690, 225};

// Buttons 3, 5 and 7 change the column's level and mark nothing; the others mark the open page
// (the pin its own state).
bool IsToggle(int id) noexcept {
    return id != menu_button::kTasks && id != menu_button::kCounting && id != menu_button::kBack;
}

RECT ToWin(const AreaRect& area) noexcept {
    return {area.left, area.top, area.right, area.bottom};
}

}  // namespace

bool UserUses24HourClock() {
    wchar_t convention[2] = {};
    if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ITIME, convention, 2) == 0) {
        return true;
    }
    return convention[0] != L'0';
}

bfMainWindow::bfMainWindow(MainWindowServices services)
    : bfAbstractWindow(nullptr, WS_POPUP | WS_CLIPCHILDREN, WS_EX_LAYERED | WS_EX_TOOLWINDOW),
      services_(std::move(services)),
      buffer_(PaintBuffer::ForThisThread()),
      mainTile_(LoadSkinFile(std::wstring_view(kMainTile))),
      frameTile_(LoadSkinFile(std::wstring_view(kFrameTile))),
      ruleTile_(LoadSkinFile(L"data\\bitmaps_menu\\40_bkg_4.bmp")),
      logo_(LoadSkinFile(L"data\\bitmaps_menu\\22x238_logo.bmp")),
      scrollUp_(LoadSkinFile(L"data\\bitmaps\\13x11_vscroll_up_button.bmp")),
      scrollDown_(LoadSkinFile(L"data\\bitmaps\\13x11_vscroll_down_button.bmp")) {
    // A title, so that other programs (and tests) can tell the window by it; it has no caption.
    ::SetWindowTextW(window(), L"Tockly");
    Resize(kMainWindowWidth, kMainWindowHeight);

    MessageMap& map = messages();
    map.Set(WM_COMMAND, [this](UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
        OnCommand(wParam, lParam);
        return 0;
    });
    map.Set(WM_PAINT, this, &bfMainWindow::OnPaint);
    map.Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    map.Set(WM_TIMER, this, &bfMainWindow::OnTimer);
    map.Set(WM_TIMECHANGE, [](UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    map.Set(WM_SETTINGCHANGE, this, &bfMainWindow::OnSettingChange);
    map.Set(WM_ENDSESSION, [this](UINT, WPARAM wParam, LPARAM) -> LRESULT {
        OnEndSession(wParam);
        return 0;
    });
    map.Set(WM_KILLFOCUS, [this](UINT, WPARAM, LPARAM) -> LRESULT {
        ::PostMessageW(window(), kCheckFocusMessage, 0, 0);
        return 0;
    });
    // With the focus on the window itself (as it is shown), Tab goes to the page's first control.
    map.Set(WM_KEYDOWN, [this](UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (MoveFocusOnTab(window(), wParam)) {
            return 0;
        }
        return ::DefWindowProcW(window(), message, wParam, lParam);
    });
    map.Set(WM_ACTIVATEAPP, [this](UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (!wParam) {
            ::PostMessageW(window(), kCheckFocusMessage, 0, 0);
        }
        return ::DefWindowProcW(window(), message, wParam, lParam);
    });
    map.Set(kCheckFocusMessage, this, &bfMainWindow::CheckFocusLeft);
    map.Set(WM_CLOSE, this, &bfMainWindow::OnClose);
    map.Set(kSaveStoreMessage, [this](UINT, WPARAM, LPARAM) -> LRESULT {
        savePosted_ = false;
        SaveStore();
        return 0;
    });
    map.Set(WM_DESTROY, [this](UINT, WPARAM, LPARAM) -> LRESULT {
        tray_->Show(false);
        ::KillTimer(window(), TrayRestoreSchedule::kTimerId);
        ::KillTimer(window(), kFadeTimer);
        ::PostQuitMessage(0);
        return 0;
    });
    const auto mouse = [this](UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (navigation_.homeVisible()) {
            const MouseInput input = MouseInput::From(wParam, lParam);
            home_->OnMouse(message, input.x, input.y, wParam);
        }
        return 0;
    };
    map.Set(WM_MOUSEMOVE, mouse);
    map.Set(WM_LBUTTONDOWN, mouse);
    map.Set(WM_LBUTTONUP, mouse);
    map.Set(WM_MEASUREITEM, [this](UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (wParam == 0 && tray_->Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
            return TRUE;
        }
        return ::DefWindowProcW(window(), message, wParam, lParam);
    });
    map.Set(WM_DRAWITEM, [this](UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (wParam == 0 && tray_->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
            return TRUE;
        }
        return ::DefWindowProcW(window(), message, wParam, lParam);
    });
    map.Set(kTrayCallbackMessage, [this](UINT, WPARAM, LPARAM lParam) -> LRESULT {
        OnTrayCallback(lParam);
        return 0;
    });

    MakeButtons();
    MakePages();
    tray_ = std::make_unique<TrayIcon>(window(), services_.notifyIcon);
    tray_->Show(true);
    Apply({});
    ::SetTimer(window(), TrayRestoreSchedule::kTimerId, TrayRestoreSchedule::kIntervalMs, nullptr);
}

bfMainWindow::~bfMainWindow() {
    // Before anything goes: the task lists still hold every task. Not while an error unwinds: what
    // the lists hold then may be half made.
    if (std::uncaught_exceptions() == 0) {
        SaveStore();
    }
    // The controls and pages go next; what their going sends the window finds no handler.
    messages().Clear();
    tray_.reset();
    home_.reset();
    for (auto& page : pages_) {
        page.reset();
    }
    for (auto& button : buttons_) {
        button.reset();
    }
}

LRESULT bfMainWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessageMap(message, wParam, lParam);
}

void bfMainWindow::MakeButtons() {
    for (const MenuButtonSpec& spec : MenuButtonSpecs()) {
        auto button = std::make_unique<MenuButton>(window(), spec);
        button->LoadBackgroundBitmapFile(kMainTile);
        button->SetToggleButton(IsToggle(spec.id));
        // The pin is pressed and released by the user; a page's button only by another page.
        button->SetAllowUncheck(spec.id == menu_button::kPin);
        buttons_[static_cast<std::size_t>(spec.id - 1)] = std::move(button);
    }
}

void bfMainWindow::MakePages() {
    auto settings = std::make_unique<SettingsPage>(window());
    settingsPage_ = settings.get();
    pages_[static_cast<std::size_t>(PageKind::Settings)] = std::move(settings);
    pages_[static_cast<std::size_t>(PageKind::Information)] =
        std::make_unique<InformationPage>(window());
    const PageServices pageServices{
        services_.tasks, services_.paths != nullptr ? *services_.paths : realPaths_,
        services_.processes != nullptr ? *services_.processes : realProcesses_};
    for (std::size_t kind = 0; kind < kTaskPages.size(); ++kind) {
        std::unique_ptr<TaskPage> page = MakeTaskPage(static_cast<TaskKind>(kind), window(),
                                                      pageServices, [this] { RequestSave(); });
        taskPages_[kind] = page.get();
        registry_.Attach(static_cast<TaskKind>(kind), page->list());
        pages_[static_cast<std::size_t>(kTaskPages[kind])] = std::move(page);
    }
    home_ = std::make_unique<HomePage>(window());
}

void bfMainWindow::SetSettings(AppSettings* settings) {
    settings_ = settings;
    settingsPage_->SetSettings(settings);
    for (TaskPage* page : taskPages_) {
        page->SetSettings(settings);
    }
}

bool bfMainWindow::LoadTasks() {
    storeLoaded_ = true;
    return settings_ != nullptr && tockly::LoadTasks(registry_, *settings_, services_.tasks.clock);
}

bool bfMainWindow::SaveTasks() {
    if (settings_ == nullptr || !storeLoaded_ || tasksClosed_) {
        return false;
    }
    return tockly::SaveTasks(registry_, *settings_);
}

void bfMainWindow::RequestSave() {
    if (!savePosted_) {
        savePosted_ = ::PostMessageW(window(), kSaveStoreMessage, 0, 0) != FALSE;
    }
}

void bfMainWindow::SetLanguageTable(LanguageTable* languages) {
    languages_ = languages;
    settingsPage_->SetLanguageTable(languages);
}

void bfMainWindow::Set24HourClock(bool twentyFourHour) {
    twentyFourHour_ = twentyFourHour;
    for (const PageKind kind : kTaskPages) {
        if (TakesTimeOfDay(kind)) {
            page(kind).Set24HourClock(twentyFourHour);
        }
    }
}

void bfMainWindow::RetranslateAll() {
    if (languages_ == nullptr) {
        return;
    }
    for (const auto& button : buttons_) {
        if (button->spec().caption) {
            button->SetText(languages_->Text(*button->spec().caption));
        }
    }
    for (const auto& page : pages_) {
        page->Retranslate(*languages_);
    }
    home_->Retranslate(*languages_);
    tray_->Retranslate(*languages_);
    ::InvalidateRect(window(), nullptr, FALSE);
}

void bfMainWindow::PlaceWindow() {
    RECT work{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        work = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    }
    const WindowPosition at = MainWindowPosition({work.left, work.top, work.right, work.bottom});
    ::SetWindowPos(window(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void bfMainWindow::FirstShowFade() {
    if (fadedIn_) {
        return;
    }
    fadedIn_ = true;
    fadeStep_ = 1;
    ::SetLayeredWindowAttributes(window(), 0, kMainWindowAlpha / kFadeSteps, LWA_ALPHA);
    ::SetTimer(window(), kFadeTimer, kFadeIntervalMs, nullptr);
}

void bfMainWindow::ShowInFront() {
    FirstShowFade();
    Show(true);
    ::SetForegroundWindow(window());
    ::SetFocus(window());
    // To the front, but above other windows only while the pin or a dialog keeps it there.
    SetTopmost(HWND_TOPMOST);
    if (!navigation_.keepOnTop()) {
        SetTopmost(HWND_NOTOPMOST);
    }
}

void bfMainWindow::Apply(const Navigation::Step& step) {
    // What goes first, then what comes, so that nothing overlaps on the way.
    for (const auto& button : buttons_) {
        if (!navigation_.ButtonVisible(button->id())) {
            button->Show(false);
        }
    }
    for (const auto& button : buttons_) {
        if (navigation_.ButtonVisible(button->id())) {
            button->Show(true);
        }
        if (button->toggle()) {
            button->SetChecked(navigation_.ButtonPressed(button->id()));
        }
    }
    const std::optional<PageKind> open = navigation_.openPage();
    for (std::size_t kind = 0; kind < pages_.size(); ++kind) {
        if (open != static_cast<PageKind>(kind) && pages_[kind]->visible()) {
            pages_[kind]->Show(false);
        }
    }
    if (!navigation_.homeVisible() && home_->visible()) {
        home_->Show(false);
    }
    if (step.opened || step.homeShown) {
        // The page area is painted anew: the task pages' frame comes or goes.
        const RECT area = ToWin(kPageArea);
        ::InvalidateRect(window(), &area, FALSE);
    }
    if (step.opened == PageKind::Settings) {
        settingsPage_->Load();
    }
    if (open) {
        page(*open).Show(true);
    } else if (!home_->visible()) {
        home_->Show(true);
    }
    if (step.pinChanged) {
        SetTopmost(navigation_.pinned() ? HWND_TOPMOST : HWND_NOTOPMOST);
    }
    ::UpdateWindow(window());
}

void bfMainWindow::SaveStore() {
    if (tasksClosed_) {
        return;
    }
    if (saveStore_) {
        saveStore_();
        return;
    }
    static_cast<void>(SaveTasks());
}

void bfMainWindow::OnClose() {
    // Saved while every widget still has its window: a window destroyed with ours would take
    // what it holds (a sticky note's text) with it.
    SaveStore();
    tasksClosed_ = true;
    for (TaskPage* page : taskPages_) {
        page->list().CloseTasks();
    }
    ::DestroyWindow(window());
}

void bfMainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    const CommandRoute route = RouteCommand(id);
    switch (route.target) {
        case CommandTarget::Navigation:
            Apply(navigation_.Press(id));
            return;
        case CommandTarget::Home:
            Apply(navigation_.Home());
            return;
        case CommandTarget::Retranslate:
            RetranslateAll();
            return;
        case CommandTarget::DialogGuard:
            OnDialogGuard(code == 1);
            return;
        case CommandTarget::Tray:
            OnTrayCommand(id);
            return;
        case CommandTarget::Page:
            page(route.page).HandleCommand({id, code, static_cast<std::intptr_t>(lParam)});
            return;
        case CommandTarget::None:
            return;
    }
}

void bfMainWindow::OnTrayCommand(int id) {
    const TrayCommand command = TrayCommandOf(id);
    switch (command.action) {
        case TrayAction::ResetPositions:
            for (const PageKind kind : kTaskPages) {
                page(kind).ResetPositions();
            }
            RequestSave();
            return;
        case TrayAction::ShowAllWidgets:
        case TrayAction::HideAllWidgets:
            for (const PageKind kind : kTaskPages) {
                page(kind).ShowAllWidgets(command.action == TrayAction::ShowAllWidgets);
            }
            RequestSave();
            return;
        case TrayAction::OpenPage:
            ShowInFront();
            Apply(navigation_.OpenFromTray(command.page));
            return;
        case TrayAction::QuickStickyNote:
            ::SendMessageW(window(), WM_COMMAND, MAKEWPARAM(kCommandQuickStickyNote, 0), 0);
            return;
        case TrayAction::QuickStopwatch: {
            // The tray's stopwatch starts at 0:00:00; the record is ours until it is handled.
            const StopwatchStart start = StopwatchStart::At(0, 0, 0);
            ::SendMessageW(window(), WM_COMMAND, MAKEWPARAM(kCommandQuickStopwatch, 0),
                           reinterpret_cast<LPARAM>(&start));
            return;
        }
        case TrayAction::Feedback:
            static_cast<void>(services_.mail.Compose(
                {std::string(kFeedbackAddress), std::string(kFeedbackSubject)}));
            return;
        case TrayAction::Exit:
            ::SendMessageW(window(), WM_CLOSE, 0, 0);
            return;
        case TrayAction::None:
            return;
    }
}

void bfMainWindow::OnDialogGuard(bool open) {
    navigation_.SetDialogOpen(open);
    if (!open && !navigation_.pinned()) {
        ::SetFocus(window());
    }
}

void bfMainWindow::OnTrayCallback(LPARAM mouseMessage) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    switch (LOWORD(mouseMessage)) {
        case WM_LBUTTONUP:
            ShowInFront();
            return;
        case WM_RBUTTONUP:
            tray_->OpenMenu(cursor.x, cursor.y);
            return;
        default:
            return;
    }
}

void bfMainWindow::OnTimer(const TimerInput& timer) {
    if (timer.id == TrayRestoreSchedule::kTimerId) {
        const TrayRestoreSchedule::Tick tick = trayRestore_.OnTick();
        if (tick.addIcon) {
            tray_->Show(true);
        }
        if (tick.stopTimer) {
            ::KillTimer(window(), TrayRestoreSchedule::kTimerId);
        }
        return;
    }
    if (timer.id == kFadeTimer) {
        ++fadeStep_;
        const int step = fadeStep_ < kFadeSteps ? fadeStep_ : kFadeSteps;
        ::SetLayeredWindowAttributes(
            window(), 0, static_cast<BYTE>(kMainWindowAlpha * step / kFadeSteps), LWA_ALPHA);
        if (step == kFadeSteps) {
            ::KillTimer(window(), kFadeTimer);
        }
    }
}

void bfMainWindow::OnSettingChange() {
    const bool twentyFourHour = services_.uses24HourClock();
    if (twentyFourHour != twentyFourHour_) {
        Set24HourClock(twentyFourHour);
    }
    PlaceWindow();
}

void bfMainWindow::OnEndSession(WPARAM ending) {
    // Whatever ends the session (log-off, shut-down, restart, an installer closing the program),
    // the program is not asked again.
    if (ending) {
        SaveStore();
    }
}

void bfMainWindow::CheckFocusLeft() {
    // The tray menu takes the focus from the window, but it is the program's own: hiding the
    // window under it would close it.
    if (!shown() || navigation_.keepOnTop() || tray_->menuOpen() || ::GetFocus() != nullptr) {
        return;
    }
    // Focus in nowhere of this thread while one of its windows is in front (a menu closing,
    // a widget being clicked) is no leaving.
    const HWND front = ::GetForegroundWindow();
    if (front != nullptr && ::GetWindowThreadProcessId(front, nullptr) == ::GetCurrentThreadId()) {
        return;
    }
    AutoHide();
}

void bfMainWindow::AutoHide() {
    Apply(navigation_.Reset());
    Show(false);
}

void bfMainWindow::OnPaint() {
    RECT update{};
    ::GetUpdateRect(window(), &update, FALSE);
    PaintDc paint(window());
    if (PaintBuffer::Lease lease = buffer_->Acquire(kMainWindowWidth, kMainWindowHeight)) {
        Paint({lease.dc(), buffer_->SourceDc(), kMainWindowWidth, kMainWindowHeight});
        ::BitBlt(paint.get(), update.left, update.top, update.right - update.left,
                 update.bottom - update.top, lease.dc(), update.left, update.top, SRCCOPY);
        return;
    }
    Paint({paint.get(), buffer_->SourceDc(), kMainWindowWidth, kMainWindowHeight});
}

void bfMainWindow::Paint(const PaintContext& paint) const {
    const RECT client{0, 0, kMainWindowWidth, kMainWindowHeight};
    if (!FillTiled(paint.dc, client, mainTile_.get(), 0, 0)) {
        FillSolid(paint.dc, client, RGB(0x37, 0x37, 0x37));
    }
    const std::optional<PageKind> open = navigation_.openPage();
    if (open && IsTaskPage(*open)) {
        PaintTaskFrame(paint);
    }
    FillTiled(paint.dc, ToWin(kHorizontalRule), ruleTile_.get(), 0, 0);
    FillTiled(paint.dc, ToWin(kVerticalRule), ruleTile_.get(), 0, 0);
    DrawSkinAt(paint, logo_.get(), kLogoX, kLogoY);
    if (navigation_.homeVisible()) {
        home_->Paint(paint);
    }
}

void bfMainWindow::PaintTaskFrame(const PaintContext& paint) const {
    // The backdrop of the page's task list.
    FillTiled(paint.dc, ToWin(kPageFrame), frameTile_.get(), 0, 0);
    FillTiled(paint.dc, kFrameTitleStrip, mainTile_.get(), 0, 0);
    FillSolid(paint.dc, kFrameHeader, kFrameFill);
    FillSolid(paint.dc, kFrameScrollTrack, kFrameFill);
    FillSolid(paint.dc, kFrameRemoveButton, kFrameFill);
    FrameSolid(paint.dc, ToWin(kPageFrame), kFrameLine);
    FrameSolid(paint.dc, kFrameRows, kFrameLine);
    const RECT scrollRule{689, 32, 690, 229};
    FillSolid(paint.dc, scrollRule, kFrameLine);
    DrawSkinAt(paint, scrollUp_.get(), kFrameScrollUp.x, kFrameScrollUp.y);
    DrawSkinAt(paint, scrollDown_.get(), kFrameScrollDown.x, kFrameScrollDown.y);
}

}  // namespace tockly
