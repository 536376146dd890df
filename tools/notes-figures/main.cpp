// notes-figures [SECONDS] [BUSY] [SKIN_FOLDER]: what the sticky note and the stopwatch cost and how
// well the stopwatch keeps time, on the real clocks. Not a test: it prints figures (run it with
// tools/notes-figures/run).
//
// 1. GDI objects: the first widget of each kind (with the skins, fonts and buffers it shares with
//    the ones after it) and each further one, counted through the program's own calls and as the
//    platform keeps them for the process; and the windows (USER objects) each one makes.
// 2. Drift: a real stopwatch runs SECONDS (default 600) on the real monotonic clock while BUSY
//    threads (default 2) keep every core busy. Against the performance counter: how far the
//    reading is off at the end, and how the shown second follows the real one. Beside it, the
//    old way (one second added per observed change of the tick count's second, polled every
//    200 ms) on the same machine, for comparison.
// 3. Stalls: both again for a minute in which every other thread of the process is held for 5 s
//    three times, as a machine that swaps or a paused virtual machine holds a program.

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "shell/error_guard.h"
#include "toolkit/gdi_census.h"
#include "toolkit/skin_cache.h"
#include "widgets/sticky_note.h"
#include "widgets/stopwatch.h"

namespace tockly {
namespace {

// Dispatches this thread's messages for `milliseconds`, as the program's loop would, calling
// `look` every `every` milliseconds.
template <typename Look>
void RunLoopFor(DWORD milliseconds, DWORD every, Look look) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    ULONGLONG next = ::GetTickCount64();
    for (ULONGLONG now = next; now < end; now = ::GetTickCount64()) {
        if (now >= next) {
            look();
            next += every;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                    static_cast<DWORD>(std::min(end, next) - now), QS_ALLINPUT);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

void RunLoopFor(DWORD milliseconds) {
    RunLoopFor(milliseconds, milliseconds, [] {});
}

double Seconds(const LARGE_INTEGER& count) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CounterSeconds() {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return Seconds(now);
}

// ---- GDI objects ----

template <typename Make>
void CountObjects(const char* kind, Make make) {
    using testing::GdiCensus;
    constexpr int kMore = 49;
    RunLoopFor(100);
    const testing::CensusCounts start = GdiCensus::Now();
    std::vector<std::unique_ptr<bfAbstractWidget>> widgets;
    widgets.push_back(make(0));
    RunLoopFor(200);
    const testing::CensusCounts first = GdiCensus::Now();
    for (int i = 1; i <= kMore; ++i) {
        widgets.push_back(make(i));
    }
    RunLoopFor(300);
    const testing::CensusCounts all = GdiCensus::Now();
    widgets.clear();
    RunLoopFor(200);
    const testing::CensusCounts after = GdiCensus::Now();
    std::printf(
        "%s: the first one %ld GDI objects of its own calls (%ld for the process), with what it "
        "shares; each further one %.2f (%.2f for the process) and %.1f windows; all %d destroyed: "
        "%ld objects and %ld windows left over\n",
        kind, first.objects - start.objects, first.processObjects - start.processObjects,
        static_cast<double>(all.objects - first.objects) / kMore,
        static_cast<double>(all.processObjects - first.processObjects) / kMore,
        static_cast<double>(all.windows - first.windows) / kMore, kMore + 1,
        after.objects - start.objects, after.windows - start.windows);
}

void GdiFigures() {
    CountObjects("sticky note", [](int i) -> std::unique_ptr<bfAbstractWidget> {
        auto note = std::make_unique<bfStickyNote>(nullptr, static_cast<WORD>(i));
        StickyNoteTask record;
        record.title = u"Note";
        record.content = u"Call Anna at five\r\nBook the train\r\nWater the plants";
        record.theme = i % 3;
        record.x = 20 + i % 10 * 60;
        record.y = 20 + i / 10 * 60;
        note->ApplyRecord(record);
        note->Show(true);
        return note;
    });
    CountObjects("stopwatch", [](int i) -> std::unique_ptr<bfAbstractWidget> {
        auto watch = std::make_unique<bfStopwatch>(nullptr, static_cast<WORD>(i));
        StopwatchTask record;
        record.title = u"Laps";
        record.checkpoints = {{0, 0, 1, 7}, {0, 0, 2, 30}};
        record.listCollapsed = i % 2 == 0;
        record.x = 20 + i % 10 * 60;
        record.y = 20 + i / 10 * 60;
        watch->ApplyRecord(record);
        watch->Show(true);
        watch->SetRunning(true);
        return watch;
    });
}

// ---- Drift ----

// The old way: a second is added whenever the tick count's second is seen to change, looking
// every 200 ms.
struct OldWay {
    std::atomic<bool> stop{false};
    std::atomic<long long> seconds{0};

    void Run() {
        ULONGLONG last = ::GetTickCount64() / 1000;
        while (!stop) {
            const ULONGLONG now = ::GetTickCount64() / 1000;
            if (now > last) {
                ++seconds;
                last = now;
            }
            ::Sleep(200);
        }
    }
};

// Holds every thread of the process but this one for `milliseconds`.
void StallOtherThreads(DWORD milliseconds) {
    std::vector<HANDLE> held;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Thread32First(snapshot, &entry); more;
         more = ::Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != ::GetCurrentProcessId() ||
            entry.th32ThreadID == ::GetCurrentThreadId()) {
            continue;
        }
        if (const HANDLE thread = ::OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)) {
            if (::SuspendThread(thread) != static_cast<DWORD>(-1)) {
                held.push_back(thread);
            } else {
                ::CloseHandle(thread);
            }
        }
    }
    ::CloseHandle(snapshot);
    ::Sleep(milliseconds);
    for (const HANDLE thread : held) {
        ::ResumeThread(thread);
        ::CloseHandle(thread);
    }
}

long long ShownSeconds(bfStopwatch& watch) {
    const std::wstring text = watch.elapsedLabel().Text();
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (std::swscanf(text.c_str(), L"%d : %d : %d", &hours, &minutes, &seconds) != 3) {
        return -1;
    }
    return (hours * 60LL + minutes) * 60 + seconds;
}

long long ReadingSeconds(const bfStopwatch& watch) {
    const Duration elapsed = watch.Record().elapsed;
    return (elapsed.hours * 60LL + elapsed.minutes) * 60 + elapsed.seconds;
}

void StallFigures() {
    OldWay old;
    bfStopwatch watch(nullptr, 1);
    watch.Show(true);
    const double start = CounterSeconds();
    watch.SetRunning(true);
    std::thread oldThread([&old] { old.Run(); });
    for (int stall = 0; stall < 3; ++stall) {
        RunLoopFor(15'000);
        StallOtherThreads(5000);
    }
    RunLoopFor(5000);
    const double real = CounterSeconds() - start;
    const long long reading = ReadingSeconds(watch);
    watch.SetRunning(false);
    old.stop = true;
    oldThread.join();
    std::printf(
        "three stalls of 5 s in %.1f s: the stopwatch reads %lld s (%+.3f s); the old way counted "
        "%lld s (%+.3f s)\n",
        real, reading, static_cast<double>(reading) - real, static_cast<long long>(old.seconds),
        static_cast<double>(old.seconds) - real);
}

void DriftFigures(int runSeconds, int busyThreads) {
    std::atomic<bool> busy{true};
    std::vector<std::thread> loads;
    for (int i = 0; i < busyThreads; ++i) {
        loads.emplace_back([&busy] {
            volatile unsigned long long spin = 0;
            while (busy.load(std::memory_order_relaxed)) {
                spin = spin + 1;
            }
        });
    }
    OldWay old;
    bfStopwatch watch(nullptr, 1);
    watch.MoveTo(100, 100);
    watch.Show(true);
    const double start = CounterSeconds();
    watch.SetRunning(true);
    std::thread oldThread([&old] { old.Run(); });

    // Every 50 ms: how many whole seconds the label is behind the real ones (0 right after a
    // boundary is on time; the label can only change when the loop gets to it).
    long long samples = 0;
    long long onTime = 0;
    long long worst = 0;
    RunLoopFor(static_cast<DWORD>(runSeconds) * 1000, 50, [&] {
        const long long real = static_cast<long long>(CounterSeconds() - start);
        const long long behind = real - ShownSeconds(watch);
        ++samples;
        onTime += behind <= 0 ? 1 : 0;
        worst = std::max(worst, behind);
    });
    const double real = CounterSeconds() - start;
    const long long reading = ReadingSeconds(watch);
    watch.SetRunning(false);
    old.stop = true;
    oldThread.join();
    busy = false;
    for (std::thread& load : loads) {
        load.join();
    }
    std::printf(
        "drift over %.1f s with %d busy threads: the stopwatch reads %lld s (%+.3f s against the "
        "performance counter; the reading is whole seconds, so within 0 and -1 is exact); the old "
        "way counted %lld s (%+.3f s)\n",
        real, busyThreads, reading, static_cast<double>(reading) - real,
        static_cast<long long>(old.seconds), static_cast<double>(old.seconds) - real);
    std::printf(
        "the shown second: on time in %.2f%% of %lld looks every 50 ms; at worst %lld s behind\n",
        100.0 * static_cast<double>(onTime) / static_cast<double>(samples), samples, worst);
}

}  // namespace
}  // namespace tockly

int wmain(int argc, wchar_t** argv) {
    const int seconds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 600;
    const int busy = argc > 2 ? std::max(0, _wtoi(argv[2])) : 2;
    if (argc > 3) {
        tockly::SetSkinFileFolder(argv[3]);  // the widgets paint with their real skin
    }
    return tockly::RunGuarded([seconds, busy] {
        tockly::GdiFigures();
        std::fflush(stdout);
        tockly::DriftFigures(seconds, busy);
        std::fflush(stdout);
        tockly::StallFigures();
        std::fflush(stdout);
        return 0;
    });
}
