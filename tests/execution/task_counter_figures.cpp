// task-counter-figures [SECONDS] [COUNTERS] [SKIN_FOLDER] [rest|latency]: what task counters cost
// and how punctual their actions are, on the real clock. Not a test: it prints figures (run it
// with tests/execution/task-counter-figures, which adds the Wine server's CPU). With "rest" it
// measures the counters at rest (5.) alone, with "latency" the actions' latency (2.) alone,
// without either the others (1. to 4.).
//
// 1. Objects: GDI and USER objects per counter with 100 and with 500 counters shown and running.
// 2. Action latency: 100 counters due at the same second; from the start of that second to each
//    action's call (a recording program start).
// 3. Screenshots and the lock: a print screen counter that saves a real PNG of the screen every
//    second, while the user-interface thread gives it a menu command that stores into the record
//    every 5 ms: how long each shot takes (what a command would wait if the shot held the lock)
//    and how long the commands waited.
// 4. A countdown's repaint, and its parts.
// 5. Rest: COUNTERS running counters (default 50) with their strips for SECONDS (default 60), the
//    process's CPU time over it.

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "execution/task_counter.h"
#include "platform/win32_screen_capture.h"
#include "shell/error_guard.h"
#include "support/fake_system_actions.h"
#include "support/win32_figures.h"
#include "toolkit/gdi_census.h"
#include "toolkit/skin_cache.h"

namespace tockly {
namespace {

using Counters = std::vector<std::unique_ptr<bfTaskCounter>>;

using testing::ProcessCpuSeconds;
using testing::RunLoopFor;

double Milliseconds(LONGLONG ticks) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

LONGLONG Ticks() {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

template <typename T>
T At(std::vector<T> values, double share) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

TimePoint SecondsFromNow(int seconds) {
    const TimePoint now = WidgetClock().Now();
    return FromUnits((ToUnits(now).value() / kUnitsPerSecond + seconds) * kUnitsPerSecond).value();
}

// A counter of `type` counting down to `target`, shown with its strip and running.
std::unique_ptr<bfTaskCounter> Running(int index, SystemTaskType type, SystemActions& actions,
                                       const TimePoint& target) {
    auto counter =
        std::make_unique<bfTaskCounter>(nullptr, static_cast<WORD>(index), type, actions);
    SystemTaskRecord record = EmptyRecord(type);
    std::visit(
        [&target](auto& task) {
            task.title = u"Counting task";
            task.start = WidgetClock().Now();
            task.target = target;
            task.showProgressBar = true;
        },
        record);
    if (auto* shots = std::get_if<PrintScreenTask>(&record)) {
        shots->saveIn = u"C:\\Screenshots";
        shots->filePrefix = u"shot";
    }
    counter->SetRecord(std::move(record));
    counter->MoveTo(10 + (index % 8) * 160, 10 + (index / 8 % 6) * 130);
    counter->Show(true);
    counter->ApplyRecord();
    counter->SetCollapsed(index % 2 == 0);
    counter->SetRunning(true);
    return counter;
}

void Objects(int count, SystemActions& actions) {
    const testing::CensusCounts before = testing::GdiCensus::Now();
    Counters counters;
    std::size_t submenus = 0;
    for (int i = 0; i < count; ++i) {
        counters.push_back(
            Running(i, static_cast<SystemTaskType>(i % 4), actions, SecondsFromNow(3600)));
        submenus += counters.back()->menu()->submenuCount() - 1;
    }
    RunLoopFor(2500);
    const testing::CensusCounts alive = testing::GdiCensus::Now();
    const double gdi = static_cast<double>(alive.processObjects - before.processObjects) / count;
    const double ours = static_cast<double>(alive.objects - before.objects) / count;
    const double windows = static_cast<double>(alive.windows - before.windows) / count;
    const double menus =
        static_cast<double>(alive.menus - before.menus + static_cast<long>(submenus)) / count;
    std::printf(
        "objects, %d counters shown and running: %.2f GDI objects each (the process's table; "
        "%.2f made by the program's own calls), %.2f USER objects each (%.2f windows, %.2f "
        "menus with their submenus)\n",
        count, gdi, ours, windows + menus, windows, menus);
    for (auto& counter : counters) {
        counter->SetRunning(false);
    }
    counters.clear();
    RunLoopFor(200);
}

// A program start that notes when it was called, by the program's clock.
class TimedStarts final : public ProcessControl {
public:
    bool StartProgram(const ProgramStart&) override {
        const TimePoint now = WidgetClock().Now();
        std::lock_guard hold(mutex_);
        calls_.push_back(ToUnits(now).value());
        return true;
    }
    bool EndProcess(std::uint32_t) override { return true; }
    std::vector<std::int64_t> Calls() {
        std::lock_guard hold(mutex_);
        return calls_;
    }

private:
    std::mutex mutex_;
    std::vector<std::int64_t> calls_;
};

void Latency(testing::FakeSystemActions& fakes) {
    TimedStarts starts;
    SystemActions actions{fakes.session, starts,      fakes.screen,
                          fakes.dialUp,  fakes.sound, fakes.pause};
    // Made first, then all given one target two seconds ahead and started.
    Counters counters;
    for (int i = 0; i < 100; ++i) {
        counters.push_back(Running(i, SystemTaskType::Application, actions, SecondsFromNow(3600)));
        counters.back()->SetRunning(false);
    }
    const TimePoint target = SecondsFromNow(2);
    for (auto& counter : counters) {
        SystemTaskRecord record = counter->record();
        std::get<ApplicationTask>(record).target = target;
        counter->SetRecord(std::move(record));
        counter->ApplyRecord();
        counter->SetRunning(true);
    }
    const ULONGLONG end = ::GetTickCount64() + 10'000;
    while (starts.Calls().size() < counters.size() && ::GetTickCount64() < end) {
        RunLoopFor(50);
    }
    std::vector<double> late;
    for (const std::int64_t call : starts.Calls()) {
        late.push_back(static_cast<double>(call - ToUnits(target).value()) /
                       static_cast<double>(kUnitsPerMillisecond));
    }
    if (late.empty()) {
        std::printf("action latency: no action was called\n");
        return;
    }
    std::printf(
        "action latency, %zu of 100 counters due at the same second: ms from the start of that "
        "second to the action's call: min %.0f, median %.0f, 99th percentile %.0f, max %.0f "
        "(aim: 99th percentile at most 150)\n",
        late.size(), At(late, 0.0), At(late, 0.5), At(late, 0.99), At(late, 1.0));
    std::printf(
        "figure action-latency-p50 %.1f ms\nfigure action-latency-p99 %.1f ms\n"
        "figure actions-called %zu actions\n",
        At(late, 0.5), At(late, 0.99), late.size());
    counters.clear();
    RunLoopFor(200);
}

// The real screen capture, timed.
class TimedCapture final : public ScreenCapture {
public:
    bool SaveScreenshot(std::u16string_view path, ScreenshotFormat format) override {
        const LONGLONG start = Ticks();
        const bool saved = real_.SaveScreenshot(path, format);
        std::lock_guard hold(mutex_);
        durations_.push_back(Milliseconds(Ticks() - start));
        return saved;
    }
    std::vector<double> Durations() {
        std::lock_guard hold(mutex_);
        return durations_;
    }

private:
    Win32ScreenCapture real_;
    std::mutex mutex_;
    std::vector<double> durations_;
};

void ScreenshotsAndTheLock(testing::FakeSystemActions& fakes) {
    TimedCapture capture;
    SystemActions actions{fakes.session, fakes.processes, capture,
                          fakes.dialUp,  fakes.sound,     fakes.pause};
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tockly-figures";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    bfTaskCounter counter(nullptr, 1, SystemTaskType::PrintScreen, actions);
    PrintScreenTask task;
    task.saveIn = std::u16string(folder.begin(), folder.end());
    task.filePrefix = u"shot";
    task.formatChoice = 0;
    task.repetitionMode = 1;
    task.repeatPeriod = {0, 0, 0, 1};
    task.start = WidgetClock().Now();
    task.target = task.start;
    counter.SetRecord(task);
    counter.MoveTo(300, 300);
    counter.Show(true);
    counter.ApplyRecord();
    // What a menu command that stores into the record does first: take the lock. Read the
    // record under it every 5 ms, once without shots and once while they are taken.
    const auto probe = [&counter](DWORD milliseconds) {
        std::vector<double> waits;
        const ULONGLONG end = ::GetTickCount64() + milliseconds;
        while (::GetTickCount64() < end) {
            const LONGLONG start = Ticks();
            const SystemTaskRecord record = counter.record();
            waits.push_back(Milliseconds(Ticks() - start));
            RunLoopFor(5);
        }
        return waits;
    };
    const std::vector<double> idle = probe(2000);
    counter.SetRunning(true);
    const std::vector<double> waits = probe(10'500);
    counter.SetRunning(false);
    const std::vector<double> shots = capture.Durations();
    if (shots.empty()) {
        std::printf("screenshots: none was taken\n");
        return;
    }
    std::printf(
        "screenshots, %zu PNG shots of the %dx%d screen: capture, encoding and saving took ms: "
        "median %.0f, max %.0f (what a menu command would wait for if the shot held the lock)\n",
        shots.size(), ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
        ::GetSystemMetrics(SM_CYVIRTUALSCREEN), At(shots, 0.5), At(shots, 1.0));
    std::printf(
        "  the lock taken by the user-interface thread every 5 ms (a read of the record), ms: "
        "without shots median %.3f, max %.3f; while the shots are saved without the lock "
        "median %.3f, 99th percentile %.3f, max %.3f (%zu reads)\n",
        At(idle, 0.5), At(idle, 1.0), At(waits, 0.5), At(waits, 0.99), At(waits, 1.0),
        waits.size());
}

// Where a second's repaint of the countdown goes: the whole text change, and its parts alone.
void PaintCost(SystemActions& actions) {
    const auto counter = Running(0, SystemTaskType::Power, actions, SecondsFromNow(3600));
    counter->SetRunning(false);
    RunLoopFor(300);
    bfStaticText& label = counter->countdown();
    const HWND window = label.window();
    constexpr int kRounds = 500;
    const auto timed = [](const auto& step) {
        const LONGLONG start = Ticks();
        for (int i = 0; i < kRounds; ++i) {
            step(i);
        }
        return 1000.0 * Milliseconds(Ticks() - start) / kRounds;
    };
    const auto text = [](int i) { return L"00 : 59 : " + std::to_wstring(10 + i % 50); };
    const double whole = timed([&](int i) { label.SetText(text(i)); });
    const double windowText = timed([&](int i) { ::SetWindowTextW(window, text(i).c_str()); });
    const double paint = timed([&](int) {
        ::InvalidateRect(window, nullptr, FALSE);
        ::UpdateWindow(window);
    });
    const double paintWidget = timed([&](int) {
        const RECT strip{1, 99, 199, 108};
        ::InvalidateRect(counter->window(), &strip, FALSE);
        ::UpdateWindow(counter->window());
    });
    const auto repaint = [&](int) {
        ::InvalidateRect(window, nullptr, FALSE);
        ::UpdateWindow(window);
    };
    label.SetText(L"");
    const double withoutText = timed(repaint);
    label.SetBackgroundColor(RGB(45, 45, 45));
    const double onSolid = timed(repaint);
    std::printf(
        "a countdown's repaint, microseconds each: the text change %.0f (its window text alone "
        "%.0f, its paint alone %.0f; the paint without text %.0f, and without text on a plain "
        "colour instead of the tile %.0f); a repaint of the strip %.0f\n",
        whole, windowText, paint, withoutText, onSolid, paintWidget);
}

void Rest(int seconds, int count, SystemActions& actions) {
    Counters counters;
    for (int i = 0; i < count; ++i) {
        counters.push_back(
            Running(i, static_cast<SystemTaskType>(i % 4), actions, SecondsFromNow(3600 + i)));
    }
    RunLoopFor(2000);  // settled
    const double cpuBefore = ProcessCpuSeconds();
    const ULONGLONG start = ::GetTickCount64();
    RunLoopFor(static_cast<DWORD>(seconds) * 1000);
    const double wall = static_cast<double>(::GetTickCount64() - start) / 1000.0;
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    std::printf(
        "rest: %d running counters with their strips for %.1f s used %.3f s of CPU in this "
        "process: %.3f%% of one core (aim: at most 0.5%%)\n",
        count, wall, cpu, 100.0 * cpu / wall);
    for (auto& counter : counters) {
        counter->SetRunning(false);
    }
}

}  // namespace
}  // namespace tockly

int wmain(int argc, wchar_t** argv) {
    const int seconds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 60;
    const int counters = argc > 2 ? std::max(1, _wtoi(argv[2])) : 50;
    if (argc > 3) {
        tockly::SetSkinFileFolder(argv[3]);  // the counters paint with their real skin
    }
    // "rest" alone: the Wine server's CPU over the run is then that of the counters at rest;
    // "latency" alone: the actions' latency.
    const std::wstring only = argc > 4 ? argv[4] : L"";
    return tockly::RunGuarded([seconds, counters, only] {
        tockly::testing::FakeSystemActions fakes;
        if (only == L"rest") {
            tockly::Rest(seconds, counters, fakes.actions);
            std::fflush(stdout);
            return 0;
        }
        if (only == L"latency") {
            tockly::Latency(fakes);
            std::fflush(stdout);
            return 0;
        }
        tockly::Objects(100, fakes.actions);
        tockly::Objects(500, fakes.actions);
        std::fflush(stdout);
        tockly::Latency(fakes);
        std::fflush(stdout);
        tockly::ScreenshotsAndTheLock(fakes);
        std::fflush(stdout);
        tockly::PaintCost(fakes.actions);
        std::fflush(stdout);
        return 0;
    });
}
