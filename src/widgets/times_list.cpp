#include "widgets/times_list.h"

#include <limits>

#include "widgets/stopwatch_time.h"

namespace tockly {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::int64_t kMostHours = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMostMinutesOrSeconds = 59;

// One unsigned decimal field of at most `most`, taken off the front of `line`; nullopt when there
// is no digit or the number is larger.
std::optional<std::int64_t> TakeNumber(std::string_view& line, std::int64_t most) {
    std::size_t digits = 0;
    std::int64_t value = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
        value = value * 10 + (line[digits] - '0');
        if (value > most) {
            return std::nullopt;  // also keeps the next step from overflowing
        }
        ++digits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    line.remove_prefix(digits);
    return value;
}

bool TakeColon(std::string_view& line) {
    if (line.empty() || line.front() != ':') {
        return false;
    }
    line.remove_prefix(1);
    return true;
}

std::optional<Duration> ParseLine(std::string_view line) {
    const auto hours = TakeNumber(line, kMostHours);
    if (!hours || !TakeColon(line)) {
        return std::nullopt;
    }
    const auto minutes = TakeNumber(line, kMostMinutesOrSeconds);
    if (!minutes || !TakeColon(line)) {
        return std::nullopt;
    }
    const auto seconds = TakeNumber(line, kMostMinutesOrSeconds);
    if (!seconds || !line.empty()) {
        return std::nullopt;
    }
    return Duration{0, static_cast<std::int32_t>(*hours), static_cast<std::int32_t>(*minutes),
                    static_cast<std::int32_t>(*seconds)};
}

bool EqualsIgnoringAsciiCase(std::u16string_view text, std::u16string_view lowerCase) {
    if (text.size() != lowerCase.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i] >= u'A' && text[i] <= u'Z' ? text[i] - u'A' + u'a' : text[i];
        if (c != lowerCase[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string FormatTimesList(std::span<const Duration> checkpoints) {
    std::string text;
    for (std::size_t i = 0; i < checkpoints.size(); ++i) {
        if (i > 0) {
            text += kLineBreak;
        }
        const Duration time = NormalStopwatchTime(checkpoints[i]);
        text += std::to_string(time.hours) + ':' + std::to_string(time.minutes) + ':' +
                std::to_string(time.seconds);
    }
    return text;
}

std::optional<std::vector<Duration>> ParseTimesList(std::string_view text) {
    if (text.size() > kMostTimesListBytes) {
        return std::nullopt;
    }
    // One line break after the last line, as an editor may leave, ends the list.
    if (text.ends_with(kLineBreak)) {
        text.remove_suffix(kLineBreak.size());
    }
    std::vector<Duration> checkpoints;
    while (!text.empty()) {
        const std::size_t end = text.find(kLineBreak);
        const std::string_view line = text.substr(0, end);
        const std::optional<Duration> time = ParseLine(line);
        if (!time || checkpoints.size() == kMostCheckpoints) {
            return std::nullopt;
        }
        checkpoints.push_back(*time);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + kLineBreak.size());
        if (text.empty()) {
            return std::nullopt;  // an empty last line after a line break is no time
        }
    }
    return checkpoints;
}

std::optional<std::vector<Duration>> ParseTimesList(std::span<const std::uint8_t> bytes) {
    return ParseTimesList(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::u16string TimesListFileName(std::u16string_view chosen) {
    std::u16string name(chosen);
    if (name.size() > 2 && !EqualsIgnoringAsciiCase(name.substr(name.size() - 3), u"txt")) {
        name += u".txt";
    }
    return name;
}

}  // namespace tockly
