#pragma once
// bfMainWindow: the program's one ordinary window, a borderless, skinned, slightly transparent
// popup in the bottom-right corner of the work area, hidden most of the time and called up from
// the tray icon. Its left half is the menu column (buttons 1 to 14), its right half the page
// area, which shows the home page or one page. It owns the pages, the home page and the tray
// icon, and routes every WM_COMMAND of the user interface to the page that handles it.
//
// It hides itself when the focus leaves the program, unless the pin is pressed or a page's file
// dialog is open; it is placed again when the work area or the clock convention changes.
//
// The task pages' lists make up the TaskRegistry, which the task store is loaded into once
// (LoadTasks, at start) and saved from: shortly after any change (the lists ask, and what they
// ask in one go is saved once), at once when the session ends, and at the end: the tray's Exit
// (WM_CLOSE) saves before anything is destroyed, then stops and destroys every task, then the
// window; a main window that goes otherwise (the loop ended by a quit message) saves first thing
// in its destructor. Nothing is saved before the store was loaded, nor while an error unwinds.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "platform/mail.h"
#include "platform/win32_path_probe.h"
#include "platform/win32_process_enumerator.h"
#include "shell/app_settings.h"
#include "shell/language_table.h"
#include "tasks/task_registry.h"
#include "toolkit/abstract_window.h"
#include "toolkit/paint_buffer.h"
#include "toolkit/skin_cache.h"
#include "ui/home_page.h"
#include "ui/information_page.h"
#include "ui/main_window_layout.h"
#include "ui/menu_button.h"
#include "ui/navigation.h"
#include "ui/settings_page.h"
#include "ui/task_page.h"
#include "ui/task_services.h"
#include "ui/tray_icon.h"

namespace tockly {

// The user's clock convention: true for 24-hour time (LOCALE_ITIME of the user's locale is not
// "0").
bool UserUses24HourClock();

// What the main window needs from outside besides the settings and the language table.
struct MainWindowServices {
    MailComposer& mail;
    // What the task lists give their widgets.
    TaskServices tasks;
    // Read at every WM_SETTINGCHANGE.
    std::function<bool()> uses24HourClock = &UserUses24HourClock;
    TrayIcon::NotifyCall notifyIcon = &::Shell_NotifyIconW;
    // The editor pages' checks of paths and the process chooser's list; null: the real ones.
    const PathProbe* paths = nullptr;
    ProcessEnumerator* processes = nullptr;
};

class bfMainWindow final : public bfAbstractWindow {
public:
    static constexpr UINT_PTR kFadeTimer = 50001;

    explicit bfMainWindow(MainWindowServices services);
    ~bfMainWindow() override;

    // Both outlive the main window. Each is handed on to the pages; the language table also fills
    // the settings page's language list. Until the table is set, RetranslateAll does nothing.
    void SetSettings(AppSettings* settings);
    void SetLanguageTable(LanguageTable* languages);
    // Stands in for the save of the task store (tests count the saves).
    void SetStoreSaver(std::function<void()> saveStore) { saveStore_ = std::move(saveStore); }

    // The stored tasks into the lists (start-up, once, after SetSettings). False when there was
    // no store to load (the lists stay empty).
    bool LoadTasks();
    // Writes the task store now; false when it could not (or may not yet) be written.
    bool SaveTasks();
    // Asks for a save of the task store: it follows once the messages in the queue are handled.
    void RequestSave();

    // The clock convention, handed to the pages whose forms take a time of day.
    void Set24HourClock(bool twentyFourHour);
    bool uses24HourClock() const noexcept { return twentyFourHour_; }

    // Every caption again from the language table, the pages' and the tray menu's too.
    void RetranslateAll();
    // The bottom-right corner of the work area; no resizing, activation or z-order change.
    void PlaceWindow();
    // Shows the window in front (the first time with its fade) and gives it the focus; it stays
    // above other windows only while it keeps on top.
    void ShowInFront();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // For tests and the screenshot tool.
    const Navigation& navigation() const noexcept { return navigation_; }
    MenuButton& button(int id) noexcept { return *buttons_[static_cast<std::size_t>(id - 1)]; }
    Page& page(PageKind kind) noexcept { return *pages_[static_cast<std::size_t>(kind)]; }
    TaskPage& taskPage(TaskKind kind) noexcept {
        return *taskPages_[static_cast<std::size_t>(kind)];
    }
    bfTaskListView& taskList(TaskKind kind) noexcept { return taskPage(kind).list(); }
    const TaskRegistry& tasks() const noexcept { return registry_; }
    HomePage& home() noexcept { return *home_; }
    SettingsPage& settingsPage() noexcept { return *settingsPage_; }
    TrayIcon& tray() noexcept { return *tray_; }
    const TrayRestoreSchedule& trayRestore() const noexcept { return trayRestore_; }

private:
    void MakeButtons();
    void MakePages();
    // Shows and presses what the navigation says, after one of its steps.
    void Apply(const Navigation::Step& step);
    void SaveStore();
    void OnClose();

    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnTrayCommand(int id);
    void OnDialogGuard(bool open);
    void OnTrayCallback(LPARAM mouseMessage);
    void OnTimer(const TimerInput& timer);
    void OnSettingChange();
    void OnEndSession(WPARAM ending);
    // The focus may have left the program: posted, so that the activation has settled.
    void CheckFocusLeft();
    void AutoHide();
    void OnPaint();
    void Paint(const PaintContext& paint) const;
    void PaintTaskFrame(const PaintContext& paint) const;
    void FirstShowFade();

    MainWindowServices services_;
    Win32PathProbe realPaths_;
    Win32ProcessEnumerator realProcesses_;
    Navigation navigation_;
    std::array<std::unique_ptr<MenuButton>, menu_button::kLast> buttons_;
    std::array<std::unique_ptr<Page>, kPageKindCount> pages_;
    std::array<TaskPage*, kTaskKindCount> taskPages_{};
    TaskRegistry registry_;
    SettingsPage* settingsPage_ = nullptr;
    std::unique_ptr<HomePage> home_;
    std::unique_ptr<TrayIcon> tray_;
    AppSettings* settings_ = nullptr;
    LanguageTable* languages_ = nullptr;
    std::function<void()> saveStore_;
    bool storeLoaded_ = false;
    bool savePosted_ = false;
    // The tasks were saved and destroyed at the end: nothing is saved any more.
    bool tasksClosed_ = false;
    bool twentyFourHour_ = true;
    bool fadedIn_ = false;
    int fadeStep_ = 0;
    TrayRestoreSchedule trayRestore_;
    std::shared_ptr<PaintBuffer> buffer_;
    SharedBitmap mainTile_;
    SharedBitmap frameTile_;
    SharedBitmap ruleTile_;
    SharedBitmap logo_;
    SharedBitmap scrollUp_;
    SharedBitmap scrollDown_;
};

}  // namespace tockly
