// The task lists with real windows, widgets and workers on a clock the test moves: the rows follow
// the widgets' notifications (hidden, started, ended, title edited, remove request, re-armed, a
// new note, the end message), removal renumbers and selects the row above, tasks that end one
// right after the other are removed as they asked, show and hide all, the toggles act on the
// widgets by real clicks, a save while a worker changes a record waits for the whole change, an
// internet task keeps an entry the phone book lost, a widget stored off every screen loads on one,
// the language reaches rows, widgets and end messages, scrolling, and every GDI and USER object
// comes back once the lists are emptied. The owner of the lists does what a task page does with a
// removal: it removes the row.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "execution/task_counter.h"
#include "shell/language_table.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_outside_world.h"
#include "support/fake_system_actions.h"
#include "support/wide_text.h"
#include "support/win32_test_paths.h"
#include "toolkit/gdi_census.h"
#include "toolkit/test_parent.h"
#include "ui/task_list_view.h"
#include "widgets/manual_time.h"
#include "widgets/menu_ids.h"
#include "widgets/sticky_note.h"
#include "widgets/timer.h"
#include "widgets/widget_test_support.h"

namespace tockly {
namespace {

using testing::ManualTime;
using testing::PumpMessages;
using testing::PumpUntil;
using testing::TestParent;

struct ListEvent {
    int row = 0;
    int event = 0;
    bool operator==(const ListEvent&) const = default;
};

void PrintTo(const ListEvent& e, std::ostream* out) {
    *out << "{row " << e.row << ", event " << e.event << "}";
}

// A real click in the middle of a control or a window.
void Click(HWND window, int width, int height) {
    const POINT at = testing::OnScreen(window, width / 2, height / 2);
    ASSERT_TRUE(testing::MoveMouseTo(at.x, at.y));
    testing::SendMouseInput(MOUSEEVENTF_LEFTDOWN);
    testing::SendMouseInput(MOUSEEVENTF_LEFTUP);
    PumpUntil([] { return ::GetQueueStatus(QS_INPUT) == 0; }, 500);
    PumpMessages();
}

void Click(const bfAbstractControl& control) {
    Click(control.window(), control.width(), control.height());
}

TimerTask Timer(const char16_t* title, int seconds, bool running = false) {
    TimerTask timer;
    timer.title = title;
    timer.duration = {0, 0, 0, seconds};
    timer.remainingSeconds = seconds;
    timer.showProgressBar = true;
    timer.shown = true;
    timer.running = running;
    timer.x = 300;
    timer.y = 420;
    return timer;
}

StickyNoteTask Note(const char16_t* title, int x = 60) {
    StickyNoteTask note;
    note.title = title;
    note.content = u"text";
    note.shown = true;
    note.x = x;
    note.y = 380;
    note.width = 185;
    note.height = 175;
    return note;
}

template <typename Task>
std::vector<StoredTask> Tasks(std::initializer_list<Task> records) {
    return {records.begin(), records.end()};
}

// The message views of this thread that are on the screen.
int VisibleEndMessages() {
    int count = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            RECT rect{};
            ::GetWindowRect(window, &rect);
            if (::IsWindowVisible(window) && rect.right - rect.left == bfMessageView::kWidth &&
                rect.bottom - rect.top == bfMessageView::kHeight) {
                ++*reinterpret_cast<int*>(found);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

class TaskListTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSkinFileFolder(testing::BinaryFolder());
        owner.onCommand = [this](const testing::CommandRecord& command) {
            for (const auto& list : lists) {
                if (command.id != list->listId()) {
                    continue;
                }
                events.push_back({command.code, static_cast<int>(command.lParam)});
                // As a task page does.
                if (command.lParam == list_event::kRemove) {
                    list->RemoveTask(command.code);
                }
            }
        };
    }
    void TearDown() override {
        lists.clear();
        PumpMessages();
    }

    bfTaskListView& MakeList(TaskKind kind, const TaskServices& with) {
        lists.push_back(
            std::make_unique<bfTaskListView>(owner.window(), kind, with, [this] { ++saves; }));
        lists.back()->Show(true);
        return *lists.back();
    }
    bfTaskListView& MakeList(TaskKind kind) { return MakeList(kind, services); }

    static std::vector<std::u16string> Titles(const bfTaskListView& list) {
        std::vector<std::u16string> titles;
        for (int number = 1; number <= list.taskCount(); ++number) {
            titles.push_back(list.model().row(number).title);
        }
        return titles;
    }
    template <typename Widget>
    static Widget& WidgetOf(bfTaskListView& list, int number) {
        return dynamic_cast<Widget&>(list.Task(number)->widget());
    }
    static bfTaskItem& RowOf(bfTaskListView& list, int number) {
        bfTaskItem* row = list.rows().RowOf(list.model().row(number).id);
        EXPECT_NE(row, nullptr) << "row " << number << " is not in view";
        return *row;
    }
    // The clock `seconds` on, a second at a time, each counted by the running workers before the
    // next (the messages they post wait).
    void CountDown(int seconds) {
        for (int second = 0; second < seconds; ++second) {
            time.Advance();
            ::Sleep(150);
        }
    }
    // Waits until a worker started by `start` has taken the second it started in.
    void StartWorker(const std::function<void()>& start) {
        const int reads = time.reads();
        start();
        ASSERT_TRUE(PumpUntil([&] { return time.reads() >= reads + 2; }));
    }

    ManualTime time;
    testing::FakeSystemActions actions;
    testing::FakeFileDialogs dialogs;
    TaskServices services{actions.actions, time, time, dialogs};
    TestParent owner{760, 300};
    std::vector<std::unique_ptr<bfTaskListView>> lists;
    std::vector<ListEvent> events;
    int saves = 0;
};

TEST_F(TaskListTest, ATimersRowFollowsItsPlayHideAndTitleEdit) {
    bfTaskListView& list = MakeList(TaskKind::Timer);
    list.LoadTasks(Tasks({Timer(u"Tea", 60)}));
    auto& timer = WidgetOf<bfTimer>(list, 1);
    ASSERT_TRUE(timer.shown());
    EXPECT_TRUE(RowOf(list, 1).showToggle().checked());
    EXPECT_FALSE(RowOf(list, 1).playToggle().checked());
    EXPECT_EQ(RowOf(list, 1).number().Text(), L"1");
    EXPECT_EQ(RowOf(list, 1).title().Text(), L"Tea");

    StartWorker([&] { Click(timer.playPauseButton()); });
    EXPECT_TRUE(list.model().row(1).running);
    EXPECT_TRUE(RowOf(list, 1).playToggle().checked());
    EXPECT_GT(saves, 0);

    Click(timer.playPauseButton());
    EXPECT_FALSE(list.model().row(1).running);
    EXPECT_FALSE(RowOf(list, 1).playToggle().checked());

    saves = 0;
    Click(timer.hideButton());
    EXPECT_FALSE(::IsWindowVisible(timer.window()));
    EXPECT_FALSE(list.model().row(1).shown);
    EXPECT_FALSE(RowOf(list, 1).showToggle().checked());
    EXPECT_GT(saves, 0) << "the timer's hide tells no change, its row does";

    timer.Show(true);
    const POINT at = testing::OnScreen(timer.title().window(), 30, 10);
    ASSERT_TRUE(testing::MoveMouseTo(at.x, at.y));
    for (int click = 0; click < 2; ++click) {
        testing::SendMouseInput(MOUSEEVENTF_LEFTDOWN);
        testing::SendMouseInput(MOUSEEVENTF_LEFTUP);
    }
    ASSERT_TRUE(PumpUntil([&] { return timer.title().activated(); }));
    testing::PressKey(VK_END);
    testing::PressKey('S');
    ASSERT_TRUE(PumpUntil([&] { return list.model().row(1).title == u"Teas"; }));
    EXPECT_EQ(RowOf(list, 1).title().Text(), L"Teas");
    EXPECT_TRUE(events.empty()) << "nothing for the page";
}

TEST_F(TaskListTest, TimersThatEndShowTheirMessageAndGoWhenTheyAskTo) {
    bfTaskListView& list = MakeList(TaskKind::Timer);
    TimerTask kept = Timer(u"kept", 1, true);
    kept.showMessageAfterEnd = true;
    kept.messageText = u"Done.";
    TimerTask messageThenGone = kept;
    messageThenGone.title = u"message, then gone";
    messageThenGone.removeAfterEnd = true;
    TimerTask gone = Timer(u"gone", 1, true);
    gone.removeAfterEnd = true;
    const int reads = time.reads();
    list.LoadTasks(Tasks({kept, messageThenGone, gone}));
    ASSERT_TRUE(PumpUntil([&] { return time.reads() >= reads + 6; }));
    ASSERT_TRUE(list.model().row(1).running);

    CountDown(2);  // shows 1, then 0: the end
    ASSERT_TRUE(PumpUntil([&] { return list.taskCount() == 1; }, 5000)) << list.taskCount();
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(Titles(list), std::vector<std::u16string>{u"kept"});
    // The kept timer's row shows it hidden and stopped, and its message is up with it.
    EXPECT_FALSE(list.model().row(1).shown);
    EXPECT_FALSE(list.model().row(1).running);
    ASSERT_NE(list.endMessage(1), nullptr);
    EXPECT_TRUE(::IsWindowVisible(list.endMessage(1)->window()));
    EXPECT_EQ(list.endMessage(1)->info().text, u"Done.");
    // The other message stays up after its task went.
    EXPECT_EQ(VisibleEndMessages(), 2);
    EXPECT_EQ(std::count(events.begin(), events.end(), ListEvent{2, list_event::kRemove}) +
                  std::count(events.begin(), events.end(), ListEvent{3, list_event::kRemove}),
              2);

    // Starting the timer again closes the message of its last end.
    Click(RowOf(list, 1).playToggle());
    EXPECT_EQ(list.endMessage(1), nullptr);
    EXPECT_EQ(VisibleEndMessages(), 1);
}

TEST_F(TaskListTest, RemovalRenumbersTheRowsBelowAndSelectsTheRowAbove) {
    bfTaskListView& list = MakeList(TaskKind::StickyNote);
    list.LoadTasks(Tasks({Note(u"A"), Note(u"B"), Note(u"C"), Note(u"D")}));
    const HWND noteC = list.Task(3)->widget().window();

    // The remove button without a selection names row 0, which removes nothing.
    Click(list.removeButton());
    EXPECT_EQ(events, (std::vector<ListEvent>{{0, list_event::kRemove}}));
    EXPECT_EQ(list.taskCount(), 4);

    events.clear();
    Click(RowOf(list, 3).title());
    EXPECT_EQ(list.selectedRow(), 3);
    EXPECT_TRUE(RowOf(list, 3).selected());
    EXPECT_EQ(events, (std::vector<ListEvent>{{3, list_event::kSelected}}));

    events.clear();
    saves = 0;
    Click(list.removeButton());
    EXPECT_EQ(events,
              (std::vector<ListEvent>{{3, list_event::kRemove}, {2, list_event::kSelected}}));
    EXPECT_EQ(Titles(list), (std::vector<std::u16string>{u"A", u"B", u"D"}));
    EXPECT_FALSE(::IsWindow(noteC));
    EXPECT_EQ(RowOf(list, 3).number().Text(), L"3");
    EXPECT_EQ(RowOf(list, 3).title().Text(), L"D");
    EXPECT_EQ(list.selectedRow(), 2);
    EXPECT_TRUE(RowOf(list, 2).selected());
    EXPECT_FALSE(RowOf(list, 3).selected());
    EXPECT_GT(saves, 0);

    // The first row has none above it; the last task leaves no selection.
    events.clear();
    list.RemoveTask(1);
    EXPECT_EQ(events, (std::vector<ListEvent>{{0, list_event::kSelected}}));
    list.RemoveTask(1);
    list.RemoveTask(1);
    EXPECT_EQ(list.taskCount(), 0);
    EXPECT_EQ(list.selectedRow(), 0);
    EXPECT_FALSE(list.RemoveTask(1));
    // A click where no row is selects none.
    events.clear();
    Click(list.rows().window(), list.rows().width(), list.rows().height());
    EXPECT_EQ(events, (std::vector<ListEvent>{{0, list_event::kSelected}}));
}

TEST_F(TaskListTest, TasksEndingOneAfterTheOtherAreRemovedAsTheyAsked) {
    // A ends first and B a second later, both removed after their end, while the list reads
    // nothing: both requests wait in the queue, B's carrying what was B's place before A went.
    bfTaskListView& list = MakeList(TaskKind::Timer);
    TimerTask a = Timer(u"A", 1, true);
    a.removeAfterEnd = true;
    TimerTask b = Timer(u"B", 2, true);
    b.removeAfterEnd = true;
    const TimerTask c = Timer(u"C", 100, true);
    const int reads = time.reads();
    list.LoadTasks(Tasks({a, b, c}));
    ASSERT_TRUE(PumpUntil([&] { return time.reads() >= reads + 6; }));
    const HWND timerA = list.Task(1)->widget().window();
    CountDown(2);   // A's end
    ::Sleep(1200);  // its pause, then its request
    CountDown(1);   // B's
    ::Sleep(1200);
    EXPECT_EQ(list.taskCount(), 3) << "nothing read yet";
    ASSERT_TRUE(PumpUntil([&] { return list.taskCount() == 1; }, 3000));
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(Titles(list), std::vector<std::u16string>{u"C"});
    EXPECT_FALSE(::IsWindow(timerA));
    EXPECT_TRUE(list.Task(1)->widget().running());
}

TEST_F(TaskListTest, TasksEndingInTheSameSecondAreRemovedAsTheyAsked) {
    bfTaskListView& list = MakeList(TaskKind::Timer);
    std::vector<StoredTask> tasks;
    for (const char16_t* title : {u"A", u"B", u"C", u"D", u"E"}) {
        TimerTask timer = Timer(title, title[0] == u'B' || title[0] == u'D' ? 1 : 100, true);
        timer.removeAfterEnd = timer.remainingSeconds == 1;
        tasks.push_back(timer);
    }
    const int reads = time.reads();
    list.LoadTasks(tasks);
    ASSERT_TRUE(PumpUntil([&] { return time.reads() >= reads + 10; }));
    CountDown(2);
    ::Sleep(1200);
    ASSERT_TRUE(PumpUntil([&] { return list.taskCount() == 3; }, 3000));
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(Titles(list), (std::vector<std::u16string>{u"A", u"C", u"E"}));
}

TEST_F(TaskListTest, ShowAllAndHideAllBringEveryWidgetBackAtItsTransparency) {
    bfTaskListView& list = MakeList(TaskKind::StickyNote);
    StickyNoteTask hidden = Note(u"hidden", 300);
    hidden.shown = false;
    hidden.transparency = 50;
    StickyNoteTask seeThrough = Note(u"see-through", 520);
    seeThrough.transparency = 30;
    list.LoadTasks(Tasks({Note(u"plain"), hidden, seeThrough}));
    EXPECT_FALSE(::IsWindowVisible(list.Task(2)->widget().window()));
    EXPECT_FALSE(list.model().row(2).shown);

    list.ShowAll(false);
    for (int number = 1; number <= 3; ++number) {
        EXPECT_FALSE(::IsWindowVisible(list.Task(number)->widget().window())) << number;
        EXPECT_FALSE(list.model().row(number).shown);
        EXPECT_FALSE(RowOf(list, number).showToggle().checked());
    }
    list.ShowAll(true);
    const BYTE expected[] = {255, 127, 178};
    for (int number = 1; number <= 3; ++number) {
        const HWND widget = list.Task(number)->widget().window();
        EXPECT_TRUE(::IsWindowVisible(widget)) << number;
        BYTE alpha = 0;
        DWORD flags = 0;
        ::GetLayeredWindowAttributes(widget, nullptr, &alpha, &flags);
        EXPECT_EQ(alpha, expected[number - 1]) << number;
        EXPECT_TRUE(list.model().row(number).shown);
        EXPECT_TRUE(RowOf(list, number).showToggle().checked());
    }
}

TEST_F(TaskListTest, TheRowsTogglesActOnTheWidgetByRealClicks) {
    bfTaskListView& list = MakeList(TaskKind::Timer);
    TimerTask timer = Timer(u"Tea", 60);
    timer.transparency = 20;
    list.LoadTasks(Tasks({timer}));
    auto& widget = WidgetOf<bfTimer>(list, 1);

    saves = 0;
    Click(RowOf(list, 1).showToggle());
    EXPECT_FALSE(::IsWindowVisible(widget.window()));
    EXPECT_FALSE(list.model().row(1).shown);
    Click(RowOf(list, 1).showToggle());
    EXPECT_TRUE(::IsWindowVisible(widget.window()));
    BYTE alpha = 0;
    ::GetLayeredWindowAttributes(widget.window(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 204);

    StartWorker([&] { Click(RowOf(list, 1).playToggle()); });
    EXPECT_TRUE(widget.running());
    EXPECT_TRUE(list.model().row(1).running);
    Click(RowOf(list, 1).playToggle());
    EXPECT_FALSE(widget.running());

    Click(RowOf(list, 1).removeToggle());
    EXPECT_TRUE(widget.Record().removeAfterEnd);
    EXPECT_TRUE(RowOf(list, 1).removeToggle().checked());
    Click(RowOf(list, 1).removeToggle());
    EXPECT_FALSE(widget.Record().removeAfterEnd);
    EXPECT_GE(saves, 6) << "each toggle saves";

    // The sticky note's row has only the show toggle, the stopwatch's no remove-after-end.
    bfTaskListView& notes = MakeList(TaskKind::StickyNote);
    notes.LoadTasks(Tasks({Note(u"N")}));
    EXPECT_TRUE(RowOf(notes, 1).showToggle().visible());
    EXPECT_FALSE(RowOf(notes, 1).playToggle().visible());
    EXPECT_FALSE(RowOf(notes, 1).removeToggle().visible());
    bfTaskListView& watches = MakeList(TaskKind::Stopwatch);
    StopwatchTask watch;
    watch.title = u"W";
    watches.LoadTasks(Tasks({watch}));
    EXPECT_TRUE(RowOf(watches, 1).playToggle().visible());
    EXPECT_FALSE(RowOf(watches, 1).removeToggle().visible());
}

TEST_F(TaskListTest, WidgetsAskingThePageGoOnAsListEventsWithTheirRow) {
    // A sticky note's plus button: a new note beside it (event 4).
    bfTaskListView& notes = MakeList(TaskKind::StickyNote);
    notes.LoadTasks(Tasks({Note(u"A"), Note(u"B", 320)}));
    Click(WidgetOf<bfStickyNote>(notes, 2).plusButton());
    EXPECT_EQ(events, (std::vector<ListEvent>{{2, list_event::kNewNote}}));

    // "Execute for" on a print screen task: re-armed (event 2), and saved.
    events.clear();
    bfTaskListView& shots = MakeList(TaskKind::PrintScreen);
    PrintScreenTask shot;
    shot.title = u"S";
    shot.start = {2024, 5, 17, 12, 0, 0, 0};
    shot.target = {2024, 5, 17, 13, 0, 0, 0};
    shot.repeatPeriod = {0, 0, 1, 0};
    shot.shown = true;
    shots.LoadTasks(Tasks({shot, shot}));
    saves = 0;
    ::SendMessageW(shots.Task(2)->widget().window(), WM_COMMAND, menu_id::kExecuteForFirst, 0);
    EXPECT_EQ(events, (std::vector<ListEvent>{{2, list_event::kRearmed}}));
    EXPECT_EQ(std::get<PrintScreenTask>(*shots.TaskRecord(2)).repetitionMode, 2);
    EXPECT_GT(saves, 0);

    // "Remove" from a widget's menu.
    events.clear();
    ::SendMessageW(shots.Task(1)->widget().window(), WM_COMMAND, menu_id::kRemove, 0);
    EXPECT_EQ(events,
              (std::vector<ListEvent>{{1, list_event::kRemove}, {0, list_event::kSelected}}));
    EXPECT_EQ(shots.taskCount(), 1);
}

// Elapsed time whose reading waits while it is held: a timer's worker reads it inside its step,
// holding the widget's lock, so it stops there with its record half counted.
class HeldElapsed final : public MonotonicClock {
public:
    explicit HeldElapsed(const MonotonicClock& clock)
        : clock_(clock), released_(::CreateEventW(nullptr, TRUE, TRUE, nullptr)) {}
    ~HeldElapsed() override { ::CloseHandle(released_); }

    std::int64_t Milliseconds() const override {
        if (::WaitForSingleObject(released_, 0) != WAIT_OBJECT_0) {
            waiting_ = true;
            ::WaitForSingleObject(released_, INFINITE);
        }
        return clock_.Milliseconds();
    }
    void Hold() { ::ResetEvent(released_); }
    void Release() { ::SetEvent(released_); }
    bool waiting() const { return waiting_; }

private:
    const MonotonicClock& clock_;
    HANDLE released_;
    mutable std::atomic<bool> waiting_ = false;
};

TEST_F(TaskListTest, ASaveWhileAWorkerChangesItsRecordWaitsForTheWholeChange) {
    HeldElapsed held(time);
    const TaskServices heldServices{actions.actions, time, held, dialogs};
    bfTaskListView& list = MakeList(TaskKind::Timer, heldServices);
    const int reads = time.reads();
    list.LoadTasks(Tasks({Timer(u"Tea", 60, true)}));
    ASSERT_TRUE(PumpUntil([&] { return time.reads() >= reads + 2; }));

    held.Hold();
    time.Advance();
    ASSERT_TRUE(PumpUntil([&] { return held.waiting(); }));
    // The worker is inside its second now, holding the timer's lock.
    std::atomic<bool> released = false;
    std::thread releaser([&] {
        ::Sleep(300);
        released = true;
        held.Release();
    });
    const std::vector<StoredTask> saved = list.SnapshotTasks();
    const bool savedAfterTheStep = released;
    releaser.join();
    EXPECT_TRUE(savedAfterTheStep) << "the snapshot did not wait for the widget's lock";
    EXPECT_EQ(std::get<TimerTask>(saved[0]).remainingSeconds, 59);
}

TEST_F(TaskListTest, AnInternetTaskKeepsAnEntryThePhoneBookNoLongerHas) {
    actions.dialUp.entries = {{u"Office", 1, u""}};
    bfTaskListView& list = MakeList(TaskKind::Internet);
    InternetTask task;
    task.title = u"Dial";
    task.entryName = u"Removed entry";
    task.start = {2024, 5, 17, 12, 0, 0, 0};
    task.target = {2024, 5, 17, 18, 0, 0, 0};
    task.shown = true;
    list.LoadTasks(Tasks({task}));
    auto& counter = WidgetOf<bfTaskCounter>(list, 1);
    EXPECT_EQ(counter.detail(bfTaskCounter::kFirstDetailId + 5).Text(), L"Removed entry");
    EXPECT_EQ(std::get<InternetTask>(*list.TaskRecord(1)).entryName, u"Removed entry");
    EXPECT_EQ(std::get<InternetTask>(list.SnapshotTasks()[0]), task) << "saved as it was loaded";
}

TEST_F(TaskListTest, AWidgetStoredWhereNoScreenShowsItLoadsWithinTheWorkArea) {
    bfTaskListView& list = MakeList(TaskKind::StickyNote);
    list.LoadTasks(Tasks({Note(u"lost", -4000), Note(u"here", 200)}));
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT lost{};
    ::GetWindowRect(list.Task(1)->widget().window(), &lost);
    EXPECT_GE(lost.left, work.left);
    EXPECT_LE(lost.right, work.right);
    EXPECT_GE(lost.top, work.top);
    EXPECT_LE(lost.bottom, work.bottom);
    EXPECT_EQ(std::get<StickyNoteTask>(*list.TaskRecord(1)).x, lost.left);
    RECT here{};
    ::GetWindowRect(list.Task(2)->widget().window(), &here);
    EXPECT_EQ(here.left, 200) << "a widget on the screen stays where it was";
    EXPECT_EQ(here.top, 380);
}

TEST_F(TaskListTest, TheLanguageReachesTheRowsTheWidgetsAndAnOpenEndMessage) {
    testing::FakeProgramEnvironment program;
    program.modulePath = FromWide(testing::BinaryFolder() + L"\\Tockly.exe");
    LanguageTable languages(program);
    languages.Scan();
    ASSERT_TRUE(languages.Select(u"Deutsch"));
    languages.LoadSelected();

    bfTaskListView& list = MakeList(TaskKind::Timer);
    TimerTask timer = Timer(u"Tea", 1, true);
    timer.showMessageAfterEnd = true;
    timer.playSoundAfterEnd = true;
    timer.soundRepetition = kSoundRepeated;
    timer.soundFile = u"C:\\bell.wav";
    const int reads = time.reads();
    list.LoadTasks(Tasks({timer, Timer(u"Other", 60)}));
    ASSERT_TRUE(PumpUntil([&] { return time.reads() >= reads + 4; }));
    CountDown(2);
    ASSERT_TRUE(PumpUntil([&] { return list.endMessage(1) != nullptr; }, 3000));
    EXPECT_EQ(list.endMessage(1)->stopButton().Text(), L"Stop");

    list.Retranslate(languages);
    const std::u16string stop = languages.Text(TextId::MESSAGES_STOP);
    const std::u16string hide = languages.Text(TextId::UNIVERSAL_POPUP_MENU_HIDE);
    ASSERT_NE(stop, u"Stop");
    EXPECT_EQ(list.endMessage(1)->stopButton().Text(), ToWide(stop));
    for (int number = 1; number <= 2; ++number) {
        EXPECT_EQ(list.Task(number)->widget().menu()->ItemText(MenuPlace::Command(menu_id::kHide)),
                  hide);
    }
    // A widget made afterwards gets the language too.
    list.AddTask(Timer(u"New", 60));
    EXPECT_EQ(list.Task(3)->widget().menu()->ItemText(MenuPlace::Command(menu_id::kHide)), hide);
}

TEST_F(TaskListTest, ALongListScrollsWithAFewRowWindowsAndSelectsWhatIsClicked) {
    bfTaskListView& list = MakeList(TaskKind::StickyNote);
    std::vector<StoredTask> notes;
    std::vector<std::u16string> titles;
    for (int i = 1; i <= 30; ++i) {
        titles.push_back(u"note " + FromWide(std::to_wstring(i)));
        StickyNoteTask note = Note(titles.back().c_str());
        note.shown = false;
        notes.push_back(note);
    }
    list.LoadTasks(notes);
    EXPECT_LE(list.rows().rowWindows(), 9);
    EXPECT_EQ(list.scrollBar().model().content(), 30 * TaskListModel::kRowHeight);

    // Two notches of the wheel over the rows.
    const POINT at = testing::OnScreen(list.rows().window(), 40, 40);
    ASSERT_TRUE(testing::MoveMouseTo(at.x, at.y));
    for (int notch = 0; notch < 2; ++notch) {
        INPUT wheel{};
        wheel.type = INPUT_MOUSE;
        wheel.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
        wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
        ::SendInput(1, &wheel, sizeof(wheel));
    }
    ASSERT_TRUE(PumpUntil([&] { return list.model().scrollOffset() == 48; }));
    EXPECT_EQ(list.scrollBar().position(), 48);
    EXPECT_EQ(list.rows().RowOf(list.model().row(1).id), nullptr) << "out of view";
    Click(RowOf(list, 3).title());
    EXPECT_EQ(list.selectedRow(), 3);
    EXPECT_EQ(RowOf(list, 3).title().Text(), L"note 3");

    list.ScrollTo(100000);
    EXPECT_EQ(RowOf(list, 30).title().Text(), L"note 30");
    EXPECT_LE(list.rows().rowWindows(), 9);
}

// Fills and empties lists of every kind.
void FillAndEmpty(std::vector<std::unique_ptr<bfTaskListView>>& lists) {
    const TimePoint start{2024, 5, 17, 12, 0, 0, 0};
    const TimePoint target{2024, 5, 17, 18, 0, 0, 0};
    TaskStore store;
    for (int i = 0; i < 4; ++i) {
        const bool shown = i % 2 == 0;
        store.application.push_back({u"A", 0, start, target, u"x.exe", u"", u"", u"", true, false,
                                     shown, false, true, false, 100, 100, 0});
        store.printScreen.push_back(
            {u"P", u"C:\\", u"s", 0, 1, 2, start, target, {0, 0, 1, 0}, 1, {}, true, false, shown});
        store.internet.push_back({u"I", 0, u"e", 0, start, target, {}, true, false, shown});
        store.power.push_back({u"W", 0, 0, start, target, {}, false, true, false, shown});
        TimerTask timer = Timer(u"T", 60, i == 1);
        timer.shown = shown;
        timer.showMessageAfterEnd = true;
        store.timer.push_back(timer);
        store.counter.push_back(
            {u"C", 0, start, target, {}, false, u"", false, u"", 0, true, false, shown, true});
        StickyNoteTask note = Note(u"N");
        note.shown = shown;
        store.stickyNote.push_back(note);
        store.stopwatch.push_back({u"S", {}, {{0, 0, 0, 5}}, i == 1, shown, false});
    }
    for (auto& list : lists) {
        list->LoadTasks(TasksOfKind(store, list->kind()));
    }
    PumpMessages();
    for (auto& list : lists) {
        list->RemoveTask(2);
        list->ShowAll(true);
        list->LoadTasks({});
    }
    PumpMessages();
}

TEST_F(TaskListTest, FillingAndEmptyingTheListsGivesBackEveryGdiAndUserObject) {
    for (std::size_t kind = 0; kind < kTaskKindCount; ++kind) {
        MakeList(static_cast<TaskKind>(kind));
    }
    owner.onCommand = nullptr;
    FillAndEmpty(lists);  // the skins and fonts the widgets share stay cached from now on
    const testing::CensusCounts before = testing::GdiCensus::Now();
    for (int round = 0; round < 3; ++round) {
        FillAndEmpty(lists);
    }
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(testing::GdiCensus::Now(), before);
}

}  // namespace
}  // namespace tockly
