// The task counter without a window: the countdown arithmetic and its texts, the progress strip,
// what the menu commands change in the record, what each second makes due, and how a count ends.

#include "execution/task_counter_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/fake_system_actions.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr TimePoint At(int hour, int minute, int second, int millisecond = 0) {
    return {2024, 5, 17, hour, minute, second, millisecond};
}

CountTimes Count(const TimePoint& start, const TimePoint& target, Duration span = {}) {
    return {start, target, span, false};
}

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

TEST(Countdown, SecondsRemainingTruncatesFromTheWholeSecondOfThePresent) {
    const CountTimes count = Count(At(12, 0, 0), At(13, 2, 5));
    EXPECT_EQ(SecondsRemaining(At(12, 0, 0), count), 3725);
    // The present's milliseconds do not count: 12:00:00.999 still shows 3,725.
    EXPECT_EQ(SecondsRemaining(At(12, 0, 0, 999), count), 3725);
    EXPECT_EQ(SecondsRemaining(At(13, 2, 4, 500), count), 1);
    EXPECT_EQ(SecondsRemaining(At(13, 2, 5), count), 0);
    EXPECT_EQ(SecondsRemaining(At(13, 2, 6), count), 0);
    EXPECT_EQ(SecondsRemaining({2023, 1, 1, 0, 0, 0, 0}, count), 43'419'725);
    // A target with milliseconds: the part-second is truncated away.
    EXPECT_EQ(SecondsRemaining(At(12, 0, 0), Count(At(12, 0, 0), At(12, 0, 10, 700))), 10);
    EXPECT_EQ(SecondsRemaining(At(12, 0, 10), Count(At(12, 0, 0), At(12, 0, 10, 700))), 0);
}

TEST(Countdown, TheSpanExtendsTheTargetAndCountsWhileTheTargetIsPast) {
    const CountTimes count = Count(At(12, 0, 0), At(12, 0, 0), {0, 1, 0, 0});
    EXPECT_EQ(SecondsRemaining(At(12, 0, 0), count), 3600);
    EXPECT_EQ(SecondsRemaining(At(12, 30, 0), count), 1800);
    EXPECT_EQ(SecondsRemaining(At(13, 0, 0), count), 0);
    EXPECT_EQ(SecondsRemaining(At(13, 0, 1), count), 0);
    EXPECT_EQ(TotalSeconds(count), 3600);
}

TEST(Countdown, SpansOfAnySizeSaturateNeverWrap) {
    const TimePoint earliest{kFirstYear, 1, 1, 0, 0, 0, 0};
    const TimePoint latest{kLastYear, 12, 31, 23, 59, 59, 999};
    const Duration huge{kMax32, kMax32, kMax32, kMax32};
    const std::int64_t hugeSeconds = TotalSeconds(huge);
    EXPECT_GT(hugeSeconds, std::int64_t{1} << 47);
    // Units of such a span are far beyond int64: the count stays exact in seconds.
    EXPECT_EQ(
        SecondsRemaining(earliest, Count(earliest, latest, huge)),
        hugeSeconds + (ToUnits(latest).value() - ToUnits(earliest).value()) / kUnitsPerSecond);
    EXPECT_EQ(TotalSeconds(Count(earliest, latest, huge)),
              SecondsRemaining(earliest, Count(earliest, latest, huge)));
    // A negative span (a damaged store) brings the end before the present: reached.
    EXPECT_EQ(SecondsRemaining(latest, Count(earliest, earliest, {kMin32, kMin32, kMin32, kMin32})),
              0);
    EXPECT_EQ(SecondsRemaining(earliest, Count(latest, latest, {kMin32, 0, 0, 0})), 0);
    // The widest distance of two moments.
    EXPECT_EQ(SecondsRemaining(earliest, Count(earliest, latest)),
              (ToUnits(latest).value() - ToUnits(earliest).value()) / kUnitsPerSecond);
    EXPECT_EQ(SecondsSinceTarget(latest, earliest),
              (ToUnits(latest).value() - ToUnits(earliest).value()) / kUnitsPerSecond);
}

TEST(Countdown, ATargetThatIsNoMomentCountsAsReached) {
    const TimePoint broken{2024, 13, 1, 0, 0, 0, 0};
    EXPECT_EQ(SecondsRemaining(At(12, 0, 0), Count(At(11, 0, 0), broken)), 0);
    EXPECT_EQ(TotalSeconds(Count(At(11, 0, 0), broken)), 0);
    EXPECT_EQ(SecondsSinceTarget(At(12, 0, 0), broken), 0);
    EXPECT_EQ(SecondsRemaining(TimePoint{}, Count(At(11, 0, 0), At(13, 0, 0))), 0);
}

TEST(Countdown, TotalSecondsRunsFromTheStartAndIsZeroWhenTheStartIsLater) {
    EXPECT_EQ(TotalSeconds(Count(At(12, 0, 0), At(12, 30, 0))), 1800);
    // Start and target carry the same milliseconds when the editor took "in" from the present.
    EXPECT_EQ(TotalSeconds(Count(At(12, 0, 0, 437), At(12, 30, 0, 437))), 1800);
    EXPECT_EQ(TotalSeconds(Count(At(12, 30, 0), At(12, 0, 0))), 0);
    EXPECT_EQ(TotalSeconds(Count(At(12, 0, 0), At(12, 0, 0))), 0);
}

TEST(Countdown, SecondsSinceTargetIsMinusOneAheadAndKeepsThePresentsMilliseconds) {
    EXPECT_EQ(SecondsSinceTarget(At(11, 59, 59, 999), At(12, 0, 0)), -1);
    EXPECT_EQ(SecondsSinceTarget(At(12, 0, 0), At(12, 0, 0)), 0);
    EXPECT_EQ(SecondsSinceTarget(At(12, 0, 0, 999), At(12, 0, 0)), 0);
    EXPECT_EQ(SecondsSinceTarget(At(12, 0, 12, 1), At(12, 0, 0)), 12);
    // A target with milliseconds lies ahead until the present passes them.
    EXPECT_EQ(SecondsSinceTarget(At(12, 0, 0, 300), At(12, 0, 0, 437)), -1);
}

TEST(CountdownText, HoursMinutesSecondsWithAsManyHourDigitsAsNeeded) {
    EXPECT_EQ(CountdownText(3725, false), u"01 : 02 : 05");
    EXPECT_EQ(CountdownText(360'000, false), u"100 : 00 : 00");
    EXPECT_EQ(CountdownText(0, false), u"00 : 00 : 00");
    EXPECT_EQ(CountdownText(59, false), u"00 : 00 : 59");
    EXPECT_EQ(CountdownText(86'400 * 3 + 1, false), u"72 : 00 : 01");
    EXPECT_EQ(CountdownText(-5, false), u"00 : 00 : 00");
    EXPECT_EQ(CountdownText(std::numeric_limits<std::int64_t>::max(), false),
              u"2562047788015215 : 30 : 07");
    EXPECT_EQ(CountdownText(3725, true), u"## : ## : ##");
}

TEST(ProgressStrip, ShrinksFromFullToEmptyAndAnEmptyCountDrawsNothing) {
    EXPECT_EQ(ProgressColumns(ProgressFraction(600, 600, false)), 198);
    EXPECT_EQ(ProgressColumns(ProgressFraction(300, 600, false)), 99);
    EXPECT_EQ(ProgressColumns(ProgressFraction(1, 600, false)), 0);
    EXPECT_EQ(ProgressColumns(ProgressFraction(0, 600, false)), 0);
    // TotalSeconds 0 (start equal to target): empty.
    EXPECT_EQ(ProgressFraction(0, 0, false), 0.0);
    EXPECT_EQ(ProgressFraction(10, 0, false), 0.0);
    // More left than the whole count (a start after the present): full, never wider.
    EXPECT_EQ(ProgressColumns(ProgressFraction(900, 600, false)), 198);
    // Repetition without end: full.
    EXPECT_EQ(ProgressFraction(0, 0, true), 1.0);
    EXPECT_EQ(ProgressColumns(ProgressFraction(0, 600, true)), 198);
}

TEST(ProgressStrip, CountsBeyondThirtyTwoBitsAreHeldNotWrapped) {
    const std::int64_t big = std::int64_t{1} << 32;
    // Wrapped to 32 bits these would be 5 / 10: half a strip.
    EXPECT_EQ(ProgressColumns(ProgressFraction(big + 5, big + 10, false)), 198);
    // Wrapped, a total of 2^32 would be 0 and the strip empty.
    EXPECT_EQ(ProgressColumns(ProgressFraction(big / 2, big, false)), 99);
    EXPECT_EQ(ProgressFraction(-1, 600, false), 0.0);
}

TEST(TaskCounterGeometry, HeightsByTypeStateAndStrip) {
    struct Row {
        SystemTaskType type;
        int collapsed, collapsedStrip, expanded, expandedStrip;
    };
    const Row rows[] = {
        {SystemTaskType::Application, 99, 109, 129, 139},
        {SystemTaskType::PrintScreen, 99, 109, 116, 126},
        {SystemTaskType::Internet, 99, 109, 116, 126},
        {SystemTaskType::Power, 99, 109, 116, 126},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TaskCounterHeight(row.type, true, false), row.collapsed);
        EXPECT_EQ(TaskCounterHeight(row.type, true, true), row.collapsedStrip);
        EXPECT_EQ(TaskCounterHeight(row.type, false, false), row.expanded);
        EXPECT_EQ(TaskCounterHeight(row.type, false, true), row.expandedStrip);
    }
    EXPECT_EQ(TaskCounterMenu(SystemTaskType::Application), u"Universal_PopupMenu");
    EXPECT_EQ(TaskCounterMenu(SystemTaskType::PrintScreen), u"PrintScreen_PopupMenu");
    EXPECT_EQ(TaskCounterMenu(SystemTaskType::Internet), u"Networks_PopupMenu");
    EXPECT_EQ(TaskCounterMenu(SystemTaskType::Power), u"PowerManagement_PopupMenu");
}

TEST(CountTimesOfARecord, ThePrintScreenSpanCountsInModeTwoAndModeOneIsEndless) {
    PrintScreenTask task;
    task.start = At(12, 0, 0);
    task.target = At(12, 10, 0);
    task.executeFor = {0, 1, 0, 0};
    for (const int mode : {0, 1, 2}) {
        task.repetitionMode = mode;
        const CountTimes times = CountTimesOf(task);
        EXPECT_EQ(times.endless, mode == 1);
        EXPECT_EQ(TotalSeconds(times), mode == 2 ? 600 + 3600 : 600) << mode;
    }
    PowerTask power;
    power.start = At(12, 0, 0);
    power.target = At(12, 0, 30);
    EXPECT_EQ(TotalSeconds(CountTimesOf(power)), 30);
    EXPECT_FALSE(CountTimesOf(power).endless);
}

// ---- The menu commands ----

TEST(TaskCounterCommands, RepeatEveryClearsThePeriodThenSetsTheChosenOne) {
    TaskCounterModel model(SystemTaskType::PrintScreen);
    PrintScreenTask task;
    task.repeatPeriod = {3, 7, 11, 13};  // days are no part of a period: cleared too
    model.SetRecord(task);
    const std::vector<Duration> periods = {{0, 0, 15, 0}, {0, 0, 5, 0},  {0, 0, 1, 0},
                                           {0, 0, 0, 30}, {0, 0, 0, 15}, {0, 0, 0, 5}};
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(model.ChooseRepeatEvery(menu_id::kRepeatFirst + i));
        const auto& stored = std::get<PrintScreenTask>(model.record());
        EXPECT_EQ(stored.repeatPeriod, periods[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(stored.repeatChoice, i);
    }
    EXPECT_FALSE(model.ChooseRepeatEvery(menu_id::kExecuteForFirst));
    TaskCounterModel power(SystemTaskType::Power);
    EXPECT_FALSE(power.ChooseRepeatEvery(menu_id::kRepeatFirst));
}

TEST(TaskCounterCommands, ExecuteForRestartsTheSpanFromNowInModeTwo) {
    TaskCounterModel model(SystemTaskType::PrintScreen);
    PrintScreenTask task;
    task.start = At(8, 0, 0);
    task.target = At(9, 0, 0);
    task.repetitionMode = 0;
    task.executeFor = {2, 9, 9, 9};
    task.repeatPeriod = {0, 0, 0, 5};
    model.SetRecord(task);
    const Duration spans[] = {
        {0, 1, 0, 0}, {0, 0, 30, 0}, {0, 0, 15, 0}, {0, 0, 5, 0}, {0, 0, 1, 0}};
    const TimePoint now = At(12, 0, 0, 250);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(model.ChooseExecuteFor(menu_id::kExecuteForFirst + i, now));
        const auto& stored = std::get<PrintScreenTask>(model.record());
        EXPECT_EQ(stored.start, now);
        EXPECT_EQ(stored.target, now);
        EXPECT_EQ(stored.executeFor, spans[i]);
        EXPECT_EQ(stored.repetitionMode, 2);
        EXPECT_EQ(stored.executeForChoice, i);
        EXPECT_EQ(stored.repeatPeriod, (Duration{0, 0, 0, 5}));  // untouched
    }
    // The whole span lies ahead again: the strip is full and the count shows the span.
    model.ChooseExecuteFor(TOCKLY_MENU_EXECUTE_30_MINUTES, now);
    model.Recount(now);
    EXPECT_EQ(model.countdownText(), u"00 : 30 : 00");
    EXPECT_EQ(model.stripColumns(), 198);
    EXPECT_FALSE(model.ChooseExecuteFor(menu_id::kExecuteForLast + 1, now));
}

TEST(TaskCounterCommands, FileFormatAndForce) {
    TaskCounterModel model(SystemTaskType::PrintScreen);
    for (const int id : {TOCKLY_MENU_FORMAT_JPG, TOCKLY_MENU_FORMAT_BMP, TOCKLY_MENU_FORMAT_PNG}) {
        ASSERT_TRUE(model.ChooseFileFormat(id));
        EXPECT_EQ(std::get<PrintScreenTask>(model.record()).formatChoice, id - menu_id::kFormatPng);
    }
    EXPECT_FALSE(model.ToggleForce());

    TaskCounterModel power(SystemTaskType::Power);
    EXPECT_FALSE(power.ChooseFileFormat(TOCKLY_MENU_FORMAT_JPG));
    ASSERT_TRUE(power.ToggleForce());
    EXPECT_TRUE(std::get<PowerTask>(power.record()).force);
    ASSERT_TRUE(power.ToggleForce());
    EXPECT_FALSE(std::get<PowerTask>(power.record()).force);
}

TEST(TaskCounterCommands, TheWidgetsStateGoesIntoTheRecordOfEveryType) {
    for (const SystemTaskType type : {SystemTaskType::Application, SystemTaskType::PrintScreen,
                                      SystemTaskType::Internet, SystemTaskType::Power}) {
        TaskCounterModel model(type);
        EXPECT_EQ(TypeOf(model.record()), type);
        EXPECT_FALSE(model.SetRecord(EmptyRecord(
            type == SystemTaskType::Power ? SystemTaskType::Application : SystemTaskType::Power)));
        model.SetRemoveAfterEnd(true);
        model.SetAppearance(true, true, 40);
        model.SetTitle(u"Backup");
        EXPECT_TRUE(model.removeAfterEnd());
        std::visit(
            [](const auto& task) {
                EXPECT_TRUE(task.removeAfterEnd);
                EXPECT_TRUE(task.alwaysOnTop);
                EXPECT_TRUE(task.showProgressBar);
                EXPECT_EQ(task.transparency, 40);
                EXPECT_EQ(task.title, u"Backup");
            },
            model.record());
    }
    TaskCounterModel application(SystemTaskType::Application);
    application.SetExpanded(true);
    EXPECT_TRUE(std::get<ApplicationTask>(application.record()).expanded);
}

// ---- The end of a count ----

std::vector<int> Events(const WorkerStep& step) {
    return {step.events.begin(), step.events.begin() + step.eventCount};
}

TEST(TaskCounterEnd, HiddenThenEndedOrRemoveRequestAloneOrGoingOn) {
    const WorkerStep ended = StepAfterAction(ActionStep::Done, false);
    EXPECT_THAT(Events(ended),
                ElementsAre(task_counter_event::kHidden, task_counter_event::kEnded));
    EXPECT_EQ(ended.end, WorkerEnd::Stop);

    const WorkerStep removed = StepAfterAction(ActionStep::Done, true);
    EXPECT_THAT(Events(removed), ElementsAre(task_counter_event::kRemoveRequest));
    EXPECT_EQ(removed.end, WorkerEnd::AwaitRemoval);

    // A failure asks for removal whatever the flag says (sleep and hibernate, for instance).
    for (const bool remove : {false, true}) {
        const WorkerStep failed = StepAfterAction(ActionStep::Failed, remove);
        EXPECT_THAT(Events(failed), ElementsAre(task_counter_event::kRemoveRequest));
        EXPECT_EQ(failed.end, WorkerEnd::AwaitRemoval);
    }

    const WorkerStep going = StepAfterAction(ActionStep::Continue, true);
    EXPECT_THAT(Events(going), IsEmpty());
    EXPECT_EQ(going.end, WorkerEnd::Continue);
}

// ---- What a second makes due ----

class TaskCounterSeconds : public ::testing::Test {
protected:
    // Runs what the second made due, as the worker does after leaving the lock.
    std::optional<ActionStep> Act(const CounterSecond& second) {
        if (!second.action) {
            return std::nullopt;
        }
        return second.action(fakes.actions);
    }

    testing::FakeSystemActions fakes;
};

TEST_F(TaskCounterSeconds, AnActionIsDueExactlyAtTheTargetSecondAndNotBefore) {
    TaskCounterModel model(SystemTaskType::Application);
    ApplicationTask task;
    task.programPath = u"C:\\Tools\\app.exe";
    task.parameters = u"-x 1";
    task.start = At(12, 0, 0);
    task.target = At(12, 0, 3);
    model.SetRecord(task);
    for (const int second : {0, 1, 2}) {
        const CounterSecond tick = model.Second(At(12, 0, second, 5));
        EXPECT_FALSE(tick.action) << second;
        EXPECT_TRUE(tick.countdownChanged);
    }
    EXPECT_EQ(model.countdownText(), u"00 : 00 : 01");
    EXPECT_THAT(fakes.log.Calls(), IsEmpty());
    const CounterSecond due = model.Second(At(12, 0, 3, 5));
    EXPECT_EQ(model.countdownText(), u"00 : 00 : 00");
    EXPECT_EQ(model.stripColumns(), 0);
    EXPECT_EQ(Act(due), ActionStep::Done);
    EXPECT_THAT(fakes.log.Calls(),
                ElementsAre("StartProgram C:\\Tools\\app.exe | app.exe -x 1 | (none)"));
}

TEST_F(TaskCounterSeconds, ATargetInThePastIsDueAtTheFirstSecond) {
    TaskCounterModel model(SystemTaskType::Power);
    PowerTask task;
    task.action = 3;
    task.force = true;
    task.target = At(9, 0, 0);
    task.removeAfterEnd = true;
    model.SetRecord(task);
    const CounterSecond due = model.Second(At(12, 0, 0));
    EXPECT_TRUE(due.removeAfterEnd);
    EXPECT_EQ(Act(due), ActionStep::Done);
    EXPECT_THAT(fakes.log.Calls(),
                ElementsAre("ShutdownPrivilege on", "ExitSession flags 0x6 reason 0x80000000",
                            "ShutdownPrivilege off", "Pause 500 ms"));
}

TEST_F(TaskCounterSeconds, TheActionWorksOnTheRecordAsItWasWhenItBecameDue) {
    TaskCounterModel model(SystemTaskType::Internet);
    InternetTask task;
    task.entryName = u"Office";
    task.action = 1;
    task.target = At(12, 0, 0);
    model.SetRecord(task);
    const CounterSecond due = model.Second(At(12, 0, 0));
    task.entryName = u"Changed meanwhile";
    model.SetRecord(task);
    EXPECT_EQ(Act(due), ActionStep::Done);
    EXPECT_THAT(fakes.log.Calls(), ElementsAre("StartHangUp Office", "Pause 500 ms"));
}

TEST_F(TaskCounterSeconds, PrintScreenNumbersItsShotUnderTheLockAndSavesItAfterwards) {
    TaskCounterModel model(SystemTaskType::PrintScreen);
    PrintScreenTask task;
    task.saveIn = u"C:\\Shots";
    task.filePrefix = u"screen";
    task.shotCounter = 7;
    task.formatChoice = 1;
    task.repetitionMode = 1;
    task.repeatPeriod = {0, 0, 0, 5};
    task.target = At(11, 59, 48);  // 12 s ago at 12:00:00
    model.SetRecord(task);
    std::vector<int> shotSeconds;
    for (int second = 0; second <= 12; ++second) {
        const CounterSecond tick = model.Second(At(12, 0, second, 3));
        if (tick.detailsChanged) {
            shotSeconds.push_back(second);
        }
        EXPECT_EQ(Act(tick).value_or(ActionStep::Continue), ActionStep::Continue);
        EXPECT_EQ(model.countdownText(), u"## : ## : ##");
        EXPECT_EQ(model.stripColumns(), 198);
    }
    EXPECT_THAT(shotSeconds, ElementsAre(3, 8));  // 15 and 20 s after the target
    EXPECT_EQ(std::get<PrintScreenTask>(model.record()).shotCounter, 9);
    EXPECT_THAT(fakes.log.Calls(), ElementsAre("SaveScreenshot C:\\Shots\\screen_7.jpeg as jpeg",
                                               "SaveScreenshot C:\\Shots\\screen_8.jpeg as jpeg"));
}

TEST_F(TaskCounterSeconds, PrintScreenModeTwoEndsWithItsSpan) {
    TaskCounterModel model(SystemTaskType::PrintScreen);
    PrintScreenTask task;
    task.filePrefix = u"s";
    task.saveIn = u"D:\\";
    model.SetRecord(task);
    model.ChooseRepeatEvery(TOCKLY_MENU_REPEAT_15_SECONDS);
    model.ChooseExecuteFor(TOCKLY_MENU_EXECUTE_1_MINUTE, At(12, 0, 0));
    std::vector<std::pair<int, ActionStep>> acted;
    for (int second = 1; second <= 62; ++second) {
        const CounterSecond tick = model.Second(At(12, second / 60, second % 60));
        if (const auto result = Act(tick)) {
            acted.emplace_back(second, *result);
        }
    }
    EXPECT_THAT(
        acted, ElementsAre(std::pair(15, ActionStep::Continue), std::pair(30, ActionStep::Continue),
                           std::pair(45, ActionStep::Continue), std::pair(60, ActionStep::Done),
                           std::pair(61, ActionStep::Done), std::pair(62, ActionStep::Done)));
    EXPECT_EQ(fakes.log.Calls().size(), 4u);
    EXPECT_EQ(fakes.log.Calls().back(), "SaveScreenshot D:\\s_3.png as png");
}

TEST_F(TaskCounterSeconds, TheStripReportsAChangeOnlyWhenItsWidthChanges) {
    TaskCounterModel model(SystemTaskType::Power);
    PowerTask task;
    task.start = At(10, 0, 0);
    task.target = At(12, 0, 0);  // 7,200 s: a column every 36 s or so
    model.SetRecord(task);
    int stripChanges = 0;
    for (int second = 0; second < 60; ++second) {
        stripChanges += model.Second(At(11, 0, second)).stripChanged ? 1 : 0;
    }
    EXPECT_LE(stripChanges, 3);
    EXPECT_GE(stripChanges, 1);
}

// ---- Details and texts ----

TEST(TaskCounterDetails, LinesPerTypeWithTheLanguageTexts) {
    TaskCounterTexts texts;
    ApplicationTask application;
    application.programPath = u"C:\\Tools\\app.exe";
    application.parameters = u"-x";
    application.startIn = u"C:\\Tools";
    application.target = {2024, 5, 17, 9, 5, 0, 0};
    const DetailLines start = MakeDetailLines(application, texts);
    EXPECT_EQ(start[0], (DetailLine{u"task:", u"execute program"}));
    EXPECT_EQ(start[1], (DetailLine{u"at:", u"2024-05-17, 09:05:00 hour"}));
    EXPECT_EQ(start[2], (DetailLine{u"path:", u"C:\\Tools\\app.exe", true}));
    EXPECT_EQ(start[3], (DetailLine{u"parameters:", u"-x", true}));
    EXPECT_EQ(start[4], (DetailLine{u"start in:", u"C:\\Tools", true}));
    application.action = 1;
    application.processId = u"4242";
    const DetailLines kill = MakeDetailLines(application, texts);
    EXPECT_EQ(kill[0].value, u"kill program");
    EXPECT_EQ(kill[2], (DetailLine{u"PID:", u"4242"}));
    EXPECT_TRUE(kill[4].empty());

    PowerTask power;
    power.action = 5;
    power.atInChoice = kTargetEnteredIn;
    power.force = true;
    const DetailLines powerLines = MakeDetailLines(power, texts);
    EXPECT_EQ(powerLines[0].value, u"hybrid shut down");
    EXPECT_EQ(powerLines[2], (DetailLine{u"mode:", u"in"}));
    EXPECT_EQ(powerLines[3], (DetailLine{u"", u"forced"}));
    power.force = false;
    power.atInChoice = kTargetEnteredAt;
    power.action = 9;  // a damaged store
    EXPECT_EQ(MakeDetailLines(power, texts)[2].value, u"at");
    EXPECT_TRUE(MakeDetailLines(power, texts)[3].empty());
    EXPECT_EQ(MakeDetailLines(power, texts)[0].value, u"");

    PrintScreenTask shots;
    shots.saveIn = u"D:\\Shots";
    shots.filePrefix = u"screen";
    shots.shotCounter = 12;
    shots.formatChoice = 2;
    const DetailLines shotLines = MakeDetailLines(shots, texts);
    EXPECT_EQ(shotLines[0].value, u"print screen");
    EXPECT_EQ(shotLines[2], (DetailLine{u"save in:", u"D:\\Shots", true}));
    EXPECT_EQ(shotLines[3].value, u"screen_12.bmp");

    InternetTask internet;
    internet.entryName = u"Office";
    const DetailLines net = MakeDetailLines(internet, texts);
    EXPECT_EQ(net[0].value, u"connect network");
    EXPECT_EQ(net[2], (DetailLine{u"network name:", u"Office", true}));
    internet.action = 1;
    EXPECT_EQ(MakeDetailLines(internet, texts)[0].value, u"disconnect network");

    // Another language's texts.
    texts.Set(TextId::TASK_COUNTER_AT, u"Um:");
    texts.Set(TextId::TASK_COUNTER_HOUR, u"Uhr");
    EXPECT_EQ(MakeDetailLines(internet, texts)[1],
              (DetailLine{u"Um:", u"0000-00-00, 00:00:00 Uhr"}));
}

TEST(TaskCounterDetails, TheLastLinesShowOnlyExpandedAndTwoMoreForAnApplication) {
    for (const SystemTaskType type : {SystemTaskType::Application, SystemTaskType::PrintScreen,
                                      SystemTaskType::Internet, SystemTaskType::Power}) {
        for (int line = 0; line < kDetailLineCount; ++line) {
            EXPECT_EQ(DetailLineShown(type, line, true), line < 3);
            const bool expanded = line < 4 || type == SystemTaskType::Application;
            EXPECT_EQ(DetailLineShown(type, line, false), expanded);
        }
    }
}

TEST(TaskCounterTexts, EnglishUntilSetAndEveryMenuItemHasItsText) {
    const TaskCounterTexts texts;
    EXPECT_EQ(texts.Get(TextId::TASK_COUNTER_SHUT_DOWN), u"shut down");
    EXPECT_EQ(texts.Get(TextId::PRINT_SCREEN_POPUP_MENU_5_SECONDS), u"5 seconds");
    EXPECT_EQ(texts.Get(TextId::TASK_COUNTER_AT_MODE), u"at");
    for (const TextId id : TaskCounterTexts::Ids()) {
        EXPECT_FALSE(texts.Get(id).empty()) << TextNumber(id);
    }
    const auto printScreen = TaskCounterMenuTexts(SystemTaskType::PrintScreen);
    EXPECT_EQ(printScreen.size(), 5u + 1 + 6 + 1 + 5 + 1);
    for (const SystemTaskType type : {SystemTaskType::Application, SystemTaskType::PrintScreen,
                                      SystemTaskType::Internet, SystemTaskType::Power}) {
        for (const MenuText& item : TaskCounterMenuTexts(type)) {
            EXPECT_FALSE(texts.Get(item.text).empty());
        }
    }
    EXPECT_EQ(TaskCounterMenuTexts(SystemTaskType::Power).back().place.command, menu_id::kForce);
    EXPECT_EQ(TaskCounterMenuTexts(SystemTaskType::Internet).size(), 7u);
}

}  // namespace
}  // namespace tockly
