// The main window on real windows: navigation by real clicks, auto-hide, placement, the tray
// schedule, the clock convention, the home page's stopwatch plate, the tray commands and what
// opening and closing everything leaves behind.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "main_window_fixture.h"
#include "toolkit/gdi_census.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using namespace menu_button;
using testing::ClickAt;
using testing::HandleQueuedMessages;
using testing::MainWindowTest;
using testing::MouseAt;
using testing::NotifyCalls;
using testing::PumpUntil;

TEST_F(MainWindowTest, NavigationKeepsOnePageOpenAndExactlyItsButtonPressed) {
    ShowWindow();
    EXPECT_TRUE(window->home().visible());
    EXPECT_EQ(VisiblePages(), 0);

    ASSERT_TRUE(ClickButton(kTasks));
    EXPECT_FALSE(::IsWindowVisible(window->button(kTasks).window()));
    EXPECT_TRUE(::IsWindowVisible(window->button(kApplications).window()));
    ASSERT_TRUE(ClickButton(kApplications));
    EXPECT_TRUE(taskPage(PageKind::Application).visible());
    EXPECT_FALSE(window->home().visible());
    ASSERT_TRUE(ClickButton(kBack));
    // Back returns to the six big buttons and leaves the page open.
    for (const int id : {kTasks, kStickyNotes, kCounting, kStopwatch}) {
        EXPECT_TRUE(::IsWindowVisible(window->button(id).window())) << id;
    }
    EXPECT_FALSE(::IsWindowVisible(window->button(kApplications).window()));
    EXPECT_TRUE(taskPage(PageKind::Application).visible());
    EXPECT_EQ(VisiblePages(), 1);
    EXPECT_EQ(PressedPageButtons(), 1);
    EXPECT_TRUE(window->button(kApplications).checked());

    ASSERT_TRUE(ClickButton(kCounting));
    ASSERT_TRUE(ClickButton(kTimer));
    EXPECT_TRUE(taskPage(PageKind::Timer).visible());
    EXPECT_FALSE(taskPage(PageKind::Application).visible());
    EXPECT_EQ(VisiblePages(), 1);
    EXPECT_EQ(PressedPageButtons(), 1);
    // Settings stays clickable inside a category.
    ASSERT_TRUE(ClickButton(kSettings));
    EXPECT_TRUE(window->page(PageKind::Settings).visible());
    EXPECT_EQ(VisiblePages(), 1);
    EXPECT_EQ(PressedPageButtons(), 1);
    EXPECT_TRUE(window->button(kSettings).checked());
    // Cancel brings the home page back with nothing pressed.
    const SettingsPage& settingsPage = window->settingsPage();
    static_cast<void>(settingsPage);
    ASSERT_TRUE(ClickAt(handle(), window->settingsPage().cancelButton().x() + 10,
                        window->settingsPage().cancelButton().y() + 10));
    EXPECT_TRUE(window->home().visible());
    EXPECT_EQ(VisiblePages(), 0);
    EXPECT_EQ(PressedPageButtons(), 0);
}

// A window of another thread, brought to the front: the focus leaves the main window's thread.
class OtherProgramWindow {
public:
    OtherProgramWindow() {
        thread_ = std::thread([this] {
            HWND window = ::CreateWindowExW(0, L"Static", L"another program",
                                            WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                            nullptr, nullptr, nullptr, nullptr);
            ::SetForegroundWindow(window);
            ::SetFocus(window);
            front_ = true;
            while (!stop_) {
                MSG message;
                while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                    ::DispatchMessageW(&message);
                }
                ::Sleep(5);
            }
            ::DestroyWindow(window);
        });
        while (!front_) {
            ::Sleep(5);
        }
    }
    ~OtherProgramWindow() {
        stop_ = true;
        thread_.join();
    }

private:
    std::thread thread_;
    std::atomic<bool> front_ = false;
    std::atomic<bool> stop_ = false;
};

// Lets another program have the front for a while.
void LetAnotherProgramHaveTheFront() {
    OtherProgramWindow other;
    for (int i = 0; i < 30; ++i) {
        HandleQueuedMessages();
        ::Sleep(10);
    }
}

TEST_F(MainWindowTest, FocusLeavingTheProgramHidesTheWindowUnlessThePinOrADialogHoldsIt) {
    ShowWindow();
    ASSERT_TRUE(ClickButton(kPin));
    ASSERT_TRUE(window->button(kPin).checked());
    ASSERT_TRUE(ClickButton(kInformations));
    // Focus moving inside the program hides nothing.
    ::SetFocus(window->home().hours().window());
    ::SetFocus(handle());
    HandleQueuedMessages();
    EXPECT_TRUE(::IsWindowVisible(handle()));

    LetAnotherProgramHaveTheFront();
    EXPECT_TRUE(::IsWindowVisible(handle())) << "pinned";
    EXPECT_TRUE(window->page(PageKind::Information).visible());

    // The pin released (the platform's keyboard focus stays with the other program's going, so
    // the window is told the click as its button tells it). A page's file dialog holds it too.
    ::SendMessageW(handle(), WM_COMMAND, kPin, 0);
    ASSERT_FALSE(window->button(kPin).checked());
    ::SendMessageW(handle(), WM_COMMAND, MAKEWPARAM(423, 1), 0);
    LetAnotherProgramHaveTheFront();
    EXPECT_TRUE(::IsWindowVisible(handle())) << "a dialog is open";
    ::SendMessageW(handle(), WM_COMMAND, MAKEWPARAM(423, 0), 0);

    ::SendMessageW(handle(), WM_COMMAND, kTasks, 0);
    {
        OtherProgramWindow other;
        EXPECT_TRUE(PumpUntil([this] { return !::IsWindowVisible(handle()); }));
    }
    // The next show starts at the home page, at the top level, with nothing pressed.
    window->ShowInFront();
    EXPECT_TRUE(window->home().visible());
    EXPECT_EQ(VisiblePages(), 0);
    EXPECT_EQ(PressedPageButtons(), 0);
    EXPECT_TRUE(::IsWindowVisible(window->button(kTasks).window()));
    EXPECT_FALSE(::IsWindowVisible(window->button(kBack).window()));
}

RECT WorkArea() {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

TEST_F(MainWindowTest, TheWindowSitsInTheWorkAreasCornerAndIsPlacedAgainOnASettingChange) {
    const RECT work = WorkArea();
    window->PlaceWindow();
    RECT at{};
    ::GetWindowRect(handle(), &at);
    EXPECT_EQ(at.right, work.right);
    EXPECT_EQ(at.bottom, work.bottom);
    EXPECT_EQ(at.right - at.left, kMainWindowWidth);
    EXPECT_EQ(at.bottom - at.top, kMainWindowHeight);

    // Moved away; the system tells every window that the work area changed (a task bar moved).
    ::SetWindowPos(handle(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::SendMessageW(handle(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    ::GetWindowRect(handle(), &at);
    EXPECT_EQ(at.right, work.right);
    EXPECT_EQ(at.bottom, work.bottom);
}

TEST_F(MainWindowTest, TheTrayIconIsAddedAgainEveryFiveSecondsForAMinuteAndNeverAfter) {
    ASSERT_EQ(NotifyCalls(), std::vector<DWORD>{NIM_ADD}) << "added when the window is made";
    // At the notification area's size for the display's DPI (24 pixels at 150 %), not stretched.
    EXPECT_EQ(testing::NotifiedIconSize().cx, ::GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(testing::NotifiedIconSize().cy, ::GetSystemMetrics(SM_CYSMICON));
    NotifyCalls().clear();
    // The timer's ticks, without waiting for them.
    for (int tick = 0; tick < 20; ++tick) {
        ::SendMessageW(handle(), WM_TIMER, TrayRestoreSchedule::kTimerId, 0);
    }
    EXPECT_EQ(NotifyCalls(), std::vector<DWORD>(12, NIM_ADD));
    EXPECT_EQ(window->trayRestore().seconds(), 60u);
    EXPECT_FALSE(::KillTimer(handle(), TrayRestoreSchedule::kTimerId)) << "the timer still runs";
}

TEST_F(MainWindowTest, AWidgetsRemoveTakesItsRowOffItsPageAndTheChangesAreSavedOnce) {
    ShowWindow();
    ASSERT_TRUE(ClickButton(kStickyNotes));
    bfTaskListView& notes = window->taskList(TaskKind::StickyNote);
    ASSERT_TRUE(::IsWindowVisible(notes.window()));
    for (const char16_t* title : {u"A", u"B", u"C"}) {
        StickyNoteTask note;
        note.title = title;
        note.width = 185;
        note.height = 175;
        ASSERT_GT(notes.AddTask(note), 0);
    }
    HandleQueuedMessages();
    storeSaves = 0;
    const HWND noteB = notes.Task(2)->widget().window();
    ::SendMessageW(noteB, WM_COMMAND, menu_id::kRemove, 0);
    EXPECT_FALSE(::IsWindow(noteB));
    ASSERT_EQ(notes.taskCount(), 2);
    EXPECT_EQ(notes.model().row(1).title, u"A");
    EXPECT_EQ(notes.model().row(2).title, u"C");
    EXPECT_EQ(notes.selectedRow(), 1);
    HandleQueuedMessages();
    EXPECT_EQ(storeSaves, 1) << "saved once for what changed in one go";
}

TEST_F(MainWindowTest, AChangeOfTheClockConventionReachesTheFivePagesWithTimesOfDay) {
    for (const PageKind kind : kTaskPages) {
        ASSERT_TRUE(taskPage(kind).twentyFourHour());
    }
    twentyFourHour = false;
    ::SendMessageW(handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    for (const PageKind kind : kTaskPages) {
        EXPECT_EQ(taskPage(kind).twentyFourHour(), !TakesTimeOfDay(kind)) << static_cast<int>(kind);
    }
    EXPECT_FALSE(window->uses24HourClock());
}

TEST_F(MainWindowTest, TheStopwatchPlateSendsTheStartingTimeOnAClickInsideIt) {
    ShowWindow();
    window->home().hours().SetValue(1);
    window->home().minutes().SetValue(2);
    window->home().seconds().SetValue(3);
    const int x = kStopwatchPlate.left + 40;
    const int y = kStopwatchPlate.top + 40;
    ASSERT_TRUE(MouseAt(handle(), x, y));
    EXPECT_EQ(window->home().stopwatchState(), MouseState::Hovered);
    ASSERT_TRUE(MouseAt(handle(), x, y, MOUSEEVENTF_LEFTDOWN));
    EXPECT_EQ(window->home().stopwatchState(), MouseState::Pressed);
    // Out of the plate while pressed: back to normal, and the release sends nothing.
    ASSERT_TRUE(MouseAt(handle(), kStopwatchPlate.left - 20, y));
    EXPECT_EQ(window->home().stopwatchState(), MouseState::Normal);
    ASSERT_TRUE(MouseAt(handle(), kStopwatchPlate.left - 20, y, MOUSEEVENTF_LEFTUP));
    bfTaskListView& stopwatches = window->taskList(TaskKind::Stopwatch);
    EXPECT_EQ(stopwatches.taskCount(), 0);

    // A quick stopwatch, running from the entered time.
    ASSERT_TRUE(ClickAt(handle(), x, y));
    ASSERT_EQ(stopwatches.taskCount(), 1);
    const auto watch = std::get<StopwatchTask>(*stopwatches.TaskRecord(1));
    EXPECT_EQ(watch.elapsed, (Duration{0, 1, 2, 3}));
    EXPECT_TRUE(watch.running);
    EXPECT_TRUE(watch.shown);
    EXPECT_EQ(watch.title, u"Quick stopwatch");
    EXPECT_NE(window->home().stopwatchState(), MouseState::Pressed);

    // The sticky note plate is a button of its own: command 1201 to the sticky note page.
    ASSERT_TRUE(ClickAt(handle(), kStickyNotePlate.left + 30, kStickyNotePlate.top + 30));
    ASSERT_TRUE(taskPage(PageKind::StickyNote).lastCommand());
    EXPECT_EQ(taskPage(PageKind::StickyNote).lastCommand()->id, kCommandQuickStickyNote);
    EXPECT_EQ(window->taskList(TaskKind::StickyNote).taskCount(), 1);
}

TEST_F(MainWindowTest, TrayCommandsOpenPagesRunQuickTasksMailAndExit) {
    settings->values().stickyNoteTheme = 2;
    settings->values().widgetTransparency = 30;
    ::SendMessageW(handle(), WM_COMMAND, menu_id::kTrayQuickStopwatch, 0);
    ASSERT_EQ(window->taskList(TaskKind::Stopwatch).taskCount(), 1);
    const auto watch =
        std::get<StopwatchTask>(*window->taskList(TaskKind::Stopwatch).TaskRecord(1));
    EXPECT_EQ(watch.elapsed, Duration{});
    EXPECT_TRUE(watch.running);
    EXPECT_EQ(watch.transparency, 30);
    ::SendMessageW(handle(), WM_COMMAND, menu_id::kTrayQuickStickyNote, 0);
    ASSERT_TRUE(taskPage(PageKind::StickyNote).lastCommand());
    EXPECT_EQ(taskPage(PageKind::StickyNote).lastCommand()->id, kCommandQuickStickyNote);
    EXPECT_EQ(taskPage(PageKind::StickyNote).lastCommand()->code, 0);
    ASSERT_EQ(window->taskList(TaskKind::StickyNote).taskCount(), 1);
    // Centred on the primary screen, in the settings' theme.
    const auto note =
        std::get<StickyNoteTask>(*window->taskList(TaskKind::StickyNote).TaskRecord(1));
    EXPECT_EQ(note.theme, 2);
    EXPECT_EQ(note.x, (::GetSystemMetrics(SM_CXSCREEN) - note.width) / 2);
    EXPECT_EQ(note.y, (::GetSystemMetrics(SM_CYSCREEN) - note.height) / 2);
    EXPECT_TRUE(note.shown);

    ::SendMessageW(handle(), WM_COMMAND, kStopwatch, 0);  // a page open before
    ::SendMessageW(handle(), WM_COMMAND, menu_id::kTrayPowerManagement, 0);
    EXPECT_TRUE(::IsWindowVisible(handle()));
    EXPECT_TRUE(taskPage(PageKind::Power).visible());
    EXPECT_EQ(VisiblePages(), 1);
    EXPECT_EQ(PressedPageButtons(), 1);
    EXPECT_TRUE(::IsWindowVisible(window->button(kPower).window()));
    EXPECT_FALSE(window->home().visible());

    ::SendMessageW(handle(), WM_COMMAND, menu_id::kTrayFeedback, 0);
    ASSERT_EQ(mail.drafts.size(), 1u);
    EXPECT_EQ(mail.drafts[0].address, "feedback@tockly.app");
    EXPECT_EQ(mail.drafts[0].subject, "Tockly 1.0.0 - Feedback");

    ::SendMessageW(handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_EQ(storeSaves, 0) << "the session goes on";
    ::SendMessageW(handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(storeSaves, 1);

    NotifyCalls().clear();
    ::SendMessageW(handle(), WM_COMMAND, menu_id::kTrayExit, 0);
    EXPECT_FALSE(window->windowAlive());
    EXPECT_EQ(NotifyCalls(), std::vector<DWORD>{NIM_DELETE});
    MSG quit{};
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
    window.reset();
    EXPECT_EQ(storeSaves, 2) << "the store is saved when the main window goes";
}

// Opens every page and the home page again, and the tray menu with a submenu.
void OpenAndCloseEverything(bfMainWindow& window) {
    for (const int id :
         {kSettings, kInformations, kStickyNotes, kStopwatch, kTasks, kApplications, kPrintScreens,
          kInternet, kPower, kBack, kCounting, kTimer, kCounter, kBack}) {
        ::SendMessageW(window.window(), WM_COMMAND, id, 0);
        ::UpdateWindow(window.window());
    }
    ::SendMessageW(window.window(), WM_COMMAND, kCommandHome, 0);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        static int ticks = 0;
        if (++ticks % 3 == 0) {
            ::EndMenu();
        }
    });
    window.tray().OpenMenu(300, 300);
    ::KillTimer(nullptr, timer);
    HandleQueuedMessages();
}

TEST_F(MainWindowTest, OpeningAndClosingThePagesAndTheTrayMenuLeaksNothing) {
    ShowWindow();
    // The platform keeps a few objects of its own for menus it has shown (Wine about fifteen,
    // once): the count starts after that.
    for (int round = 0; round < 5; ++round) {
        OpenAndCloseEverything(*window);
    }
    const testing::CensusCounts before = testing::GdiCensus::Now();
    for (int round = 0; round < 10; ++round) {
        OpenAndCloseEverything(*window);
    }
    EXPECT_EQ(testing::GdiCensus::Now(), before);
}

}  // namespace
}  // namespace tockly
