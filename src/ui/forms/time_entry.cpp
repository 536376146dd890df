#include "ui/forms/time_entry.h"

#include <algorithm>

namespace tockly {
namespace {

std::int32_t Within(std::int32_t value, EntryRange range) {
    return std::clamp(value, range.minimum, range.maximum);
}

}  // namespace

TwelveHour To12Hour(std::int32_t hour24) {
    const std::int32_t hour = hour24 % 12;
    return {hour == 0 ? 12 : hour, hour24 >= 12};
}

void TimeEntry::SetTime(const TimePoint& time) {
    time_.year = Within(time.year, yearRange());
    time_.month = Within(time.month, monthRange());
    time_.day = Within(time.day, {1, 31});
    ClampDayToMonth();
    time_.hour = Within(time.hour, {0, 23});
    time_.minute = Within(time.minute, minuteRange());
    time_.second = Within(time.second, secondRange());
    time_.millisecond = 0;
}

TimePoint TimeEntry::Time() const {
    return time_;
}

void TimeEntry::SetDay(std::int32_t day) {
    time_.day = Within(day, dayRange());
}

void TimeEntry::SetMonth(std::int32_t month) {
    time_.month = Within(month, monthRange());
    ClampDayToMonth();
}

void TimeEntry::SetYear(std::int32_t year) {
    time_.year = Within(year, yearRange());
    ClampDayToMonth();
}

void TimeEntry::SetHour(std::int32_t hour) {
    hour = Within(hour, hourRange());
    time_.hour = use24Hour_ ? hour : To24Hour(hour, !pm());
}

void TimeEntry::SetMinute(std::int32_t minute) {
    time_.minute = Within(minute, minuteRange());
}

void TimeEntry::SetSecond(std::int32_t second) {
    time_.second = Within(second, secondRange());
}

void TimeEntry::SetPm(bool pm) {
    if (!use24Hour_) {
        time_.hour = To24Hour(hour(), !pm);
    }
}

std::int32_t TimeEntry::hour() const {
    return use24Hour_ ? time_.hour : To12Hour(time_.hour).hour;
}

bool TimeEntry::pm() const {
    return !use24Hour_ && To12Hour(time_.hour).pm;
}

EntryRange TimeEntry::dayRange() const {
    return {1, DaysInMonth(time_.year, time_.month)};
}

EntryRange TimeEntry::hourRange() const {
    return use24Hour_ ? EntryRange{0, 23} : EntryRange{1, 12};
}

bool TimeEntry::IsNotPast(const Clock& clock) const {
    return tockly::IsNotPast(FixedClock(FormNow(clock)), time_);
}

FormOutcome<StartAndTarget> TimeEntry::Resolve(const Clock& clock) const {
    const FixedClock now(FormNow(clock));
    if (!IsNotPast(now)) {
        return {std::nullopt, FormField::Target};
    }
    return {StartAndTarget{now.Now(), time_}, FormField::None};
}

void TimeEntry::ClampDayToMonth() {
    time_.day = ClampDay(time_.year, time_.month, time_.day);
}

}  // namespace tockly
