// The calendar arithmetic of the portable core. The Win32 tests compare every day of nine
// centuries with the platform's own conversion; these fix the anchors and the range checks.

#include "tasks/time_point.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

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

TEST(TimePoint, FieldsOutsideTheirRangeAreNoMoment) {
    EXPECT_TRUE(ToUnits({2000, 2, 29, 0, 0, 0, 0})) << "2000 is a leap year";
    EXPECT_FALSE(ToUnits({1900, 2, 29, 0, 0, 0, 0})) << "1900 is not";
    EXPECT_FALSE(ToUnits({2024, 4, 31, 0, 0, 0, 0}));
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
