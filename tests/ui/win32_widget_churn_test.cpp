// Running widgets of every kind started, stopped, hidden, shown and removed round after round, a
// round on each kind in turn (TOCKLY_CHURN_ROUNDS, 800 by default; scripts/reliability runs
// 10,000): no round hangs, and the threads, windows, GDI objects, window DCs and menus stay where
// the first rounds left them.

#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/win32_clock.h"
#include "platform/win32_monotonic_clock.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_system_actions.h"
#include "support/unique_handle.h"
#include "support/win32_test_paths.h"
#include "tasks/task_samples.h"
#include "toolkit/gdi_census.h"
#include "toolkit/skin_cache.h"
#include "toolkit/test_parent.h"
#include "ui/task_widget.h"

namespace tockly {
namespace {

int Rounds() {
    const char* rounds = std::getenv("TOCKLY_CHURN_ROUNDS");
    return rounds ? std::atoi(rounds) : 800;
}

long ProcessThreads() {
    const KernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    long count = 0;
    for (BOOL more = ::Thread32First(snapshot.get(), &entry); more;
         more = ::Thread32Next(snapshot.get(), &entry)) {
        count += entry.th32OwnerProcessID == ::GetCurrentProcessId();
    }
    return count;
}

// One task of each kind whose count lies later ahead, so that the workers run through the rounds.
std::vector<StoredTask> FarTasks() {
    TaskStore store = testing::SampleStore();
    const TimePoint later{2090, 1, 1, 0, 0, 0, 0};
    store.application[0].target = later;
    store.printScreen[0].target = later;
    store.printScreen[0].repetitionMode = 0;
    store.internet[0].target = later;
    store.power[0].target = later;
    store.timer[0].remainingSeconds = 1'000'000;
    store.counter[0].target = later;
    std::vector<StoredTask> tasks;
    ForEachSection(store, [&](TaskKind, const auto& section) { tasks.push_back(section[0]); });
    return tasks;
}

struct Counts {
    testing::CensusCounts census;
    long threads = 0;
};

Counts Now() {
    return {testing::GdiCensus::Now(), ProcessThreads()};
}

struct Churn {
    int rounds = 0;
    std::atomic<int> done{0};
    Counts warm;  // after ten rounds, the eight widgets alive
    Counts last;  // after the last round, the eight widgets alive
};

void Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

DWORD WINAPI ChurnRounds(void* parameter) {
    auto& churn = *static_cast<Churn*>(parameter);
    testing::FakeSystemActions actions;
    testing::FakeFileDialogs dialogs;
    Win32Clock clock;
    Win32MonotonicClock elapsed;
    const TaskServices services{actions.actions, clock, elapsed, dialogs};
    testing::TestParent owner(200, 100);
    const std::vector<StoredTask> tasks = FarTasks();
    std::vector<std::unique_ptr<TaskWidget>> widgets(tasks.size());
    const auto make = [&](std::size_t i) {
        widgets[i] =
            MakeTaskWidget(KindOf(tasks[i]), owner.window(), static_cast<TaskId>(i + 1), services);
        widgets[i]->Apply(tasks[i]);
        widgets[i]->widget().MoveTo(40 + 30 * static_cast<int>(i), 40);
        widgets[i]->widget().Show(true);
    };
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        make(i);
    }
    for (int round = 0; round < churn.rounds; ++round) {
        const std::size_t i = static_cast<std::size_t>(round) % widgets.size();
        bfAbstractWidget& widget = widgets[i]->widget();
        widget.SetRunning(true);
        widget.Show(false);
        if (round % 3 == 0) {
            Pump();  // a second's work may come in between
        }
        widget.Show(true);
        widget.SetRunning(false);
        widget.SetRunning(true);
        if (round % 5 == 4) {
            widgets[i].reset();  // removed while it runs, as a task list removes it
            make(i);
        }
        Pump();
        if (round == 79) {
            churn.warm = Now();
        }
        churn.done = round + 1;
    }
    churn.last = Now();
    widgets.clear();
    Pump();
    return 0;
}

TEST(WidgetChurn, EveryKindStartedStoppedHiddenShownAndRemovedNeverHangsAndLeaksNothing) {
    SetSkinFileFolder(testing::BinaryFolder());
    Churn churn;
    churn.rounds = std::max(Rounds(), 80);
    KernelHandle thread(::CreateThread(nullptr, 0, &ChurnRounds, &churn, 0, nullptr));
    ASSERT_TRUE(thread);
    // Each round must end within ten seconds of the last; a hung one ends the program.
    int seen = -1;
    while (::WaitForSingleObject(thread.get(), 10'000) == WAIT_TIMEOUT) {
        if (churn.done == seen) {
            ADD_FAILURE() << "round " << seen + 1 << " hung";
            std::fflush(stdout);
            ::TerminateProcess(::GetCurrentProcess(), 1);
        }
        seen = churn.done;
    }
    EXPECT_EQ(churn.done, churn.rounds);
    std::printf("%d rounds: threads %ld -> %ld, windows %ld -> %ld, GDI objects %ld -> %ld\n",
                churn.rounds, churn.warm.threads, churn.last.threads, churn.warm.census.windows,
                churn.last.census.windows, churn.warm.census.processObjects,
                churn.last.census.processObjects);
    EXPECT_EQ(churn.last.census, churn.warm.census);
    EXPECT_EQ(churn.last.threads, churn.warm.threads);
}

}  // namespace
}  // namespace tockly
