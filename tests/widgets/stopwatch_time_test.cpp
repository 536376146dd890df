// The stopwatch's time: its texts, the rows of its list and their scrolling, and the reading that
// counts the time that really passed on the monotonic clock.

#include <gtest/gtest.h>

#include <vector>

#include "widgets/stopwatch_time.h"
#include "widgets/worker_loop.h"

namespace tockly {
namespace {

TEST(StopwatchTexts, ElapsedTimeAndCheckpointRowsWithTheirLeadingZeros) {
    EXPECT_EQ(ElapsedText({0, 0, 5, 9}), u"00 : 05 : 09");
    EXPECT_EQ(ElapsedText({}), u"00 : 00 : 00");
    EXPECT_EQ(ElapsedText({0, 10, 10, 10}), u"10 : 10 : 10");
    // Days are folded into the hours, and hours keep growing past two digits.
    EXPECT_EQ(ElapsedText({1, 2, 3, 4}), u"26 : 03 : 04");
    EXPECT_EQ(ElapsedText({0, 100, 0, 0}), u"100 : 00 : 00");
    // A damaged store's parts are brought into shape: 90 minutes are an hour and a half.
    EXPECT_EQ(ElapsedText({0, 0, 90, 75}), u"01 : 31 : 15");
    EXPECT_EQ(ElapsedText({0, -5, 0, 0}), u"00 : 00 : 00");
    EXPECT_EQ(ElapsedText({0, 2147483647, 59, 59}), u"2147483647 : 59 : 59");
    EXPECT_EQ(ElapsedText({2147483647, 2147483647, 0, 0}), u"2147483647 : 59 : 59");

    EXPECT_EQ(CheckpointText(3, {0, 0, 1, 7}), u"3.  00:01:07");
    EXPECT_EQ(CheckpointText(12, {0, 1, 0, 0}), u"12.  01:00:00");
    EXPECT_EQ(CheckpointText(100000, {0, 123, 45, 6}), u"100000.  123:45:06");
}

TEST(StopwatchTexts, StoredTimesAreSecondsInHoursMinutesAndSeconds) {
    EXPECT_EQ(StopwatchTime(0), (Duration{0, 0, 0, 0}));
    EXPECT_EQ(StopwatchTime(3725), (Duration{0, 1, 2, 5}));
    EXPECT_EQ(StopwatchTime(90'000), (Duration{0, 25, 0, 0}));
    EXPECT_EQ(StopwatchTime(-4), (Duration{0, 0, 0, 0}));
    EXPECT_EQ(StopwatchTime(kMostStopwatchSeconds + 10), (Duration{0, 2147483647, 59, 59}));
    EXPECT_EQ(StopwatchSeconds({1, 1, 1, 1}), 86400 + 3600 + 61);
    EXPECT_EQ(StopwatchSeconds({0, 0, 0, -1}), 0);
    EXPECT_EQ(NormalStopwatchTime({0, 0, 0, 3600}), (Duration{0, 1, 0, 0}));
}

std::vector<Duration> Checkpoints(int count) {
    std::vector<Duration> checkpoints;
    for (int i = 1; i <= count; ++i) {
        checkpoints.push_back(StopwatchTime(i * 10));
    }
    return checkpoints;
}

TEST(StopwatchRows, NewestFirstFromTheListPositionAndADashWhereNoCheckpointIs) {
    using Rows = std::array<std::u16string, kStopwatchRows>;
    EXPECT_EQ(CheckpointRows({}, 0), (Rows{u"-", u"-", u"-"}));
    const std::vector<Duration> five = Checkpoints(5);
    EXPECT_EQ(CheckpointRows(five, 0), (Rows{u"5.  00:00:50", u"4.  00:00:40", u"3.  00:00:30"}));
    EXPECT_EQ(CheckpointRows(five, 2), (Rows{u"3.  00:00:30", u"2.  00:00:20", u"1.  00:00:10"}));
    EXPECT_EQ(CheckpointRows(five, 3), (Rows{u"2.  00:00:20", u"1.  00:00:10", u"-"}));
    EXPECT_EQ(CheckpointRows(five, 4), (Rows{u"1.  00:00:10", u"-", u"-"}));
    EXPECT_EQ(CheckpointRows(five, 9), (Rows{u"-", u"-", u"-"}));
    EXPECT_EQ(CheckpointRows(five, -3), CheckpointRows(five, 0));
    EXPECT_EQ(CheckpointRows(Checkpoints(1), 0), (Rows{u"1.  00:00:10", u"-", u"-"}));
}

TEST(StopwatchRows, UpStopsAtTheNewestAndDownAtTheOldest) {
    EXPECT_EQ(ListPositionUp(0), 0);
    EXPECT_EQ(ListPositionUp(1), 0);
    EXPECT_EQ(ListPositionUp(4), 3);
    int position = 0;
    for (int press = 0; press < 10; ++press) {
        position = ListPositionDown(position, 5);
    }
    EXPECT_EQ(position, 4);  // the oldest on top
    EXPECT_EQ(ListPositionDown(0, 0), 0);
    EXPECT_EQ(ListPositionDown(0, 1), 0);
    EXPECT_EQ(ListPositionDown(0, 2), 1);
}

TEST(StopwatchReading, CountsTheTimeThatPassedWhileRunningAndKeepsItWhilePaused) {
    StopwatchReading reading;
    EXPECT_EQ(reading.Milliseconds(1000), 0);
    reading.Start(1000);
    EXPECT_EQ(reading.Milliseconds(1000), 0);
    // A stall of seven seconds between two looks counts seven seconds.
    EXPECT_EQ(reading.Milliseconds(8000), 7000);
    reading.Stop(8500);
    EXPECT_FALSE(reading.running());
    EXPECT_EQ(reading.Milliseconds(60'000), 7500);  // paused: nothing more counts
    reading.Start(60'000);
    EXPECT_EQ(reading.Milliseconds(60'600), 8100);  // the part second is kept over the pause
    reading.Start(61'000);                          // already running: nothing changes
    EXPECT_EQ(reading.Milliseconds(61'000), 8500);
    // A value set while running counts on from it.
    reading.Set(3'600'000, 61'000);
    EXPECT_TRUE(reading.running());
    EXPECT_EQ(reading.Milliseconds(62'000), 3'601'000);
    EXPECT_EQ(reading.offset(), 3'600'000 - 61'000);
    // A clock that went back does not make the reading go back.
    EXPECT_EQ(reading.Milliseconds(0), 3'600'000);
    // The longest reading stays the longest.
    reading.Set(StopwatchReading::kMostMilliseconds - 5, 0);
    EXPECT_EQ(reading.Milliseconds(1'000'000), StopwatchReading::kMostMilliseconds);
    reading.Set(-10, 0);
    reading.Stop(0);
    EXPECT_EQ(reading.Milliseconds(5), 0);
}

TEST(StopwatchPace, ItsSecondsAreTheReadingsSoTheWorkerWakesWhenTheShownSecondChanges) {
    ManualMonotonicClock clock;
    clock.Advance(123'456);
    StopwatchReading reading;
    reading.Set(4'700, clock.Milliseconds());
    reading.Start(clock.Milliseconds());
    StopwatchPace pace(clock);
    pace.Follow(reading);
    // The reading is 4.7 s: the next shown second is 300 ms away, whatever the wall clock says.
    EXPECT_EQ(MillisecondsToNextSecond(pace.Now()), 300);
    const TimePoint before = pace.Now();
    clock.Advance(299);
    EXPECT_FALSE(InAnotherSecond(pace.Now(), before));
    clock.Advance(1);
    EXPECT_TRUE(InAnotherSecond(pace.Now(), before));
    EXPECT_EQ(MillisecondsToNextSecond(pace.Now()), 1000);
    // A day later the seconds still differ from the day before's.
    const TimePoint day = pace.Now();
    clock.Advance(86'400'000);
    EXPECT_TRUE(InAnotherSecond(pace.Now(), day));
    // Reset while running: the pace follows the new reading at once.
    reading.Set(0, clock.Milliseconds() - 250);
    pace.Follow(reading);
    EXPECT_EQ(MillisecondsToNextSecond(pace.Now()), 750);
}

}  // namespace
}  // namespace tockly
