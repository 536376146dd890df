#include "tasks/time_rules.h"

#include <limits>

namespace tockly {
namespace {

// Present and target as units, when both are valid moments.
struct UnitsPair {
    std::int64_t present;
    std::int64_t target;
};

std::optional<UnitsPair> PresentAndTarget(const Clock& clock, const TimePoint& target) {
    const std::optional<std::int64_t> present = ToUnits(clock.Now());
    const std::optional<std::int64_t> end = ToUnits(target);
    if (!present || !end) {
        return std::nullopt;
    }
    return UnitsPair{*present, *end};
}

// The span in units, held at the int64 limits: spans read from a damaged file can be far
// longer than any count of units.
std::int64_t SpanUnits(const Duration& span) {
    std::int64_t units = 0;
    if (__builtin_mul_overflow(TotalSeconds(span), kUnitsPerSecond, &units)) {
        return TotalSeconds(span) < 0 ? std::numeric_limits<std::int64_t>::min()
                                      : std::numeric_limits<std::int64_t>::max();
    }
    return units;
}

}  // namespace

bool IsFuture(const Clock& clock, const TimePoint& target) {
    const std::optional<UnitsPair> units = PresentAndTarget(clock, target);
    return units && units->present < units->target;
}

bool IsActive(const Clock& clock, std::int32_t repetitionMode, const TimePoint& target,
              const Duration& executeFor) {
    if (repetitionMode == 0) {
        return IsFuture(clock, target);
    }
    if (repetitionMode == 1) {
        return true;
    }
    const std::optional<UnitsPair> units = PresentAndTarget(clock, target);
    // present < target + span, written so that nothing overflows: both units are 0 or more.
    return units && units->present - units->target < SpanUnits(executeFor);
}

std::optional<StartAndTarget> TargetIn(const Clock& clock, const Duration& delay) {
    const TimePoint present = clock.Now();
    const std::optional<std::int64_t> start = ToUnits(present);
    std::int64_t end = 0;
    if (!start || __builtin_add_overflow(*start, SpanUnits(delay), &end)) {
        return std::nullopt;
    }
    const std::optional<TimePoint> target = FromUnits(end);
    if (!target || !ToUnits(*target)) {
        return std::nullopt;
    }
    return StartAndTarget{present, *target};
}

TimePoint TargetAt(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                   std::int32_t minute) {
    return TimePoint{year, month, day, hour, minute, 0, 0};
}

bool IsNotPast(const Clock& clock, const TimePoint& target) {
    const std::optional<UnitsPair> units = PresentAndTarget(clock, target);
    return units && units->present <= units->target;
}

}  // namespace tockly
