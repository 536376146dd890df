#include "tasks/time_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace tockly {
namespace {

constexpr TimePoint kNow{2024, 3, 10, 14, 30, 0, 0};

TEST(TimeRules, IsFutureAndIsNotPastMeetAtThePresent) {
    FixedClock clock(kNow);
    EXPECT_FALSE(IsFuture(clock, kNow)) << "equal to the millisecond";
    EXPECT_TRUE(IsNotPast(clock, kNow));
    EXPECT_TRUE(IsFuture(clock, {2024, 3, 10, 14, 30, 0, 1}));
    EXPECT_FALSE(IsNotPast(clock, TargetAt(2024, 3, 10, 14, 29)));
    EXPECT_FALSE(IsFuture(clock, {2025, 13, 1, 0, 0, 0, 0})) << "no moment, never future";
    EXPECT_FALSE(IsNotPast(clock, TargetAt(2025, 2, 30, 12, 0))) << "30 February";
    clock.Set({2024, 3, 10, 14, 30, 0, 500});
    EXPECT_FALSE(IsFuture(clock, kNow)) << "the present's milliseconds count";
    EXPECT_FALSE(IsNotPast(clock, TargetAt(2024, 3, 10, 14, 30)));
}

TEST(TimeRules, PrintScreenActivityFollowsTheRepetitionMode) {
    FixedClock clock(kNow);
    const TimePoint halfHourAgo{2024, 3, 10, 14, 0, 0, 0};
    EXPECT_TRUE(IsActive(clock, 2, halfHourAgo, {0, 1, 0, 0}));
    EXPECT_FALSE(IsActive(clock, 2, halfHourAgo, {0, 0, 1, 0}));
    EXPECT_FALSE(IsActive(clock, 2, halfHourAgo, {0, 0, 30, 0})) << "the span ends now";
    EXPECT_TRUE(IsActive(clock, 2, halfHourAgo, {1, 0, 0, 0})) << "days count too";
    EXPECT_TRUE(IsActive(clock, 1, {2001, 13, 1, 0, 0, 0, 0}, {})) << "whatever the target";
    EXPECT_FALSE(IsActive(clock, 0, halfHourAgo, {0, 1, 0, 0})) << "once ignores the span";
    EXPECT_TRUE(IsActive(clock, 7, halfHourAgo, {0, 1, 0, 0})) << "unknown modes as mode 2";
}

TEST(TimeRules, SpansFromADamagedFileDoNotOverflow) {
    FixedClock clock({30827, 12, 31, 23, 59, 59, 999});
    const int max = std::numeric_limits<std::int32_t>::max();
    const int min = std::numeric_limits<std::int32_t>::min();
    const TimePoint target{30827, 12, 31, 0, 0, 0, 0};
    EXPECT_TRUE(IsActive(clock, 2, target, {max, max, max, max}));
    EXPECT_FALSE(IsActive(clock, 2, target, {min, min, min, min}));
    clock.Set({1601, 1, 1, 0, 0, 0, 0});
    EXPECT_FALSE(IsActive(clock, 2, target, {min, min, min, min}));
    EXPECT_FALSE(TargetIn(clock, {max, max, max, max}).has_value());
    EXPECT_FALSE(TargetIn(clock, {0, 0, 0, -1}).has_value()) << "before the first year";
}

TEST(TimeRules, DelayTargetsCrossDaysAndYears) {
    FixedClock clock({2024, 3, 10, 23, 0, 0, 0});
    auto times = TargetIn(clock, {0, 0, 90, 0});
    ASSERT_TRUE(times.has_value());
    EXPECT_EQ(times->start, clock.Now());
    EXPECT_EQ(times->target, (TimePoint{2024, 3, 11, 0, 30, 0, 0}));
    clock.Set({2023, 12, 31, 22, 59, 59, 250});
    EXPECT_EQ(TargetIn(clock, {0, 2, 0, 1})->target, (TimePoint{2024, 1, 1, 1, 0, 0, 250}));
}

}  // namespace
}  // namespace tockly
