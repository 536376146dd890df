#include "language_fuzz_checks.h"

#include <algorithm>
#include <vector>

#include "shell/ini_lines.h"
#include "shell/language_file.h"
#include "shell/language_texts.h"
#include "support/utf16.h"

namespace tockly {
namespace {

// Where the text "LANGUAGE=" + name + CR LF starts a line that ends within the head.
bool HeadHoldsLanguageLine(std::span<const std::uint8_t> bytes, std::u16string_view name) {
    const std::u16string line = u"LANGUAGE=" + std::u16string(name) + u"\r\n";
    const std::vector<std::uint8_t> wanted = EncodeUtf16Le(line);
    const std::size_t head = std::min(bytes.size(), kLanguageHeadBytes);
    for (std::size_t at = 0; at + wanted.size() <= head; at += 2) {
        const bool lineStart = at == 0 || (at >= 4 && bytes[at - 4] == '\r' && bytes[at - 3] == 0 &&
                                           bytes[at - 2] == '\n' && bytes[at - 1] == 0);
        if (lineStart && std::equal(wanted.begin(), wanted.end(), bytes.begin() + at)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::string> CheckLanguageFileBytes(std::span<const std::uint8_t> bytes) {
    const std::optional<std::u16string> name = OfferedLanguageName(bytes);
    if (name && (name->empty() || !HeadHoldsLanguageLine(bytes, *name))) {
        return "offered under a name that no ended LANGUAGE line of the head gives";
    }

    // The one-pass reading must agree with asking each key of the lines, the plain way.
    const std::map<std::int32_t, std::u16string> texts = ReadLanguageTexts(bytes);
    const std::u16string text = DecodeUtf16Le(bytes);
    const std::vector<std::u16string_view> lines = SplitIniLines(text);
    for (const LanguageEntry& entry : LanguageEntries()) {
        std::optional<std::u16string> expected;
        if (!entry.key.empty()) {
            expected = FindIniValue(lines, entry.key);
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
