// bfSpinBox under Wine: arrow presses and their repeat timers, the capture taken away, the wheel,
// and a half-typed field that is left or read.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/button.h"
#include "toolkit/real_input.h"
#include "toolkit/spin_box.h"
#include "toolkit/test_parent.h"

namespace tockly {
namespace {

using testing::SendMouse;
using testing::TestParent;
using testing::WindowText;

constexpr int kWidth = 60;
constexpr int kArrowX = kWidth - 8;
constexpr int kUpY = 5;
constexpr int kDownY = 15;

class SpinBoxTest : public ::testing::Test {
protected:
    SpinBoxTest() {
        spin_.Show(true);
        spin_.SetRange(0, 59);
        spin_.SetMaxDigits(2);
        spin_.SetValue(58);
        parent_.Clear();
    }

    HWND window() const { return spin_.window(); }
    void Press(int y) { SendMouse(window(), WM_LBUTTONDOWN, kArrowX, y, MK_LBUTTON); }
    void Tick(UINT_PTR timer) { ::SendMessageW(window(), WM_TIMER, timer, 0); }

    TestParent parent_;
    bfSpinBox spin_{parent_.window(), 400, kWidth};
};

TEST_F(SpinBoxTest, AnArrowStepsAtThePressAndOnEveryTickUntilReleased) {
    Press(kUpY);
    EXPECT_EQ(WindowText(window()), L"59");
    ASSERT_EQ(parent_.commands.size(), 1u);
    EXPECT_EQ(parent_.commands[0].lParam, reinterpret_cast<LPARAM>(&spin_));

    // At the maximum the repeat still reports, with the hit flag, so an owner can carry over.
    Tick(bfSpinBox::kUpTimer);
    EXPECT_TRUE(spin_.hitMaximum());
    EXPECT_EQ(parent_.commands.size(), 2u);

    SendMouse(window(), WM_LBUTTONUP, kArrowX, kUpY);
    EXPECT_NE(::GetCapture(), window());
    Tick(bfSpinBox::kUpTimer);  // a tick already queued at the release changes nothing
    EXPECT_EQ(parent_.commands.size(), 2u);
}

TEST_F(SpinBoxTest, LeavingAHeldArrowStopsTheRepeatAndComingBackStartsItAgain) {
    spin_.SetValue(30);
    Press(kUpY);
    SendMouse(window(), WM_MOUSEMOVE, 10, 10, MK_LBUTTON);
    EXPECT_EQ(spin_.pressedArrow(), SpinArrow::None);
    Tick(bfSpinBox::kUpTimer);
    EXPECT_EQ(spin_.value(), 31);

    SendMouse(window(), WM_MOUSEMOVE, kArrowX, kUpY, MK_LBUTTON);
    EXPECT_EQ(spin_.pressedArrow(), SpinArrow::Up);
    Tick(bfSpinBox::kUpTimer);
    EXPECT_EQ(spin_.value(), 32);
    // Over the other arrow the held one stays released.
    SendMouse(window(), WM_MOUSEMOVE, kArrowX, kDownY, MK_LBUTTON);
    EXPECT_EQ(spin_.pressedArrow(), SpinArrow::None);
    SendMouse(window(), WM_LBUTTONUP, kArrowX, kDownY);

    spin_.SetEnabled(false);  // disabled: the mouse is ignored and the Tab order skips it
    Press(kUpY);
    EXPECT_EQ(spin_.value(), 32);
    EXPECT_FALSE(::IsWindowEnabled(window()));
}

TEST_F(SpinBoxTest, TheWheelStepsAndLeavingAHalfTypedFieldShowsTheValueAgain) {
    spin_.SetRange(10, 59);
    ::SetFocus(window());
    ::SendMessageW(window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(WindowText(window()), L"56");
    testing::PressKey(window(), VK_HOME);
    testing::PressKey(window(), VK_DELETE);  // "6" is below the range: the value stays 56 ...
    ::SetFocus(parent_.window());            // ... and shows again when the field is left
    EXPECT_EQ(WindowText(window()), L"56");
}

TEST_F(SpinBoxTest, AnArrowIsLetGoWhenAnotherWindowTakesTheMouseOrTheModeIsCancelled) {
    spin_.SetValue(30);
    testing::PointAt(window(), kArrowX, kUpY);
    testing::MouseButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(spin_.value(), 31);
    ::SetCapture(parent_.window());  // a drag elsewhere, a menu, a dialog
    EXPECT_EQ(spin_.pressedArrow(), SpinArrow::None);
    Tick(bfSpinBox::kUpTimer);
    EXPECT_EQ(spin_.value(), 31);
    ::ReleaseCapture();
    testing::MouseButton(MOUSEEVENTF_LEFTUP);

    testing::PointAt(window(), kArrowX, kDownY);
    testing::MouseButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(spin_.value(), 30);
    ::SendMessageW(window(), WM_CANCELMODE, 0, 0);  // what the system sends before a dialog
    EXPECT_NE(::GetCapture(), window());
    EXPECT_EQ(spin_.pressedArrow(), SpinArrow::None);
    Tick(bfSpinBox::kDownTimer);
    EXPECT_EQ(spin_.value(), 30);
    testing::MouseButton(MOUSEEVENTF_LEFTUP);
}

TEST_F(SpinBoxTest, AWheelTurnOverAnUnfocusedSpinBoxScrollsThePageAndStepsAFocusedOne) {
    ::SetFocus(parent_.window());
    testing::TurnWheelAt(window(), 20, 10, -WHEEL_DELTA);
    EXPECT_EQ(parent_.wheel, std::vector<int>{-WHEEL_DELTA});
    EXPECT_EQ(spin_.value(), 58);

    ::SetFocus(window());
    parent_.Clear();
    testing::TurnWheelAt(window(), 20, 10, WHEEL_DELTA);
    EXPECT_EQ(spin_.value(), 59);
    EXPECT_TRUE(parent_.wheel.empty());
}

TEST_F(SpinBoxTest, APageReadsTheNumberTheFieldShowsEvenWhileDigitsAreHalfTyped) {
    spin_.SetRange(10, 59);
    bfButton ok(parent_.window(), 401, 60);
    ok.Move(100, 0);
    ok.Show(true);
    int read = 0;
    std::wstring shown;
    parent_.onCommand = [&](const testing::CommandRecord& command) {
        if (command.id == 401) {
            read = spin_.value();
            shown = WindowText(window());
        }
    };
    testing::ClickAt(window(), 10, 10);
    testing::TypeKeys({VK_HOME, VK_DELETE});  // "8" is below the range: the value stays 58
    ASSERT_EQ(WindowText(window()), L"8");
    testing::ClickAt(ok.window(), 30, 12);  // the button leaves the focus where it is
    EXPECT_EQ(read, 58);
    EXPECT_EQ(shown, L"58");
}

}  // namespace
}  // namespace tockly
