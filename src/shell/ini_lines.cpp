#include "shell/ini_lines.h"

#include <limits>

namespace tockly {

std::vector<std::u16string_view> SplitIniLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    std::size_t begin = 0;
    for (std::size_t end = text.find(u"\r\n"); end != std::u16string_view::npos;
         end = text.find(u"\r\n", begin)) {
        std::u16string_view line = text.substr(begin, end - begin);
        if (!line.empty() && line.front() != u'[' && line.front() != u';') {
            lines.push_back(line);
        }
        begin = end + 2;
    }
    return lines;
}

std::optional<std::u16string> FindIniValue(const std::vector<std::u16string_view>& lines,
                                           std::u16string_view key) {
    for (std::u16string_view line : lines) {
        if (line.size() > key.size() + 1 && line.starts_with(key) && line[key.size()] == u'=') {
            return std::u16string(line.substr(key.size() + 1));
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> ParseLeadingInt(std::u16string_view text) {
    std::size_t i = 0;
    auto is_blank = [](char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    while (i < text.size() && is_blank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const std::size_t first_digit = i;
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i] - u'0');
        if (value > kLimit) {
            return std::nullopt;
        }
        ++i;
    }
    if (i == first_digit) {
        return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace tockly
