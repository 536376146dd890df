#include "execution/task_countdown.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace tockly {
namespace {

// Division rounding toward minus infinity: for the units of a target before the present.
std::int64_t FloorSeconds(std::int64_t units) {
    const std::int64_t quotient = units / kUnitsPerSecond;
    return units % kUnitsPerSecond < 0 ? quotient - 1 : quotient;
}

// (target + span - from) in whole seconds, rounded down; nullopt for a moment that is not valid.
// Two valid moments differ by less than the int64 range and a span of 32-bit parts has fewer
// than 2^48 seconds, so nothing here can overflow.
std::optional<std::int64_t> SecondsTo(const TimePoint& from, const TimePoint& target,
                                      const Duration& span) {
    const std::optional<std::int64_t> start = ToUnits(from);
    const std::optional<std::int64_t> end = ToUnits(target);
    if (!start || !end) {
        return std::nullopt;
    }
    return TotalSeconds(span) + FloorSeconds(*end - *start);
}

void AppendTwoDigits(std::u16string& text, std::int64_t value) {
    const std::string digits = std::to_string(value);
    if (digits.size() < 2) {
        text += u'0';
    }
    text.append(digits.begin(), digits.end());
}

double HeldToUnsigned32(std::int64_t value) {
    constexpr std::int64_t kLimit = std::numeric_limits<std::uint32_t>::max();
    return static_cast<double>(std::clamp<std::int64_t>(value, 0, kLimit));
}

}  // namespace

std::int64_t SecondsRemaining(const TimePoint& now, const CountTimes& count) {
    TimePoint present = now;
    present.millisecond = 0;
    return std::max<std::int64_t>(SecondsTo(present, count.target, count.span).value_or(0), 0);
}

std::int64_t TotalSeconds(const CountTimes& count) {
    return std::max<std::int64_t>(SecondsTo(count.start, count.target, count.span).value_or(0), 0);
}

std::int64_t SecondsSinceTarget(const TimePoint& now, const TimePoint& target) {
    const std::optional<std::int64_t> present = ToUnits(now);
    const std::optional<std::int64_t> moment = ToUnits(target);
    if (!present || !moment) {
        return 0;
    }
    if (*moment > *present) {
        return -1;
    }
    return (*present - *moment) / kUnitsPerSecond;
}

double ProgressFraction(std::int64_t remaining, std::int64_t total, bool endless) {
    if (endless) {
        return 1.0;
    }
    const double whole = HeldToUnsigned32(total);
    if (whole == 0.0) {
        return 0.0;
    }
    return std::min(HeldToUnsigned32(remaining) / whole, 1.0);
}

int ProgressColumns(double fraction, int fullColumns) {
    return static_cast<int>(std::clamp(fraction, 0.0, 1.0) * fullColumns);
}

std::u16string CountdownText(std::int64_t remaining, bool endless) {
    if (endless) {
        return u"## : ## : ##";
    }
    const CountdownParts parts = SplitCountdown(remaining);
    std::u16string text;
    AppendTwoDigits(text, parts.hours);
    text += u" : ";
    AppendTwoDigits(text, parts.minutes);
    text += u" : ";
    AppendTwoDigits(text, parts.seconds);
    return text;
}

}  // namespace tockly
