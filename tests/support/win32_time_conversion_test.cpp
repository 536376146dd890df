// The core's calendar arithmetic against the platform's own conversion (SystemTimeToFileTime and
// FileTimeToSystemTime): same units for every valid time point, same refusals for invalid ones.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "support/time_point.h"

namespace tockly {
namespace {

std::optional<std::int64_t> PlatformUnits(const TimePoint& time) {
    const auto word = [](std::int32_t value) { return static_cast<WORD>(value); };
    const SYSTEMTIME system{word(time.year),   word(time.month),      0,
                            word(time.day),    word(time.hour),       word(time.minute),
                            word(time.second), word(time.millisecond)};
    FILETIME file{};
    if (!::SystemTimeToFileTime(&system, &file)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>((std::uint64_t{file.dwHighDateTime} << 32) |
                                     file.dwLowDateTime);
}

std::optional<TimePoint> PlatformTime(std::uint64_t units) {
    const FILETIME file{static_cast<DWORD>(units), static_cast<DWORD>(units >> 32)};
    SYSTEMTIME s{};
    if (!::FileTimeToSystemTime(&file, &s)) {
        return std::nullopt;
    }
    return TimePoint{s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond, s.wMilliseconds};
}

TEST(Win32TimeConversion, TimePointsToUnitsMatchThePlatformIncludingRefusals) {
    const TimePoint clocks[] = {{0, 0, 0, 23, 59, 59, 999},
                                {0, 0, 0, 24, 0, 0, 0},
                                {0, 0, 0, 0, 60, 0, 0},
                                {0, 0, 0, 0, 0, 60, 0},
                                {0, 0, 0, 0, 0, 0, 1000}};
    int refused = 0;
    for (int year : {0, 1600, 1601, 1604, 1700, 1900, 2000, 2024, 2100, 30827, 30828, 65535}) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                for (TimePoint time : clocks) {
                    time.year = year;
                    time.month = month;
                    time.day = day;
                    // Wine takes 29 February of a year without one as 1 March, and years after
                    // 30827 while the count fits; Windows refuses both, and so does the core.
                    if ((month == 2 && day == 29 && !IsLeapYear(year)) || year > kLastYear) {
                        EXPECT_FALSE(ToUnits(time).has_value());
                        continue;
                    }
                    const std::optional<std::int64_t> platform = PlatformUnits(time);
                    ASSERT_EQ(ToUnits(time), platform) << year << "-" << month << "-" << day << " "
                                                       << time.hour << ":" << time.minute;
                    refused += platform ? 0 : 1;
                }
            }
        }
    }
    EXPECT_GT(refused, 0);
}

TEST(Win32TimeConversion, UnitsToTimePointsMatchThePlatform) {
    // Every day at a changing time of day from 1601 to 2500, then spread samples to the end, then
    // the counts with the top bit set, which are negative to the core.
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    const auto next = [&state] {
        return state = state * 6364136223846793005u + 1442695040888963407u;
    };
    for (std::int64_t day = 0; day < 900 * 366; ++day) {
        const std::int64_t units =
            day * kUnitsPerDay + static_cast<std::int64_t>(next() % kUnitsPerDay);
        ASSERT_EQ(FromUnits(units), PlatformTime(units)) << "units " << units;
    }
    for (int i = 0; i < 200'000; ++i) {
        const auto units = static_cast<std::int64_t>(next() >> 1);
        ASSERT_EQ(FromUnits(units), PlatformTime(units)) << "units " << units;
    }
    for (std::int64_t units : {INT64_MAX, std::int64_t{-1}, INT64_MIN}) {
        EXPECT_EQ(FromUnits(units), PlatformTime(static_cast<std::uint64_t>(units))) << units;
    }
}

}  // namespace
}  // namespace tockly
