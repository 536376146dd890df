// Encoding, decoding and saving a store of 1,000 tasks of mixed kinds, against writing the same
// number of bytes to a file. Run from the native-release build:
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

constexpr std::size_t kTaskCount = 1'000;

const TaskStore& Store() {
    static const TaskStore store = testing::MixedStore(kTaskCount);
    return store;
}

const std::vector<std::uint8_t>& StoreBytes() {
    static const std::vector<std::uint8_t> bytes = EncodeTaskStore(Store());
    return bytes;
}

std::string FilePath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            (std::string("tockly-bench-") + std::to_string(::getpid()) + "-" + name))
        .string();
}

// One create-truncate, one write of everything, one close: how the program writes its files.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0) {
        return false;
    }
    const bool complete =
        ::write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return ::close(file) == 0 && complete;
}

// The same through a temporary file that then replaces the old one.
bool ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".tmp";
    return WriteFile(temporary, bytes) && std::rename(temporary.c_str(), path.c_str()) == 0;
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

template <bool (*Write)(const std::string&, const std::vector<std::uint8_t>&)>
void WriteBytesOnly(benchmark::State& state) {
    const std::string path = FilePath("plain");
    for (auto _ : state) {
        if (!Write(path, StoreBytes())) {
            state.SkipWithError("write failed");
        }
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * StoreBytes().size()));
}
BENCHMARK(WriteBytesOnly<WriteFile>)->Name("WriteSameBytes");
BENCHMARK(WriteBytesOnly<ReplaceFile>)->Name("WriteSameBytesThroughTemporary");

template <bool (*Write)(const std::string&, const std::vector<std::uint8_t>&)>
void Save(benchmark::State& state) {
    const std::string path = FilePath("save");
    for (auto _ : state) {
        if (!Write(path, EncodeTaskStore(Store()))) {
            state.SkipWithError("write failed");
        }
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * StoreBytes().size()));
}
BENCHMARK(Save<WriteFile>)->Name("EncodeAndWrite");
BENCHMARK(Save<ReplaceFile>)->Name("EncodeAndWriteThroughTemporary");

}  // namespace
}  // namespace tockly

BENCHMARK_MAIN();
