// The editor forms' entries: the clock time with its 12-hour form and day clamping, the span
// boxes that never show all zero, the target taken "at" or "in", and the end options of the timer
// and counter with the controls they enable.

#include <gtest/gtest.h>

#include "tasks/task_records.h"
#include "ui/forms/end_options.h"
#include "ui/forms/span_entry.h"
#include "ui/forms/target_entry.h"
#include "ui/forms/time_entry.h"

namespace tockly {
namespace {

TimeEntry TwelveHourEntry() {
    TimeEntry entry;
    entry.Set24Hour(false);
    entry.SetTime({2024, 6, 1, 9, 0, 0, 0});
    return entry;
}

TEST(TimeEntryTest, TwelveHourEntriesGiveTheTwentyFourHourHour) {
    TimeEntry entry = TwelveHourEntry();
    entry.SetHour(12);
    entry.SetMinute(30);
    entry.SetPm(true);
    EXPECT_EQ(entry.Time().hour, 12) << "12:30 PM";
    EXPECT_EQ(entry.Time().minute, 30);
    entry.SetPm(false);
    EXPECT_EQ(entry.Time().hour, 0) << "12:30 AM";
    EXPECT_EQ(entry.hour(), 12) << "the box still shows 12";

    entry.SetHour(1);
    entry.SetMinute(0);
    entry.SetPm(true);
    EXPECT_EQ(entry.Time().hour, 13) << "1:00 PM";
    entry.SetHour(12);
    entry.SetPm(false);
    EXPECT_EQ(entry.Time(), (TimePoint{2024, 6, 1, 0, 0, 0, 0})) << "12:00 AM is 0:00";

    // The hour box takes the AM/PM choice as it stands: 5 with PM chosen is 17.
    entry.SetPm(true);
    entry.SetHour(5);
    EXPECT_EQ(entry.Time().hour, 17);
}

TEST(TimeEntryTest, LoadingAndSwitchingTheClockKeepTheMoment) {
    TimeEntry entry = TwelveHourEntry();
    entry.SetTime({2024, 6, 1, 0, 15, 0, 0});
    EXPECT_EQ(entry.hour(), 12);
    EXPECT_FALSE(entry.pm());
    entry.SetTime({2024, 6, 1, 23, 5, 9, 870});
    EXPECT_EQ(entry.hour(), 11);
    EXPECT_TRUE(entry.pm());
    EXPECT_EQ(entry.Time().millisecond, 0) << "whole seconds";
    EXPECT_TRUE(entry.amPmShown());
    EXPECT_EQ(entry.hourRange(), (EntryRange{1, 12}));

    entry.Set24Hour(true);
    EXPECT_EQ(entry.hour(), 23);
    EXPECT_FALSE(entry.pm()) << "no AM/PM on the 24-hour clock";
    EXPECT_FALSE(entry.amPmShown());
    EXPECT_EQ(entry.hourRange(), (EntryRange{0, 23}));
    entry.SetPm(false);
    EXPECT_EQ(entry.Time().hour, 23) << "the choice is ignored on the 24-hour clock";
    entry.SetHour(24);
    EXPECT_EQ(entry.Time().hour, 23) << "held within the range";
}

TEST(TimeEntryTest, TheDayIsBroughtDownToTheMonthsLength) {
    TimeEntry entry;
    entry.SetTime({2024, 1, 31, 8, 0, 0, 0});
    entry.SetMonth(2);
    EXPECT_EQ(entry.day(), 29) << "February of a leap year";
    EXPECT_EQ(entry.dayRange(), (EntryRange{1, 29}));
    entry.SetYear(2023);
    EXPECT_EQ(entry.day(), 28) << "a common year";

    entry.SetTime({2023, 1, 31, 8, 0, 0, 0});
    entry.SetMonth(2);
    EXPECT_EQ(entry.day(), 28);
    entry.SetMonth(3);
    EXPECT_EQ(entry.day(), 28) << "the day is not raised again";
    entry.SetDay(31);
    EXPECT_EQ(entry.day(), 31);
    entry.SetMonth(4);
    EXPECT_EQ(entry.day(), 30);
    entry.SetDay(31);
    EXPECT_EQ(entry.day(), 30) << "31 April is no day";
    entry.SetTime({2100, 2, 29, 0, 0, 0, 0});
    EXPECT_EQ(entry.day(), 28) << "2100 is no leap year";
}

TEST(TimeEntryTest, ATargetOfThisSecondPassesAndOneSecondEarlierFails) {
    TimeEntry entry;
    entry.SetTime({2024, 3, 10, 14, 30, 0, 0});
    FixedClock clock({2024, 3, 10, 14, 30, 0, 999});
    EXPECT_TRUE(entry.IsNotPast(clock)) << "the present's milliseconds do not count";
    const FormOutcome<StartAndTarget> times = entry.Resolve(clock);
    ASSERT_TRUE(times.accepted());
    EXPECT_EQ(times.record->start, (TimePoint{2024, 3, 10, 14, 30, 0, 0}));
    EXPECT_EQ(times.record->target, (TimePoint{2024, 3, 10, 14, 30, 0, 0}));

    clock.Set({2024, 3, 10, 14, 30, 1, 0});
    EXPECT_FALSE(entry.IsNotPast(clock));
    EXPECT_EQ(entry.Resolve(clock).refused, FormField::Target);
}

TEST(SpanEntryTest, ARequiredSpanNeverShowsAllZero) {
    SpanEntry delay(SpanLayout::HoursMinutesSeconds, ZeroFallback::ChangedBox);
    delay.Set(SpanPart::Minutes, 0);
    EXPECT_TRUE(delay.allZero()) << "not required yet";
    delay.SetRequired(true);
    EXPECT_EQ(delay.Span(), (Duration{0, 0, 0, 1})) << "becoming required sets the seconds";
    delay.Set(SpanPart::Hours, 2);
    delay.Set(SpanPart::Seconds, 0);
    delay.Set(SpanPart::Hours, 0);
    EXPECT_EQ(delay.Span(), (Duration{0, 1, 0, 0})) << "the box that changed goes back to 1";
    delay.Set(SpanPart::Days, 5);
    EXPECT_EQ(delay.Get(SpanPart::Days), 0) << "no days box";
    delay.SetSpan({3, 0, 0, 0});
    EXPECT_EQ(delay.Span(), (Duration{0, 0, 0, 1})) << "a stored span without days";

    SpanEntry countdown(SpanLayout::DaysHoursMinutesSeconds, ZeroFallback::FirstBox);
    countdown.SetRequired(true);
    EXPECT_EQ(countdown.Span(), (Duration{1, 0, 0, 0}));
    countdown.Set(SpanPart::Seconds, 10);
    countdown.Set(SpanPart::Days, 0);
    countdown.Set(SpanPart::Seconds, 0);
    EXPECT_EQ(countdown.Span(), (Duration{1, 0, 0, 0})) << "the first box goes back to 1";

    countdown.Set(SpanPart::Minutes, 75);
    EXPECT_EQ(countdown.Get(SpanPart::Minutes), 59);
    EXPECT_EQ(countdown.Range(SpanPart::Hours), (EntryRange{0, 23}));
    EXPECT_EQ(delay.Range(SpanPart::Hours), (EntryRange{0, 999})) << "no days to carry into";
    countdown.SetSpan({-4, 30, 7, 8});
    EXPECT_EQ(countdown.Span(), (Duration{0, 23, 7, 8})) << "a damaged span held in range";
}

TEST(TargetEntryTest, InSetsTheTimeToNowAndKeepsTheDelayFromZero) {
    TargetEntry target(SpanLayout::HoursMinutesSeconds);
    const TimePoint now{2024, 3, 10, 23, 0, 0, 0};
    target.Reset(TargetMode::ClockTime, {2024, 3, 12, 8, 0, 0, 0}, {});
    EXPECT_TRUE(target.timeEnabled());
    EXPECT_FALSE(target.spanEnabled());
    EXPECT_TRUE(target.span().allZero());

    target.ChooseSpan(now);
    EXPECT_TRUE(target.spanEnabled());
    EXPECT_FALSE(target.timeEnabled());
    EXPECT_EQ(target.time().Time(), now);
    EXPECT_FALSE(target.span().allZero());
    target.span().Set(SpanPart::Seconds, 0);
    EXPECT_FALSE(target.span().allZero()) << "the delay boxes never all show 0";

    target.span().Set(SpanPart::Minutes, 90);
    target.span().Set(SpanPart::Hours, 1);
    target.span().Set(SpanPart::Minutes, 30);
    target.span().Set(SpanPart::Seconds, 0);
    FixedClock clock({2024, 3, 10, 23, 0, 0, 400});
    const FormOutcome<StartAndTarget> times = target.Resolve(clock);
    ASSERT_TRUE(times.accepted());
    EXPECT_EQ(times.record->start, now) << "whole seconds";
    EXPECT_EQ(times.record->target, (TimePoint{2024, 3, 11, 0, 30, 0, 0}));

    target.ChooseClockTime();
    EXPECT_TRUE(target.span().allZero()) << "at resets the delay boxes";
    EXPECT_EQ(target.Resolve(clock).refused, FormField::None) << "the time now passes";
    target.time().SetMinute(59);
    target.time().SetHour(22);
    EXPECT_EQ(target.Resolve(clock).refused, FormField::Target);
}

TEST(TargetEntryTest, ADelayPastTheLastYearIsRefused) {
    TargetEntry target(SpanLayout::DaysHoursMinutesSeconds);
    target.Reset(TargetMode::Span, {30827, 12, 31, 23, 0, 0, 0}, {999, 0, 0, 0});
    FixedClock clock({30827, 12, 31, 23, 0, 0, 0});
    EXPECT_EQ(target.Resolve(clock).refused, FormField::Delay);
}

TEST(EndOptionsTest, PlaySoundAndShowMessageEnableTheirControls) {
    EndOptions options;
    options.Reset();
    EXPECT_FALSE(options.soundFileEnabled());
    EXPECT_FALSE(options.browseEnabled());
    EXPECT_FALSE(options.onceEnabled());
    EXPECT_FALSE(options.multipleTimesEnabled());
    EXPECT_FALSE(options.messageTextShown());
    EXPECT_FALSE(options.ChooseMultipleTimes()) << "no sound: the choice cannot change";
    EXPECT_TRUE(options.once());

    options.SetPlaySound(true);
    EXPECT_TRUE(options.soundFileEnabled());
    EXPECT_TRUE(options.browseEnabled());
    EXPECT_TRUE(options.onceEnabled());
    EXPECT_TRUE(options.once()) << "checking play sound selects once";
    EXPECT_FALSE(options.multipleTimesEnabled()) << "only with the message";
    EXPECT_FALSE(options.ChooseMultipleTimes());

    options.SetShowMessage(true);
    EXPECT_TRUE(options.messageTextShown());
    EXPECT_TRUE(options.multipleTimesEnabled());
    EXPECT_TRUE(options.ChooseMultipleTimes());
    EXPECT_EQ(options.repetition(), kSoundMultipleTimes);

    options.SetShowMessage(false);
    EXPECT_FALSE(options.multipleTimesEnabled());
    EXPECT_TRUE(options.once()) << "unchecking the message falls back to once";
    options.SetShowMessage(true);
    EXPECT_TRUE(options.multipleTimesEnabled()) << "checking it again re-enables the choice";
    EXPECT_TRUE(options.once());

    options.SetSoundFile(u"C:\\bell.wav");
    options.ChooseMultipleTimes();
    options.SetPlaySound(false);
    EXPECT_TRUE(options.soundFile().empty()) << "the file is cleared";
    EXPECT_TRUE(options.once());
    options.SetPlaySound(true);
    EXPECT_TRUE(options.once()) << "checking play sound selects once again";
}

TEST(EndOptionsTest, WhatIsNotShownOrPlayedIsNotKept) {
    EndOptions options;
    options.Reset();
    options.SetShowMessage(true);
    options.SetMessageText(u"Tea");
    options.SetPlaySound(true);
    EXPECT_EQ(options.Check(), FormField::SoundFile) << "a sound to play needs its file";
    options.SetSoundFile(u"C:\\bell.wav");
    EXPECT_EQ(options.Check(), FormField::None);
    options.ChooseMultipleTimes();
    options.SetShowMessage(false);
    EXPECT_EQ(options.messageText(), u"Tea") << "kept in the form for when it comes back";

    TimerTask task;
    options.WriteInto(task);
    EXPECT_FALSE(task.showMessageAfterEnd);
    EXPECT_TRUE(task.messageText.empty());
    EXPECT_EQ(task.soundFile, u"C:\\bell.wav");
    EXPECT_EQ(task.soundRepetition, kSoundOnce);

    // A stored task that loops its sound without a message to stop it plays once.
    task.soundRepetition = kSoundMultipleTimes;
    options.Load(task);
    EXPECT_TRUE(options.once());
}

}  // namespace
}  // namespace tockly
