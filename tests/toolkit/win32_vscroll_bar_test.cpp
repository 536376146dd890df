// bfVScrollBar under Wine: arrows and their repeat, paging to the press point, thumb dragging,
// keys and the wheel, each reported with the new position in the notification.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "support/win32_process.h"
#include "toolkit/vscroll_bar.h"
#include "toolkit/win32_control_host.h"
#include "toolkit/win32_input_test_support.h"

namespace tockly {
namespace {

using testing::ButtonDown;
using testing::ButtonUp;
using testing::ControlHost;
using testing::MouseMove;

constexpr WORD kBarId = 500;
constexpr int kHeight = 236;  // a 200-pixel track

class VScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar_ = std::make_unique<bfVScrollBar>(host_.window(), kBarId, kHeight);
        bar_->Move(300, 10);
        bar_->Show(true);
        bar_->SetContent(1000);
        bar_->SetPage(100);
        bar_->SetLineStep(10);
        host_.commands.clear();
    }

    HWND window() const { return bar_->window(); }
    int LastReported() const { return host_.commands.back().high; }
    // Sends the repeat timer until it stops stepping; returns how many ticks stepped.
    int TickUntilStopped(UINT_PTR timer) {
        int steps = 0;
        for (int tick = 0; tick < 50; ++tick) {
            const std::size_t before = host_.commands.size();
            ::SendMessageW(window(), WM_TIMER, timer, 0);
            if (host_.commands.size() == before) {
                break;
            }
            ++steps;
        }
        return steps;
    }

    ControlHost host_;
    std::unique_ptr<bfVScrollBar> bar_;
};

TEST_F(VScrollBarTest, TheBarKeepsItsWidthAndTheThumbFollowsThePosition) {
    bar_->Resize(50, kHeight);
    RECT client{};
    ::GetClientRect(window(), &client);
    EXPECT_EQ(client.right, bfVScrollBar::kWidth);
    EXPECT_EQ(client.bottom, kHeight);
    bar_->SetPosition(900);
    EXPECT_EQ(bar_->model().thumbTop(), 18 + 180);
    bar_->SetPage(2000);
    EXPECT_EQ(bar_->position(), 0);
    EXPECT_TRUE(host_.commands.empty());  // the owner's own changes are not reported back
}

TEST_F(VScrollBarTest, HoldingTheDownArrowAtTheBottomStopsItsRepeat) {
    bar_->SetPosition(880);
    ButtonDown(window(), 10, kHeight - 5);
    ASSERT_EQ(host_.commands.size(), 1u);
    EXPECT_EQ(host_.commands[0].id, kBarId);
    EXPECT_EQ(LastReported(), 890);
    EXPECT_EQ(host_.commands[0].lParam, reinterpret_cast<LPARAM>(bar_.get()));
    EXPECT_EQ(bar_->press(), ScrollPress::DownArrow);

    EXPECT_EQ(TickUntilStopped(bfVScrollBar::kDownTimer), 1);
    EXPECT_EQ(bar_->position(), 900);
    // The timer killed itself: later ticks are strays and do nothing.
    EXPECT_EQ(TickUntilStopped(bfVScrollBar::kDownTimer), 0);

    ButtonUp(window(), 10, kHeight - 5);
    EXPECT_EQ(LastReported(), 900);
    EXPECT_EQ(bar_->press(), ScrollPress::None);
    EXPECT_NE(::GetCapture(), window());
}

TEST_F(VScrollBarTest, ATrackPressPagesUntilTheThumbReachesThePressPoint) {
    const int pressY = 150;
    ButtonDown(window(), 10, pressY);
    EXPECT_EQ(LastReported(), 100);
    EXPECT_EQ(TickUntilStopped(bfVScrollBar::kPageDownTimer), 5);
    EXPECT_EQ(bar_->position(), 600);
    const VScrollModel& model = bar_->model();
    EXPECT_LE(model.thumbTop(), pressY);
    EXPECT_GT(model.thumbTop() + model.thumbHeight(), pressY);
    ButtonUp(window(), 10, pressY);
}

TEST_F(VScrollBarTest, PagingRunsOnTheRealTimerToo) {
    ButtonDown(window(), 10, 150);
    ASSERT_TRUE(testing::WaitUntil([this] {
        ControlHost::Pump();
        return bar_->position() == 600;
    }));
    ButtonUp(window(), 10, 150);
    EXPECT_EQ(bar_->position(), 600);
}

TEST_F(VScrollBarTest, DraggingTheThumbReportsEveryMoveAndTheRelease) {
    ButtonDown(window(), 10, 25);  // the thumb at the top, 7 pixels into it
    EXPECT_EQ(bar_->press(), ScrollPress::Thumb);
    EXPECT_TRUE(host_.commands.empty());
    MouseMove(window(), 10, 115);
    EXPECT_EQ(LastReported(), 450);
    MouseMove(window(), 10, 5000);
    EXPECT_EQ(LastReported(), 900);
    const std::size_t moves = host_.commands.size();
    ButtonUp(window(), 10, 5000);
    EXPECT_EQ(host_.commands.size(), moves + 1);
    EXPECT_EQ(LastReported(), 900);
    EXPECT_EQ(bar_->model().thumbTop(), 198);
}

TEST_F(VScrollBarTest, KeysAndTheWheelStepAndLosingTheFocusToNothingIsPassedOn) {
    ::SetFocus(window());
    testing::PressKey(window(), VK_NEXT);
    EXPECT_EQ(LastReported(), 100);
    testing::PressKey(window(), VK_DOWN);
    EXPECT_EQ(LastReported(), 110);
    ::SendMessageW(window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(LastReported(), 130);
    testing::PressKey(window(), VK_PRIOR);
    testing::PressKey(window(), VK_UP);
    EXPECT_EQ(bar_->position(), 20);
    testing::PressKey(window(), VK_HOME);
    EXPECT_EQ(LastReported(), 0);

    host_.killFocusMessages = 0;
    ::SetFocus(nullptr);
    EXPECT_EQ(host_.killFocusMessages, 1);
}

TEST_F(VScrollBarTest, AnotherWindowTakingTheMouseEndsThePress) {
    ButtonDown(window(), 10, kHeight - 5);
    ::SetCapture(host_.window());
    EXPECT_EQ(bar_->press(), ScrollPress::None);
    const int position = bar_->position();
    EXPECT_EQ(TickUntilStopped(bfVScrollBar::kDownTimer), 0);
    EXPECT_EQ(bar_->position(), position);
    ::ReleaseCapture();
}

}  // namespace
}  // namespace tockly
