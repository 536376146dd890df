// The control and window base with real windows: the router and its map, the parent protocol,
// gradient backgrounds, captions set by a worker, and errors inside window procedures.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "support/fatal_error.h"
#include "support/win32_process.h"
#include "toolkit/abstract_control.h"
#include "toolkit/abstract_window.h"
#include "toolkit/static_text.h"
#include "toolkit/test_parent.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;
using testing::TestParent;

constexpr UINT kThrowMessage = WM_APP + 7;

// A bare control that remembers every message its object was given.
class RecordingControl : public bfAbstractControl {
public:
    RecordingControl(HWND parent, WORD id) : bfAbstractControl(parent, id, WS_CHILD) {
        messages().Set(kThrowMessage, [](UINT, WPARAM, LPARAM) -> LRESULT {
            throw std::runtime_error("handler failed");
        });
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        received.push_back(message);
        return bfAbstractControl::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> received;
};

// Takes a deferred error (and the WM_QUIT that comes with it) out of the way of the next test.
std::string TakeDeferredError() {
    MSG quit;
    const bool quitPosted = ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    try {
        RethrowDeferredFatalError();
    } catch (const std::exception& error) {
        return quitPosted ? error.what() : "error without WM_QUIT";
    }
    return quitPosted ? "WM_QUIT without error" : "";
}

TEST(ControlRouter, TheObjectHearsOnlyWhileItAndItsWindowAreMapped) {
    TestParent parent;
    auto control = std::make_unique<RecordingControl>(parent.window(), 5);
    const HWND window = control->window();
    // CreateWindowExW succeeded, so WM_NCCREATE was answered by DefWindowProcW.
    EXPECT_THAT(control->received, ::testing::Not(::testing::Contains(WM_NCCREATE)));
    EXPECT_EQ(bfAbstractControl::FromHandle(window), control.get());
    const auto lParam = reinterpret_cast<LPARAM>(static_cast<bfAbstractControl*>(control.get()));
    control.reset();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(bfAbstractControl::FromHandle(window), nullptr);
    EXPECT_EQ(bfAbstractControl::FromCommand(lParam), nullptr);

    // A window destroyed from outside leaves the map at once; its object later dies quietly.
    control = std::make_unique<RecordingControl>(parent.window(), 6);
    ::DestroyWindow(control->window());
    EXPECT_EQ(control->received.back(), static_cast<UINT>(WM_NCDESTROY));
    const std::size_t seen = control->received.size();
    ::SendMessageW(control->window(), WM_PAINT, 0, 0);
    EXPECT_EQ(control->received.size(), seen);
    control.reset();

    // So does a control that outlives its parent's window.
    auto parentGone = std::make_unique<TestParent>();
    auto text = std::make_unique<bfStaticText>(parentGone->window(), 3, 50, 20);
    text->Show(true);
    parentGone.reset();
    text->SetText(L"still safe");
    text->Repaint();
    text.reset();
    EXPECT_EQ(TakeDeferredError(), "");
}

TEST(ControlRouter, AnExceptionInAHandlerEndsTheLoopInsteadOfCrossingTheDispatch) {
    TestParent parent;
    RecordingControl control(parent.window(), 1);
    EXPECT_EQ(::SendMessageW(control.window(), kThrowMessage, 0, 0), 0);
    EXPECT_EQ(TakeDeferredError(), "handler failed");
}

TEST(GradientNotices, TheParentIsAskedOncePerShowOrResizeAndHearsWhichWayAMoveWent) {
    TestParent parent;
    bfStaticText control(parent.window(), 42, 60, 20);
    control.Resize(80, 20);  // hidden: no request
    control.Show(true);
    control.Show(false);
    control.Show(true);
    control.Resize(90, 20);
    control.Move(10, 20);
    control.Move(30, 20);
    control.Move(30, 40);
    control.Move(30, 40);
    std::vector<UINT> codes;
    for (const auto& notice : parent.notifications) {
        EXPECT_EQ(notice.from, control.window());
        EXPECT_EQ(notice.id, 42u);
        EXPECT_EQ(notice.wParam, reinterpret_cast<WPARAM>(parent.window()));
        codes.push_back(notice.code);
    }
    EXPECT_THAT(codes, ElementsAre(0u, 0u, 0u, 0u, 1u, 2u, 0u));

    // Suppressed, or in another background mode: no requests.
    parent.Clear();
    control.SetNoBackgroundRequest(true);
    control.Show(true);
    control.SetNoBackgroundRequest(false);
    control.SetBackgroundColor(RGB(1, 2, 3));
    control.Show(true);
    control.Move(10, 10);
    control.Resize(70, 20);
    EXPECT_TRUE(parent.notifications.empty());
}

TEST(Captions, AWorkerSetsACaptionWithoutWaitingForTheUserInterfaceThread) {
    TestParent parent;
    bfStaticText label(parent.window(), 1, 80, 20);
    label.Show(true);
    // A widget's worker sets its labels while the UI thread may be waiting for it, so it must
    // not wait for the UI thread in return: here the UI thread waits and handles nothing.
    std::atomic<bool> done = false;
    std::thread worker([&label, &done] {
        label.SetText(L"00 : 00 : 04");
        label.Repaint();
        done = true;
    });
    if (!testing::WaitUntil([&done] { return done.load(); }, std::chrono::seconds(10))) {
        ADD_FAILURE() << "the worker waited for the user-interface thread";
        testing::WaitUntil([&done] {
            testing::PumpMessages();
            return done.load();
        });
    }
    worker.join();
    EXPECT_EQ(label.Text(), L"00 : 00 : 04");
    testing::PumpMessages();
    EXPECT_EQ(testing::WindowText(label.window()), L"00 : 00 : 04");
}

class PlainWindow : public bfAbstractWindow {
public:
    PlainWindow() : bfAbstractWindow(nullptr, WS_POPUP, WS_EX_TOOLWINDOW) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        return DispatchMessageMap(message, wParam, lParam);
    }
};

TEST(WindowBase, OneClassAndAMapEntryOnlyWhileTheObjectAndItsWindowLive) {
    auto first = std::make_unique<PlainWindow>();
    auto second = std::make_unique<PlainWindow>();  // a second one registers nothing again
    const HWND window = first->window();
    EXPECT_EQ(bfAbstractWindow::FromHandle(window), first.get());
    first.reset();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(bfAbstractWindow::FromHandle(window), nullptr);

    // Closed by the user: forgotten before its object goes.
    ::SendMessageW(second->window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(second->windowAlive());
    EXPECT_EQ(bfAbstractWindow::FromHandle(second->window()), nullptr);
    second.reset();
    EXPECT_EQ(TakeDeferredError(), "");
}

TEST(ThreadRules, AWorkerThatChangesAWindowIsStoppedAndItsErrorEndsTheMainLoop) {
    SetFatalErrorLoopThread();
    TestParent parent;
    bfStaticText label(parent.window(), 1, 80, 20);
    label.Show(true);
    PlainWindow window;
    window.Show(true);
    std::thread worker([&label, &window] {
        label.Show(false);
        label.Move(30, 40);
        window.Show(false);
    });
    worker.join();
    // Nothing happened to the windows, and the first error ended the loop of the main thread.
    EXPECT_TRUE(::IsWindowVisible(label.window()));
    EXPECT_EQ(label.x(), 0);
    EXPECT_TRUE(::IsWindowVisible(window.window()));
    const UINT_PTR safety = ::SetTimer(nullptr, 0, 5000, nullptr);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == safety) {
            ADD_FAILURE() << "the main loop did not end";
            break;
        }
        ::DispatchMessageW(&message);
    }
    ::KillTimer(nullptr, safety);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(static_cast<int>(message.wParam), kFailureExitCode);
    try {
        RethrowDeferredFatalError();
        ADD_FAILURE() << "no error was deferred";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "bfAbstractControl::Show called from another thread");
    }
    EXPECT_EQ(TakeDeferredError(), "");
}

}  // namespace
}  // namespace tockly
