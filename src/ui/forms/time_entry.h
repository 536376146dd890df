#pragma once
// The clock-time entry of the editor forms: six boxes (day, month, year, hour, minute, second)
// and, on the 12-hour clock, the AM/PM choice. The hour box shows 1 to 12 on the 12-hour clock
// and 0 to 23 on the 24-hour clock; the entry keeps the 24-hour hour, so switching the clock
// changes what the boxes show, never the time. A day larger than its month is brought down to
// the month's last day when the day, the month or the year changes (31 becomes 29 in February of
// a leap year, 28 in a common one). Every value is held within its box's range.

#include <cstdint>

#include "platform/clock.h"
#include "support/time_point.h"
#include "tasks/time_rules.h"
#include "ui/forms/form_basics.h"

namespace tockly {

// The range of a box: what the page gives its spin box.
struct EntryRange {
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;

    bool operator==(const EntryRange&) const = default;
};

// The 12-hour form of a 24-hour hour: 0 is 12 AM, 12 is 12 PM, 13 to 23 are 1 to 11 PM.
struct TwelveHour {
    std::int32_t hour = 12;  // 1-12
    bool pm = false;

    bool operator==(const TwelveHour&) const = default;
};
TwelveHour To12Hour(std::int32_t hour24);

// The years the entry takes: those the platform converts, with four digits.
inline constexpr EntryRange kEntryYears{kFirstYear, 9999};

class TimeEntry {
public:
    // 2000-01-01 00:00:00 on the 24-hour clock until set.
    TimeEntry() = default;

    // Whole seconds: the milliseconds are dropped.
    void SetTime(const TimePoint& time);
    // The 24-hour moment the boxes show, millisecond 0.
    TimePoint Time() const;

    // The clock the boxes follow; the moment stays.
    void Set24Hour(bool use24Hour) noexcept { use24Hour_ = use24Hour; }
    bool uses24Hour() const noexcept { return use24Hour_; }

    // A box's new value, held within its range.
    void SetDay(std::int32_t day);
    void SetMonth(std::int32_t month);
    void SetYear(std::int32_t year);
    // The hour as the box shows it: 1-12 with the AM/PM choice, or 0-23.
    void SetHour(std::int32_t hour);
    void SetMinute(std::int32_t minute);
    void SetSecond(std::int32_t second);
    // The AM/PM choice (12-hour clock only; ignored on the 24-hour clock).
    void SetPm(bool pm);

    std::int32_t day() const noexcept { return time_.day; }
    std::int32_t month() const noexcept { return time_.month; }
    std::int32_t year() const noexcept { return time_.year; }
    // As the box shows it.
    std::int32_t hour() const;
    std::int32_t minute() const noexcept { return time_.minute; }
    std::int32_t second() const noexcept { return time_.second; }
    // False on the 24-hour clock.
    bool pm() const;
    // The AM/PM choice is shown on the 12-hour clock only.
    bool amPmShown() const noexcept { return !use24Hour_; }

    // The boxes' ranges; the day's is the month's length.
    EntryRange dayRange() const;
    static constexpr EntryRange monthRange() { return {1, 12}; }
    static constexpr EntryRange yearRange() { return kEntryYears; }
    EntryRange hourRange() const;
    static constexpr EntryRange minuteRange() { return {0, 59}; }
    static constexpr EntryRange secondRange() { return {0, 59}; }

    // The moment is this second or later (the present's milliseconds do not count).
    bool IsNotPast(const Clock& clock) const;
    // Start (now, in whole seconds) and the moment as target; refused with Target for a moment
    // before this second.
    FormOutcome<StartAndTarget> Resolve(const Clock& clock) const;

private:
    void ClampDayToMonth();

    TimePoint time_{2000, 1, 1, 0, 0, 0, 0};  // the 24-hour hour
    bool use24Hour_ = true;
};

}  // namespace tockly
