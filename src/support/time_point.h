#pragma once
// A moment of local wall-clock time and the calendar arithmetic on it. Moments are compared and
// shifted as 64-bit counts of 100-nanosecond units since 1601-01-01 00:00, the count the Win32
// FILETIME holds; the conversion here gives the same results as the platform's, so the portable
// core needs no Win32 call to do it.

#include <cstdint>
#include <optional>

namespace tockly {

struct TimePoint {
    std::int32_t year = 0;
    std::int32_t month = 0;  // 1-12
    std::int32_t day = 0;    // 1-31
    std::int32_t hour = 0;   // 0-23
    std::int32_t minute = 0;
    std::int32_t second = 0;
    std::int32_t millisecond = 0;

    bool operator==(const TimePoint&) const = default;
};

// A span kept as its parts; the parts are not normalised (90 minutes stay 90 minutes).
struct Duration {
    std::int32_t days = 0;
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;

    bool operator==(const Duration&) const = default;
};

inline constexpr std::int64_t kUnitsPerMillisecond = 10'000;
inline constexpr std::int64_t kUnitsPerSecond = 10'000'000;
inline constexpr std::int64_t kUnitsPerMinute = 60 * kUnitsPerSecond;
inline constexpr std::int64_t kUnitsPerHour = 60 * kUnitsPerMinute;
inline constexpr std::int64_t kUnitsPerDay = 24 * kUnitsPerHour;

// The platform converts time points of these years only.
inline constexpr std::int32_t kFirstYear = 1601;
inline constexpr std::int32_t kLastYear = 30827;

bool IsLeapYear(std::int32_t year);
// 28 to 31; 0 for a month outside 1-12.
std::int32_t DaysInMonth(std::int32_t year, std::int32_t month);
// The day brought down to the month's length when it is larger (31 in February gives 28 or 29).
std::int32_t ClampDay(std::int32_t year, std::int32_t month, std::int32_t day);

// The units of `time`; nullopt when a field lies outside its range (month 13, 31 April, hour 24,
// second 60, millisecond 1000, a year outside kFirstYear-kLastYear). Fields are checked as the
// 32-bit numbers they are: 65549 is not taken as month 13 cut down to 16 bits.
std::optional<std::int64_t> ToUnits(const TimePoint& time);
// The time point of a count of units (sub-millisecond units are dropped); nullopt when negative.
std::optional<TimePoint> FromUnits(std::int64_t units);

// ((days × 24 + hours) × 60 + minutes) × 60 + seconds; exact for any 32-bit parts.
std::int64_t TotalSeconds(const Duration& span);

// A count of seconds as the countdowns show it: days folded into the hours.
struct CountdownParts {
    std::int64_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;

    bool operator==(const CountdownParts&) const = default;
};
// Negative counts show as zero.
CountdownParts SplitCountdown(std::int64_t seconds);

// The 24-hour hour of a 12-hour entry: 12 AM is 0, 12 PM is 12, 1-11 PM add 12.
std::int32_t To24Hour(std::int32_t hour, bool isAm);

}  // namespace tockly
