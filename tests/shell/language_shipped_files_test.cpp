// The language files the build puts beside the program, against the key table.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "shell/ini_lines.h"
#include "shell/language_file.h"
#include "shell/language_keys.h"
#include "support/utf16.h"

namespace tockly {
namespace {

struct ShippedFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
    std::map<std::u16string, std::u16string> values;  // key name -> value, as written
    std::vector<std::u16string> repeatedKeys;
};

std::vector<ShippedFile> ReadShippedFiles() {
    std::vector<ShippedFile> files;
    for (const auto& entry : std::filesystem::directory_iterator(TOCKLY_LANGUAGE_BUILD_DIR)) {
        std::ifstream stream(entry.path(), std::ios::binary);
        ShippedFile& file = files.emplace_back();
        file.name = entry.path().filename().string();
        file.bytes.assign(std::istreambuf_iterator<char>(stream), {});
        const std::u16string text = DecodeUtf16Le(file.bytes);
        for (std::u16string_view line : SplitIniLines(text)) {
            const std::size_t equals = std::min(line.find(u'='), line.size());
            const auto value = line.substr(std::min(equals + 1, line.size()));
            if (!file.values.emplace(line.substr(0, equals), value).second) {
                file.repeatedKeys.emplace_back(line.substr(0, equals));
            }
        }
    }
    return files;
}

std::size_t Count(std::u16string_view text, char16_t c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

// Every file is offered under its own name and gives every key once and nothing else, the English
// one the built-in texts; the translations keep the English texts' line breaks and end colons and
// add no stray blanks.
TEST(ShippedLanguageFiles, EveryFileIsOfferedAndGivesEveryKeyInTheShapeOfTheEnglishText) {
    const std::vector<ShippedFile> files = ReadShippedFiles();
    ASSERT_EQ(files.size(), 3u);
    for (const ShippedFile& file : files) {
        EXPECT_TRUE(file.repeatedKeys.empty()) << file.name;
        // The folder scan reads only the head of each file: a LANGUAGE line pushed past it (by a
        // longer comment above it, say) would leave the translation out of the list, silently.
        const auto name = file.values.find(u"LANGUAGE");
        ASSERT_NE(name, file.values.end()) << file.name;
        EXPECT_EQ(OfferedLanguageName(file.bytes), name->second) << file.name;
        std::size_t keyed = 0;
        for (const LanguageEntry& entry : LanguageEntries()) {
            if (entry.key.empty()) {
                continue;
            }
            ++keyed;
            const std::string where = file.name + " " + ToUtf8(entry.key);
            const auto found = file.values.find(std::u16string(entry.key));
            ASSERT_NE(found, file.values.end()) << where;
            const std::u16string_view value = found->second, english = entry.english;
            if (file.name == "English.lng" && entry.number != kLanguageNameNumber) {
                EXPECT_EQ(value, english) << where;
            }
            EXPECT_FALSE(value.empty() || value.starts_with(u' ') || value.ends_with(u' '))
                << where;
            EXPECT_EQ(Count(value, u'\r'), 0u) << where;
            if (!english.empty()) {
                EXPECT_EQ(Count(value, u'\n'), Count(english, u'\n')) << where;
                EXPECT_EQ(value.ends_with(u':'), english.ends_with(u':')) << where;
            }
        }
        EXPECT_EQ(file.values.size(), keyed) << file.name << ": an unknown key or a stray line";
        // The screenshot file name prefix is handed to the image library as 8-bit text.
        const std::u16string prefix = file.values.at(u"PRINT_SCREEN_FILE_NAME_VALUE");
        EXPECT_TRUE(std::all_of(prefix.begin(), prefix.end(), [](char16_t c) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                   (c >= u'0' && c <= u'9') || c == u'_';
        })) << file.name;
    }
}

}  // namespace
}  // namespace tockly
