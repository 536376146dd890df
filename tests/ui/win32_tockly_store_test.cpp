// The real Tockly.exe with a task store that the test writes into its data folder: every kind, some
// tasks that ended while the program was not running, some of them removed after their end. The
// widgets that should show are on the screen where they were stored (or, stored where no screen
// shows them, within the work area), and the store that the tray's Exit saves holds exactly the
// tasks the load rules keep, field for field. The tray's quick tasks add a widget and a saved
// task. The tray's commands reach the main window as the tray menu sends them.

#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/win32_clock.h"
#include "shell/startup.h"
#include "support/win32_files.h"
#include "support/win32_process.h"
#include "support/win32_test_paths.h"
#include "support/win32_tockly_windows.h"
#include "tasks/load_rules.h"
#include "tasks/store_codec.h"
#include "ui/main_window_layout.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using testing::ChildProcess;
using testing::DataFolder;
using testing::FromNow;
using testing::MainWindowOf;
using testing::SavedStore;
using testing::StoreFile;
using testing::TopWindow;
using testing::VisibleWidgets;
using testing::WaitUntil;
using testing::WindowsOf;

Duration Span(int days, int hours, int minutes, int seconds) {
    return {days, hours, minutes, seconds};
}

bool MarkerExists() {
    return ::FindWindowW(nullptr, kInstanceMarkerName) != nullptr;
}

// What the tray menu sends the main window for one of its items.
bool TrayCommand(HWND mainWindow, int command) {
    return ::PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0) != FALSE;
}

// A section's records compared field by field through their encoding: a difference shows as the
// first byte where the two files part.
template <typename Record>
std::string FirstDifference(const std::vector<Record>& saved, const std::vector<Record>& kept) {
    TaskStore a;
    TaskStore b;
    ForEachSection(a, [&](TaskKind, auto& records) {
        if constexpr (std::is_same_v<std::decay_t<decltype(records)>, std::vector<Record>>) {
            records = saved;
        }
    });
    ForEachSection(b, [&](TaskKind, auto& records) {
        if constexpr (std::is_same_v<std::decay_t<decltype(records)>, std::vector<Record>>) {
            records = kept;
        }
    });
    const std::vector<std::uint8_t> x = EncodeTaskStore(a);
    const std::vector<std::uint8_t> y = EncodeTaskStore(b);
    for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i) {
        if (x[i] != y[i]) {
            return "byte " + std::to_string(i) + ": " + std::to_string(x[i]) + " saved, " +
                   std::to_string(y[i]) + " kept";
        }
    }
    return "sizes " + std::to_string(x.size()) + " and " + std::to_string(y.size());
}

// Every kind: running tasks due in a day, ended ones (stopped, or gone when removed after their
// end), a hidden one; the shown ones at places of their own on the screen. Nothing that counts
// changes its record within the test: the timer and the stopwatch stand still.
TaskStore MixedStore() {
    const TimePoint before = FromNow(-2 * 3600);
    const TimePoint ended = FromNow(-3600);
    const TimePoint due = FromNow(24 * 3600);
    TaskStore store;
    store.application.push_back({u"Backup", 0, before, due, u"C:\\backup.exe", u"--all", u"C:\\",
                                 u"", true, false, true, true, true, false, 20, 20, 0});
    store.application.push_back({u"Ended, removed", 0, before, ended, u"C:\\x.exe", u"", u"", u"",
                                 true, true, true, true, false, false, 20, 300, 0});
    store.application.push_back({u"Ended, kept", 1, before, ended, u"", u"", u"", u"4242", false,
                                 false, true, true, true, false, 40, 320, 10});
    store.printScreen.push_back({u"Shots",
                                 u"C:\\shots",
                                 u"shot_",
                                 -1,
                                 -1,
                                 1,
                                 before,
                                 due,
                                 Span(0, 0, 5, 0),
                                 0,
                                 {},
                                 true,
                                 false,
                                 true,
                                 true,
                                 false,
                                 300,
                                 20,
                                 0,
                                 3});
    store.printScreen.push_back({u"Ended shot, removed",
                                 u"C:\\",
                                 u"s",
                                 -1,
                                 -1,
                                 0,
                                 before,
                                 ended,
                                 {},
                                 0,
                                 {},
                                 false,
                                 true,
                                 true,
                                 true,
                                 false,
                                 300,
                                 300,
                                 0,
                                 0});
    store.internet.push_back({u"Dial",
                              0,
                              u"An entry no phone book has",
                              0,
                              before,
                              due,
                              {},
                              true,
                              false,
                              true,
                              true,
                              true,
                              560,
                              20,
                              20});
    store.internet.push_back({u"Ended dial",
                              1,
                              u"Office",
                              0,
                              before,
                              ended,
                              {},
                              false,
                              false,
                              true,
                              true,
                              false,
                              560,
                              300,
                              0});
    store.power.push_back(
        {u"Lock", 0, 0, before, due, {}, false, true, false, true, true, false, 20, 160, 0});
    store.power.push_back({u"Ended lock, removed",
                           0,
                           0,
                           before,
                           ended,
                           {},
                           false,
                           true,
                           true,
                           true,
                           true,
                           false,
                           20,
                           400,
                           0});
    store.timer.push_back({u"Tea", Span(0, 0, 3, 0), 95, true, u"Tea!", true, u"C:\\bell.wav", 1,
                           true, false, true, false, false, 300, 160, 0});
    // Tidied at load: no message, no sound.
    store.timer.push_back({u"Hidden timer", Span(0, 1, 0, 0), 3600, false, u"dropped text", false,
                           u"dropped.wav", 1, false, true, false, false, false, 300, 400, 0});
    store.counter.push_back({u"Holidays", 1, before, due, Span(1, 2, 0, 0), false, u"", false, u"",
                             0, true, false, true, true, false, 560, 160, 0});
    store.counter.push_back({u"Ended count, removed",
                             1,
                             before,
                             ended,
                             {},
                             false,
                             u"",
                             false,
                             u"",
                             0,
                             true,
                             true,
                             true,
                             true,
                             false,
                             560,
                             400,
                             0});
    store.stickyNote.push_back(
        {u"Note", u"Buy milk\r\nand bread", 2, true, false, 800, 20, 200, 180, 0});
    store.stickyNote.push_back({u"Hidden note", u"", 0, false, false, 800, 300, 185, 175, 0});
    store.stopwatch.push_back(
        {u"Run", Span(0, 1, 2, 3), {}, false, true, false, false, 800, 240, 0});
    store.stopwatch[0].checkpoints = {Span(0, 0, 10, 5), Span(0, 0, 21, 40)};
    return store;
}

// How many tasks of `store` are shown.
int ShownTasks(const TaskStore& store) {
    int shown = 0;
    ForEachSection(store, [&](TaskKind, const auto& tasks) {
        for (const auto& task : tasks) {
            shown += task.shown ? 1 : 0;
        }
    });
    return shown;
}

class TocklyStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(MarkerExists()) << "another Tockly is running in this prefix";
        testing::RemoveTree(DataFolder());
        ASSERT_TRUE(::CreateDirectoryW(DataFolder().c_str(), nullptr));
    }
    void TearDown() override { testing::RemoveTree(DataFolder()); }

    void Store(const TaskStore& store) {
        testing::WriteFileBytes(StoreFile(), EncodeTaskStore(store));
    }

    // The program started, its main window found and its `widgets` shown.
    HWND Start(ChildProcess& tockly, std::size_t widgets) {
        EXPECT_TRUE(tockly.started());
        HWND mainWindow = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            mainWindow = MainWindowOf(tockly.id());
            return mainWindow != nullptr && VisibleWidgets(tockly.id()).size() >= widgets;
        })) << VisibleWidgets(tockly.id()).size()
            << " widgets shown";
        return mainWindow;
    }
    // The tray's Exit, and the program gone with exit code 0.
    static void Exit(ChildProcess& tockly, HWND mainWindow) {
        ASSERT_TRUE(TrayCommand(mainWindow, menu_id::kTrayExit));
        EXPECT_EQ(tockly.WaitForExit(), 0u);
    }
};

TEST_F(TocklyStoreTest, TheStoredTasksShowWhereTheyWereAndExitSavesWhatTheLoadRulesKeep) {
    const TaskStore stored = MixedStore();
    Store(stored);
    TaskStore kept = stored;
    ApplyLoadRules(kept, Win32Clock());
    // As the file holds them (a print screen's spans have no days, say).
    kept = *DecodeTaskStore(EncodeTaskStore(kept)).store;
    ASSERT_EQ(kept.application.size(), 2u) << "the test's own premise";
    ASSERT_EQ(kept.printScreen.size(), 1u);
    ASSERT_EQ(kept.power.size(), 1u);
    ASSERT_EQ(kept.counter.size(), 1u);
    ASSERT_FALSE(kept.internet[1].shown);

    ChildProcess tockly(testing::TocklyExe());
    const int shown = ShownTasks(kept);
    const HWND mainWindow = Start(tockly, static_cast<std::size_t>(shown));
    ASSERT_NE(mainWindow, nullptr);
    ::Sleep(300);  // anything shown late would show by now
    const std::vector<TopWindow> widgets = VisibleWidgets(tockly.id());
    EXPECT_EQ(widgets.size(), static_cast<std::size_t>(shown));
    ForEachSection(kept, [&](TaskKind kind, const auto& tasks) {
        for (const auto& task : tasks) {
            if (!task.shown) {
                continue;
            }
            int at = 0;
            for (const TopWindow& widget : widgets) {
                at += widget.rect.left == task.x && widget.rect.top == task.y ? 1 : 0;
            }
            EXPECT_EQ(at, 1) << "kind " << static_cast<int>(kind) << ", \""
                             << std::string(task.title.begin(), task.title.end()) << "\" at "
                             << task.x << ", " << task.y;
        }
    });

    Exit(tockly, mainWindow);
    const std::optional<TaskStore> saved = SavedStore();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(testing::FileBytes(StoreFile()), EncodeTaskStore(kept));
    EXPECT_TRUE(saved->application == kept.application)
        << FirstDifference(saved->application, kept.application);
    EXPECT_TRUE(saved->printScreen == kept.printScreen)
        << FirstDifference(saved->printScreen, kept.printScreen);
    EXPECT_TRUE(saved->internet == kept.internet)
        << FirstDifference(saved->internet, kept.internet);
    EXPECT_TRUE(saved->power == kept.power) << FirstDifference(saved->power, kept.power);
    EXPECT_TRUE(saved->timer == kept.timer) << FirstDifference(saved->timer, kept.timer);
    EXPECT_TRUE(saved->counter == kept.counter) << FirstDifference(saved->counter, kept.counter);
    EXPECT_TRUE(saved->stickyNote == kept.stickyNote)
        << FirstDifference(saved->stickyNote, kept.stickyNote);
    EXPECT_TRUE(saved->stopwatch == kept.stopwatch)
        << FirstDifference(saved->stopwatch, kept.stopwatch);
}

TEST_F(TocklyStoreTest, AWidgetStoredWhereNoScreenShowsItLoadsOnTheScreenAndIsSavedThere) {
    TaskStore store;
    store.stickyNote.push_back({u"Lost", u"", 0, true, false, -3000, 5000, 185, 175, 0});
    store.timer.push_back({u"Lost timer", Span(0, 0, 1, 0), 60, false, u"", false, u"", 0, false,
                           false, true, false, false, 4000, -2000, 0});
    Store(store);
    ChildProcess tockly(testing::TocklyExe());
    const HWND mainWindow = Start(tockly, 2);
    ASSERT_NE(mainWindow, nullptr);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    for (const TopWindow& widget : VisibleWidgets(tockly.id())) {
        EXPECT_GE(widget.rect.left, work.left);
        EXPECT_GE(widget.rect.top, work.top);
        EXPECT_LE(widget.rect.right, work.right);
        EXPECT_LE(widget.rect.bottom, work.bottom);
    }
    Exit(tockly, mainWindow);
    const std::optional<TaskStore> saved = SavedStore();
    ASSERT_TRUE(saved.has_value());
    ASSERT_EQ(saved->stickyNote.size(), 1u);
    ASSERT_EQ(saved->timer.size(), 1u);
    EXPECT_GE(saved->stickyNote[0].x, work.left);
    EXPECT_LE(saved->stickyNote[0].y + 175, work.bottom);
    EXPECT_LE(saved->timer[0].x, work.right);
    EXPECT_GE(saved->timer[0].y, work.top);
}

TEST_F(TocklyStoreTest, TheTraysQuickTasksAddAWidgetAndASavedTask) {
    ChildProcess tockly(testing::TocklyExe());
    const HWND mainWindow = Start(tockly, 0);
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_TRUE(VisibleWidgets(tockly.id()).empty());

    ASSERT_TRUE(TrayCommand(mainWindow, menu_id::kTrayQuickStickyNote));
    ASSERT_TRUE(WaitUntil([&] { return VisibleWidgets(tockly.id()).size() == 1; }));
    ASSERT_TRUE(TrayCommand(mainWindow, menu_id::kTrayQuickStopwatch));
    ASSERT_TRUE(WaitUntil([&] { return VisibleWidgets(tockly.id()).size() == 2; }));
    // Saved soon after the change, before any exit.
    EXPECT_TRUE(WaitUntil([] {
        const std::optional<TaskStore> saved = SavedStore();
        return saved && saved->stickyNote.size() == 1 && saved->stopwatch.size() == 1;
    }));

    Exit(tockly, mainWindow);
    const std::optional<TaskStore> saved = SavedStore();
    ASSERT_TRUE(saved.has_value());
    ASSERT_EQ(saved->stickyNote.size(), 1u);
    ASSERT_EQ(saved->stopwatch.size(), 1u);
    EXPECT_TRUE(saved->stickyNote[0].shown);
    EXPECT_TRUE(saved->stopwatch[0].shown);
    EXPECT_TRUE(saved->stopwatch[0].running);
    EXPECT_TRUE(saved->application.empty());
    EXPECT_TRUE(saved->timer.empty());
}

}  // namespace
}  // namespace tockly
