// Replays the language file fuzzer's corpus: inputs that once mattered keep being checked in
// every build, also where no fuzzer is built. The hand-made edge cases of the scan also keep the
// name they are offered under.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "language_fuzz_checks.h"
#include "shell/language_file.h"

namespace tockly {
namespace {

const std::map<std::string, std::optional<std::u16string>> kOfferedNames = {
    {"language-ends-at-498", u"Deutsch"},
    {"language-ends-at-500", std::nullopt},  // its line feed lies past byte 498
    {"byte-order-mark", std::nullopt},       // the mark is part of the first line
    {"odd-byte-count", u"Deutsch"},          // the last byte is ignored
    {"last-line-unended", u"Deutsch"},
    {"repeated-and-empty", u"=x"},  // the first line with a value wins, unchanged
    {"line-breaks-inside", u"A\rB"},
    {"utf8-instead-of-utf16", std::nullopt},
    {"one-byte", std::nullopt},
};

TEST(LanguageFileCorpus, EveryInputKeepsTheRules) {
    const char* source = std::getenv("TOCKLY_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::filesystem::path corpus =
        std::filesystem::path(source) / "tests" / "shell" / "language_corpus";
    std::size_t pinned = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string name = entry.path().filename().string();
        std::ifstream stream(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(stream), {}};
        EXPECT_EQ(CheckLanguageFileBytes(bytes), std::nullopt) << name;
        if (const auto offered = kOfferedNames.find(name); offered != kOfferedNames.end()) {
            EXPECT_EQ(OfferedLanguageName(bytes), offered->second) << name;
            ++pinned;
        }
    }
    EXPECT_EQ(pinned, kOfferedNames.size());
}

}  // namespace
}  // namespace tockly
