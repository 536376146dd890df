// bfButton driven by real mouse messages: the parent protocol, capture and painting.

#include "toolkit/button.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "toolkit/control_pixels.h"
#include "toolkit/test_parent.h"

namespace tockly {
namespace {

using testing::Click;
using testing::Render;
using testing::SendMouse;

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
    std::size_t Clicks() const { return parent.commands.size(); }
    HWND window() const { return button->window(); }

    testing::TestParent parent;
    std::unique_ptr<bfButton> button;
};

TEST_F(ButtonTest, AClickNotifiesWithIdAndObjectButAReleaseOutsideOnlyWhenAsked) {
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_EQ(::GetCapture(), window());
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(::GetCapture(), nullptr);
    ASSERT_EQ(Clicks(), 1u);
    EXPECT_EQ(parent.commands[0].id, kId);
    EXPECT_EQ(parent.commands[0].code, 0);
    EXPECT_EQ(bfAbstractControl::FromCommand(parent.commands[0].lParam), button.get());

    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    SendMouse(window(), WM_MOUSEMOVE, 150, 10, MK_LBUTTON);  // captured: outside coordinates
    EXPECT_EQ(button->mouseState(), MouseState::Normal);
    SendMouse(window(), WM_LBUTTONUP, 150, 10);
    EXPECT_EQ(Clicks(), 1u);
    button->SetNotifyOnReleaseOutside(true);
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    SendMouse(window(), WM_LBUTTONUP, -5, 10);
    EXPECT_EQ(Clicks(), 2u);
}

TEST_F(ButtonTest, ADoubleClickIsTwoPressesAndNotifyOnPressReportsTheDownToo) {
    Click(window(), 10, 10);
    SendMouse(window(), WM_LBUTTONDBLCLK, 10, 10, MK_LBUTTON);
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(Clicks(), 2u);
    button->SetNotifyOnPress(true);
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_EQ(Clicks(), 3u);
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(Clicks(), 4u);
}

TEST_F(ButtonTest, DisablingOrLosingTheCaptureEndsAPressWithoutAClick) {
    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    ::SetCapture(parent.window());
    EXPECT_EQ(button->mouseState(), MouseState::Normal);
    ::ReleaseCapture();
    SendMouse(window(), WM_LBUTTONUP, 10, 10);

    SendMouse(window(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    button->SetEnabled(false);
    EXPECT_EQ(::GetCapture(), nullptr);
    SendMouse(window(), WM_LBUTTONUP, 10, 10);
    Click(window(), 10, 10);
    EXPECT_EQ(button->mouseState(), MouseState::Normal);
    EXPECT_EQ(Clicks(), 0u);
}

TEST_F(ButtonTest, AParentMayDestroyTheButtonWhileHandlingItsClick) {
    parent.onCommand = [this](const testing::CommandRecord&) { button.reset(); };
    const HWND handle = window();
    Click(handle, 10, 10);
    EXPECT_EQ(button, nullptr);
    EXPECT_FALSE(::IsWindow(handle));
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

}  // namespace
}  // namespace tockly
