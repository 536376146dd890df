// Replays the settings file fuzzer's corpus: inputs that once mattered keep being checked in every
// build, also where no fuzzer is built. Some hand-made ones also keep the values they read as.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "settings_fuzz_checks.h"
#include "shell/settings_file.h"
#include "support/utf16.h"

namespace tockly {
namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), {}};
}

std::filesystem::path Corpus() {
    const char* source = std::getenv("TOCKLY_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "tests" / "shell" / "settings_corpus";
}

TEST(SettingsFileCorpus, EveryInputKeepsTheRules) {
    ASSERT_NE(std::getenv("TOCKLY_SOURCE_DIR"), nullptr);
    std::size_t inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Corpus())) {
        EXPECT_EQ(CheckSettingsFileBytes(ReadBytes(entry.path())), std::nullopt)
            << entry.path().filename();
        ++inputs;
    }
    EXPECT_GE(inputs, 10u);
}

TEST(SettingsFileCorpus, DamagedValuesReadAsTheirMeaning) {
    const auto read = [](const char* name) {
        return ParseSettingsText(DecodeUtf16Le(ReadBytes(Corpus() / name)));
    };
    const SettingsValues numbers = read("numbers-not-numbers");
    EXPECT_EQ(numbers.widgetTransparency, 12);
    EXPECT_EQ(numbers.stickyNoteTheme, 0) << "out of range reads as the default";
    EXPECT_FALSE(numbers.showProgressBar) << "only \"1\" switches on";
    EXPECT_EQ(read("language-null").language, u"English");
    EXPECT_FALSE(read("language-null").startWithSystem) << "an unended last line is no line";
    // Not a single line found: the meaning of missing keys, which for the switches is off.
    const SettingsValues utf8 = read("utf8-instead-of-utf16");
    EXPECT_EQ(utf8.language, u"English");
    EXPECT_EQ(utf8.widgetTransparency, 10);
    EXPECT_FALSE(utf8.showProgressBar);
    EXPECT_EQ(read("as-written"), SettingsValues{});
    EXPECT_EQ(read("with-byte-order-mark").widgetTransparency, 10);
}

}  // namespace
}  // namespace tockly
