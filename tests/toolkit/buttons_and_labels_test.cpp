// Buttons, check boxes, radio buttons, double buttons, colour labels and static texts driven by
// real mouse messages: the parent protocol, capture, focus and painting.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/color_label.h"
#include "toolkit/control_pixels.h"
#include "toolkit/double_button.h"
#include "toolkit/static_text.h"
#include "toolkit/test_parent.h"

namespace tockly {
namespace {

using testing::Click;
using testing::Render;
using testing::SendMouse;
using testing::TestParent;

constexpr WORD kId = 77;

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        button = std::make_unique<bfButton>(parent.window(), kId, 100);
        button->SetBackgroundColor(RGB(40, 40, 40));
        button->SetText(L"Create");
        button->Show(true);
        parent.Clear();
    }
    std::size_t Clicks() const { return parent.commands.size(); }
    HWND window() const { return button->window(); }

    TestParent parent;
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

TEST(CheckBox, AClickTogglesTakesTheFocusNotifiesAndLetsTheMouseGoButARadioStaysChecked) {
    TestParent parent;
    bfCheckBox box(parent.window(), 420, 150, 0);
    box.Show(true);
    RECT client{};
    ::GetClientRect(box.window(), &client);
    EXPECT_EQ(client.bottom, skin::kCheckBoxSize);  // height 0 takes the box's

    SendMouse(box.window(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(::GetFocus(), box.window());
    EXPECT_EQ(::GetCapture(), box.window());
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].id, 420);
    SendMouse(box.window(), WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(::GetCapture(), nullptr);
    Click(box.window(), 5, 5);
    EXPECT_FALSE(box.checked());

    // A radio button stays checked; its group is the owner's business.
    bfRadioButton radio(parent.window(), 403, 150);
    radio.Show(true);
    Click(radio.window(), 5, 5);
    Click(radio.window(), 5, 5);
    EXPECT_TRUE(radio.checked());
    EXPECT_EQ(::GetFocus(), radio.window());
    EXPECT_EQ(parent.commands.size(), 4u);
}

TEST(DoubleButton, EachHalfClicksOnItsOwnAndStaysSelected) {
    TestParent parent;
    bfDoubleButton amPm(parent.window(), 410, 30);
    amPm.Show(true);
    const int left = 5;
    const int right = amPm.geometry().leftWidth() + 5;
    Click(amPm.window(), left, 10);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].id, 410);
    EXPECT_EQ(amPm.clicked(), ButtonHalf::Left);
    EXPECT_EQ(amPm.selected(), ButtonHalf::Left);
    EXPECT_EQ(::GetCapture(), nullptr);

    // Pressed on one half and released on the other: no click.
    SendMouse(amPm.window(), WM_LBUTTONDOWN, right, 10, MK_LBUTTON);
    SendMouse(amPm.window(), WM_LBUTTONUP, left, 10);
    EXPECT_EQ(parent.commands.size(), 1u);
    Click(amPm.window(), right, 10);
    EXPECT_EQ(amPm.selected(), ButtonHalf::Right);
    EXPECT_EQ(parent.commands.size(), 2u);

    amPm.SetChecked(true);
    EXPECT_EQ(amPm.selected(), ButtonHalf::None);
    EXPECT_TRUE(amPm.checked());
}

TEST(Labels, AColourLabelOnlyCapturesAndTakesTheFocusWhileEnabledAStaticTextReportsAPress) {
    TestParent parent;
    bfColorLabel label(parent.window(), 1, 120, LabelColor::Green);
    label.Show(true);
    SendMouse(label.window(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(::GetCapture(), label.window());
    EXPECT_EQ(::GetFocus(), label.window());
    SendMouse(label.window(), WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(parent.commands.empty());
    label.SetEnabled(false);
    SendMouse(label.window(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(::GetCapture(), nullptr);

    // A static text reports a press so that its owner can drag, and leaves it the mouse.
    bfStaticText text(parent.window(), 4, 120, 40);
    text.Show(true);
    SendMouse(text.window(), WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].id, 4);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST(Labels, AStaticTextIsCentredLikeAButtonsCaptionUntilItsOwnerAlignsIt) {
    TestParent parent;
    bfStaticText text(parent.window(), 5, 200, 40);
    text.SetBackgroundColor(RGB(255, 255, 255));
    text.SetText(L"00 : 14 : 59");
    text.Show(true);
    EXPECT_EQ(text.horizontalAlignment(), HorizontalAlignment::Centre);
    EXPECT_EQ(text.verticalAlignment(), VerticalAlignment::Centre);
    // The box around the drawn text.
    const auto ink = [&text] {
        const testing::Snapshot shot = Render(text.window());
        RECT box{200, 40, -1, -1};
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (shot.At(x, y) != RGB(255, 255, 255)) {
                    box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                           std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
                }
            }
        }
        return box;
    };
    const RECT centred = ink();
    ASSERT_GT(centred.right, centred.left + 40);
    EXPECT_NEAR(centred.left + centred.right, 199, 3);
    EXPECT_NEAR(centred.top + centred.bottom, 39, 4);
    text.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Top);
    EXPECT_LE(ink().left, 2);
    EXPECT_LE(ink().top, 4);
    text.SetAlignment(HorizontalAlignment::Right, VerticalAlignment::Bottom);
    EXPECT_GE(ink().right, 196);
    EXPECT_GE(ink().bottom, 35);
}

}  // namespace
}  // namespace tockly
