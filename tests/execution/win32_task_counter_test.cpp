// The task counter with real windows and messages, its time from clocks the tests move: the
// notifications its owner gets and their order, its sizes, the menu commands with their check
// marks and what they store, the actions reaching the recording fakes exactly at the target
// second, stopping in the middle of every step (inside an action too) a thousand times without a
// hang, and every GDI and USER object given back.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "execution/task_counter.h"
#include "support/fake_system_actions.h"
#include "support/win32_test_paths.h"
#include "toolkit/gdi_census.h"
#include "toolkit/real_input.h"
#include "toolkit/test_parent.h"
#include "widgets/hang_guard.h"
#include "widgets/menu_ids.h"
#include "widgets/owner_notice_log.h"

namespace tockly {
namespace {

using testing::TestParent;

constexpr WORD kWidgetId = 7;
constexpr WORD kFamily = static_cast<WORD>(WidgetFamily::TaskCounter);
constexpr TimePoint kStart{2024, 5, 17, 12, 0, 0, 0};

// A clock that stands at the last millisecond of a second until the test moves it on: a worker
// on it finds a new second exactly when the test gives one.
class SteppedClock final : public Clock {
public:
    explicit SteppedClock(const TimePoint& start) : units_(ToUnits(start).value()) {}
    TimePoint Now() const override {
        TimePoint now = FromUnits(units_.load()).value();
        now.millisecond = 999;
        ++reads_;
        return now;
    }
    void Advance(int seconds = 1) { units_ += seconds * kUnitsPerSecond; }
    int reads() const { return reads_; }

private:
    std::atomic<std::int64_t> units_;
    mutable std::atomic<int> reads_{0};
};

// A clock whose every reading is the next second (the worker works at every look), at
// `millisecond`: the worker waits the rest of that second before it looks again.
class RacingClock final : public Clock {
public:
    explicit RacingClock(int millisecond = 999) : millisecond_(millisecond) {}
    TimePoint Now() const override {
        const int second = ++seconds_;
        return {2024, 5, 17, second / 3600 % 24, second / 60 % 60, second % 60, millisecond_};
    }

private:
    const int millisecond_;
    mutable std::atomic<int> seconds_{0};
};

using testing::Notice;
using testing::Notices;

const Notice kChanged{kWidgetChangedCode, kWidgetId, kSettingsChanged};
Notice Event(int code) {
    return {kFamily, kWidgetId, code};
}
const Notice kHidden = Event(task_counter_event::kHidden);
const Notice kEnded = Event(task_counter_event::kEnded);
const Notice kRemoveRequest = Event(task_counter_event::kRemoveRequest);
const Notice kRearmed = Event(task_counter_event::kRearmed);
const Notice kTitleEdited = Event(task_counter_event::kTitleEdited);

void Choose(const bfTaskCounter& widget, int id) {
    ::SendMessageW(widget.window(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool Pump(const std::function<bool()>& done) {
    return testing::PumpUntil(done);
}

ApplicationTask StartProgramTask(const TimePoint& target) {
    ApplicationTask task;
    task.title = u"Backup";
    task.programPath = u"C:\\Tools\\backup.exe";
    task.start = kStart;
    task.target = target;
    return task;
}

TimePoint Later(int seconds) {
    return FromUnits(ToUnits(kStart).value() + seconds * kUnitsPerSecond).value();
}

PowerTask PowerAt(const TimePoint& target, std::int32_t action = 6) {
    PowerTask task;
    task.action = action;
    task.start = kStart;
    task.target = target;
    return task;
}

// Dispatches this thread's messages for a while; running workers may never let the queue run
// empty, so the time is looked at after every message.
void PumpFor(DWORD milliseconds) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    while (::GetTickCount64() < end) {
        MSG message;
        if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        } else {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
    }
}

class TaskCounter : public ::testing::Test {
protected:
    void SetUp() override { SetSkinFileFolder(testing::BinaryFolder()); }

    std::unique_ptr<bfTaskCounter> Make(SystemTaskType type, SystemTaskRecord record,
                                        const Clock& clock) {
        auto widget =
            std::make_unique<bfTaskCounter>(owner.window(), kWidgetId, type, fakes.actions, clock);
        EXPECT_TRUE(widget->SetRecord(std::move(record)));
        widget->MoveTo(420, 140);
        widget->Show(true);
        widget->ApplyRecord();
        testing::HandleQueuedMessages();
        return widget;
    }

    std::wstring Countdown(bfTaskCounter& widget) { return widget.countdown().Text(); }

    // Starts the worker and waits until it has taken the present as its last second: the next
    // Advance is a new second to it.
    void Start(bfTaskCounter& widget) {
        const int before = clock.reads();
        widget.SetRunning(true);
        while (clock.reads() == before) {
            ::Sleep(1);
        }
    }

    TestParent owner{400, 300};
    testing::FakeSystemActions fakes;
    SteppedClock clock{kStart};
};

TEST_F(TaskCounter, CollapsesAndExpandsToTheHeightsOfItsTypeByRealClicks) {
    struct Expect {
        SystemTaskType type;
        int expanded;
    };
    for (const Expect expect :
         {Expect{SystemTaskType::Application, 129}, Expect{SystemTaskType::PrintScreen, 116},
          Expect{SystemTaskType::Internet, 116}, Expect{SystemTaskType::Power, 116}}) {
        SystemTaskRecord record = EmptyRecord(expect.type);
        std::visit(
            [](auto& task) {
                task.target = Later(3600);
                task.start = kStart;
            },
            record);
        if (auto* power = std::get_if<PowerTask>(&record)) {
            power->force = true;  // its fourth line
        }
        auto widget = Make(expect.type, record, clock);
        widget->SetReportChanges(true);
        owner.Clear();
        EXPECT_EQ(widget->width(), 200);
        EXPECT_EQ(widget->height(), 99);
        EXPECT_TRUE(widget->collapsed());
        EXPECT_FALSE(widget->detail(10).visible());

        ASSERT_TRUE(testing::ClickAt(widget->window(), 186, 33));  // the eye
        EXPECT_FALSE(widget->collapsed());
        EXPECT_EQ(widget->height(), expect.expanded);
        EXPECT_TRUE(widget->detail(10).visible() || widget->detail(11).visible());
        EXPECT_EQ(widget->detail(12).visible(), expect.type == SystemTaskType::Application);
        EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});

        Choose(*widget, menu_id::kShowProgressBar);
        EXPECT_EQ(widget->height(), expect.expanded + 10);
        ASSERT_TRUE(testing::ClickAt(widget->window(), 186, 33));
        EXPECT_EQ(widget->height(), 109);
        Choose(*widget, menu_id::kShowProgressBar);
        EXPECT_EQ(widget->height(), 99);
        // Whether an application shows its details is part of its record.
        const SystemTaskRecord stored = widget->record();
        if (const auto* task = std::get_if<ApplicationTask>(&stored)) {
            EXPECT_FALSE(task->expanded);
        }
        std::visit([](const auto& task) { EXPECT_FALSE(task.showProgressBar); }, stored);
    }
    // An application task stored expanded comes back expanded.
    ApplicationTask task = StartProgramTask(Later(60));
    task.expanded = true;
    task.showProgressBar = true;
    auto widget = Make(SystemTaskType::Application, task, clock);
    EXPECT_EQ(widget->height(), 139);
}

TEST_F(TaskCounter, TheCloseButtonAndHideHideItAndOnlyAReportingCounterTellsOfChanges) {
    auto widget = Make(SystemTaskType::Power, PowerAt(Later(60)), clock);
    widget->SetReportChanges(true);
    ASSERT_TRUE(testing::ClickAt(widget->window(), 186, 11));  // the cross
    EXPECT_FALSE(widget->shown());
    EXPECT_FALSE(::IsWindowVisible(widget->window()));
    widget->Show(true);
    Choose(*widget, menu_id::kHide);
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{kHidden, kChanged, kHidden, kChanged}));

    owner.Clear();
    widget->Show(true);
    widget->SetReportChanges(false);
    ASSERT_TRUE(testing::ClickAt(widget->window(), 186, 11));
    Choose(*widget, menu_id::kAlwaysOnTop);
    Choose(*widget, menu_id::kForce);
    Choose(*widget, menu_id::kRemove);
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{kHidden, kRemoveRequest}));
}

TEST_F(TaskCounter, PrintScreenMenuCommandsStoreInTheRecordWithTheirCheckMarks) {
    PrintScreenTask task;
    task.start = kStart;
    task.target = Later(600);
    task.repeatChoice = 2;
    task.formatChoice = 1;
    auto widget = Make(SystemTaskType::PrintScreen, task, clock);
    OwnerDrawnMenu& menu = *widget->menu();
    EXPECT_TRUE(menu.IsChecked(TOCKLY_MENU_REPEAT_1_MINUTE));
    EXPECT_TRUE(menu.IsChecked(TOCKLY_MENU_FORMAT_JPG));
    for (int id = menu_id::kExecuteForFirst; id <= menu_id::kExecuteForLast; ++id) {
        EXPECT_FALSE(menu.IsChecked(id));
    }
    widget->SetReportChanges(true);
    owner.Clear();

    Choose(*widget, TOCKLY_MENU_REPEAT_30_SECONDS);
    Choose(*widget, TOCKLY_MENU_FORMAT_BMP);
    clock.Advance(5);
    Choose(*widget, TOCKLY_MENU_EXECUTE_15_MINUTES);
    Choose(*widget, menu_id::kAlwaysOnTop);
    Choose(*widget, TOCKLY_MENU_TRANSPARENCY_30);
    EXPECT_EQ(Notices(owner),
              (std::vector<Notice>{kChanged, kChanged, kRearmed, kChanged, kChanged, kChanged}));
    for (int id = menu_id::kRepeatFirst; id <= menu_id::kFormatBmp; ++id) {
        const bool checked = id == TOCKLY_MENU_REPEAT_30_SECONDS || id == TOCKLY_MENU_FORMAT_BMP ||
                             id == TOCKLY_MENU_EXECUTE_15_MINUTES;
        EXPECT_EQ(menu.IsChecked(id), checked) << id;
    }
    const auto stored = std::get<PrintScreenTask>(widget->record());
    EXPECT_EQ(stored.repeatPeriod, (Duration{0, 0, 0, 30}));
    EXPECT_EQ(stored.repeatChoice, 3);
    EXPECT_EQ(stored.formatChoice, 2);
    EXPECT_EQ(stored.repetitionMode, 2);
    EXPECT_EQ(stored.executeFor, (Duration{0, 0, 15, 0}));
    EXPECT_EQ(stored.executeForChoice, 2);
    EXPECT_EQ(stored.start, clock.Now());  // the span starts again from now
    EXPECT_EQ(stored.target, clock.Now());
    EXPECT_TRUE(stored.alwaysOnTop);
    EXPECT_EQ(stored.transparency, 30);
    EXPECT_EQ(Countdown(*widget), L"00 : 15 : 00");
    EXPECT_EQ(widget->detail(11).Text(), L"_0.bmp");

    // Not reporting: the counter still says that it was rearmed.
    owner.Clear();
    widget->SetReportChanges(false);
    Choose(*widget, TOCKLY_MENU_EXECUTE_1_HOUR);
    Choose(*widget, TOCKLY_MENU_REPEAT_5_SECONDS);
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kRearmed});
}

TEST_F(TaskCounter, ForceTogglesOnlyAPowerTaskAndConnectStartsAtOnce) {
    auto power = Make(SystemTaskType::Power, PowerAt(Later(60)), clock);
    power->SetReportChanges(true);
    Choose(*power, menu_id::kForce);
    EXPECT_TRUE(power->menu()->IsChecked(menu_id::kForce));
    EXPECT_TRUE(std::get<PowerTask>(power->record()).force);
    EXPECT_EQ(power->detail(11).Text(), L"forced");
    EXPECT_FALSE(power->detail(11).visible());  // collapsed: the line waits for expanding
    Choose(*power, menu_id::kForce);
    EXPECT_FALSE(power->menu()->IsChecked(menu_id::kForce));
    EXPECT_FALSE(std::get<PowerTask>(power->record()).force);
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{kChanged, kChanged}));

    owner.Clear();
    InternetTask task;
    task.entryName = u"Office";
    task.target = Later(600);
    auto internet = Make(SystemTaskType::Internet, task, clock);
    Choose(*internet, menu_id::kForce);  // no such item in its menu: nothing
    Choose(*internet, menu_id::kConnect);
    Choose(*internet, menu_id::kDisconnect);
    EXPECT_EQ(fakes.log.Calls(),
              (std::vector<std::string>{"StartDial Office", "StartHangUp Office"}));
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{kRemoveRequest, kRemoveRequest}));
}

TEST_F(TaskCounter, EditingTheTitleTellsTheOwnerAndClicksOnLabelsDrag) {
    auto widget = Make(SystemTaskType::Application, StartProgramTask(Later(60)), clock);
    widget->SetReportChanges(true);
    const HWND title = widget->title().window();
    ASSERT_TRUE(testing::MouseAt(title, 40, 10, MOUSEEVENTF_LEFTDOWN));
    ASSERT_TRUE(testing::MouseAt(title, 40, 10, MOUSEEVENTF_LEFTUP));
    ASSERT_TRUE(testing::MouseAt(title, 40, 10, MOUSEEVENTF_LEFTDOWN));
    ASSERT_TRUE(testing::MouseAt(title, 40, 10, MOUSEEVENTF_LEFTUP));
    ASSERT_TRUE(widget->title().activated());
    owner.Clear();
    ASSERT_TRUE(testing::TypeKey(VK_END));
    ASSERT_TRUE(testing::TypeKey('X'));
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kTitleEdited});
    EXPECT_EQ(std::get<ApplicationTask>(widget->record()).title, u"Backupx");

    // A press on the countdown moves the counter with the mouse (the owner's client area is the
    // screen's: the points stay put while the counter moves).
    owner.Clear();
    RECT before{};
    ::GetWindowRect(widget->window(), &before);
    const HWND screen = owner.window();
    const int x = before.left + 60;
    const int y = before.top + 30;
    ASSERT_TRUE(testing::MouseAt(screen, x, y, MOUSEEVENTF_LEFTDOWN));
    ASSERT_TRUE(testing::MouseAt(screen, x + 30, y + 20));
    ASSERT_TRUE(testing::MouseAt(screen, x + 30, y + 20, MOUSEEVENTF_LEFTUP));
    RECT after{};
    ::GetWindowRect(widget->window(), &after);
    EXPECT_EQ(after.left - before.left, 30);
    EXPECT_EQ(after.top - before.top, 20);
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
}

// ---- The worker ----

TEST_F(TaskCounter, AnApplicationStartsExactlyAtItsTargetSecondThenHidesAndEnds) {
    auto widget = Make(SystemTaskType::Application, StartProgramTask(Later(3)), clock);
    widget->SetShowProgressBar(true);
    EXPECT_EQ(Countdown(*widget), L"00 : 00 : 03");
    EXPECT_EQ(widget->stripColumns(), 198);
    std::vector<bool> shownWhenTold;
    owner.onCommand = [&](const testing::CommandRecord&) {
        shownWhenTold.push_back(::IsWindowVisible(widget->window()) != FALSE);
    };
    Start(*widget);
    for (const wchar_t* expected : {L"00 : 00 : 02", L"00 : 00 : 01"}) {
        clock.Advance();
        ASSERT_TRUE(Pump([&] { return Countdown(*widget) == expected; })) << expected;
        EXPECT_TRUE(fakes.log.Calls().empty());
    }
    EXPECT_EQ(widget->stripColumns(), 66);
    clock.Advance();
    ASSERT_TRUE(Pump([&] { return owner.commands.size() == 2; }));
    EXPECT_EQ(fakes.log.Calls(),
              std::vector<std::string>{"StartProgram C:\\Tools\\backup.exe | (none) | (none)"});
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{kHidden, kEnded}));
    EXPECT_EQ(shownWhenTold, (std::vector<bool>{false, false}));
    EXPECT_EQ(Countdown(*widget), L"00 : 00 : 00");
    EXPECT_EQ(widget->stripColumns(), 0);
    EXPECT_FALSE(widget->running());
    EXPECT_FALSE(widget->hasWorkerThread());
}

TEST_F(TaskCounter, RemoveAfterEndAsksForRemovalAloneAndTheOwnerJoinsTheWorker) {
    InternetTask task;
    task.entryName = u"Office";
    task.start = kStart;
    task.target = Later(2);
    std::unique_ptr<bfTaskCounter> widget = Make(SystemTaskType::Internet, task, clock);
    widget->SetRemoveAfterEnd(true);
    EXPECT_TRUE(std::get<InternetTask>(widget->record()).removeAfterEnd);
    bool runningWhenTold = false;
    owner.onCommand = [&](const testing::CommandRecord& record) {
        if (record.lParam == task_counter_event::kRemoveRequest && widget) {
            runningWhenTold = widget->running() && widget->hasWorkerThread();
            widget.reset();  // as the task list does
        }
    };
    Start(*widget);
    clock.Advance(2);
    ASSERT_TRUE(Pump([&] { return widget == nullptr; }));
    EXPECT_TRUE(runningWhenTold);
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kRemoveRequest});
    EXPECT_EQ(fakes.log.Calls(), (std::vector<std::string>{"StartDial Office", "Pause 500 ms"}));
}

TEST_F(TaskCounter, AFailedPowerCallAsksForRemovalAndAPastTargetFiresAtTheFirstSecond) {
    fakes.session.result = false;
    auto widget = Make(SystemTaskType::Power, PowerAt(Later(-3600), 0), clock);
    Start(*widget);
    EXPECT_TRUE(fakes.log.Calls().empty());  // nothing before a new second
    clock.Advance();
    ASSERT_TRUE(Pump([&] { return !owner.commands.empty(); }));
    EXPECT_EQ(fakes.log.Calls(), (std::vector<std::string>{"Lock", "Pause 500 ms"}));
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kRemoveRequest});
    widget->SetRunning(false);
}

TEST_F(TaskCounter, PrintScreenInModeOneShootsEveryPeriodAndNeverEnds) {
    PrintScreenTask task;
    task.saveIn = u"C:\\Shots";
    task.filePrefix = u"s";
    task.repetitionMode = 1;
    task.repeatPeriod = {0, 0, 0, 5};
    task.start = kStart;
    task.target = Later(-12);
    auto widget = Make(SystemTaskType::PrintScreen, task, clock);
    widget->SetShowProgressBar(true);
    EXPECT_EQ(Countdown(*widget), L"## : ## : ##");
    EXPECT_EQ(widget->stripColumns(), 198);
    Start(*widget);
    for (int second = 1; second <= 14; ++second) {
        clock.Advance();
        // 15, 20 and 25 s after the target.
        const std::size_t shots = second >= 13 ? 3 : second >= 8 ? 2 : second >= 3 ? 1 : 0;
        ASSERT_TRUE(Pump([&] { return fakes.log.Calls().size() == shots; })) << second;
    }
    EXPECT_EQ(fakes.log.Calls().back(), "SaveScreenshot C:\\Shots\\s_2.png as png");
    EXPECT_TRUE(widget->running());
    EXPECT_TRUE(owner.commands.empty());
    EXPECT_EQ(std::get<PrintScreenTask>(widget->record()).shotCounter, 3);
    EXPECT_TRUE(Pump([&] { return widget->detail(11).Text() == L"s_3.png"; }));
    widget->SetRunning(false);
}

TEST_F(TaskCounter, PrintScreenInModeTwoEndsWithItsSpanAndHidingKeepsItCounting) {
    PrintScreenTask task;
    task.filePrefix = u"s";
    task.start = kStart;
    task.target = Later(3600);
    auto widget = Make(SystemTaskType::PrintScreen, task, clock);
    Choose(*widget, TOCKLY_MENU_REPEAT_15_SECONDS);
    Choose(*widget, TOCKLY_MENU_EXECUTE_1_MINUTE);  // from now, one minute
    EXPECT_EQ(Countdown(*widget), L"00 : 01 : 00");
    Start(*widget);
    Choose(*widget, menu_id::kHide);
    owner.Clear();
    for (int second = 1; second <= 59; ++second) {
        clock.Advance();
        const std::wstring left = second <= 50 ? L"00 : 00 : " + std::to_wstring(60 - second)
                                               : L"00 : 00 : 0" + std::to_wstring(60 - second);
        ASSERT_TRUE(Pump([&] { return Countdown(*widget) == left; })) << second;
    }
    EXPECT_EQ(fakes.log.Calls().size(), 3u);  // 15, 30 and 45 s
    EXPECT_TRUE(owner.commands.empty());
    clock.Advance();
    ASSERT_TRUE(Pump([&] { return owner.commands.size() == 2; }));
    EXPECT_EQ(fakes.log.Calls().size(), 4u);  // and the last at the end of the span
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{kHidden, kEnded}));
    EXPECT_FALSE(widget->running());
}

// A screen capture that holds on until the test lets it go (at most five seconds).
class HeldCapture final : public ScreenCapture {
public:
    bool SaveScreenshot(std::u16string_view, ScreenshotFormat) override {
        ::SetEvent(entered.get());
        ::WaitForSingleObject(release.get(), 5000);
        done = true;
        return true;
    }
    KernelHandle entered{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    KernelHandle release{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::atomic<bool> done{false};
};

TEST_F(TaskCounter, AScreenshotIsSavedWithoutTheLockSoMenuCommandsNeverWaitForIt) {
    HeldCapture capture;
    SystemActions actions{fakes.session, fakes.processes, capture,
                          fakes.dialUp,  fakes.sound,     fakes.pause};
    bfTaskCounter widget(owner.window(), kWidgetId, SystemTaskType::PrintScreen, actions, clock);
    PrintScreenTask task;
    task.filePrefix = u"s";
    task.target = Later(1);
    widget.SetRecord(task);
    widget.ApplyRecord();
    Start(widget);
    clock.Advance();
    ASSERT_EQ(::WaitForSingleObject(capture.entered.get(), 5000), WAIT_OBJECT_0);
    // The worker is inside the shot: the record and the commands that store into it go on.
    EXPECT_EQ(std::get<PrintScreenTask>(widget.record()).shotCounter, 1);
    Choose(widget, TOCKLY_MENU_FORMAT_BMP);
    EXPECT_EQ(std::get<PrintScreenTask>(widget.record()).formatChoice, 2);
    EXPECT_FALSE(capture.done);
    ::SetEvent(capture.release.get());
    ASSERT_TRUE(Pump([&] { return owner.commands.size() == 2; }));
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{kHidden, kEnded}));
}

// ---- Stopping ----

// A screen capture, a pause and a program start that take a moment, and say when they begin.
struct SlowActions {
    explicit SlowActions(HANDLE entered) : screen(entered), pause(entered), processes(entered) {}

    struct Screen final : ScreenCapture {
        explicit Screen(HANDLE e) : entered(e) {}
        bool SaveScreenshot(std::u16string_view, ScreenshotFormat) override {
            ::SetEvent(entered);
            ::Sleep(2);
            return true;
        }
        HANDLE entered;
    } screen;
    struct SlowPause final : Pause {
        explicit SlowPause(HANDLE e) : entered(e) {}
        void Wait(std::chrono::milliseconds) override {
            ::SetEvent(entered);
            ::Sleep(3);
        }
        HANDLE entered;
    } pause;
    struct Processes final : ProcessControl {
        explicit Processes(HANDLE e) : entered(e) {}
        bool StartProgram(const ProgramStart&) override {
            ::SetEvent(entered);
            ::Sleep(1);
            return true;
        }
        bool EndProcess(std::uint32_t) override { return true; }
        HANDLE entered;
    } processes;
    testing::FakeSystemActions others;
    SystemActions actions{others.session, processes, screen, others.dialUp, others.sound, pause};
};

struct StopRun {
    int stops = 0;
    int inAction = 0;
};

DWORD WINAPI StopAThousandTimes(void* result) {
    StopRun& run = *static_cast<StopRun*>(result);
    TestParent owner(200, 100);
    RacingClock racing;
    KernelHandle entered(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    SlowActions slow(entered.get());
    std::mt19937 random(2024);
    std::unique_ptr<bfTaskCounter> widget;
    for (int i = 0; i < 1000; ++i) {
        // Print screens that shoot every second, power and application tasks that end at once.
        const int kind = i / 10 % 3;
        if (i % 10 == 0) {
            // Targets that are no moment: reached at once.
            SystemTaskRecord record = EmptyRecord(static_cast<SystemTaskType>(kind == 0   ? 1
                                                                              : kind == 1 ? 3
                                                                                          : 0));
            if (auto* shots = std::get_if<PrintScreenTask>(&record)) {
                shots->repetitionMode = 1;
                shots->repeatPeriod = {0, 0, 0, 1};
            }
            if (auto* program = std::get_if<ApplicationTask>(&record)) {
                program->programPath = u"C:\\a.exe";
            }
            widget = std::make_unique<bfTaskCounter>(owner.window(), kWidgetId, TypeOf(record),
                                                     slow.actions, racing);
            widget->SetRecord(std::move(record));
            widget->Show(true);
            widget->ApplyRecord();
        }
        ::ResetEvent(entered.get());
        widget->SetRunning(true);
        if (i % 2 == 0) {
            // Into the action (or the pause after it).
            if (::WaitForSingleObject(entered.get(), 5000) == WAIT_OBJECT_0) {
                ++run.inAction;
            }
            ::Sleep(random() % 2);
        } else {
            ::Sleep(random() % 3);
        }
        widget->SetRunning(false);  // without pumping, as the program stops its widgets
        ++run.stops;
        if (widget->running() || widget->hasWorkerThread()) {
            break;
        }
        testing::HandleQueuedMessages();
        if (!widget->shown()) {
            widget->Show(true);
        }
    }
    return 0;
}

TEST(TaskCounterWorker, StoppedAThousandTimesInTheMiddleOfEveryStepEvenInsideAnActionItNeverHangs) {
    SetSkinFileFolder(testing::BinaryFolder());
    StopRun run;
    testing::RunEndingOnHang(&StopAThousandTimes, run);
    EXPECT_EQ(run.stops, 1000);
    EXPECT_EQ(run.inAction, 500);
}

std::vector<std::unique_ptr<bfTaskCounter>> MakeHundred(HWND owner, SystemActions& actions,
                                                        const Clock& clock) {
    std::vector<std::unique_ptr<bfTaskCounter>> widgets;
    for (int i = 0; i < 100; ++i) {
        const auto type = static_cast<SystemTaskType>(i % 4);
        widgets.push_back(
            std::make_unique<bfTaskCounter>(owner, static_cast<WORD>(i), type, actions, clock));
        bfTaskCounter& widget = *widgets.back();
        SystemTaskRecord record = EmptyRecord(type);
        std::visit(
            [](auto& task) {
                task.title = u"A task";
                task.showProgressBar = true;
                task.transparency = 30;
                task.target = {2030, 1, 1, 0, 0, 0, 0};
            },
            record);
        widget.SetRecord(std::move(record));
        widget.MoveTo(300 + (i % 10) * 20, 100 + (i / 10) * 20);
        widget.Show(true);
        widget.ApplyRecord();
        widget.SetCollapsed(i % 2 == 0);
        widget.SetRunning(true);
    }
    PumpFor(500);

    for (auto& widget : widgets) {
        widget->SetRunning(false);
    }
    testing::HandleQueuedMessages();
    return widgets;
}

TEST_F(TaskCounter, AHundredCountersGiveBackEveryGdiAndUserObject) {
    RacingClock racing(800);                             // a second's work every 200 ms
    MakeHundred(owner.window(), fakes.actions, racing);  // what the platform keeps once made
    testing::HandleQueuedMessages();
    const testing::CensusCounts before = testing::GdiCensus::Now();
    DWORD handlesBefore = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handlesBefore);
    {
        const auto widgets = MakeHundred(owner.window(), fakes.actions, racing);
        const testing::CensusCounts alive = testing::GdiCensus::Now();
        EXPECT_GE(alive.windows, before.windows + 100 * 15);  // each and its fourteen controls
        EXPECT_GE(alive.menus, before.menus + 100);
    }
    testing::HandleQueuedMessages();
    EXPECT_EQ(testing::GdiCensus::Now(), before);
    DWORD handlesAfter = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handlesAfter);
    EXPECT_EQ(handlesAfter, handlesBefore);
}

}  // namespace
}  // namespace tockly
