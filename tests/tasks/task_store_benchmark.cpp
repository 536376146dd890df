// Encoding, decoding and saving a store of 1,000 tasks of mixed kinds. The save is measured as
// the program performs it, with the POSIX calls that match its Win32 ones step for step: encode,
// write a temporary file, flush it (FlushFileBuffers: fsync), close it, put it in the place of
// the old file (MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH: rename, then
// fsync of the folder so that the move is on the disk too). It is compared with the plain write of
// the same, already encoded bytes to the file itself with the same flush. The Win32 calls
// themselves are timed under Wine by task_store_save_timing.exe of the Windows build.
// Run from the native-release build (the files go to TOCKLY_BENCH_DIR, else the temporary folder;
// flushes on a memory file system cost nothing, so measure on a disk):
//   cmake --preset native-release && cmake --build build/native-release
//   build/native-release/tests/tasks/task_store_benchmark
// The aim: a save costs no more than 1.5 times the plain flushed write of its bytes.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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

std::filesystem::path Folder() {
    const char* folder = std::getenv("TOCKLY_BENCH_DIR");
    return folder != nullptr ? std::filesystem::path(folder)
                             : std::filesystem::temp_directory_path();
}

std::string StorePath() {
    return (Folder() / ("tockly-bench-" + std::to_string(::getpid()) + ".dat")).string();
}

// Create or truncate, one write of everything, flush, close.
bool WriteFlushed(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0) {
        return false;
    }
    const bool complete =
        ::write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
        ::fsync(file) == 0;
    return ::close(file) == 0 && complete;
}

bool FlushFolder(const std::filesystem::path& folder) {
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (handle < 0) {
        return false;
    }
    const bool flushed = ::fsync(handle) == 0;
    return ::close(handle) == 0 && flushed;
}

// The program's save: encode, then the temporary file, its flush, the replace and its flush.
bool SaveAsTheProgramDoes(const std::string& path, const TaskStore& store) {
    const std::string temporary = path + ".tmp";
    return WriteFlushed(temporary, EncodeTaskStore(store)) &&
           std::rename(temporary.c_str(), path.c_str()) == 0 &&
           FlushFolder(std::filesystem::path(path).parent_path());
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

// `program`: the program's save of the tasks; otherwise the plain flushed write of their bytes.
void FlushedWrite(benchmark::State& state, bool program) {
    const std::string path = StorePath();
    for (auto _ : state) {
        if (!(program ? SaveAsTheProgramDoes(path, Store()) : WriteFlushed(path, StoreBytes()))) {
            state.SkipWithError("write failed");
        }
    }
    std::filesystem::remove(path);
    state.counters["tasks"] = 1'000;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * StoreBytes().size()));
}
BENCHMARK_CAPTURE(FlushedWrite, plain_write_of_the_bytes, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FlushedWrite, save_as_the_program_does, true)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tockly

BENCHMARK_MAIN();
