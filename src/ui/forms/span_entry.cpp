#include "ui/forms/span_entry.h"

#include <algorithm>

namespace tockly {
namespace {

std::int32_t Duration::*FieldOf(SpanPart part) {
    switch (part) {
        case SpanPart::Days:
            return &Duration::days;
        case SpanPart::Hours:
            return &Duration::hours;
        case SpanPart::Minutes:
            return &Duration::minutes;
        case SpanPart::Seconds:
            break;
    }
    return &Duration::seconds;
}

}  // namespace

SpanEntry::SpanEntry(SpanLayout layout, ZeroFallback fallback)
    : layout_(layout), fallback_(fallback) {}

void SpanEntry::SetRequired(bool required) {
    required_ = required;
    KeepFromZero(SpanPart::Seconds);
}

void SpanEntry::Set(SpanPart part, std::int32_t value) {
    if (part == SpanPart::Days && !hasDays()) {
        return;
    }
    const EntryRange range = Range(part);
    Part(part) = std::clamp(value, range.minimum, range.maximum);
    KeepFromZero(part);
}

std::int32_t SpanEntry::Get(SpanPart part) const {
    return span_.*FieldOf(part);
}

void SpanEntry::SetSpan(const Duration& span) {
    span_ = {};
    const auto take = [this](SpanPart part, std::int32_t value) {
        const EntryRange range = Range(part);
        Part(part) = std::clamp(value, range.minimum, range.maximum);
    };
    if (hasDays()) {
        take(SpanPart::Days, span.days);
    }
    take(SpanPart::Hours, span.hours);
    take(SpanPart::Minutes, span.minutes);
    take(SpanPart::Seconds, span.seconds);
    KeepFromZero(SpanPart::Seconds);
}

bool SpanEntry::allZero() const noexcept {
    return span_.days == 0 && span_.hours == 0 && span_.minutes == 0 && span_.seconds == 0;
}

EntryRange SpanEntry::Range(SpanPart part) const {
    switch (part) {
        case SpanPart::Days:
            return hasDays() ? EntryRange{0, 999} : EntryRange{0, 0};
        case SpanPart::Hours:
            return {0, hasDays() ? 23 : 999};
        case SpanPart::Minutes:
        case SpanPart::Seconds:
            break;
    }
    return {0, 59};
}

std::int32_t& SpanEntry::Part(SpanPart part) {
    return span_.*FieldOf(part);
}

void SpanEntry::KeepFromZero(SpanPart changed) {
    if (required_ && allZero()) {
        Part(fallback_ == ZeroFallback::FirstBox ? firstPart() : changed) = 1;
    }
}

}  // namespace tockly
