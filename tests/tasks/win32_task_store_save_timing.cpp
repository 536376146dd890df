// Times the program's own save of 1,000 tasks, WriteTaskStoreFile (encode, temporary file,
// FlushFileBuffers, MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH), and
// SaveTasks from a main window whose task lists hold them as widgets (each record taken under its
// widget's lock, then written), against the plain flushed write of the same bytes (CreateFileW,
// WriteFile, FlushFileBuffers), taking turns so that all meet the same disk. Not a test: it prints
// its figures. Under Wine (the skin files come from TOCKLY_BIN_DIR):
//   TOCKLY_BIN_DIR=$PWD/build/windows/bin scripts/wine-exec
//   build/windows/tests/tasks/task_store_save_timing.exe [ROUNDS]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32_monotonic_clock.h"
#include "shell/app_settings.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_system_actions.h"
#include "support/recording_fakes.h"
#include "support/unique_handle.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_test_paths.h"
#include "task_samples.h"
#include "tasks/store_codec.h"
#include "tasks/win32_task_store_file.h"
#include "toolkit/skin_cache.h"
#include "ui/main_window.h"

namespace tockly {
namespace {

class ScratchEnvironment final : public ProgramEnvironment {
public:
    explicit ScratchEnvironment(std::u16string folder) : folder_(std::move(folder)) {}
    std::optional<std::u16string> ModulePath() override { return std::nullopt; }
    std::optional<std::u16string> LocalAppDataFolder() override { return folder_; }

private:
    std::u16string folder_;
};

class NoAutostart final : public AutostartRegistry {
public:
    bool SetRunValue(std::u16string_view, std::u16string_view) override { return false; }
    bool DeleteRunValue(std::u16string_view) override { return false; }
};

bool WriteFlushed(const std::u16string& path, const std::vector<std::uint8_t>& bytes) {
    FileHandle file(::CreateFileW(AsWide(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) &&
           written == bytes.size() && ::FlushFileBuffers(file.get());
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void Report(const char* what, std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    double total = 0;
    for (double s : seconds) {
        total += s;
    }
    std::printf("%-38s median %9.1f us   mean %9.1f us   min %9.1f us   max %9.1f us\n", what,
                seconds[seconds.size() / 2] * 1e6, total / seconds.size() * 1e6,
                seconds.front() * 1e6, seconds.back() * 1e6);
}

int Run(int rounds) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::u16string root = FromWide(temp) + u"tockly-save-timing-" +
                                FromWide(std::to_wstring(::GetCurrentProcessId()));
    ::CreateDirectoryW(AsWide(root), nullptr);
    ::CreateDirectoryW(AsWide(root + u"\\Tockly"), nullptr);

    ScratchEnvironment program(root);
    NoAutostart autostart;
    FixedClock clock({2024, 1, 1, 12, 0, 0, 0});
    OutsideWorld world{program, autostart, clock};
    AppSettings settings(world);

    TaskStore store = testing::ManyTasks(1'000 / kTaskKindCount);
    // All of them kept at load at the clock's moment.
    for (PrintScreenTask& task : store.printScreen) {
        task.target = {2024, 6, 1, 12, 0, 0, 0};
    }
    const std::vector<std::uint8_t> bytes = EncodeTaskStore(store);
    const std::u16string plain = root + u"\\Tockly\\plain.dat";
    const std::u16string saved = root + kTaskStoreFileName;

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> plainTimes;
    std::vector<double> saveTimes;
    std::vector<double> listTimes;
    bool failed = !WriteTaskStoreFile(settings, store);

    // The running program's lists, loaded from that file.
    SetSkinFileFolder(testing::BinaryFolder());
    testing::RecordingMail mail;
    testing::FakeSystemActions actions;
    Win32MonotonicClock elapsed;
    testing::FakeFileDialogs dialogs;
    auto lists = std::make_unique<bfMainWindow>(
        MainWindowServices{mail, {actions.actions, clock, elapsed, dialogs}});
    bfMainWindow& window = *lists;
    window.SetSettings(&settings);
    failed = !window.LoadTasks() || failed;
    std::size_t listed = 0;
    for (std::size_t kind = 0; kind < kTaskKindCount; ++kind) {
        listed +=
            static_cast<std::size_t>(window.taskList(static_cast<TaskKind>(kind)).taskCount());
    }
    failed = !window.SaveTasks() || failed;
    const std::vector<std::uint8_t> listBytes =
        testing::FileBytes(AsWide(saved)).value_or(std::vector<std::uint8_t>{});

    for (int round = -5; round < rounds; ++round) {  // five rounds to warm up
        LARGE_INTEGER start, middle, end, last;
        ::QueryPerformanceCounter(&start);
        failed = !WriteFlushed(plain, listBytes) || failed;
        ::QueryPerformanceCounter(&middle);
        failed = !WriteTaskStoreFile(settings, store) || failed;
        ::QueryPerformanceCounter(&end);
        failed = !window.SaveTasks() || failed;
        ::QueryPerformanceCounter(&last);
        if (round >= 0) {
            plainTimes.push_back(Seconds(start, middle, frequency));
            saveTimes.push_back(Seconds(middle, end, frequency));
            listTimes.push_back(Seconds(end, last, frequency));
        }
    }
    lists.reset();  // its going saves once more
    ::DeleteFileW(AsWide(plain));
    ::DeleteFileW(AsWide(saved));
    ::RemoveDirectoryW(AsWide(root + u"\\Tockly"));
    ::RemoveDirectoryW(AsWide(root));
    if (failed) {
        std::fprintf(stderr, "a write failed\n");
        return 1;
    }

    std::printf("%zu tasks, %zu bytes; %zu tasks in the lists, %zu bytes; %d rounds\n",
                store.application.size() * kTaskKindCount, bytes.size(), listed, listBytes.size(),
                rounds);
    Report("plain flushed write of the bytes", plainTimes);
    Report("WriteTaskStoreFile (encode+tmp+replace)", saveTimes);
    Report("SaveTasks from the lists (snapshot+write)", listTimes);
    std::sort(plainTimes.begin(), plainTimes.end());
    std::sort(saveTimes.begin(), saveTimes.end());
    std::sort(listTimes.begin(), listTimes.end());
    const double plainMedian = plainTimes[plainTimes.size() / 2];
    std::printf("save / plain write, medians: %.2f\n",
                saveTimes[saveTimes.size() / 2] / plainMedian);
    std::printf("SaveTasks / plain write, medians: %.2f\n",
                listTimes[listTimes.size() / 2] / plainMedian);
    std::printf(
        "figure save-plain-write %.1f us\nfigure save-tasks %.1f us\n"
        "figure save-tasks-ratio %.3f x\nfigure save-tasks-count %zu tasks\n"
        "figure save-plain-write-min %.1f us\nfigure save-tasks-min %.1f us\n",
        plainMedian * 1e6, listTimes[listTimes.size() / 2] * 1e6,
        listTimes[listTimes.size() / 2] / plainMedian, listed, plainTimes.front() * 1e6,
        listTimes.front() * 1e6);
    return 0;
}

}  // namespace
}  // namespace tockly

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    return tockly::Run(rounds > 0 ? rounds : 200);
}
