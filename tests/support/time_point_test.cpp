// The calendar arithmetic of the portable core. The Win32 tests compare every day of nine
// centuries with the platform's own conversion; these fix the anchors, the range checks and the
// round trip of every day, so that the native build alone catches a fault in them.

#include "support/time_point.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

namespace tockly {
namespace {

TEST(TimePoint, KnownMomentsHaveThePlatformsUnits) {
    EXPECT_EQ(ToUnits({1601, 1, 1, 0, 0, 0, 0}), 0);
    // The Unix epoch, as every FILETIME conversion knows it.
    EXPECT_EQ(ToUnits({1970, 1, 1, 0, 0, 1, 1}), 116'444'736'000'000'000 + 10'010'000);
    EXPECT_EQ(FromUnits(kUnitsPerDay - 1), (TimePoint{1601, 1, 1, 23, 59, 59, 999}));
    // The largest count still converts (to a year that cannot be converted back).
    EXPECT_EQ(FromUnits(std::numeric_limits<std::int64_t>::max()),
              (TimePoint{30828, 9, 14, 2, 48, 5, 477}));
    EXPECT_FALSE(FromUnits(-1));
}

// The last day of a leap year (2024-12-31) and of a 400-year cycle (2000-12-31) are where the
// split of a count of days into cycles, centuries, four-year groups and years must stop one
// short, so that they do not come back as the first day of the next year. Then every day of
// twelve centuries and of the last years, in turn, without the platform's help.
TEST(TimePoint, EveryDayConvertsToItsOwnUnitsAndBack) {
    for (const TimePoint& time :
         {TimePoint{2024, 12, 31, 0, 0, 0, 0}, TimePoint{2024, 12, 31, 23, 59, 59, 999},
          TimePoint{2000, 12, 31, 12, 0, 0, 0}, TimePoint{2000, 12, 31, 23, 59, 59, 999},
          TimePoint{1700, 12, 31, 23, 59, 59, 999}, TimePoint{2100, 12, 31, 23, 59, 59, 999},
          TimePoint{2001, 1, 1, 0, 0, 0, 0}, TimePoint{2024, 2, 29, 23, 59, 59, 999},
          TimePoint{kLastYear, 12, 31, 23, 59, 59, 999}}) {
        const std::optional<std::int64_t> units = ToUnits(time);
        ASSERT_TRUE(units.has_value()) << time.year << "-" << time.month << "-" << time.day;
        EXPECT_EQ(FromUnits(*units), time) << time.year << "-" << time.month << "-" << time.day;
    }
    EXPECT_EQ(*ToUnits({2001, 1, 1, 0, 0, 0, 0}) - *ToUnits({2000, 12, 31, 0, 0, 0, 0}),
              kUnitsPerDay);

    // Three 400-year cycles from the first year, and the last years.
    for (const auto& [first, last] :
         {std::pair{kFirstYear, kFirstYear + 1199}, std::pair{kLastYear - 427, kLastYear}}) {
        TimePoint day{first, 1, 1, 6, 7, 8, 9};
        for (std::int64_t units = *ToUnits(day); day.year <= last; units += kUnitsPerDay) {
            ASSERT_EQ(ToUnits(day), units) << day.year << "-" << day.month << "-" << day.day;
            ASSERT_EQ(FromUnits(units), day) << day.year << "-" << day.month << "-" << day.day;
            if (++day.day > DaysInMonth(day.year, day.month)) {
                day.day = 1;
                if (++day.month > 12) {
                    day.month = 1;
                    ++day.year;
                }
            }
        }
    }
}

TEST(TimePoint, FieldsOutsideTheirRangeAreNoMoment) {
    EXPECT_TRUE(ToUnits({2000, 2, 29, 0, 0, 0, 0})) << "2000 is a leap year";
    EXPECT_FALSE(ToUnits({1900, 2, 29, 0, 0, 0, 0})) << "1900 is not";
    EXPECT_FALSE(ToUnits({2024, 4, 31, 0, 0, 0, 0}));
    // Each field at either end of its range and one past it.
    struct Range {
        std::int32_t TimePoint::*field;
        std::int32_t low;
        std::int32_t high;
    };
    for (const Range& range :
         {Range{&TimePoint::year, kFirstYear, kLastYear}, Range{&TimePoint::month, 1, 12},
          Range{&TimePoint::day, 1, 31}, Range{&TimePoint::hour, 0, 23},
          Range{&TimePoint::minute, 0, 59}, Range{&TimePoint::second, 0, 59},
          Range{&TimePoint::millisecond, 0, 999}}) {
        TimePoint time{2024, 12, 15, 12, 30, 30, 500};
        for (const auto& [value, valid] :
             {std::pair{range.low, true}, std::pair{range.high, true},
              std::pair{range.low - 1, false}, std::pair{range.high + 1, false}}) {
            time.*range.field = value;
            EXPECT_EQ(ToUnits(time).has_value(), valid) << value;
        }
    }
    // Fields are 32-bit: no wrap to 16 bits as the platform's record would do, no negatives.
    EXPECT_FALSE(ToUnits({2024, 65536 + 4, 30, 0, 0, 0, 0}));
    EXPECT_FALSE(ToUnits({2024, 4, 30, 0, 0, -1, 0}));
    EXPECT_FALSE(ToUnits(TimePoint{})) << "an all-zero record";
}

TEST(TimePoint, DaysClampCountdownsFoldDaysAndTwelveHourEntriesConvert) {
    EXPECT_EQ(ClampDay(2023, 2, 31), 28);
    EXPECT_EQ(ClampDay(2024, 2, 31), 29);
    EXPECT_EQ(ClampDay(2024, 4, 31), 30);
    EXPECT_EQ(ClampDay(2024, 4, 12), 12) << "a day that fits stays";

    EXPECT_EQ(SplitCountdown(90'061), (CountdownParts{25, 1, 1}));
    EXPECT_EQ(SplitCountdown(-5), (CountdownParts{0, 0, 0}));
    // Beyond 49.7 days a count in milliseconds no longer fits 32 bits.
    EXPECT_EQ(SplitCountdown(5'000'000), (CountdownParts{1'388, 53, 20}));
    EXPECT_EQ(TotalSeconds(Duration{2'000'000'000, 23, 59, 59}), 2'000'000'000LL * 86'400 + 86'399);

    EXPECT_EQ(To24Hour(12, true), 0);
    EXPECT_EQ(To24Hour(11, true), 11);
    EXPECT_EQ(To24Hour(12, false), 12);
    EXPECT_EQ(To24Hour(1, false), 13);
    EXPECT_EQ(To24Hour(11, false), 23);
}

}  // namespace
}  // namespace tockly
