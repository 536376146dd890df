// timer-figures [SECONDS] [SKIN_FOLDER]: what the timer, the counter and the message view cost in
// GDI objects, and how far a real timer of SECONDS (default 600) drifts from the real clock. Not a
// test: it prints figures (run it with tools/timer-figures/run, which also loads the machine).
//
// 1. GDI objects: the program's count (the tests' census) before and after making widgets of one
// kind, for the first
//    one (which also loads the skin that every later one shares) and on average for twenty more.
// 2. Drift: a timer on the real clocks counts SECONDS down while the machine is busy. Each time
//    its text changes, the seconds it has counted are set against the real time since its first
//    second; the end is set against SECONDS after that first second (plus the half second the end
//    shows 00 : 00 : 00).

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <memory>
#include <vector>

#include "shell/error_guard.h"
#include "support/fake_system_actions.h"
#include "toolkit/gdi_census.h"
#include "toolkit/skin_cache.h"
#include "widgets/counter.h"
#include "widgets/message_view.h"
#include "widgets/timer.h"
#include "widgets/widget_test_support.h"

namespace tockly {
namespace {

// Dispatches this thread's messages for `milliseconds`, as the program's loop would.
void PumpFor(DWORD milliseconds) {
    testing::PumpUntil([] { return false; }, milliseconds);
}

// Bitmaps, brushes, fonts and memory DCs alive, counted at the program's own calls (Wine keeps no
// count of a process's GDI objects that GetGuiResources could give).
long GdiObjects() {
    return testing::GdiCensus::Now().objects;
}

void GdiPerWidget(const char* kind,
                  const std::function<std::unique_ptr<bfAbstractWidget>()>& make) {
    constexpr int kMore = 20;
    std::vector<std::unique_ptr<bfAbstractWidget>> widgets;
    const long before = GdiObjects();
    widgets.push_back(make());
    PumpFor(100);
    const long first = GdiObjects();
    for (int i = 0; i < kMore; ++i) {
        widgets.push_back(make());
    }
    PumpFor(100);
    const long all = GdiObjects();
    std::printf(
        "GDI objects, %s: the first %ld (with the skin it loads for all), each further "
        "one %.1f\n",
        kind, first - before, static_cast<double>(all - first) / kMore);
}

// The owner of the measured timer: when it hears that the count ended.
struct Owner {
    HWND window = nullptr;
    ULONGLONG endedAt = 0;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && lParam == count_event::kEnded) {
            reinterpret_cast<Owner*>(::GetWindowLongPtrW(window, GWLP_USERDATA))->endedAt =
                ::GetTickCount64();
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
};

void Drift(int seconds) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Owner::Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TimerFiguresOwner";
    ::RegisterClassW(&windowClass);
    Owner owner;
    owner.window = ::CreateWindowW(L"TimerFiguresOwner", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, windowClass.hInstance, nullptr);
    ::SetWindowLongPtrW(owner.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&owner));

    testing::CallLog log;
    testing::RecordingSoundPlayer silence(log);
    bfTimer timer(owner.window, 1, silence);
    TimerTask record;
    record.title = u"Drift";
    record.duration = {0, 0, 0, seconds};
    record.remainingSeconds = seconds;
    record.showProgressBar = true;
    record.x = 40;
    record.y = 40;
    timer.ApplyRecord(record);
    timer.Show(true);
    timer.SetRunning(true);

    ULONGLONG firstAt = 0;
    std::int32_t last = timer.shownSeconds();
    double worst = 0.0;
    int changes = 0;
    while (owner.endedAt == 0) {
        PumpFor(20);
        const std::int32_t shown = timer.shownSeconds();
        if (shown == last) {
            continue;
        }
        const ULONGLONG now = ::GetTickCount64();
        if (firstAt == 0) {
            firstAt = now - 1000;  // the first change is the second after the one showing all
        }
        last = shown;
        ++changes;
        const double counted = seconds - shown;
        const double real = static_cast<double>(now - firstAt) / 1000.0;
        worst = std::max(worst, std::fabs(counted - real));
    }
    const double end = static_cast<double>(owner.endedAt - firstAt) / 1000.0 - 0.5;
    std::printf(
        "drift of a %d s timer: %d changes of its text; the seconds counted were at most "
        "%.3f s away from the real time since its first second; it ended %.3f s after its "
        "first second (%+.3f s)\n",
        seconds, changes, worst, end, end - seconds);
}

}  // namespace
}  // namespace tockly

int wmain(int argc, wchar_t** argv) {
    const int seconds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 600;
    if (argc > 2) {
        tockly::SetSkinFileFolder(argv[2]);
    }
    return tockly::RunGuarded([seconds] {
        using namespace tockly;
        testing::CallLog log;
        testing::RecordingSoundPlayer silence(log);
        GdiPerWidget("timer", [&silence] {
            auto timer = std::make_unique<bfTimer>(nullptr, 1, silence);
            timer->Show(true);
            return timer;
        });
        GdiPerWidget("counter", [&silence] {
            auto counter = std::make_unique<bfCounter>(nullptr, 1, silence);
            counter->Show(true);
            return counter;
        });
        GdiPerWidget("message view", [&silence] {
            auto view = std::make_unique<bfMessageView>(nullptr, 1, silence);
            view->ShowMessage({u"Tea", u"The tea is ready.", u"", false, true, false});
            view->Show(true);
            return view;
        });
        std::fflush(stdout);
        Drift(seconds);
        std::fflush(stdout);
        return 0;
    });
}
