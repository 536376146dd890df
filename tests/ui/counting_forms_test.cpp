// The forms of the timer, counter, sticky note and stopwatch, and the round trip of every kind:
// a record built from a form, loaded into a form and changed again without an edit, is the same
// record.

#include <gtest/gtest.h>

#include "execution/task_counter_model.h"
#include "support/fake_path_probe.h"
#include "ui/forms/application_form.h"
#include "ui/forms/counter_form.h"
#include "ui/forms/internet_form.h"
#include "ui/forms/note_forms.h"
#include "ui/forms/power_form.h"
#include "ui/forms/print_screen_form.h"
#include "ui/forms/timer_form.h"
#include "widgets/note_resize.h"

namespace tockly {
namespace {

constexpr TimePoint kNow{2024, 3, 10, 14, 30, 0, 0};

SettingsValues Settings() {
    SettingsValues settings;
    settings.widgetTransparency = 20;
    settings.widgetsAlwaysOnTop = false;
    settings.showProgressBar = true;
    settings.removeTaskAfterEnd = false;
    settings.stickyNoteTheme = 2;
    return settings;
}

TEST(TimerFormTest, TheCountdownNeverShowsAllZeroAndCountsFromItsWhole) {
    TimerForm form;
    form.Reset(u"Timer 1", Settings());
    EXPECT_EQ(form.countdown().Span(), (Duration{0, 0, 1, 0}));
    form.EditCountdown().Set(SpanPart::Minutes, 0);
    EXPECT_EQ(form.countdown().Span(), (Duration{1, 0, 0, 0})) << "the first box turns to 1";
    form.EditCountdown().Set(SpanPart::Hours, 2);
    form.EditCountdown().Set(SpanPart::Days, 0);
    form.EditCountdown().Set(SpanPart::Seconds, 5);
    const FormOutcome<TimerTask> made = form.Create(Settings());
    ASSERT_TRUE(made.accepted());
    EXPECT_EQ(made.record->duration, (Duration{0, 2, 0, 5}));
    EXPECT_EQ(made.record->remainingSeconds, 7205);
    EXPECT_EQ(made.record->transparency, 20);
    EXPECT_TRUE(made.record->showProgressBar);

    form.EditEndOptions().SetPlaySound(true);
    EXPECT_EQ(form.Create(Settings()).refused, FormField::SoundFile);
    form.EditEndOptions().SetSoundFile(u"C:\\bell.wav");
    EXPECT_FALSE(form.mark().marked(FormField::SoundFile));

    // A change restarts the count from the whole new countdown.
    TimerTask running = *made.record;
    running.remainingSeconds = 3;
    running.x = 50;
    form.Load(running);
    form.EditCountdown().Set(SpanPart::Hours, 1);
    const FormOutcome<TimerTask> changed = form.Change(running);
    ASSERT_TRUE(changed.accepted());
    EXPECT_EQ(changed.record->remainingSeconds, 3605);
    EXPECT_EQ(changed.record->x, 50);
}

TEST(CounterFormTest, CountToRefusesThePastAndCountForCountsFromNow) {
    CounterForm form;
    const FixedClock clock(kNow);
    form.Reset(u"Counter 1", kNow, Settings());
    EXPECT_TRUE(form.target().spanEnabled()) << "count for first";
    EXPECT_EQ(form.target().span().Span(), (Duration{0, 0, 1, 0}));
    const FormOutcome<CounterTask> made = form.Create(clock, Settings());
    ASSERT_TRUE(made.accepted());
    EXPECT_EQ(made.record->modeChoice, kCountFor);
    EXPECT_EQ(made.record->start, kNow);
    EXPECT_EQ(made.record->target, (TimePoint{2024, 3, 10, 14, 31, 0, 0}));

    form.ChooseClockTime();
    EXPECT_TRUE(form.target().timeEnabled());
    EXPECT_FALSE(form.target().spanEnabled());
    form.EditTime().SetSecond(59);
    form.EditTime().SetMinute(29);
    EXPECT_EQ(form.Create(clock, Settings()).refused, FormField::Target)
        << "one second in the past";
    form.EditTime().SetMinute(30);
    form.EditTime().SetSecond(0);
    const FormOutcome<CounterTask> to = form.Create(clock, Settings());
    ASSERT_TRUE(to.accepted());
    EXPECT_EQ(to.record->modeChoice, kCountTo);
    EXPECT_EQ(to.record->target, kNow);
}

TEST(StickyNoteFormTest, ANewNoteTakesTheSettingsThemeAtItsSmallestSize) {
    StickyNoteForm form;
    form.Reset(u"Sticky note 1");
    form.SetContent(u"milk\r\nbread");
    SettingsValues settings = Settings();
    StickyNoteTask note = form.Create(settings);
    EXPECT_EQ(note.theme, 2);
    EXPECT_EQ(note.width, kStickyNoteMinWidth);
    EXPECT_EQ(note.height, kStickyNoteMinHeight);
    EXPECT_EQ(note.content, u"milk\r\nbread");
    settings.stickyNoteTheme = -1;
    EXPECT_EQ(form.Create(settings).theme, 0) << "no theme chosen: the dark one";

    note.width = 400;
    note.theme = 1;
    form.SetTitle(u"Shopping");
    const StickyNoteTask changed = form.Change(note);
    EXPECT_EQ(changed.title, u"Shopping");
    EXPECT_EQ(changed.width, 400);
    EXPECT_EQ(changed.theme, 1);
}

TEST(StopwatchFormTest, TheStartingTimeIsTheReadingAndCheckpointsStay) {
    StopwatchForm form;
    form.Reset(u"Stopwatch 1");
    EXPECT_TRUE(form.startingTime().allZero());
    form.EditStartingTime().Set(SpanPart::Hours, 120);
    form.EditStartingTime().Set(SpanPart::Seconds, 9);
    StopwatchTask watch = form.Create(Settings());
    EXPECT_EQ(watch.elapsed, (Duration{0, 120, 0, 9}));
    EXPECT_EQ(watch.transparency, 20);
    watch.checkpoints = {{0, 0, 1, 0}};
    form.EditStartingTime().Set(SpanPart::Hours, 0);
    EXPECT_EQ(form.Change(watch).checkpoints, watch.checkpoints);
}

// ---- Round trips ----

class RoundTripTest : public ::testing::TestWithParam<bool> {
protected:
    bool twelveHour() const { return GetParam(); }

    FixedClock clock{kNow};
    testing::FakePathProbe paths;
};

TEST_P(RoundTripTest, Application) {
    paths.kinds = {{u"C:\\a.exe", PathKind::File}, {u"C:\\", PathKind::Folder}};
    ApplicationForm form;
    form.Set24Hour(!twelveHour());
    form.Reset(u"A", kNow, Settings());
    form.EditTime().SetDay(12);
    form.EditTime().SetHour(11);
    form.EditTime().SetPm(true);
    form.ProgramChosen(u"C:\\a.exe");
    form.SetParameters(u"--quiet");
    const ApplicationTask made = form.Create(clock, paths, Settings()).record.value();
    ApplicationForm loaded;
    loaded.Set24Hour(!twelveHour());
    loaded.Load(made);
    EXPECT_EQ(loaded.Change(made, clock, paths).record, made);

    form.SetMode(ApplicationAction::EndProcess);
    form.ProcessChosen(812);
    const ApplicationTask kill = form.Create(clock, paths, Settings()).record.value();
    loaded.Load(kill);
    EXPECT_EQ(loaded.mode(), ApplicationAction::EndProcess);
    EXPECT_EQ(loaded.Change(kill, clock, paths).record, kill);
}

TEST_P(RoundTripTest, PrintScreen) {
    paths.kinds = {{u"D:\\Shots", PathKind::Folder}};
    PrintScreenForm form;
    form.Set24Hour(!twelveHour());
    form.Reset(u"P", u"shot", kNow, Settings());
    form.SetSaveIn(u"D:\\Shots");
    form.SetFormat(1);
    form.EditTime().SetDay(20);
    form.EditRepeatPeriod().Set(SpanPart::Hours, 3);
    form.SetRepetitionMode(RepetitionMode::RepeatForSpan);
    form.EditExecuteFor().Set(SpanPart::Minutes, 45);
    form.checks().removeAfterEnd = true;
    const PrintScreenTask made = form.Create(clock, paths, Settings()).record.value();
    PrintScreenForm loaded;
    loaded.Set24Hour(!twelveHour());
    loaded.Load(made);
    EXPECT_EQ(loaded.Change(made, clock, paths).record, made);
}

TEST_P(RoundTripTest, InternetAtAndIn) {
    InternetForm form;
    form.Set24Hour(!twelveHour());
    form.SetEntries({u"Office", u"Home"});
    form.Reset(u"I", kNow, Settings());
    form.ChooseEntry(1);
    form.EditTime().SetHour(12);
    form.EditTime().SetPm(false);
    form.EditTime().SetDay(11);
    const InternetTask at = form.Create(clock, Settings()).record.value();
    EXPECT_EQ(at.target.hour, twelveHour() ? 0 : 12);
    form.ChooseSpan(kNow);
    form.EditSpan().Set(SpanPart::Minutes, 20);
    const InternetTask in = form.Create(clock, Settings()).record.value();

    InternetForm loaded;
    loaded.Set24Hour(!twelveHour());
    loaded.SetEntries({u"Office", u"Home"});
    for (const InternetTask& task : {at, in}) {
        loaded.Load(task);
        EXPECT_EQ(loaded.Change(task, clock).record, task);
    }
}

TEST_P(RoundTripTest, PowerAtAndIn) {
    PowerForm form;
    form.Set24Hour(!twelveHour());
    form.Reset(u"W", kNow, Settings());
    form.ChooseAction(3);
    form.SetForce(true);
    form.EditTime().SetYear(2025);
    const PowerTask at = form.Create(clock, Settings()).record.value();
    form.ChooseSpan(kNow);
    form.EditSpan().Set(SpanPart::Days, 2);
    const PowerTask in = form.Create(clock, Settings()).record.value();

    PowerForm loaded;
    loaded.Set24Hour(!twelveHour());
    for (const PowerTask& task : {at, in}) {
        loaded.Load(task);
        EXPECT_EQ(loaded.Change(task, clock).record, task);
    }
}

TEST_P(RoundTripTest, Timer) {
    TimerForm form;
    form.Reset(u"T", Settings());
    form.EditCountdown().Set(SpanPart::Days, 3);
    form.EditEndOptions().SetShowMessage(true);
    form.EditEndOptions().SetMessageText(u"Done");
    form.EditEndOptions().SetPlaySound(true);
    form.EditEndOptions().SetSoundFile(u"C:\\a.wav");
    form.EditEndOptions().ChooseMultipleTimes();
    const TimerTask made = form.Create(Settings()).record.value();
    EXPECT_EQ(made.soundRepetition, kSoundMultipleTimes);
    TimerForm loaded;
    loaded.Load(made);
    EXPECT_EQ(loaded.Change(made).record, made);
}

TEST_P(RoundTripTest, CounterForAndTo) {
    CounterForm form;
    form.Set24Hour(!twelveHour());
    form.Reset(u"C", kNow, Settings());
    form.EditSpan().Set(SpanPart::Hours, 5);
    form.EditEndOptions().SetPlaySound(true);
    form.EditEndOptions().SetSoundFile(u"C:\\a.wav");
    const CounterTask countFor = form.Create(clock, Settings()).record.value();
    form.ChooseClockTime();
    form.EditTime().SetMonth(12);
    form.EditEndOptions().SetShowMessage(true);
    form.EditEndOptions().SetMessageText(u"New year soon");
    const CounterTask countTo = form.Create(clock, Settings()).record.value();

    CounterForm loaded;
    loaded.Set24Hour(!twelveHour());
    for (const CounterTask& task : {countFor, countTo}) {
        loaded.Load(task);
        EXPECT_EQ(loaded.Change(task, clock).record, task);
    }
}

TEST_P(RoundTripTest, StickyNoteAndStopwatch) {
    StickyNoteForm note;
    note.Reset(u"N");
    note.SetContent(u"text");
    const StickyNoteTask made = note.Create(Settings());
    StickyNoteForm loadedNote;
    loadedNote.Load(made);
    EXPECT_EQ(loadedNote.Change(made), made);

    StopwatchForm watch;
    watch.Reset(u"S");
    watch.EditStartingTime().Set(SpanPart::Minutes, 4);
    const StopwatchTask started = watch.Create(Settings());
    StopwatchForm loadedWatch;
    loadedWatch.Load(started);
    EXPECT_EQ(loadedWatch.Change(started), started);
}

INSTANTIATE_TEST_SUITE_P(Clocks, RoundTripTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "TwelveHour" : "TwentyFourHour";
                         });

}  // namespace
}  // namespace tockly
