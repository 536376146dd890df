// bfButton driven by real mouse messages, and once by real input through SendInput.

#include "toolkit/button.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "support/win32_test_paths.h"
#include "toolkit/control_pixels.h"
#include "toolkit/test_parent.h"

namespace tockly {
namespace {

using testing::Click;
using testing::PumpMessages;
using testing::Render;
using testing::SendMouse;
using testing::TestParent;

constexpr WORD kId = 77;

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        button = std::make_unique<bfButton>(parent.window(), kId, 100);
        button->Move(20, 30);
        button->SetBackgroundColor(RGB(40, 40, 40));
        button->SetText(L"Create");
        button->Show(true);
        parent.Clear();
    }
    int Clicks() const { return static_cast<int>(parent.commands.size()); }
    HWND window() const { return button->window(); }

    TestParent parent;
    std::unique_ptr<bfButton> button;
};

TEST_F(ButtonTest, AClickInsideNotifiesTheParentWithItsIdAndItself) {
    SendMouse(window(), WM_MOUSEMOVE, 10, 10);
    EXPECT_EQ(button->mouseState(), MouseState::Hovered);
    EXPECT_TRUE(button->mouseTracked());
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_EQ(button->mouseState(), MouseState::Pressed);
    EXPECT_EQ(::GetCapture(), window());
    EXPECT_EQ(Clicks(), 0);
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(button->mouseState(), MouseState::Normal);
    ASSERT_EQ(Clicks(), 1);
    EXPECT_EQ(parent.commands[0].id, kId);
    EXPECT_EQ(parent.commands[0].code, 0);
    EXPECT_EQ(parent.commands[0].lParam,
              reinterpret_cast<LPARAM>(static_cast<bfAbstractControl*>(button.get())));
}

TEST_F(ButtonTest, ReleasingOutsideSendsNothingUnlessTheButtonAsksForIt) {
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    SendMouse(window(), WM_MOUSEMOVE, 150, 10, MK_LBUTTON);  // captured: outside coordinates
    EXPECT_EQ(button->mouseState(), MouseState::Normal);
    SendMouse(window(), WM_LBUTTONUP, 150, 10);
    EXPECT_EQ(Clicks(), 0);
    EXPECT_EQ(::GetCapture(), nullptr);

    button->SetNotifyOnReleaseOutside(true);
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    SendMouse(window(), WM_LBUTTONUP, -5, 10);
    EXPECT_EQ(Clicks(), 1);
}

TEST_F(ButtonTest, NotifyOnPressAndDoubleClicks) {
    button->SetNotifyOnPress(true);
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_EQ(Clicks(), 1);
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(Clicks(), 2);

    button->SetNotifyOnPress(false);
    parent.Clear();
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
    SendMouse(window(), WM_LBUTTONDBLCLK, 10, 10, MK_LBUTTON);
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(Clicks(), 2);
}

TEST_F(ButtonTest, ADisabledButtonIgnoresTheMouseAndGivesUpAHeldCapture) {
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    button->SetEnabled(false);
    EXPECT_EQ(::GetCapture(), nullptr);
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
    Click(window(), 10, 10);
    SendMouse(window(), WM_MOUSEMOVE, 10, 10);
    EXPECT_EQ(button->mouseState(), MouseState::Normal);
    EXPECT_EQ(Clicks(), 0);
    button->SetEnabled(true);
    Click(window(), 10, 10);
    EXPECT_EQ(Clicks(), 1);
}

TEST_F(ButtonTest, LosingTheCaptureToAnotherWindowEndsThePress) {
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    ::SetCapture(parent.window());
    EXPECT_EQ(button->mouseState(), MouseState::Normal);
    ::ReleaseCapture();
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(Clicks(), 0);
}

TEST_F(ButtonTest, AParentMayDestroyTheButtonWhileHandlingItsClick) {
    parent.onCommand = [this](const testing::CommandRecord&) { button.reset(); };
    const HWND handle = window();
    Click(handle, 10, 10);
    EXPECT_EQ(button, nullptr);
    EXPECT_FALSE(::IsWindow(handle));
}

TEST_F(ButtonTest, ToggleClicksCheckAndACheckedToggleStaysUnlessUncheckingIsAllowed) {
    button->SetToggleButton(true);
    Click(window(), 10, 10);
    EXPECT_TRUE(button->checked());
    EXPECT_EQ(button->mouseState(), MouseState::Pressed);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Clicks(), 1);

    Click(window(), 10, 10);
    EXPECT_TRUE(button->checked());
    EXPECT_EQ(Clicks(), 1);

    button->SetAllowUncheck(true);
    Click(window(), 10, 10);
    EXPECT_FALSE(button->checked());
    EXPECT_EQ(Clicks(), 2);

    button->SetChecked(true);
    EXPECT_EQ(button->mouseState(), MouseState::Pressed);
    EXPECT_EQ(Clicks(), 2);  // the owner's own change is not reported back
}

TEST_F(ButtonTest, SizesKeepTheEndPiecesAndTheSkinHeight) {
    button->Resize(3, 90);
    RECT client{};
    ::GetClientRect(window(), &client);
    const auto metrics = button->skinMetrics();
    EXPECT_EQ(client.right, 2 * metrics.pieceWidth + 1);
    EXPECT_EQ(client.bottom, metrics.height);

    bfButton round(parent.window(), 2, 40, ButtonStyle::RoundIcon);
    ::GetClientRect(round.window(), &client);
    EXPECT_EQ(client.right, 40);
    EXPECT_EQ(client.bottom, skin::kRoundIconButtonSize);
}

TEST_F(ButtonTest, TheCaptionIsTheWindowText) {
    EXPECT_EQ(testing::WindowText(window()), L"Create");
    button->SetText(u"Change");
    EXPECT_EQ(testing::WindowText(window()), L"Change");
}

TEST_F(ButtonTest, ABuiltInStyleLooksTheSameHoveredAndDifferentPressed) {
    const testing::Snapshot normal = Render(window());
    // The plate covers the middle; its rounded corners let the background through.
    EXPECT_NE(normal.At(50, 12), RGB(40, 40, 40));
    EXPECT_EQ(normal.At(0, 0), RGB(40, 40, 40));
    SendMouse(window(), WM_MOUSEMOVE, 10, 10);
    ASSERT_EQ(button->mouseState(), MouseState::Hovered);
    EXPECT_EQ(Render(window()), normal);
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_NE(Render(window()), normal);
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
}

TEST_F(ButtonTest, ACustomSkinFromFilesDrawsItsHoveredPiecesAndIcon) {
    SetSkinFileFolder(testing::BinaryFolder());
    ButtonSkinFiles files;
    using enum ButtonBitmap;
    files[NormalLeft] = u"data\\bitmaps\\2x20_button_modern_left.bmp";
    files[NormalRight] = u"data\\bitmaps\\2x20_button_modern_right.bmp";
    files[NormalCentre] = u"data\\bitmaps\\1x20_button_modern_center.bmp";
    files[HoveredLeft] = u"data\\bitmaps\\2x20_button_modern_hovered_left.bmp";
    files[HoveredRight] = u"data\\bitmaps\\2x20_button_modern_hovered_right.bmp";
    files[HoveredCentre] = u"data\\bitmaps\\1x20_button_modern_hovered_center.bmp";
    files[Icon] = u"data\\bitmaps\\16_exit_icon.bmp";
    button->SetCustomSkin(files);
    button->Resize(20, 0);
    EXPECT_EQ(button->skinMetrics().pieceWidth, skin::kModernButton.pieceWidth);
    EXPECT_EQ(button->skinMetrics().height, skin::kModernButton.height);

    const testing::Snapshot normal = Render(window());
    EXPECT_NE(normal.At(10, 10), RGB(40, 40, 40));  // the icon in the middle
    SendMouse(window(), WM_MOUSEMOVE, 5, 5);
    EXPECT_NE(Render(window()), normal);
}

// Real input: the system moves the cursor, captures and releases, as for a user.
TEST_F(ButtonTest, RealMouseInputClicksOnlyWhenReleasedOverTheButton) {
    POINT centre{20 + 50, 30 + 12};
    ::ClientToScreen(parent.window(), &centre);
    POINT outside{centre.x, centre.y + 100};
    auto send = [](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        ::SendInput(1, &input, sizeof(input));
        PumpMessages();
        ::Sleep(50);
        PumpMessages();
    };
    auto moveTo = [](POINT point) {
        ::SetCursorPos(point.x, point.y);
        ::Sleep(50);
        PumpMessages();
    };

    moveTo(centre);
    send(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(button->mouseState(), MouseState::Pressed);
    send(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Clicks(), 1);

    send(MOUSEEVENTF_LEFTDOWN);
    moveTo(outside);
    EXPECT_EQ(button->mouseState(), MouseState::Normal);
    send(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Clicks(), 1);
    EXPECT_EQ(::GetCapture(), nullptr);
}

}  // namespace
}  // namespace tockly
