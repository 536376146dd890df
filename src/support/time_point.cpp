#include "support/time_point.h"

#include <algorithm>
#include <array>

namespace tockly {
namespace {

// Day counts of the Gregorian cycles, counted from 1601, the first year of a 400-year cycle.
constexpr std::int64_t kDaysPer400Years = 146'097;
constexpr std::int64_t kDaysPer100Years = 36'524;  // the century's last year is not a leap year
constexpr std::int64_t kDaysPer4Years = 1'461;
constexpr std::int64_t kDaysPerYear = 365;

constexpr std::array<std::int32_t, 12> kMonthLengths = {31, 28, 31, 30, 31, 30,
                                                        31, 31, 30, 31, 30, 31};

std::int64_t DaysBeforeYear(std::int32_t year) {
    const std::int64_t years = year - kFirstYear;
    return years * kDaysPerYear + years / 4 - years / 100 + years / 400;
}

std::int64_t DaysBeforeMonth(std::int32_t year, std::int32_t month) {
    std::int64_t days = 0;
    for (std::int32_t m = 1; m < month; ++m) {
        days += DaysInMonth(year, m);
    }
    return days;
}

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

}  // namespace

bool IsLeapYear(std::int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month) {
    if (!InRange(month, 1, 12)) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kMonthLengths[month - 1];
}

std::int32_t ClampDay(std::int32_t year, std::int32_t month, std::int32_t day) {
    const std::int32_t length = DaysInMonth(year, month);
    return length != 0 && day > length ? length : day;
}

std::optional<std::int64_t> ToUnits(const TimePoint& time) {
    if (!InRange(time.year, kFirstYear, kLastYear) || !InRange(time.month, 1, 12) ||
        !InRange(time.day, 1, DaysInMonth(time.year, time.month)) || !InRange(time.hour, 0, 23) ||
        !InRange(time.minute, 0, 59) || !InRange(time.second, 0, 59) ||
        !InRange(time.millisecond, 0, 999)) {
        return std::nullopt;
    }
    const std::int64_t days =
        DaysBeforeYear(time.year) + DaysBeforeMonth(time.year, time.month) + time.day - 1;
    return days * kUnitsPerDay + time.hour * kUnitsPerHour + time.minute * kUnitsPerMinute +
           time.second * kUnitsPerSecond + time.millisecond * kUnitsPerMillisecond;
}

std::optional<TimePoint> FromUnits(std::int64_t units) {
    if (units < 0) {
        return std::nullopt;
    }
    std::int64_t days = units / kUnitsPerDay;
    std::int64_t rest = units % kUnitsPerDay;

    const std::int64_t cycles400 = days / kDaysPer400Years;
    days %= kDaysPer400Years;
    // The fourth century of a cycle and the fourth year of a four-year group are one day longer,
    // so their last day would otherwise count as the start of the next one.
    const std::int64_t centuries = std::min<std::int64_t>(days / kDaysPer100Years, 3);
    days -= centuries * kDaysPer100Years;
    const std::int64_t groups = days / kDaysPer4Years;
    days -= groups * kDaysPer4Years;
    const std::int64_t years = std::min<std::int64_t>(days / kDaysPerYear, 3);
    days -= years * kDaysPerYear;

    TimePoint time;
    time.year = static_cast<std::int32_t>(kFirstYear + cycles400 * 400 + centuries * 100 +
                                          groups * 4 + years);
    time.month = 1;
    while (days >= DaysInMonth(time.year, time.month)) {
        days -= DaysInMonth(time.year, time.month);
        ++time.month;
    }
    time.day = static_cast<std::int32_t>(days) + 1;
    time.hour = static_cast<std::int32_t>(rest / kUnitsPerHour);
    rest %= kUnitsPerHour;
    time.minute = static_cast<std::int32_t>(rest / kUnitsPerMinute);
    rest %= kUnitsPerMinute;
    time.second = static_cast<std::int32_t>(rest / kUnitsPerSecond);
    rest %= kUnitsPerSecond;
    time.millisecond = static_cast<std::int32_t>(rest / kUnitsPerMillisecond);
    return time;
}

std::int64_t TotalSeconds(const Duration& span) {
    return ((std::int64_t{span.days} * 24 + span.hours) * 60 + span.minutes) * 60 + span.seconds;
}

CountdownParts SplitCountdown(std::int64_t seconds) {
    if (seconds < 0) {
        seconds = 0;
    }
    return CountdownParts{seconds / 3600, static_cast<std::int32_t>(seconds % 3600 / 60),
                          static_cast<std::int32_t>(seconds % 60)};
}

std::int32_t To24Hour(std::int32_t hour, bool isAm) {
    if (isAm) {
        return hour == 12 ? 0 : hour;
    }
    return hour >= 1 && hour <= 11 ? hour + 12 : hour;
}

}  // namespace tockly
