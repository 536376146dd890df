#include "language_fuzz_checks.h"

#include <algorithm>
#include <map>
#include <vector>

#include "shell/ini_lines.h"
#include "shell/language_file.h"
#include "shell/language_texts.h"
#include "support/utf16.h"

namespace tockly {
namespace {

// The name a scan must offer, read straight from the bytes: the value of the first line of the
// head that begins with "LANGUAGE=", has a value and ends with CR LF within the head. Lines begin
// at the start and after each CR LF; a last odd byte is no unit.
std::optional<std::u16string> ExpectedName(std::span<const std::uint8_t> bytes) {
    const std::size_t units = std::min(bytes.size(), kLanguageHeadBytes) / 2;
    const auto unit = [&](std::size_t i) {
        return static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    };
    const std::u16string_view key = u"LANGUAGE=";
    std::u16string line;
    for (std::size_t i = 0; i < units; ++i) {
        if (unit(i) != u'\r' || i + 1 == units || unit(i + 1) != u'\n') {
            line += unit(i);
            continue;
        }
        if (line.starts_with(key) && line.size() > key.size()) {
            return line.substr(key.size());
        }
        line.clear();
        ++i;
    }
    return std::nullopt;
}

// The first non-empty value of every key, as a plain key lookup finds it: a key holds no '=', so
// a line gives its value to the text before its first '='. One pass, so the fuzzer stays fast.
std::map<std::u16string_view, std::u16string_view> FirstValues(
    const std::vector<std::u16string_view>& lines) {
    std::map<std::u16string_view, std::u16string_view> values;
    for (const std::u16string_view line : lines) {
        const std::size_t equals = line.find(u'=');
        if (equals != std::u16string_view::npos && equals + 1 < line.size()) {
            values.emplace(line.substr(0, equals), line.substr(equals + 1));
        }
    }
    return values;
}

}  // namespace

std::optional<std::string> CheckLanguageFileBytes(std::span<const std::uint8_t> bytes) {
    const std::optional<std::u16string> name = OfferedLanguageName(bytes);
    if (name != ExpectedName(bytes)) {
        return "not offered under the first ended LANGUAGE line of the head";
    }

    // The one-pass reading must agree with asking each key of the lines, the plain way.
    const std::map<std::int32_t, std::u16string> texts = ReadLanguageTexts(bytes);
    const std::u16string text = DecodeUtf16Le(bytes);
    const std::vector<std::u16string_view> lines = SplitIniLines(text);
    const std::map<std::u16string_view, std::u16string_view> first_values = FirstValues(lines);
    for (const LanguageEntry& entry : LanguageEntries()) {
        std::optional<std::u16string> expected;
        if (!entry.key.empty()) {
            if (entry.key.find(u'=') != std::u16string_view::npos) {
                return "a key holds '='; the first-value map cannot stand in for the key lookup";
            }
            if (const auto value = first_values.find(entry.key); value != first_values.end()) {
                expected = std::u16string(value->second);
            }
            if (!expected && !entry.english.empty()) {
                expected = std::u16string(entry.english);
            }
        }
        const auto found = texts.find(entry.number);
        const std::optional<std::u16string> actual =
            found == texts.end() ? std::nullopt : std::optional(found->second);
        if (actual != expected) {
            return "text " + std::to_string(entry.number) + " differs from its key's first value";
        }
    }

    // The table as the program uses it, with these bytes as the one file of the folder.
    LanguageTexts table;
    if (table.AddLanguageFile(u"fuzz.lng", bytes) != name) {
        return "the table offers another name than the file gives";
    }
    if (table.Select(name.value_or(u"")) != name.has_value()) {
        return "an offered name cannot be chosen, or a missing one can";
    }
    table.LoadSelectedFrom(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    const bool loaded = name && bytes.size() <= kMaxLanguageFileBytes;
    if (loaded && table.Text(kLanguageNameNumber) != *name) {
        return "the loaded LANGUAGE text is not the offered name";
    }
    for (const LanguageEntry& entry : LanguageEntries()) {
        const std::u16string text = table.Text(entry.number);
        if (text.empty()) {
            return "an empty text for " + std::to_string(entry.number);
        }
        if (!loaded && entry.number != kLanguageNameNumber && text != entry.english) {
            return "English expected for " + std::to_string(entry.number);
        }
    }
    if (table.Text(TextId::TASK_COUNTER_AT_MODE) != u"at" || table.Text(4011) != kMissingText) {
        return "the built-in text or the unknown number changed";
    }
    return std::nullopt;
}

}  // namespace tockly
