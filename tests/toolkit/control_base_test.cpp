// The control and window base with real windows: the router and its map, class registration, the
// parent protocol, backgrounds, captions across threads, and errors inside window procedures.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "shell/error_guard.h"
#include "toolkit/abstract_control.h"
#include "toolkit/abstract_window.h"
#include "toolkit/control_pixels.h"
#include "toolkit/static_text.h"
#include "toolkit/test_parent.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;
using testing::PumpMessages;
using testing::Render;
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

bool QuitPosted() {
    MSG message;
    return ::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

// Takes a deferred error out of the way of the next test, and says what it was.
std::string TakeDeferredError() {
    const bool quit = QuitPosted();
    try {
        RethrowDeferredFatalError();
    } catch (const std::exception& error) {
        return quit ? error.what() : "error without WM_QUIT";
    }
    return quit ? "WM_QUIT without error" : "";
}

TEST(ControlRouter, MessagesBeforeTheObjectIsMappedGoToTheDefaultProcedure) {
    TestParent parent;
    RecordingControl control(parent.window(), 5);
    // CreateWindowExW succeeded, so WM_NCCREATE was answered by DefWindowProcW; the object saw
    // none of the creation messages.
    ASSERT_TRUE(::IsWindow(control.window()));
    EXPECT_THAT(control.received, ::testing::Not(::testing::Contains(WM_NCCREATE)));
    EXPECT_THAT(control.received, ::testing::Not(::testing::Contains(WM_CREATE)));
    EXPECT_EQ(bfAbstractControl::FromHandle(control.window()), &control);
    EXPECT_EQ(::GetDlgCtrlID(control.window()), 5);
}

TEST(ControlRouter, DeletingAControlUnmapsItBeforeItsWindowGoes) {
    TestParent parent;
    auto control = std::make_unique<RecordingControl>(parent.window(), 1);
    const HWND window = control->window();
    control.reset();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(bfAbstractControl::FromHandle(window), nullptr);
    EXPECT_EQ(TakeDeferredError(), "");
}

TEST(ControlRouter, AWindowDestroyedFromOutsideLeavesTheMapAndTheObjectDiesQuietly) {
    TestParent parent;
    auto control = std::make_unique<RecordingControl>(parent.window(), 1);
    const HWND window = control->window();
    ::DestroyWindow(window);
    ASSERT_FALSE(control->received.empty());
    EXPECT_EQ(control->received.back(), static_cast<UINT>(WM_NCDESTROY));
    EXPECT_EQ(bfAbstractControl::FromHandle(window), nullptr);
    const std::size_t seen = control->received.size();
    ::SendMessageW(window, WM_PAINT, 0, 0);  // a dead handle reaches nobody
    EXPECT_EQ(control->received.size(), seen);
    control.reset();
    EXPECT_EQ(TakeDeferredError(), "");
}

TEST(ControlRouter, ControlsOutliveTheirParentsWindow) {
    auto parent = std::make_unique<TestParent>();
    auto control = std::make_unique<bfStaticText>(parent->window(), 3, 50, 20);
    control->Show(true);
    parent.reset();
    control->SetText(L"still safe");
    control->Repaint();
    control.reset();
    EXPECT_EQ(TakeDeferredError(), "");
}

TEST(ControlRouter, AnExceptionInAHandlerEndsTheLoopInsteadOfCrossingTheDispatch) {
    TestParent parent;
    RecordingControl control(parent.window(), 1);
    EXPECT_EQ(::SendMessageW(control.window(), kThrowMessage, 0, 0), 0);
    EXPECT_EQ(TakeDeferredError(), "handler failed");
}

TEST(ControlRouter, AControlIsFoundFromItsCommandOnlyWhileItLives) {
    TestParent parent;
    auto control = std::make_unique<RecordingControl>(parent.window(), 1);
    const auto lParam = reinterpret_cast<LPARAM>(static_cast<bfAbstractControl*>(control.get()));
    EXPECT_EQ(bfAbstractControl::FromCommand(lParam), control.get());
    control.reset();
    EXPECT_EQ(bfAbstractControl::FromCommand(lParam), nullptr);
    EXPECT_EQ(bfAbstractControl::FromCommand(reinterpret_cast<LPARAM>(parent.window())), nullptr);
}

TEST(ClassRegistration, EveryControlSharesOneClassRegisteredOnce) {
    TestParent parent;
    RecordingControl first(parent.window(), 1);
    RecordingControl second(parent.window(), 2);
    const auto atom = ::GetClassLongPtrW(first.window(), GCW_ATOM);
    EXPECT_NE(atom, 0);
    EXPECT_EQ(::GetClassLongPtrW(second.window(), GCW_ATOM), atom);

    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetClassInfoExW(::GetModuleHandleW(nullptr), L"bfAbstractControlClass", &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(info.hCursor, nullptr);
    EXPECT_EQ(info.hbrBackground, nullptr);
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.cbWndExtra, 0);
}

class GradientNotices : public ::testing::Test {
protected:
    void SetUp() override {
        control = std::make_unique<bfStaticText>(parent.window(), 42, 60, 20);
        parent.Clear();
    }
    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const auto& notice : parent.notifications) {
            codes.push_back(notice.code);
        }
        return codes;
    }
    TestParent parent;
    std::unique_ptr<bfStaticText> control;
};

TEST_F(GradientNotices, EveryShowAsksTheParentOnceForTheBackground) {
    control->Show(true);
    ASSERT_EQ(parent.notifications.size(), 1u);
    const auto& notice = parent.notifications[0];
    EXPECT_EQ(notice.code, 0u);
    EXPECT_EQ(notice.from, control->window());
    EXPECT_EQ(notice.id, 42u);
    EXPECT_EQ(notice.wParam, reinterpret_cast<WPARAM>(parent.window()));

    control->Show(false);
    control->Show(true);
    EXPECT_THAT(Codes(), ElementsAre(0u, 0u));
}

TEST_F(GradientNotices, NoRequestWhenSuppressedOrInAnotherMode) {
    control->SetNoBackgroundRequest(true);
    control->Show(true);
    control->SetNoBackgroundRequest(false);
    control->SetBackgroundColor(RGB(1, 2, 3));
    control->Show(true);
    control->Move(10, 10);
    control->Resize(70, 20);
    EXPECT_TRUE(parent.notifications.empty());
}

TEST_F(GradientNotices, MovesSayWhichDirectionChanged) {
    control->Move(10, 20);
    control->Move(30, 20);
    control->Move(30, 40);
    control->Move(30, 40);
    control->Move(0, 0);
    EXPECT_THAT(Codes(), ElementsAre(0u, 1u, 2u, 0u, 0u));
}

TEST_F(GradientNotices, ResizingAsksAgainOnlyWhileShown) {
    control->Resize(80, 20);
    EXPECT_TRUE(parent.notifications.empty());
    control->Show(true);
    control->Resize(90, 20);
    EXPECT_THAT(Codes(), ElementsAre(0u, 0u));
}

TEST_F(GradientNotices, TheParentsAnswerPaintsTheSliceTheControlCovers) {
    // The owner answers the request with its gradient: 0 at the top to 200 at y = 200.
    parent.onNotify = [this](const testing::NotifyRecord&) {
        control->SetGradient(
            {.extentWidth = 400, .extentHeight = 200, .startLevel = 0, .endLevel = 200});
    };
    control->Resize(60, 40);
    control->Move(10, 50);
    control->Show(true);
    const testing::Snapshot shot = Render(control->window());
    EXPECT_NEAR(testing::Grey(shot.At(5, 0)), 50, 1);
    EXPECT_NEAR(testing::Grey(shot.At(5, 39)), 89, 2);
    EXPECT_EQ(shot.At(0, 20), shot.At(59, 20));  // vertical: rows are even
}

TEST(Backgrounds, APatternTileLinesUpWithTheParentsTiles) {
    TestParent parent;
    bfStaticText control(parent.window(), 1, 30, 10);
    // A 40 x 1 tile whose column c has grey level c.
    std::vector<std::uint32_t> tile(40);
    for (int column = 0; column < 40; ++column) {
        tile[column] = 0xFF000000u | column * 0x010101u;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 40;
    info.bmiHeader.biHeight = -1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(bitmap);
    std::copy(tile.begin(), tile.end(), static_cast<std::uint32_t*>(bits));
    control.SetBackgroundBitmap(AdoptBitmap(std::move(bitmap)));
    control.Move(13, 0);
    control.Show(true);
    const testing::Snapshot shot = Render(control.window());
    EXPECT_EQ(testing::Grey(shot.At(0, 0)), 13);
    EXPECT_EQ(testing::Grey(shot.At(29, 5)), (13 + 29) % 40);
}

TEST(Captions, TheWindowTextFollowsTheCaptionAlsoWhenAWorkerSetsIt) {
    TestParent parent;
    bfStaticText label(parent.window(), 1, 80, 20);
    label.Show(true);
    label.SetText(u"00 : 00 : 05");
    EXPECT_EQ(testing::WindowText(label.window()), L"00 : 00 : 05");

    // A widget's worker sets its labels while the UI thread may be waiting for the worker: the
    // worker must not wait for the UI thread in return.
    struct Work {
        bfStaticText* label;
    } work{&label};
    HANDLE worker = ::CreateThread(
        nullptr, 0,
        [](void* argument) -> DWORD {
            auto* job = static_cast<Work*>(argument);
            job->label->SetText(L"00 : 00 : 04");
            job->label->Repaint();
            return 0;
        },
        &work, 0, nullptr);
    ASSERT_NE(worker, nullptr);
    EXPECT_EQ(::WaitForSingleObject(worker, 10000), WAIT_OBJECT_0);
    ::CloseHandle(worker);
    EXPECT_EQ(label.Text(), L"00 : 00 : 04");
    PumpMessages();
    EXPECT_EQ(testing::WindowText(label.window()), L"00 : 00 : 04");
}

class PlainWindow : public bfAbstractWindow {
public:
    PlainWindow() : bfAbstractWindow(nullptr, WS_POPUP, WS_EX_TOOLWINDOW) {
        messages().Set(WM_CLOSE, [this](UINT, WPARAM, LPARAM) -> LRESULT {
            ::DestroyWindow(window());
            return 0;
        });
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        ++handled;
        return DispatchMessageMap(message, wParam, lParam);
    }
    int handled = 0;
};

TEST(WindowBase, OneClassAMapEntryWhileAliveAndTheWindowGoesWithTheObject) {
    auto first = std::make_unique<PlainWindow>();
    PlainWindow second;
    EXPECT_EQ(::GetClassLongPtrW(first->window(), GCW_ATOM),
              ::GetClassLongPtrW(second.window(), GCW_ATOM));
    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetClassInfoExW(::GetModuleHandleW(nullptr), L"bfAbstractWindowClass", &info));
    EXPECT_EQ(info.style, 0u);
    EXPECT_NE(info.hCursor, nullptr);

    const HWND window = first->window();
    EXPECT_EQ(bfAbstractWindow::FromHandle(window), first.get());
    EXPECT_TRUE(first->Resize(198, 86));
    RECT rect{};
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 198);
    first->Show(true);
    EXPECT_TRUE(first->shown());
    EXPECT_TRUE(::IsWindowVisible(window));
    first->SetTopmost(HWND_TOPMOST);
    EXPECT_TRUE(first->topmost());
    EXPECT_NE(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    first->SetTopmost(HWND_NOTOPMOST);
    EXPECT_FALSE(first->topmost());

    first.reset();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(bfAbstractWindow::FromHandle(window), nullptr);
    EXPECT_EQ(TakeDeferredError(), "");
}

TEST(WindowBase, AWindowClosedByTheUserIsForgottenBeforeItsObjectGoes) {
    auto window = std::make_unique<PlainWindow>();
    const HWND handle = window->window();
    ::SendMessageW(handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_FALSE(window->windowAlive());
    EXPECT_EQ(bfAbstractWindow::FromHandle(handle), nullptr);
    window.reset();
    EXPECT_EQ(TakeDeferredError(), "");
}

}  // namespace
}  // namespace tockly
