#include "shell/language_file.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "shell/ini_lines.h"
#include "shell/language_keys.h"
#include "support/utf16.h"

namespace tockly {
namespace {

// For each key, the value of the first line that begins with that key and "=" and has at least
// one character after the "=". Key names hold no "=", so such a line's key is everything before
// its first "=": one pass over the lines answers every key, where asking FindIniValue for each of
// the table's keys would read the whole file once per key.
std::unordered_map<std::u16string_view, std::u16string_view> FirstValuesByKey(
    const std::vector<std::u16string_view>& lines) {
    std::unordered_map<std::u16string_view, std::u16string_view> values;
    for (std::u16string_view line : lines) {
        const std::size_t equals = line.find(u'=');
        if (equals != std::u16string_view::npos && equals + 1 < line.size()) {
            values.emplace(line.substr(0, equals), line.substr(equals + 1));
        }
    }
    return values;
}

}  // namespace

bool IsLanguageFileName(std::u16string_view fileName) {
    return fileName.find(u"lng") != std::u16string_view::npos;
}

bool IsLanguagePictureName(std::u16string_view fileName) {
    return fileName.find(u"bmp") != std::u16string_view::npos;
}

std::optional<std::u16string> OfferedLanguageName(std::span<const std::uint8_t> fileBytes) {
    const std::u16string head =
        DecodeUtf16Le(fileBytes.first(std::min(fileBytes.size(), kLanguageHeadBytes)));
    return FindIniValue(SplitIniLines(head), kLanguageNameKey);
}

std::map<std::int32_t, std::u16string> ReadLanguageTexts(std::span<const std::uint8_t> fileBytes) {
    const std::u16string text = DecodeUtf16Le(fileBytes);
    const auto values = FirstValuesByKey(SplitIniLines(text));
    std::map<std::int32_t, std::u16string> texts;
    for (const LanguageEntry& entry : LanguageEntries()) {
        if (entry.key.empty()) {
            continue;  // no key name: only the English text, which lookups fall back to
        }
        if (const auto found = values.find(entry.key); found != values.end()) {
            texts.emplace_hint(texts.end(), entry.number, found->second);
        } else if (!entry.english.empty()) {
            texts.emplace_hint(texts.end(), entry.number, entry.english);
        }
    }
    return texts;
}

}  // namespace tockly
