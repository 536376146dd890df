// widget-worker-figures [SECONDS] [WIDGETS] [SKIN_FOLDER]: what the widgets' workers cost and how
// punctual they are, on the real clock. Not a test: it prints figures (run it with
// tools/widget-figures/run).
//
// 1. Punctuality: one running widget for SECONDS (default 20); when its second's work runs, how
//    many milliseconds past the second's boundary the clock is.
// 2. Rest: WIDGETS running widgets (default 50) for a minute, the process's CPU time over it:
//    first with workers that wake every second but change nothing visible (the worker's own
//    cost), then with each updating its countdown and strip once a second as a counter does.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <vector>

#include "shell/error_guard.h"
#include "support/win32_figures.h"
#include "toolkit/skin_cache.h"
#include "widgets/plain_widget.h"

namespace tockly {
namespace {

using testing::PlainWidget;

using testing::ProcessCpuSeconds;
using testing::RunLoopFor;

// A widget that counts down like a counter; `work` is what it asks to be shown each second.
std::unique_ptr<PlainWidget> CountingWidget(int index, std::uint32_t work) {
    auto widget = std::make_unique<PlainWidget>(nullptr, static_cast<WORD>(index));
    widget->MoveTo(20 + (index % 10) * 120, 20 + (index / 10) * 90);
    widget->SetShowProgressBar(true);
    widget->Show(true);
    PlainWidget* counting = widget.get();
    widget->everySecond = [counting, work, left = 3600](const TimePoint&) mutable {
        --left;
        wchar_t text[32];
        std::swprintf(text, 32, L"%02d : %02d : %02d", left / 3600, left / 60 % 60, left % 60);
        counting->SetCountdownText(text);
        counting->SetProgress(left, 3600);
        return WorkerStep{.uiWork = work};
    };
    return widget;
}

void Punctuality(int seconds) {
    std::vector<int> late;
    auto widget = std::make_unique<PlainWidget>(nullptr, 1);
    widget->everySecond = [&late](const TimePoint& now) {
        late.push_back(now.millisecond);  // under the widget's lock
        return WorkerStep{.uiWork = worker_ui::kTexts};
    };
    widget->Show(true);
    widget->SetRunning(true);
    RunLoopFor(static_cast<DWORD>(seconds) * 1000 + 300);
    widget->SetRunning(false);
    if (late.empty()) {
        std::printf("punctuality: no second's work ran\n");
        return;
    }
    std::vector<int> sorted = late;
    std::sort(sorted.begin(), sorted.end());
    const auto at = [&sorted](double share) {
        return sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(share * sorted.size()))];
    };
    std::printf(
        "punctuality over %zu seconds: the second's work ran this many ms after the "
        "boundary: min %d, median %d, 95th percentile %d, max %d (limit 100)\n",
        late.size(), sorted.front(), at(0.5), at(0.95), sorted.back());
}

void Rest(int widgets, std::uint32_t work, const char* doing) {
    std::vector<std::unique_ptr<PlainWidget>> running;
    for (int i = 0; i < widgets; ++i) {
        running.push_back(CountingWidget(i, work));
        running.back()->SetRunning(true);
    }
    RunLoopFor(2000);  // settled
    const double cpuBefore = ProcessCpuSeconds();
    const ULONGLONG start = ::GetTickCount64();
    RunLoopFor(60'000);
    const double wall = static_cast<double>(::GetTickCount64() - start) / 1000.0;
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    for (auto& widget : running) {
        widget->SetRunning(false);
    }
    std::printf(
        "rest, %s: %d running widgets for %.1f s used %.3f s of CPU in this process: "
        "%.3f%% of one core\n",
        doing, widgets, wall, cpu, 100.0 * cpu / wall);
}

}  // namespace
}  // namespace tockly

int wmain(int argc, wchar_t** argv) {
    const int seconds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 20;
    const int widgets = argc > 2 ? std::max(1, _wtoi(argv[2])) : 50;
    if (argc > 3) {
        tockly::SetSkinFileFolder(argv[3]);  // the widgets paint with their real skin
    }
    return tockly::RunGuarded([seconds, widgets] {
        tockly::Punctuality(seconds);
        tockly::Rest(widgets, 0, "nothing shown");
        tockly::Rest(widgets, tockly::worker_ui::kTexts | tockly::worker_ui::kStrip,
                     "countdown and strip shown each second");
        std::fflush(stdout);
        return 0;
    });
}
