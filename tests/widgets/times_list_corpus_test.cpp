// Replays the times list fuzzer's corpus, so that every shape it found stays covered by the normal
// tests: every file keeps the rules of times_list_fuzz_checks.h, "accept-" files read (those in
// the table as the checkpoints it gives) and "reject-" files are refused.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "times_list_fuzz_checks.h"
#include "widgets/times_list.h"

namespace tockly {
namespace {

const std::map<std::string, std::vector<Duration>> kReadAs = {
    {"accept-two-checkpoints.txt", {{0, 0, 1, 7}, {0, 1, 0, 0}}},
    {"accept-empty.txt", {}},
    {"accept-line-break-after-last.txt", {{0, 12, 3, 4}}},
    {"accept-leading-zeros.txt", {{0, 0, 1, 7}, {0, 1, 0, 0}}},
    {"accept-largest-hours.txt", {{0, 2147483647, 59, 59}}},
};

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

TEST(TimesListCorpus, EveryFileKeepsTheRulesAndReadsAsItsNameSays) {
    const char* source = std::getenv("TOCKLY_SOURCE_DIR");
    const auto folder =
        std::filesystem::path(source ? source : ".") / "tests/widgets/times_list_corpus";
    int accepted = 0;
    int rejected = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const std::vector<std::uint8_t> bytes = ReadFile(entry.path());
        EXPECT_EQ(CheckTimesListBytes(bytes), std::nullopt) << name;
        const auto list = ParseTimesList(bytes);
        (list ? accepted : rejected) += 1;
        if (name.starts_with("accept-") || name.starts_with("reject-")) {
            EXPECT_EQ(list.has_value(), name.starts_with("accept-")) << name;
        }
        if (const auto expected = kReadAs.find(name); expected != kReadAs.end()) {
            EXPECT_EQ(list, expected->second) << name;
        }
    }
    EXPECT_GE(accepted, static_cast<int>(kReadAs.size()));
    EXPECT_GE(rejected, 8);
}

}  // namespace
}  // namespace tockly
