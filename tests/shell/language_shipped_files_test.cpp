// The language files the build puts beside the program, read as Tockly reads them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "shell/ini_lines.h"
#include "shell/language_file.h"
#include "shell/language_texts.h"
#include "support/utf16.h"

namespace tockly {
namespace {

struct ShippedFile {
    std::string fileName;
    std::vector<std::uint8_t> bytes;
    std::map<std::u16string, std::u16string> values;  // key name -> value, as written
    std::vector<std::u16string> repeatedKeys;
};

std::vector<ShippedFile> ReadShippedFiles() {
    std::vector<ShippedFile> files;
    for (const auto& entry : std::filesystem::directory_iterator(TOCKLY_LANGUAGE_BUILD_DIR)) {
        std::ifstream stream(entry.path(), std::ios::binary);
        ShippedFile file{
            entry.path().filename().string(), {std::istreambuf_iterator<char>(stream), {}}, {}, {}};
        const std::u16string text = DecodeUtf16Le(file.bytes);
        for (std::u16string_view line : SplitIniLines(text)) {
            const std::size_t equals = line.find(u'=');
            const auto [where, added] = file.values.emplace(
                line.substr(0, equals), equals == line.npos ? u"" : line.substr(equals + 1));
            if (!added) {
                file.repeatedKeys.push_back(where->first);
            }
        }
        files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.fileName < b.fileName; });
    return files;
}

std::size_t Count(std::u16string_view text, char16_t c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

class ShippedLanguageFiles : public ::testing::Test {
protected:
    const std::vector<ShippedFile> files_ = ReadShippedFiles();
};

TEST_F(ShippedLanguageFiles, EnglishAndTwoTranslationsAreOfferedUnderTheirOwnNames) {
    LanguageTexts texts;
    std::vector<std::u16string> names;
    for (const ShippedFile& file : files_) {
        EXPECT_TRUE(IsLanguageFileName(FromUtf8(file.fileName))) << file.fileName;
        const auto name = texts.AddLanguageFile(FromUtf8(file.fileName), file.bytes);
        EXPECT_TRUE(name.has_value()) << file.fileName << " is not offered";
        names.push_back(name.value_or(u""));
    }
    EXPECT_THAT(names, ::testing::ElementsAre(u"Deutsch", u"English", u"Fran\u00e7ais"));
    // "English" is the language of a first start: it must find its file.
    EXPECT_TRUE(texts.Select(u"English"));
}

TEST_F(ShippedLanguageFiles, EveryFileGivesEveryKeyAndNothingElse) {
    for (const ShippedFile& file : files_) {
        const std::u16string text = DecodeUtf16Le(file.bytes);
        const auto lines = SplitIniLines(text);
        std::set<std::u16string_view> keys;
        for (const LanguageEntry& entry : LanguageEntries()) {
            if (!entry.key.empty()) {
                keys.insert(entry.key);
                EXPECT_TRUE(FindIniValue(lines, entry.key).has_value())
                    << file.fileName << " lacks " << ToUtf8(entry.key);
            }
        }
        EXPECT_TRUE(file.repeatedKeys.empty()) << file.fileName << " repeats a key";
        for (const auto& [key, value] : file.values) {
            EXPECT_TRUE(keys.contains(key))
                << file.fileName << ": unknown key or stray line \"" << ToUtf8(key) << "\"";
        }
    }
}

TEST_F(ShippedLanguageFiles, TheEnglishFileIsTheBuiltInTable) {
    const auto english = std::find_if(files_.begin(), files_.end(), [](const auto& file) {
        return file.fileName == "English.lng";
    });
    ASSERT_NE(english, files_.end());
    for (const LanguageEntry& entry : LanguageEntries()) {
        if (!entry.key.empty() && entry.number != kLanguageNameNumber) {
            EXPECT_EQ(english->values.at(std::u16string(entry.key)), entry.english)
                << ToUtf8(entry.key);
        }
    }
}

TEST_F(ShippedLanguageFiles, TranslationsKeepLineBreaksColonsAndNoStrayBlanks) {
    for (const ShippedFile& file : files_) {
        for (const auto& [key, value] : file.values) {
            const auto english = std::find_if(LanguageEntries().begin(), LanguageEntries().end(),
                                              [&](const auto& entry) { return entry.key == key; });
            if (english == LanguageEntries().end() || english->english.empty()) {
                continue;
            }
            const std::string where = file.fileName + " " + ToUtf8(key);
            EXPECT_EQ(Count(value, u'\n'), Count(english->english, u'\n')) << where;
            EXPECT_EQ(value.ends_with(u':'), english->english.ends_with(u':')) << where;
            EXPECT_FALSE(value.starts_with(u' ') || value.ends_with(u' ')) << where;
            EXPECT_EQ(Count(value, u'\r'), 0u) << where;
        }
    }
}

TEST_F(ShippedLanguageFiles, ScreenshotFileNamesSurviveAnyCodePage) {
    // The file name prefix is handed to the image library as 8-bit text.
    for (const ShippedFile& file : files_) {
        const std::u16string prefix = file.values.at(u"PRINT_SCREEN_FILE_NAME_VALUE");
        EXPECT_TRUE(std::all_of(prefix.begin(), prefix.end(), [](char16_t c) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                   (c >= u'0' && c <= u'9') || c == u'_';
        })) << file.fileName;
    }
}

}  // namespace
}  // namespace tockly
