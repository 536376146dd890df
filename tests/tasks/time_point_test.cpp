#include "tasks/time_point.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tockly {
namespace {

TEST(TimePoint, KnownMomentsHaveThePlatformsUnits) {
    EXPECT_EQ(ToUnits({1601, 1, 1, 0, 0, 0, 0}), 0);
    // The Unix epoch, as every FILETIME conversion knows it.
    EXPECT_EQ(ToUnits({1970, 1, 1, 0, 0, 0, 0}), 116'444'736'000'000'000);
    EXPECT_EQ(ToUnits({1970, 1, 1, 0, 0, 1, 1}), 116'444'736'000'000'000 + 10'010'000);
    EXPECT_EQ(
        ToUnits({2000, 3, 1, 0, 0, 0, 0}).value() - ToUnits({2000, 2, 28, 0, 0, 0, 0}).value(),
        2 * kUnitsPerDay);
    EXPECT_EQ(
        ToUnits({1900, 3, 1, 0, 0, 0, 0}).value() - ToUnits({1900, 2, 28, 0, 0, 0, 0}).value(),
        kUnitsPerDay);
}

TEST(TimePoint, FieldsOutsideTheirRangeAreNoMoment) {
    const TimePoint valid{2024, 4, 30, 23, 59, 59, 999};
    ASSERT_TRUE(ToUnits(valid).has_value());
    const auto with = [&](auto change) {
        TimePoint time = valid;
        change(time);
        return ToUnits(time);
    };
    EXPECT_FALSE(with([](TimePoint& t) { t.month = 13; }));
    EXPECT_FALSE(with([](TimePoint& t) { t.month = 0; }));
    EXPECT_FALSE(with([](TimePoint& t) { t.month = 65536 + 4; })) << "no 16-bit wrap";
    EXPECT_FALSE(with([](TimePoint& t) { t.day = 31; })) << "31 April";
    EXPECT_FALSE(with([](TimePoint& t) { t.day = 0; }));
    EXPECT_FALSE(with([](TimePoint& t) { t.hour = 24; }));
    EXPECT_FALSE(with([](TimePoint& t) { t.minute = 60; }));
    EXPECT_FALSE(with([](TimePoint& t) { t.second = 60; }));
    EXPECT_FALSE(with([](TimePoint& t) { t.millisecond = 1000; }));
    EXPECT_FALSE(with([](TimePoint& t) { t.second = -1; }));
    EXPECT_FALSE(with([](TimePoint& t) { t.year = 1600; }));
    EXPECT_FALSE(with([](TimePoint& t) { t.year = 30828; }));
    EXPECT_FALSE(ToUnits({1900, 2, 29, 0, 0, 0, 0})) << "1900 is no leap year";
    EXPECT_TRUE(ToUnits({2000, 2, 29, 0, 0, 0, 0})) << "2000 is one";
    EXPECT_FALSE(ToUnits(TimePoint{})) << "an all-zero record";
}

TEST(TimePoint, EveryDayOfEightHundredYearsRoundTripsAndFollowsTheDayBefore) {
    TimePoint previous{1600, 12, 31, 0, 0, 0, 0};
    for (std::int64_t day = 0; day < 2 * 146'097; ++day) {
        const std::optional<TimePoint> time = FromUnits(day * kUnitsPerDay);
        ASSERT_TRUE(time.has_value());
        ASSERT_EQ(ToUnits(*time), day * kUnitsPerDay);
        const bool nextDay = time->year == previous.year && time->month == previous.month &&
                             time->day == previous.day + 1;
        const bool nextMonth = time->year == previous.year && time->month == previous.month + 1 &&
                               time->day == 1 &&
                               previous.day == DaysInMonth(previous.year, previous.month);
        const bool nextYear = time->year == previous.year + 1 && time->month == 1 &&
                              time->day == 1 && previous.month == 12 && previous.day == 31;
        ASSERT_TRUE(nextDay || nextMonth || nextYear)
            << time->year << "-" << time->month << "-" << time->day;
        previous = *time;
    }
}

TEST(TimePoint, UnitsBackToFieldsDropSubMillisecondsAndStopAtTheSignBit) {
    EXPECT_EQ(FromUnits(kUnitsPerDay - 1), (TimePoint{1601, 1, 1, 23, 59, 59, 999}));
    EXPECT_EQ(FromUnits(ToUnits({30827, 12, 31, 23, 59, 59, 999}).value()),
              (TimePoint{30827, 12, 31, 23, 59, 59, 999}));
    // The largest count still converts (to a year that cannot be converted back).
    EXPECT_EQ(FromUnits(std::numeric_limits<std::int64_t>::max()),
              (TimePoint{30828, 9, 14, 2, 48, 5, 477}));
    EXPECT_FALSE(FromUnits(-1));
}

TEST(TimePoint, DayIsClampedToTheMonthsLength) {
    EXPECT_EQ(ClampDay(2023, 2, 31), 28);
    EXPECT_EQ(ClampDay(2024, 2, 31), 29);
    EXPECT_EQ(ClampDay(1900, 2, 29), 28);
    EXPECT_EQ(ClampDay(2000, 2, 30), 29);
    EXPECT_EQ(ClampDay(2024, 4, 31), 30);
    EXPECT_EQ(ClampDay(2024, 12, 31), 31);
    EXPECT_EQ(ClampDay(2024, 4, 12), 12) << "a day that fits stays";
}

TEST(TimePoint, CountdownFoldsDaysIntoHours) {
    EXPECT_EQ(SplitCountdown(3'725), (CountdownParts{1, 2, 5}));
    EXPECT_EQ(SplitCountdown(90'061), (CountdownParts{25, 1, 1}));
    EXPECT_EQ(SplitCountdown(100 * 3'600), (CountdownParts{100, 0, 0}));
    EXPECT_EQ(SplitCountdown(0), (CountdownParts{0, 0, 0}));
    EXPECT_EQ(SplitCountdown(-5), (CountdownParts{0, 0, 0}));
    // Beyond 49.7 days a count in milliseconds no longer fits 32 bits.
    EXPECT_EQ(SplitCountdown(5'000'000), (CountdownParts{1'388, 53, 20}));
    EXPECT_EQ(TotalSeconds(Duration{2'000'000'000, 23, 59, 59}), 2'000'000'000LL * 86'400 + 86'399);
}

TEST(TimePoint, TwelveHourEntriesBecomeTwentyFourHourHours) {
    EXPECT_EQ(To24Hour(12, true), 0);
    EXPECT_EQ(To24Hour(1, true), 1);
    EXPECT_EQ(To24Hour(11, true), 11);
    EXPECT_EQ(To24Hour(12, false), 12);
    EXPECT_EQ(To24Hour(1, false), 13);
    EXPECT_EQ(To24Hour(11, false), 23);
}

}  // namespace
}  // namespace tockly
