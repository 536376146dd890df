// Replays the language file fuzzer's corpus: inputs that once mattered keep being checked in
// every build, also where no fuzzer is built.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "language_fuzz_checks.h"

namespace tockly {
namespace {

TEST(LanguageFileCorpus, EveryInputKeepsTheRules) {
    const char* source = std::getenv("TOCKLY_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::filesystem::path corpus =
        std::filesystem::path(source) / "tests" / "shell" / "language_corpus";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream stream(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(stream), {}};
        EXPECT_EQ(CheckLanguageFileBytes(bytes), std::nullopt) << entry.path().filename();
        ++inputs;
    }
    EXPECT_GE(inputs, 10);
}

}  // namespace
}  // namespace tockly
