// Check boxes, radio buttons, double buttons, colour labels and static texts driven by real mouse
// messages.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(CheckBox, AClickTogglesTakesTheFocusNotifiesAndLetsTheMouseGo) {
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
    EXPECT_EQ(parent.commands.size(), 2u);
}

TEST(RadioButton, AClickChecksItAndASecondClickKeepsItChecked) {
    TestParent parent;
    bfRadioButton execute(parent.window(), 402, 150);
    bfRadioButton kill(parent.window(), 403, 150);
    execute.Show(true);
    kill.Show(true);
    Click(kill.window(), 5, 5);
    Click(kill.window(), 5, 5);
    EXPECT_TRUE(kill.checked());
    EXPECT_FALSE(execute.checked());  // the group is the owner's business
    EXPECT_EQ(::GetFocus(), kill.window());
    ASSERT_EQ(parent.commands.size(), 2u);
    EXPECT_EQ(parent.commands[1].id, 403);
}

TEST(DoubleButton, EachHalfClicksOnItsOwnStaysSelectedAndLooksPressed) {
    TestParent parent;
    bfDoubleButton amPm(parent.window(), 410, 30);
    amPm.SetBackgroundColor(RGB(50, 50, 50));
    amPm.Show(true);
    const testing::Snapshot none = Render(amPm.window());
    const int left = 5;
    const int right = amPm.geometry().leftWidth() + 5;
    Click(amPm.window(), left, 10);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].id, 410);
    EXPECT_EQ(amPm.clicked(), ButtonHalf::Left);
    EXPECT_EQ(amPm.selected(), ButtonHalf::Left);
    EXPECT_EQ(::GetCapture(), nullptr);
    const testing::Snapshot selected = Render(amPm.window());
    EXPECT_NE(selected.At(15, 12), none.At(15, 12));  // only the left half changed
    EXPECT_EQ(selected.At(45, 12), none.At(45, 12));

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

TEST(ColorLabel, AClickOnlyCapturesAndTakesTheFocusWhileEnabled) {
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
}

TEST(StaticText, APressIsReportedSoOwnersCanDragAndTheDisabledColourIsDrawn) {
    TestParent parent;
    bfStaticText text(parent.window(), 4, 120, 40);
    text.SetBackgroundColor(RGB(0, 0, 0));
    text.SetTextColors(RGB(255, 255, 255), RGB(255, 0, 0));
    text.SetText(L"00 : 00 : 05");
    text.Show(true);
    SendMouse(text.window(), WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(::GetCapture(), nullptr);  // the owner takes the mouse if it wants to drag
    text.SetEnabled(false);
    SendMouse(text.window(), WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
    EXPECT_EQ(parent.commands.size(), 1u);
    EXPECT_TRUE(std::ranges::any_of(Render(text.window()).pixels, [](std::uint32_t pixel) {
        return (pixel & 0xFFFFFF) == 0xFF0000;
    }));
}

}  // namespace
}  // namespace tockly
