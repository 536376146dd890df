// Replays the fuzzing corpus through the decoder (and the encoder and load rules for what
// decodes), so that every damaged shape the fuzzer found stays covered by the normal tests.
// "accept-" files must load and "reject-" files must not; others only must not misbehave.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/clock.h"
#include "tasks/load_rules.h"
#include "tasks/store_codec.h"

namespace tockly {
namespace {

std::filesystem::path CorpusFolder() {
    const char* source = std::getenv("TOCKLY_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "tests" / "tasks" / "store_corpus";
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
}

TEST(StoreCorpus, EveryFileDecodesAsItsNameSaysAndWhatLoadsSurvivesASave) {
    int accepted = 0;
    int rejected = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CorpusFolder())) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const StoreDecodeResult result = DecodeTaskStore(ReadFile(entry.path()));
        if (name.starts_with("accept-")) {
            EXPECT_TRUE(result.store.has_value()) << result.error;
        } else if (name.starts_with("reject-")) {
            EXPECT_FALSE(result.store.has_value());
        }
        if (!result.store) {
            EXPECT_FALSE(result.error.empty());
            EXPECT_EQ(result.error.find('\n'), std::string::npos) << "one line";
            ++rejected;
            continue;
        }
        ++accepted;
        const std::vector<std::uint8_t> saved = EncodeTaskStore(*result.store);
        const StoreDecodeResult again = DecodeTaskStore(saved);
        ASSERT_TRUE(again.store.has_value()) << again.error;
        // Empty text comes back as one space, so the saved bytes, not the tasks, must be stable.
        EXPECT_EQ(EncodeTaskStore(*again.store), saved);
        for (const TimePoint& now :
             {TimePoint{1601, 1, 1, 0, 0, 0, 0}, TimePoint{2024, 6, 1, 12, 0, 0, 0},
              TimePoint{30827, 12, 31, 23, 59, 59, 999}}) {
            TaskStore loaded = *result.store;
            ApplyLoadRules(loaded, FixedClock(now));
            EXPECT_TRUE(DecodeTaskStore(EncodeTaskStore(loaded)).store.has_value());
        }
    }
    EXPECT_GE(accepted, 5);
    EXPECT_GE(rejected, 9);
}

}  // namespace
}  // namespace tockly
