// chooser-figures SKIN_FOLDER [PICTURE]: how long the process chooser takes to list the processes
// again when it is shown. Not a test: it prints figures (run it with tools/chooser-figures/run).
//
// 1. 300 made-up processes (a fake seam): the rebuild (rows deleted and made again, scroll bar set)
//    and the whole showing (rebuild, the window shown and painted), each the median, the best and
//    the worst of 20.
// 2. The real processes: the enumeration alone (EnumProcesses, OpenProcess,
//    GetProcessImageFileNameW), and the whole showing.
// 3. The GDI objects and windows an open chooser of 300 rows holds.
// With PICTURE, the chooser of the real processes with a row selected is saved there as a BMP.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bitmap_file.h"
#include "canvas.h"
#include "platform/win32_process_enumerator.h"
#include "support/fake_process_enumerator.h"
#include "support/win32_figures.h"
#include "toolkit/gdi_census.h"
#include "toolkit/skin_cache.h"
#include "ui/process_list_window.h"

namespace tockly::gallery {

void PumpMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

}  // namespace tockly::gallery

namespace tockly {
namespace {

constexpr int kRounds = 20;

double Milliseconds() {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// `step` timed kRounds times after `before` (untimed) each time.
void Time(const char* what, const std::function<void()>& before,
          const std::function<void()>& step) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        before();
        const double start = Milliseconds();
        step();
        times.push_back(Milliseconds() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-44s median %7.2f ms   best %7.2f ms   worst %7.2f ms\n", what,
                times[times.size() / 2], times.front(), times.back());
}

// The window shown and painted, as the user first sees it.
void ShowAndPaint(bfProcessListWindow& chooser) {
    chooser.Show(true);
    ::RedrawWindow(chooser.window(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HWND MakeOwner() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ChooserFiguresOwner";
    ::RegisterClassExW(&windowClass);
    return ::CreateWindowExW(0, L"ChooserFiguresOwner", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void MadeUpProcesses(HWND owner) {
    testing::FakeProcessEnumerator processes;
    processes.processes = testing::FakeProcessEnumerator::Numbered(300);
    bfProcessListWindow chooser(owner, processes);
    chooser.Place(100, 100);
    std::printf("300 made-up processes:\n");
    ShowAndPaint(chooser);  // the skins and fonts are loaded once, for every chooser after
    Time(
        "rebuild while shown", [] {}, [&] { chooser.Show(true); });
    Time(
        "show from hidden, painted", [&] { chooser.Show(false); }, [&] { ShowAndPaint(chooser); });
    testing::RunLoopFor(100);
    const testing::CensusCounts open = testing::GdiCensus::Now();
    std::printf("  open with 300 rows: %ld windows, %ld GDI objects of ours, %ld of the process\n",
                open.windows, open.objects, open.processObjects);
}

void RealProcesses(HWND owner, const wchar_t* picture) {
    Win32ProcessEnumerator processes;
    std::printf("The real processes (%zu listed):\n", processes.Enumerate().size());
    Time(
        "enumeration alone", [] {}, [&] { processes.Enumerate(); });
    bfProcessListWindow chooser(owner, processes);
    chooser.Place(100, 100);
    Time(
        "show from hidden, painted", [&] { chooser.Show(false); }, [&] { ShowAndPaint(chooser); });
    if (picture == nullptr) {
        return;
    }
    if (chooser.list().rowCount() > 0) {
        const int row = std::min(2, chooser.list().rowCount() - 1);
        if (const bfStaticText* shown = chooser.list().ShownRow(row)) {
            ::SendMessageW(shown->window(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        }
    }
    testing::RunLoopFor(200);
    const gallery::Canvas shot = gallery::Canvas::Capture(chooser.window());
    if (!gallery::WriteBmp(picture, shot.width(), shot.height(), shot.pixels())) {
        std::fprintf(stderr, "cannot save %ls\n", picture);
    }
}

}  // namespace
}  // namespace tockly

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: chooser-figures SKIN_FOLDER [PICTURE]\n");
        return 2;
    }
    tockly::SetSkinFileFolder(argv[1]);
    const HWND owner = tockly::MakeOwner();
    tockly::MadeUpProcesses(owner);
    tockly::RealProcesses(owner, argc > 2 ? argv[2] : nullptr);
    ::DestroyWindow(owner);
    return 0;
}
