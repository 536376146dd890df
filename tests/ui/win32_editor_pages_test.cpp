// The editor pages in the real main window, driven by real clicks and keys: each page creates its
// task (record, widget and row as the form says), change mode loads a row and keeps the widget's
// appearance, a refused create makes nothing and frames the field, browsing a program fills the
// working folder, and the process chooser hands the id of a running child to the PID field.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "main_window_fixture.h"
#include "support/win32_process.h"
#include "toolkit/gdi_census.h"
#include "ui/pages/application_page.h"
#include "ui/pages/internet_page.h"
#include "ui/pages/note_pages.h"
#include "ui/pages/power_page.h"
#include "ui/pages/print_screen_page.h"
#include "ui/pages/timer_page.h"

namespace tockly {
namespace {

using testing::ClickAt;
using testing::HandleQueuedMessages;
using testing::PumpUntil;
using testing::TypeKeys;

class EditorPagesTest : public testing::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ShowWindow();
    }

    template <typename Page>
    Page& Open(TaskKind kind) {
        const int button = ButtonOfPage(kTaskPages[static_cast<std::size_t>(kind)]);
        if (!window->button(button).visible()) {
            if (window->button(menu_button::kBack).visible()) {
                EXPECT_TRUE(ClickButton(menu_button::kBack));
            }
            if (button != menu_button::kStickyNotes && button != menu_button::kStopwatch) {
                EXPECT_TRUE(ClickButton(button <= menu_button::kPower ? menu_button::kTasks
                                                                      : menu_button::kCounting));
            }
        }
        EXPECT_TRUE(ClickButton(button));
        auto& page = dynamic_cast<Page&>(window->taskPage(kind));
        EXPECT_TRUE(page.visible());
        return page;
    }
    // Scrolls the form so that `control` is in view (when it is not) and clicks it at (x, y), its
    // centre by default.
    static bool Click(TaskPage& page, bfAbstractControl& control, int x = -1, int y = -1) {
        ScrollingForm& form = page.form();
        const int top = form.PlaceOf(control).y - form.offset();
        if (top < 0 || top + control.height() > ScrollingForm::kViewHeight) {
            form.ScrollTo(form.PlaceOf(control).y - 40);
        }
        return ClickAt(control.window(), x < 0 ? control.width() / 2 : x,
                       y < 0 ? control.height() / 2 : y);
    }
    static bool StepUp(TaskPage& page, bfSpinBox& box) {
        return Click(page, box, box.width() - 9, 4);
    }
    static bool Create(TaskPage& page) { return Click(page, page.submitButton()); }
    // The whole text of a field replaced by typing `keys`.
    static bool TypeInto(TaskPage& page, bfAbstractControl& field,
                         std::initializer_list<WORD> keys) {
        return Click(page, field) && testing::PressChord({VK_CONTROL, 'A'}) &&
               testing::PressChord({VK_DELETE}) && TypeKeys(keys);
    }
    static bool Centred(const bfAbstractWidget& widget) {
        const int x = (::GetSystemMetrics(SM_CXSCREEN) - widget.width()) / 2;
        const int y = (::GetSystemMetrics(SM_CYSCREEN) - widget.height()) / 2;
        return widget.x() == x && widget.y() == y;
    }
    // The task's row, its widget shown and the row as the record.
    static void ExpectShownTask(bfTaskListView& list, int number, const std::u16string& title) {
        ASSERT_EQ(list.taskCount(), number);
        EXPECT_EQ(list.model().row(number).title, title);
        EXPECT_TRUE(list.model().row(number).shown);
        const bfAbstractWidget& widget = list.Task(number)->widget();
        EXPECT_TRUE(::IsWindowVisible(widget.window()));
        EXPECT_TRUE(Centred(widget));
    }
    template <typename Task>
    static Task RecordOf(bfTaskListView& list, int number) {
        const std::optional<StoredTask> record = list.TaskRecord(number);
        EXPECT_TRUE(record && std::holds_alternative<Task>(*record));
        return record ? std::get<Task>(*record) : Task{};
    }
    bool ClickRow(bfTaskListView& list, int number) {
        bfTaskItem* row = list.rows().RowOf(list.model().row(number).id);
        return row != nullptr && ClickAt(row->title().window(), 10, 8);
    }
};

TEST_F(EditorPagesTest, TheApplicationPageStartsAProgramChosenInTheFileDialog) {
    auto& page = Open<ApplicationTaskPage>(TaskKind::Application);
    bfTaskListView& list = page.list();
    EXPECT_EQ(page.titleField().Text(), u"Application 1");

    // A program that is not there is refused and framed; nothing is made.
    paths.kinds[u"C:\\Tools"] = PathKind::Folder;
    dialogs.openAnswer = u"C:\\Tools\\tool.exe";
    ASSERT_TRUE(Click(page, page.browseProgram()));
    EXPECT_EQ(page.pathField().Text(), u"C:\\Tools\\tool.exe");
    EXPECT_EQ(page.startInField().Text(), u"C:\\Tools") << "browsing fills the working folder";
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].filters[0].patterns, u"*.exe;*.msi");
    ASSERT_TRUE(Create(page));
    EXPECT_EQ(list.taskCount(), 0);
    EXPECT_EQ(page.model().mark().field(), FormField::ProgramPath);
    ASSERT_EQ(page.form().marks().size(), 1u) << "the refused field is framed";

    // The program is there now: a second browse clears the frame, the create goes through.
    paths.kinds[u"C:\\Tools\\tool.exe"] = PathKind::File;
    ASSERT_TRUE(Click(page, page.browseProgram()));
    EXPECT_TRUE(page.form().marks().empty());
    ASSERT_TRUE(TypeInto(page, page.parametersField(), {'X'}));
    ASSERT_TRUE(Create(page));
    ExpectShownTask(list, 1, u"Application 1");
    const auto task = RecordOf<ApplicationTask>(list, 1);
    EXPECT_EQ(task.programPath, u"C:\\Tools\\tool.exe");
    EXPECT_EQ(task.parameters, u"x");
    EXPECT_EQ(task.startIn, u"C:\\Tools");
    EXPECT_EQ(task.target, clock.Now());
    EXPECT_TRUE(task.running);
    EXPECT_EQ(task.transparency, settings->values().widgetTransparency);
    EXPECT_EQ(::GetFocus(), handle()) << "the main window has the focus back";
}

TEST_F(EditorPagesTest, ARefusedProcessIdCreatesNothingAndStaysFramedUntilItChanges) {
    auto& page = Open<ApplicationTaskPage>(TaskKind::Application);
    ASSERT_TRUE(Click(page, page.killChoice()));
    EXPECT_TRUE(::IsWindowVisible(page.processIdField().window()));
    EXPECT_FALSE(::IsWindowVisible(page.pathField().window())) << "the path rows hide";
    ASSERT_TRUE(TypeInto(page, page.processIdField(), {'A', 'B'}));
    ASSERT_TRUE(Create(page));
    EXPECT_EQ(page.list().taskCount(), 0);
    EXPECT_EQ(page.model().mark().field(), FormField::ProcessId);
    EXPECT_EQ(page.form().marks().size(), 1u);

    ASSERT_TRUE(TypeInto(page, page.processIdField(), {'4', '2'}));
    EXPECT_TRUE(page.form().marks().empty()) << "the frame goes with the change";
    ASSERT_TRUE(Create(page));
    ASSERT_EQ(page.list().taskCount(), 1);
    EXPECT_EQ(RecordOf<ApplicationTask>(page.list(), 1).processId, u"42");
}

TEST_F(EditorPagesTest, TheProcessChooserHandsTheIdOfARunningChildToThePidField) {
    testing::ChildProcess child{testing::HostPathToWindows(TOCKLY_CHOOSER_PROBE)};
    ASSERT_TRUE(child.started());
    auto& page = Open<ApplicationTaskPage>(TaskKind::Application);
    ASSERT_TRUE(Click(page, page.killChoice()));
    bfProcessListWindow& chooser = page.chooser();
    // The child shows up in the list once it runs; the chooser lists anew each time it opens.
    int row = -1;
    ASSERT_TRUE(PumpUntil([&] {
        chooser.Show(false);
        EXPECT_TRUE(Click(page, page.processListButton()));
        for (int i = 0; i < chooser.list().rowCount(); ++i) {
            if (chooser.list().row(i).id == child.id()) {
                row = i;
            }
        }
        return row >= 0;
    }));
    EXPECT_TRUE(::IsWindowVisible(chooser.window()));
    chooser.list().ScrollTo(row * list_geometry::kRowHeight);
    const bfStaticText* shown = chooser.list().ShownRow(row);
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(ClickAt(shown->window(), 20, 8));
    ASSERT_TRUE(ClickAt(shown->window(), 20, 8)) << "a second click chooses";
    ASSERT_TRUE(PumpUntil([&] { return !page.processIdField().Text().empty(); }));
    EXPECT_EQ(page.processIdField().Text(), FromWide(std::to_wstring(child.id())));
    EXPECT_FALSE(::IsWindowVisible(chooser.window()));
}

TEST_F(EditorPagesTest, EachSystemPageCreatesItsTask) {
    // Print screen: the folder from the folder dialog.
    auto& shots = Open<PrintScreenTaskPage>(TaskKind::PrintScreen);
    ASSERT_TRUE(Create(shots));
    EXPECT_EQ(shots.list().taskCount(), 0) << "no folder yet";
    EXPECT_EQ(shots.model().mark().field(), FormField::SaveIn);
    paths.kinds[u"D:\\Shots"] = PathKind::Folder;
    dialogs.folderAnswer = u"D:\\Shots";
    ASSERT_TRUE(Click(shots, shots.browse()));
    ASSERT_TRUE(Click(shots, shots.mode(RepetitionMode::RepeatForSpan)));
    EXPECT_TRUE(shots.executeFor().box(0).enabled());
    ASSERT_TRUE(StepUp(shots, shots.executeFor().box(1)));  // for 1 minute
    ASSERT_TRUE(Create(shots));
    ExpectShownTask(shots.list(), 1, u"Print screen 1");
    const auto shot = RecordOf<PrintScreenTask>(shots.list(), 1);
    EXPECT_EQ(shot.saveIn, u"D:\\Shots");
    EXPECT_EQ(shot.repetitionMode, static_cast<std::int32_t>(RepetitionMode::RepeatForSpan));
    EXPECT_EQ(shot.executeFor.minutes, 1);
    EXPECT_EQ(shot.repeatPeriod.seconds, 1);

    // Internet: with an empty phone book nothing can be chosen, and the create is refused.
    auto& internet = Open<InternetTaskPage>(TaskKind::Internet);
    ASSERT_TRUE(Create(internet));
    EXPECT_EQ(internet.list().taskCount(), 0);
    EXPECT_EQ(internet.model().mark().field(), FormField::Entry);
    actions.dialUp.entries = {{u"Office", 0, u""}, {u"Home", 0, u""}};
    ASSERT_TRUE(Open<PrintScreenTaskPage>(TaskKind::PrintScreen).visible());
    Open<InternetTaskPage>(TaskKind::Internet);  // the phone book is read again
    EXPECT_EQ(internet.entries().ItemCount(), 2);
    ASSERT_TRUE(Click(internet, internet.disconnectChoice()));
    ASSERT_TRUE(Click(internet, internet.target().inChoice()));
    EXPECT_FALSE(internet.target().time().box(0).enabled());
    EXPECT_EQ(internet.target().span().box(2).value(), 1) << "the delay never shows all zero";
    ASSERT_TRUE(Create(internet));
    ExpectShownTask(internet.list(), 1, u"Internet connection 1");
    const auto connection = RecordOf<InternetTask>(internet.list(), 1);
    EXPECT_EQ(connection.entryName, u"Office");
    EXPECT_EQ(connection.action, static_cast<std::int32_t>(NetworkAction::Disconnect));
    EXPECT_EQ(connection.target, (TimePoint{2024, 1, 1, 12, 0, 1, 0}));
    // The longest page titles show whole, in a smaller size.
    ASSERT_TRUE(ClickRow(internet.list(), 1));
    EXPECT_EQ(internet.pageTitle().Text(), L"Change internet connection task");
    EXPECT_LE(internet.pageTitle().MeasureTextWidth(), internet.pageTitle().width());

    // Power: in one day, forced.
    auto& power = Open<PowerTaskPage>(TaskKind::Power);
    ASSERT_TRUE(Click(power, power.target().inChoice()));
    ASSERT_TRUE(StepUp(power, power.target().span().box(0)));
    ASSERT_TRUE(Click(power, power.force()));
    ASSERT_TRUE(Create(power));
    ExpectShownTask(power.list(), 1, u"Power management 1");
    const auto shutdown = RecordOf<PowerTask>(power.list(), 1);
    EXPECT_TRUE(shutdown.force);
    EXPECT_EQ(shutdown.target, (TimePoint{2024, 1, 2, 12, 0, 1, 0}));
    ASSERT_TRUE(ClickRow(power.list(), 1));
    EXPECT_EQ(power.pageTitle().Text(), L"Change power management task");
    EXPECT_LE(power.pageTitle().MeasureTextWidth(), power.pageTitle().width());
}

TEST_F(EditorPagesTest, EachCountingAndNotePageCreatesItsTask) {
    auto& timer = Open<TimerTaskPage>(TaskKind::Timer);
    ASSERT_TRUE(Click(timer, timer.endOptions().playSound()));
    EXPECT_TRUE(timer.endOptions().once().checked());
    EXPECT_FALSE(timer.endOptions().multipleTimes().enabled()) << "only with the message";
    ASSERT_TRUE(Create(timer));
    EXPECT_EQ(timer.list().taskCount(), 0) << "a sound without its file";
    EXPECT_EQ(timer.model().mark().field(), FormField::SoundFile);
    dialogs.openAnswer = u"C:\\ding.wav";
    ASSERT_TRUE(Click(timer, timer.endOptions().browse()));
    EXPECT_EQ(dialogs.asked.back().filters[0].patterns, u"*.wav");
    ASSERT_TRUE(Click(timer, timer.endOptions().showMessage()));
    EXPECT_TRUE(::IsWindowVisible(timer.endOptions().message().window()));
    ASSERT_TRUE(Click(timer, timer.endOptions().multipleTimes()));
    ASSERT_TRUE(Create(timer));
    ExpectShownTask(timer.list(), 1, u"Timer 1");
    const auto countdown = RecordOf<TimerTask>(timer.list(), 1);
    EXPECT_EQ(countdown.duration, (Duration{0, 0, 1, 0}));
    EXPECT_EQ(countdown.soundFile, u"C:\\ding.wav");
    EXPECT_EQ(countdown.soundRepetition, kSoundMultipleTimes);
    EXPECT_TRUE(countdown.running);

    auto& counter = Open<CounterTaskPage>(TaskKind::Counter);
    ASSERT_TRUE(StepUp(counter, counter.target().span().box(1)));  // 1 hour 1 minute
    ASSERT_TRUE(Create(counter));
    ExpectShownTask(counter.list(), 1, u"Counter 1");
    EXPECT_EQ(RecordOf<CounterTask>(counter.list(), 1).target,
              (TimePoint{2024, 1, 1, 13, 1, 0, 0}));

    auto& notes = Open<StickyNotePage>(TaskKind::StickyNote);
    ASSERT_TRUE(Click(notes, notes.content()));
    ASSERT_TRUE(TypeKeys({'H', 'I'}));
    ASSERT_TRUE(PumpUntil([&] { return notes.model().content() == u"hi"; }));
    ASSERT_TRUE(Create(notes));
    ExpectShownTask(notes.list(), 1, u"Sticky note 1");
    EXPECT_EQ(RecordOf<StickyNoteTask>(notes.list(), 1).content, u"hi");

    auto& watches = Open<StopwatchPage>(TaskKind::Stopwatch);
    ASSERT_TRUE(StepUp(watches, watches.startingTime().box(1)));
    ASSERT_TRUE(Create(watches));
    ExpectShownTask(watches.list(), 1, u"Stopwatch 1");
    EXPECT_EQ(RecordOf<StopwatchTask>(watches.list(), 1).elapsed.minutes, 1);
    EXPECT_TRUE(watches.list().Task(1)->widget().running());
}

TEST_F(EditorPagesTest, AChangeLoadsTheRowAndKeepsTheWidgetsLook) {
    auto& timer = Open<TimerTaskPage>(TaskKind::Timer);
    ASSERT_TRUE(Create(timer));
    ASSERT_TRUE(Create(timer));
    ASSERT_EQ(timer.list().taskCount(), 2);
    bfAbstractWidget& widget = timer.list().Task(1)->widget();
    widget.SetTransparency(40);
    widget.SetAlwaysOnTop(true);

    ASSERT_TRUE(ClickRow(timer.list(), 1));
    EXPECT_TRUE(timer.changeMode());
    EXPECT_EQ(timer.titleField().Text(), u"Timer 1");
    EXPECT_EQ(timer.submitButton().Text(), L"Change task");
    ASSERT_TRUE(StepUp(timer, timer.countdown().box(1)));  // 1 hour 1 minute
    ASSERT_TRUE(Create(timer));
    ASSERT_EQ(timer.list().taskCount(), 2) << "a change makes no task";
    const auto changed = RecordOf<TimerTask>(timer.list(), 1);
    EXPECT_EQ(changed.duration, (Duration{0, 1, 1, 0}));
    EXPECT_EQ(changed.transparency, 40);
    EXPECT_TRUE(changed.alwaysOnTop);
    EXPECT_TRUE(changed.running);
    EXPECT_TRUE(timer.changeMode()) << "still on the same row";

    // The counter's change: a count to a time of the 12-hour clock.
    twentyFourHour = false;
    window->Set24HourClock(false);
    auto& counter = Open<CounterTaskPage>(TaskKind::Counter);
    ASSERT_TRUE(Create(counter));
    ASSERT_TRUE(ClickRow(counter.list(), 1));
    ASSERT_TRUE(Click(counter, counter.target().atChoice()));
    EXPECT_TRUE(::IsWindowVisible(counter.target().time().amPm().window()));
    EXPECT_EQ(counter.target().time().box(3).value(), 12) << "12:00 is 12 PM";
    EXPECT_EQ(counter.target().time().amPm().selected(), ButtonHalf::Right);
    ASSERT_TRUE(Click(counter, counter.target().time().amPm(), 10, 10));  // AM: 0:01, past
    ASSERT_TRUE(Create(counter));
    EXPECT_EQ(counter.model().mark().field(), FormField::Target);
    EXPECT_EQ(counter.form().marks().size(), 1u);
    ASSERT_TRUE(StepUp(counter, counter.target().time().box(0)));  // the next day
    EXPECT_TRUE(counter.form().marks().empty());
    ASSERT_TRUE(Create(counter));
    EXPECT_EQ(RecordOf<CounterTask>(counter.list(), 1).target, (TimePoint{2024, 1, 2, 0, 1, 0, 0}));
}

TEST_F(EditorPagesTest, TheWheelScrollsTheFormAndTheListEventsSwitchTheMode) {
    auto& shots = Open<PrintScreenTaskPage>(TaskKind::PrintScreen);
    ScrollingForm& form = shots.form();
    EXPECT_GT(form.contentHeight(), ScrollingForm::kViewHeight);
    ASSERT_TRUE(testing::TurnWheelAt(form.window(), 60, 8, -WHEEL_DELTA));
    EXPECT_GT(form.offset(), 0);
    EXPECT_EQ(form.scrollBar().position(), form.offset());
    // A control is where the form says, scrolled.
    RECT title{};
    ::GetWindowRect(shots.titleField().window(), &title);
    ::MapWindowPoints(HWND_DESKTOP, form.window(), reinterpret_cast<POINT*>(&title), 2);
    EXPECT_EQ(title.top, form.PlaceOf(shots.titleField()).y - form.offset());

    paths.kinds[u"D:\\Shots"] = PathKind::Folder;
    dialogs.folderAnswer = u"D:\\Shots";
    ASSERT_TRUE(Click(shots, shots.browse()));
    ASSERT_TRUE(Create(shots));
    ASSERT_TRUE(ClickRow(shots.list(), 1));
    EXPECT_TRUE(shots.changeMode());
    EXPECT_EQ(shots.pageTitle().Text(), L"Change print screen task");
    // The remove button: the row goes and the page is back in create mode.
    ASSERT_TRUE(ClickAt(shots.list().removeButton().window(), 10, 10));
    EXPECT_EQ(shots.list().taskCount(), 0);
    EXPECT_FALSE(shots.changeMode());
    EXPECT_EQ(shots.titleField().Text(), u"Print screen 1");
    EXPECT_GT(storeSaves, 0);
}

TEST_F(EditorPagesTest, CreatingAndRemovingTasksGivesBackEveryGdiAndUserObject) {
    auto& timer = Open<TimerTaskPage>(TaskKind::Timer);
    const auto round = [&] {
        ASSERT_TRUE(Create(timer));
        ASSERT_TRUE(ClickRow(timer.list(), 1));
        ASSERT_TRUE(ClickAt(timer.list().removeButton().window(), 10, 10));
        ASSERT_EQ(timer.list().taskCount(), 0);
        auto& notes = Open<StickyNotePage>(TaskKind::StickyNote);
        ASSERT_TRUE(Create(notes));
        notes.list().RemoveTask(1);
        Open<TimerTaskPage>(TaskKind::Timer);
        // What the removed widgets posted is read.
        for (int pass = 0; pass < 20; ++pass) {
            HandleQueuedMessages();
            ::Sleep(10);
        }
    };
    round();  // what the widgets share is cached from now on
    const testing::CensusCounts before = testing::GdiCensus::Now();
    for (int i = 0; i < 3; ++i) {
        round();
    }
    EXPECT_EQ(testing::GdiCensus::Now(), before);
}

}  // namespace
}  // namespace tockly
