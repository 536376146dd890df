#include "widgets/counter_rules.h"

#include <optional>

namespace tockly {
namespace {

std::int64_t WholeSecondsBetween(const TimePoint& from, const TimePoint& to) {
    const std::optional<std::int64_t> begin = ToUnits(from);
    const std::optional<std::int64_t> end = ToUnits(to);
    if (!begin || !end || *begin > *end) {
        return 0;
    }
    return (*end - *begin) / kUnitsPerSecond;
}

}  // namespace

std::int64_t CounterRemainingSeconds(const TimePoint& now, const TimePoint& target) {
    TimePoint wholeSecond = now;
    wholeSecond.millisecond = 0;
    return WholeSecondsBetween(wholeSecond, target);
}

std::int64_t CounterTotalSeconds(const TimePoint& start, const TimePoint& target) {
    return WholeSecondsBetween(start, target);
}

}  // namespace tockly
