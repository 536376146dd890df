// The core's calendar arithmetic against the platform's own conversion (SystemTimeToFileTime and
// FileTimeToSystemTime): same units for every valid time point, same refusals for invalid ones.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

#include "tasks/time_point.h"

namespace tockly {
namespace {

std::optional<std::int64_t> PlatformUnits(const TimePoint& time) {
    SYSTEMTIME system{};
    system.wYear = static_cast<WORD>(time.year);
    system.wMonth = static_cast<WORD>(time.month);
    system.wDay = static_cast<WORD>(time.day);
    system.wHour = static_cast<WORD>(time.hour);
    system.wMinute = static_cast<WORD>(time.minute);
    system.wSecond = static_cast<WORD>(time.second);
    system.wMilliseconds = static_cast<WORD>(time.millisecond);
    FILETIME file{};
    if (!::SystemTimeToFileTime(&system, &file)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>((std::uint64_t{file.dwHighDateTime} << 32) |
                                     file.dwLowDateTime);
}

std::optional<TimePoint> PlatformTime(std::uint64_t units) {
    FILETIME file{static_cast<DWORD>(units), static_cast<DWORD>(units >> 32)};
    SYSTEMTIME system{};
    if (!::FileTimeToSystemTime(&file, &system)) {
        return std::nullopt;
    }
    return TimePoint{system.wYear,   system.wMonth,  system.wDay,         system.wHour,
                     system.wMinute, system.wSecond, system.wMilliseconds};
}

std::string Describe(const TimePoint& t) {
    std::ostringstream text;
    text << t.year << "-" << t.month << "-" << t.day << " " << t.hour << ":" << t.minute << ":"
         << t.second << "." << t.millisecond;
    return text.str();
}

std::string Describe(const std::optional<std::int64_t>& units) {
    return units ? std::to_string(*units) : std::string("refused");
}

// Where Wine's conversion is laxer than Windows's: it takes 29 February of a year without one as
// 1 March, and years after 30827 for as long as the count fits. Windows refuses both (its range
// ends with 30827), and so does the core: a moment that does not exist never becomes another one.
bool WineIsLaxer(const TimePoint& time) {
    return (time.month == 2 && time.day == 29 && !IsLeapYear(time.year)) || time.year > kLastYear;
}

TEST(Win32TimeConversion, TimePointsToUnitsMatchThePlatformIncludingRefusals) {
    const int years[] = {1601,  1602,  1603,  1604,  1700,  1800,  1899,  1900, 1904,
                         1970,  1999,  2000,  2023,  2024,  2038,  2100,  2400, 9999,
                         10000, 30000, 30826, 30827, 30828, 30829, 65535, 0,    1600};
    const TimePoint clocks[] = {{0, 0, 0, 0, 0, 0, 0},      {0, 0, 0, 23, 59, 59, 999},
                                {0, 0, 0, 12, 30, 15, 500}, {0, 0, 0, 24, 0, 0, 0},
                                {0, 0, 0, 0, 60, 0, 0},     {0, 0, 0, 0, 0, 60, 0},
                                {0, 0, 0, 0, 0, 0, 1000}};
    int compared = 0;
    int refused = 0;
    for (int year : years) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                for (TimePoint time : clocks) {
                    time.year = year;
                    time.month = month;
                    time.day = day;
                    const std::optional<std::int64_t> platform = PlatformUnits(time);
                    if (WineIsLaxer(time)) {
                        EXPECT_FALSE(ToUnits(time).has_value()) << Describe(time);
                        if (platform && time.year <= kLastYear) {
                            TimePoint firstOfMarch = time;
                            firstOfMarch.month = 3;
                            firstOfMarch.day = 1;
                            EXPECT_EQ(platform, ToUnits(firstOfMarch)) << Describe(time);
                        }
                        continue;
                    }
                    ASSERT_EQ(ToUnits(time), platform)
                        << Describe(time) << ": ours " << Describe(ToUnits(time)) << ", platform "
                        << Describe(platform);
                    ++compared;
                    refused += platform ? 0 : 1;
                }
            }
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, compared);
}

TEST(Win32TimeConversion, UnitsToTimePointsMatchThePlatform) {
    // Every day at a changing time of day from 1601 to 2500, then spread samples to the end.
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    const auto next = [&state] {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return state;
    };
    for (std::int64_t day = 0; day < 900 * 366; ++day) {
        const std::int64_t units =
            day * kUnitsPerDay + static_cast<std::int64_t>(next() % kUnitsPerDay);
        ASSERT_EQ(FromUnits(units), PlatformTime(static_cast<std::uint64_t>(units)))
            << "units " << units;
    }
    for (int i = 0; i < 200'000; ++i) {
        const auto units = static_cast<std::int64_t>(next() >> 1);
        ASSERT_EQ(FromUnits(units), PlatformTime(static_cast<std::uint64_t>(units)))
            << "units " << units;
    }
    const std::int64_t max = INT64_MAX;
    EXPECT_EQ(FromUnits(max), PlatformTime(static_cast<std::uint64_t>(max)));
    EXPECT_EQ(FromUnits(0), PlatformTime(0));
    // Counts with the top bit set are negative to the core.
    EXPECT_EQ(FromUnits(-1), PlatformTime(~std::uint64_t{0}));
    EXPECT_EQ(FromUnits(INT64_MIN), PlatformTime(std::uint64_t{1} << 63));
}

}  // namespace
}  // namespace tockly
