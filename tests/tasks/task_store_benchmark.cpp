// Encoding, decoding and saving a store of 1,000 tasks of mixed kinds, against writing the same
// bytes the way the program writes its files (a temporary file that then replaces the old one).
// Run from the native-release build:
//   build/.../release/tests/tasks/task_store_benchmark
// The aim: a save costs no more than 1.5 times the plain write of its bytes.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "task_samples.h"
#include "tasks/store_codec.h"

namespace tockly {
namespace {

const TaskStore& Store() {
    static const TaskStore store = testing::ManyTasks(1'000 / kTaskKindCount);
    return store;
}

const std::vector<std::uint8_t>& StoreBytes() {
    static const std::vector<std::uint8_t> bytes = EncodeTaskStore(Store());
    return bytes;
}

// One create-truncate, one write of everything, one close, then the rename.
bool ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".tmp";
    const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0) {
        return false;
    }
    const bool complete =
        ::write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return ::close(file) == 0 && complete && std::rename(temporary.c_str(), path.c_str()) == 0;
}

void Encode(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeTaskStore(Store()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * StoreBytes().size()));
}
BENCHMARK(Encode);

void Decode(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeTaskStore(StoreBytes()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * StoreBytes().size()));
}
BENCHMARK(Decode);

// `encode`: the save as the program does it; otherwise the same bytes, already encoded.
void Write(benchmark::State& state, bool encode) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("tockly-bench-" + std::to_string(::getpid()) + ".dat"))
                                 .string();
    for (auto _ : state) {
        if (!ReplaceFile(path, encode ? EncodeTaskStore(Store()) : StoreBytes())) {
            state.SkipWithError("write failed");
        }
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * StoreBytes().size()));
}
BENCHMARK_CAPTURE(Write, same_bytes, false);
BENCHMARK_CAPTURE(Write, encode_and_write, true);

}  // namespace
}  // namespace tockly

BENCHMARK_MAIN();
