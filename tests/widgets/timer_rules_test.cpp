// The timer's and counter's rules without windows: the countdown text, the timer's count of the
// seconds that really passed (a stalled worker loses none), the counter's seconds against the wall
// clock, and the notifications at the end of a count in their order.

#include <gtest/gtest.h>

#include <vector>

#include "widgets/counter_rules.h"
#include "widgets/timer_rules.h"
#include "widgets/widget_rules.h"

namespace tockly {
namespace {

TEST(CountdownText, FoldsDaysIntoHoursAndPadsEachFieldToTwoDigits) {
    EXPECT_EQ(CountdownText(0), u"00 : 00 : 00");
    EXPECT_EQ(CountdownText(3725), u"01 : 02 : 05");
    EXPECT_EQ(CountdownText(90061), u"25 : 01 : 01");
    EXPECT_EQ(CountdownText(360000), u"100 : 00 : 00");
    EXPECT_EQ(CountdownText(359999), u"99 : 59 : 59");
    EXPECT_EQ(CountdownText(-5), u"00 : 00 : 00");
    EXPECT_EQ(CountdownText(2'147'483'647), u"596523 : 14 : 07");
}

// Runs a countdown through seconds seen at the given monotonic milliseconds, each as late into
// its second as the monotonic clock's milliseconds say; what each showed (-1: ended at 0).
std::vector<int> Shown(TimerCountdown& countdown, std::int32_t& remaining,
                       const std::vector<std::int64_t>& seen) {
    std::vector<int> shown;
    for (const std::int64_t milliseconds : seen) {
        const TimerCountdown::Second second =
            countdown.Tick(milliseconds, static_cast<int>(milliseconds % 1000), remaining);
        shown.push_back(second.ended ? -1 : second.shown);
    }
    return shown;
}

TEST(TimerCountdown, EachSecondShowsTheRemainingSecondsThenStoresOneLessAndZeroEnds) {
    TimerCountdown countdown;
    std::int32_t remaining = 3;
    // Seen a little after each second begins, one later than the others.
    EXPECT_EQ(Shown(countdown, remaining, {10'020, 11'005, 12'300, 13'010}),
              (std::vector<int>{3, 2, 1, -1}));
    EXPECT_EQ(remaining, 0);

    // A count of 0 ends at the first second.
    TimerCountdown empty;
    std::int32_t none = 0;
    EXPECT_EQ(Shown(empty, none, {5'000}), std::vector<int>{-1});
    // A damaged store's negative count too, and leaves 0.
    TimerCountdown damaged;
    std::int32_t negative = -7;
    EXPECT_EQ(Shown(damaged, negative, {5'000}), std::vector<int>{-1});
    EXPECT_EQ(negative, 0);
}

TEST(TimerCountdown, AStalledWorkerLosesNoTime) {
    TimerCountdown countdown;
    std::int32_t remaining = 600;
    // The worker misses four seconds (a busy machine): the next second it sees shows what really
    // remains, not one second less than the last one it saw.
    EXPECT_EQ(Shown(countdown, remaining, {0, 1'000, 6'010, 7'000}),
              (std::vector<int>{600, 599, 594, 593}));
    EXPECT_EQ(remaining, 592);

    // Over ten minutes of seconds each seen late and some not at all, the count ends on time.
    TimerCountdown longRun;
    std::int32_t left = 600;
    std::int64_t endedAt = -1;
    for (std::int64_t second = 0; second <= 700 && endedAt < 0; ++second) {
        if (second % 7 == 3) {
            continue;  // missed
        }
        const int late = static_cast<int>((second * 37) % 400);
        if (longRun.Tick(second * 1000 + late, late, left).ended) {
            endedAt = second;
        }
    }
    EXPECT_EQ(endedAt, 600);
}

TEST(TimerCountdown, AFirstSecondSeenLateShiftsNothing) {
    TimerCountdown countdown;
    std::int32_t remaining = 5;
    // The first second is seen 700 ms after it began, the others at once: without knowing how late
    // the first one was, every later second would look 0.3 s short and count one less.
    const std::int64_t seen[] = {700, 1'000, 2'000, 3'000, 4'000, 5'000};
    const int lateness[] = {700, 0, 0, 0, 0, 0};
    std::vector<int> shown;
    for (std::size_t i = 0; i < 6; ++i) {
        const TimerCountdown::Second second = countdown.Tick(seen[i], lateness[i], remaining);
        shown.push_back(second.ended ? -1 : second.shown);
    }
    EXPECT_EQ(shown, (std::vector<int>{5, 4, 3, 2, 1, -1}));
}

TEST(TimerCountdown, AChangeOfTheWallClockAddsNoSecondAndNothingGoesBack) {
    TimerCountdown countdown;
    std::int32_t remaining = 10;
    // The wall clock set back and forth makes the worker see new seconds close together or far
    // apart; the monotonic clock says how much time passed.
    EXPECT_EQ(Shown(countdown, remaining, {0, 200, 400, 1'000, 1'050, 2'000}),
              (std::vector<int>{10, 10, 10, 9, 9, 8}));
    EXPECT_EQ(remaining, 7);
}

TEST(TimerCountdown, AResetOrARestartCountsOnFromTheRecord) {
    TimerCountdown countdown;
    std::int32_t remaining = 5;
    EXPECT_EQ(Shown(countdown, remaining, {0, 1'000, 2'000}), (std::vector<int>{5, 4, 3}));
    remaining = 5;  // reset while running: the next second shows the full duration
    EXPECT_EQ(Shown(countdown, remaining, {3'000, 4'000}), (std::vector<int>{5, 4}));
    EXPECT_EQ(remaining, 3);

    // Paused for a minute, then played: the time while stopped is not counted.
    countdown.Restart();
    EXPECT_EQ(Shown(countdown, remaining, {64'000, 65'000, 66'000, 67'000}),
              (std::vector<int>{3, 2, 1, -1}));
}

TEST(CounterSeconds, CountAgainstTheWallClockToTheTarget) {
    const TimePoint target{2024, 5, 18, 1, 1, 1, 0};
    EXPECT_EQ(CounterRemainingSeconds({2024, 5, 17, 0, 0, 0, 0}, target), 90061);
    // The present's milliseconds do not count.
    EXPECT_EQ(CounterRemainingSeconds({2024, 5, 18, 1, 1, 0, 999}, target), 1);
    EXPECT_EQ(CounterRemainingSeconds(target, target), 0);
    EXPECT_EQ(CounterRemainingSeconds({2024, 5, 18, 1, 1, 2, 0}, target), 0);  // past
    EXPECT_EQ(CounterRemainingSeconds({2024, 13, 1, 0, 0, 0, 0}, target), 0);  // no moment
    EXPECT_EQ(CounterRemainingSeconds({2024, 5, 17, 0, 0, 0, 0}, {2024, 2, 30, 0, 0, 0, 0}), 0);

    EXPECT_EQ(CounterTotalSeconds({2024, 5, 17, 23, 0, 0, 0}, {2024, 5, 18, 0, 30, 0, 0}), 5400);
    EXPECT_EQ(CounterTotalSeconds({2024, 5, 19, 0, 0, 0, 0}, target), 0);  // start after target
}

std::vector<int> Events(const CountEnd& end) {
    return {end.step.events.begin(), end.step.events.begin() + end.step.eventCount};
}

TEST(CountEnd, KeptOrRemovedTheOwnerHearsInOrderAndTheSoundPlaysOnlyWithoutAMessage) {
    using count_event::kEnded;
    using widget_event::kHidden;
    using widget_event::kRemoveRequest;
    for (const bool sound : {false, true}) {
        const CountEnd keptWithMessage = PlanCountEnd({false, true, sound});
        EXPECT_EQ(Events(keptWithMessage),
                  (std::vector<int>{kHidden, kEnded, count_event::kShowEndMessage}));
        EXPECT_TRUE(keptWithMessage.hide);
        EXPECT_FALSE(keptWithMessage.playSound);  // the message view plays it
        EXPECT_EQ(keptWithMessage.step.end, WorkerEnd::Stop);

        const CountEnd kept = PlanCountEnd({false, false, sound});
        EXPECT_EQ(Events(kept), (std::vector<int>{kHidden, kEnded}));
        EXPECT_TRUE(kept.hide);
        EXPECT_EQ(kept.playSound, sound);
        EXPECT_EQ(kept.step.end, WorkerEnd::Stop);

        const CountEnd removedWithMessage = PlanCountEnd({true, true, sound});
        EXPECT_EQ(Events(removedWithMessage),
                  std::vector<int>{count_event::kShowEndMessageAndRemove});
        EXPECT_FALSE(removedWithMessage.hide);
        EXPECT_FALSE(removedWithMessage.playSound);
        EXPECT_EQ(removedWithMessage.step.end, WorkerEnd::AwaitRemoval);

        const CountEnd removed = PlanCountEnd({true, false, sound});
        EXPECT_EQ(Events(removed), std::vector<int>{kRemoveRequest});
        EXPECT_FALSE(removed.hide);
        EXPECT_EQ(removed.playSound, sound);
        EXPECT_EQ(removed.step.end, WorkerEnd::AwaitRemoval);

        for (const CountEnd& end : {keptWithMessage, kept, removedWithMessage, removed}) {
            EXPECT_EQ(end.step.pauseMilliseconds, 500);
        }
    }
}

}  // namespace
}  // namespace tockly
