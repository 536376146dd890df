#pragma once
// The span boxes of the editor forms: days (when the form has that box), hours, minutes and
// seconds of a delay, a countdown, a period or a repetition. A span that is required never shows
// all zero: a change that would leave every box at 0 sets a box back to 1, either the box that
// changed (the delays and periods of the system tasks) or the first box (the timer's countdown
// and the counter's period, whose first box is the days).

#include <cstdint>

#include "support/time_point.h"
#include "ui/forms/time_entry.h"

namespace tockly {

enum class SpanPart { Days, Hours, Minutes, Seconds };

enum class SpanLayout {
    HoursMinutesSeconds,
    DaysHoursMinutesSeconds,
};

// Which box a required span sets back to 1.
enum class ZeroFallback { ChangedBox, FirstBox };

class SpanEntry {
public:
    SpanEntry(SpanLayout layout, ZeroFallback fallback);

    // While required, all zero is never shown. Becoming required with all zero sets the fallback
    // box (the seconds when the changed box rules) to 1.
    void SetRequired(bool required);
    bool required() const noexcept { return required_; }

    // A box's new value, held within its range.
    void Set(SpanPart part, std::int32_t value);
    std::int32_t Get(SpanPart part) const;
    // The boxes of a stored span, each held within its range; then the rule.
    void SetSpan(const Duration& span);
    // The span of the boxes; 0 days without a days box.
    Duration Span() const { return span_; }
    // Every box 0, also when required (the boxes are then about to be disabled or set).
    void Clear() noexcept { span_ = {}; }

    bool allZero() const noexcept;
    bool hasDays() const noexcept { return layout_ == SpanLayout::DaysHoursMinutesSeconds; }
    SpanPart firstPart() const noexcept { return hasDays() ? SpanPart::Days : SpanPart::Hours; }
    // A box's range: days 0-999; hours 0-23 beside a days box, else 0-999; minutes and seconds
    // 0-59.
    EntryRange Range(SpanPart part) const;

private:
    std::int32_t& Part(SpanPart part);
    void KeepFromZero(SpanPart changed);

    SpanLayout layout_;
    ZeroFallback fallback_;
    bool required_ = false;
    Duration span_;
};

}  // namespace tockly
