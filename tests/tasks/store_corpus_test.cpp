// Replays the fuzzer's corpus, so that every damaged shape it found stays covered by the normal
// tests: every file keeps the rules of store_fuzz_checks.h, "accept-" files must load (those in
// the table with the tasks of another file) and "reject-" files must not, for the reason the
// table gives.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "store_fuzz_checks.h"
#include "tasks/store_codec.h"

namespace tockly {
namespace {

// What the inspector tells support people about each hand-made damaged file.
const std::map<std::string, std::string> kRejections = {
    {"reject-checkpoints-past-end.dat", "Stopwatch task 1, checkpoints: count 1000 at offset 1015"},
    {"reject-huge-count.dat", "section Stopwatch: 2147483647 tasks at offset 32 need more"},
    {"reject-negative-count.dat", "section Power: negative count -1 at offset 16"},
    {"reject-negative-string-length.dat", "Application task 1, title: negative length -3"},
    {"reject-short.dat", "the file has 35 bytes; a task store has at least 36"},
    {"reject-string-past-end.dat", "title: length 2147483647 at offset 8 needs more than the"},
    {"reject-truncated.dat", "Stopwatch task 1, transparency: the file ends inside it"},
    {"reject-wrong-length.dat", "the length field says 1071 bytes but the file has 1070"},
};

// Files that load the tasks of another one.
const std::map<std::string, std::string> kSameTasks = {
    {"accept-trailing-byte.dat", "accept-one-of-each-kind.dat"},  // one byte after the sections
};

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

TEST(StoreCorpus, EveryFileKeepsTheRulesAndDecodesAsItsNameSays) {
    const char* source = std::getenv("TOCKLY_SOURCE_DIR");
    const auto folder = std::filesystem::path(source ? source : ".") / "tests/tasks/store_corpus";
    int accepted = 0;
    int rejected = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const std::vector<std::uint8_t> bytes = ReadFile(entry.path());
        EXPECT_EQ(CheckStoreBytes(bytes), std::nullopt) << name;
        const StoreDecodeResult result = DecodeTaskStore(bytes);
        (result.store ? accepted : rejected) += 1;
        if (name.starts_with("accept-") || name.starts_with("reject-")) {
            EXPECT_EQ(result.store.has_value(), name.starts_with("accept-")) << name;
        }
        if (const auto why = kRejections.find(name); why != kRejections.end()) {
            EXPECT_NE(result.error.find(why->second), std::string::npos) << result.error;
        }
        if (const auto same = kSameTasks.find(name); same != kSameTasks.end()) {
            EXPECT_EQ(result.store, DecodeTaskStore(ReadFile(folder / same->second)).store) << name;
        }
    }
    EXPECT_GE(accepted, 5);
    EXPECT_GE(rejected, static_cast<int>(kRejections.size()));
}

}  // namespace
}  // namespace tockly
