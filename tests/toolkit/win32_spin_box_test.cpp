// bfSpinBox under Wine: arrow presses and their repeat timers, keys, the wheel and typing.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "support/win32_process.h"
#include "toolkit/spin_box.h"
#include "toolkit/win32_control_host.h"
#include "toolkit/win32_input_test_support.h"

namespace tockly {
namespace {

using testing::ButtonDown;
using testing::ButtonUp;
using testing::ControlHost;
using testing::PressKey;
using testing::TypeText;
using testing::WindowText;

constexpr WORD kSpinId = 400;
constexpr int kWidth = 60;
constexpr int kUpX = kWidth - 8;
constexpr int kUpY = 5;
constexpr int kDownY = 15;

class SpinBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        spin_ = std::make_unique<bfSpinBox>(host_.window(), kSpinId, kWidth);
        spin_->Move(10, 10);
        spin_->Show(true);
        spin_->SetRange(0, 59);
        spin_->SetMaxDigits(2);
        spin_->SetValue(58);
        host_.commands.clear();
    }

    HWND window() const { return spin_->window(); }
    void Tick(UINT_PTR timer) { ::SendMessageW(window(), WM_TIMER, timer, 0); }

    ControlHost host_;
    std::unique_ptr<bfSpinBox> spin_;
};

TEST_F(SpinBoxTest, AnArrowStepsAtThePressAndOnEveryTickUntilReleased) {
    ButtonDown(window(), kUpX, kUpY);
    EXPECT_EQ(spin_->value(), 59);
    EXPECT_EQ(spin_->pressedArrow(), SpinArrow::Up);
    EXPECT_EQ(WindowText(window()), L"59");
    ASSERT_EQ(host_.commands.size(), 1u);
    EXPECT_EQ(host_.commands[0].lParam, reinterpret_cast<LPARAM>(spin_.get()));

    // At the maximum the repeat still reports, with the hit flag, so an owner can carry over.
    Tick(bfSpinBox::kUpTimer);
    EXPECT_EQ(spin_->value(), 59);
    EXPECT_TRUE(spin_->hitMaximum());
    EXPECT_EQ(host_.commands.size(), 2u);

    ButtonUp(window(), kUpX, kUpY);
    EXPECT_EQ(spin_->pressedArrow(), SpinArrow::None);
    EXPECT_NE(::GetCapture(), window());
    Tick(bfSpinBox::kUpTimer);  // a tick already queued at the release changes nothing
    EXPECT_EQ(host_.commands.size(), 2u);
}

TEST_F(SpinBoxTest, HoldingTheDownArrowRepeatsOnTheRealTimer) {
    spin_->SetValue(30);
    ButtonDown(window(), kUpX, kDownY);
    EXPECT_EQ(spin_->value(), 29);
    ASSERT_TRUE(testing::WaitUntil([this] {
        ControlHost::Pump();
        return spin_->value() <= 25;
    }));
    ButtonUp(window(), kUpX, kDownY);
    const int released = spin_->value();
    ::Sleep(300);
    ControlHost::Pump();
    EXPECT_EQ(spin_->value(), released);
    EXPECT_FALSE(spin_->hitMinimum());
}

TEST_F(SpinBoxTest, LeavingAHeldArrowStopsTheRepeatAndComingBackStartsItAgain) {
    spin_->SetValue(30);
    ButtonDown(window(), kUpX, kUpY);
    EXPECT_EQ(spin_->value(), 31);
    testing::MouseMove(window(), 10, 10);
    EXPECT_EQ(spin_->pressedArrow(), SpinArrow::None);
    Tick(bfSpinBox::kUpTimer);
    EXPECT_EQ(spin_->value(), 31);

    testing::MouseMove(window(), kUpX, kUpY);
    EXPECT_EQ(spin_->pressedArrow(), SpinArrow::Up);
    Tick(bfSpinBox::kUpTimer);
    EXPECT_EQ(spin_->value(), 32);
    // Over the other arrow the held one stays released.
    testing::MouseMove(window(), kUpX, kDownY);
    EXPECT_EQ(spin_->pressedArrow(), SpinArrow::None);
    ButtonUp(window(), kUpX, kDownY);
}

TEST_F(SpinBoxTest, KeysTheWheelAndTypingStayInTheRange) {
    spin_->SetValue(6);
    ::SetFocus(window());
    PressKey(window(), VK_END);
    TypeText(window(), L"7");  // 67 is no minute
    EXPECT_EQ(WindowText(window()), L"6");
    EXPECT_TRUE(host_.commands.empty());

    PressKey(window(), VK_PRIOR);
    EXPECT_EQ(spin_->value(), 16);
    ::SendMessageW(window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(spin_->value(), 14);
    EXPECT_EQ(WindowText(window()), L"14");

    PressKey(window(), VK_HOME);
    TypeText(window(), L"5");  // "514" is too long
    EXPECT_EQ(WindowText(window()), L"14");
    PressKey(window(), VK_DELETE);
    TypeText(window(), L"5");
    EXPECT_EQ(spin_->value(), 54);
    EXPECT_EQ(host_.commands.size(), 5u);
}

TEST_F(SpinBoxTest, LeavingTheFieldHalfEditedShowsTheValueAgain) {
    spin_->SetRange(1, 12);
    spin_->SetValue(10);
    ::SetFocus(window());
    PressKey(window(), VK_HOME);
    PressKey(window(), VK_DELETE);  // "0" is no hour: the value stays 10
    EXPECT_EQ(WindowText(window()), L"0");
    EXPECT_EQ(spin_->value(), 10);
    ::SetFocus(host_.window());
    EXPECT_EQ(WindowText(window()), L"10");
}

TEST_F(SpinBoxTest, AFieldThatIsNotEditableStillStepsAndShowsItsFocus) {
    spin_->SetEditable(false);
    const std::wstring unfocused = testing::Snapshot(window());
    ::SetFocus(window());
    EXPECT_NE(testing::Snapshot(window()), unfocused);
    TypeText(window(), L"1");
    EXPECT_EQ(spin_->value(), 58);
    PressKey(window(), VK_DOWN);
    EXPECT_EQ(spin_->value(), 57);
}

TEST_F(SpinBoxTest, ADisabledSpinBoxIgnoresTheMouseAndLeavesTheTabOrder) {
    spin_->SetEnabled(false);
    ButtonDown(window(), kUpX, kUpY);
    EXPECT_EQ(spin_->value(), 58);
    EXPECT_FALSE(::IsWindowEnabled(window()));
    spin_->SetEnabled(true);
    EXPECT_TRUE(::IsWindowEnabled(window()));
}

TEST_F(SpinBoxTest, AWindowTextSetFromOutsideSetsTheValueWithinTheRange) {
    ::SetWindowTextW(window(), L"75");
    EXPECT_EQ(spin_->value(), 59);
    EXPECT_EQ(WindowText(window()), L"59");
    ::SetWindowTextW(window(), L"abc");
    EXPECT_EQ(spin_->value(), 59);
    EXPECT_EQ(WindowText(window()), L"59");
}

}  // namespace
}  // namespace tockly
