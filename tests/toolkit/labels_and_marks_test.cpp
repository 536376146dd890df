// Check boxes, radio buttons, double buttons, colour labels and static texts driven by real mouse
// messages.

#include <windows.h>

#include <gtest/gtest.h>

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
    bfCheckBox box(parent.window(), 420, 150);
    box.SetText(L"Show progress bar");
    box.Show(true);
    parent.Clear();

    SendMouse(box.window(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(::GetFocus(), box.window());
    EXPECT_TRUE(box.focused());
    EXPECT_EQ(::GetCapture(), box.window());
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].id, 420);
    SendMouse(box.window(), WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(::GetCapture(), nullptr);

    Click(box.window(), 5, 5);
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(parent.commands.size(), 2u);
}

TEST(CheckBox, TheBoxShowsCheckedAndHoveredStatesAndTheOwnersCheckIsSilent) {
    TestParent parent;
    bfCheckBox box(parent.window(), 1, 120);
    box.SetBackgroundColor(RGB(255, 255, 255));
    box.Show(true);
    parent.Clear();
    const testing::Snapshot unchecked = Render(box.window());
    box.SetChecked(true);
    const testing::Snapshot checked = Render(box.window());
    EXPECT_NE(checked, unchecked);
    SendMouse(box.window(), WM_MOUSEMOVE, 5, 5);
    EXPECT_TRUE(box.hovered());
    EXPECT_NE(Render(box.window()), checked);
    SendMouse(box.window(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(box.hovered());
    EXPECT_EQ(Render(box.window()), checked);
    EXPECT_TRUE(parent.commands.empty());
}

TEST(CheckBox, AZeroHeightTakesTheBoxHeight) {
    TestParent parent;
    bfCheckBox box(parent.window(), 1, 100, 0);
    RECT client{};
    ::GetClientRect(box.window(), &client);
    EXPECT_EQ(client.bottom, skin::kCheckBoxSize);
    box.Resize(100, 24);
    ::GetClientRect(box.window(), &client);
    EXPECT_EQ(client.bottom, 24);
}

TEST(RadioButton, AClickChecksItAndASecondClickKeepsItChecked) {
    TestParent parent;
    bfRadioButton execute(parent.window(), 402, 150);
    bfRadioButton kill(parent.window(), 403, 150);
    execute.Show(true);
    kill.Show(true);
    parent.Clear();
    Click(kill.window(), 5, 5);
    Click(kill.window(), 5, 5);
    EXPECT_TRUE(kill.checked());
    EXPECT_FALSE(execute.checked());  // the group is the owner's business
    EXPECT_EQ(::GetFocus(), kill.window());
    ASSERT_EQ(parent.commands.size(), 2u);
    EXPECT_EQ(parent.commands[1].id, 403);
}

TEST(DoubleButton, EachHalfClicksOnItsOwnAndStaysSelected) {
    TestParent parent;
    bfDoubleButton amPm(parent.window(), 410, 30);
    amPm.SetCaptions(u"AM", u"PM");
    amPm.Show(true);
    parent.Clear();
    EXPECT_EQ(testing::WindowText(amPm.window()), L"AM\tPM");

    const int left = 5;
    const int right = amPm.geometry().leftWidth() + 5;
    Click(amPm.window(), right, 10);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].id, 410);
    EXPECT_EQ(amPm.clicked(), ButtonHalf::Right);
    EXPECT_EQ(amPm.selected(), ButtonHalf::Right);
    EXPECT_EQ(::GetCapture(), nullptr);

    // Pressed on one half and released on the other: no click.
    SendMouse(amPm.window(), WM_LBUTTONDOWN, left, 10, MK_LBUTTON);
    SendMouse(amPm.window(), WM_LBUTTONUP, right, 10);
    EXPECT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(amPm.selected(), ButtonHalf::Right);

    Click(amPm.window(), left, 10);
    EXPECT_EQ(amPm.clicked(), ButtonHalf::Left);
    EXPECT_EQ(parent.commands.size(), 2u);

    amPm.SetChecked(true);
    EXPECT_EQ(amPm.selected(), ButtonHalf::None);
    EXPECT_TRUE(amPm.checked());
}

TEST(DoubleButton, HalfWidthsKeepACentreColumnAndMakeTheWidth) {
    TestParent parent;
    bfDoubleButton button(parent.window(), 1, 30);
    button.SetHalfWidth(ButtonHalf::Left, 1);
    button.SetHalfWidth(ButtonHalf::Right, 50);
    RECT client{};
    ::GetClientRect(button.window(), &client);
    EXPECT_EQ(client.right, skin::kDoubleButton.pieceWidth + 1 + 1 + 50);
    EXPECT_EQ(client.bottom, skin::kDoubleButton.height);
}

TEST(DoubleButton, TheSelectedHalfLooksPressed) {
    TestParent parent;
    bfDoubleButton button(parent.window(), 1, 30);
    button.SetBackgroundColor(RGB(50, 50, 50));
    button.Show(true);
    const testing::Snapshot none = Render(button.window());
    button.Select(ButtonHalf::Left);
    const testing::Snapshot left = Render(button.window());
    EXPECT_NE(left, none);
    // Only the left half changed.
    EXPECT_NE(left.At(15, 12), none.At(15, 12));
    EXPECT_EQ(left.At(45, 12), none.At(45, 12));
}

TEST(ColorLabel, AClickOnlyCapturesAndTakesTheFocusWhileEnabled) {
    TestParent parent;
    bfColorLabel label(parent.window(), 1, 120, LabelColor::Green);
    label.SetText(L"Version");
    label.Show(true);
    parent.Clear();
    SendMouse(label.window(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(::GetCapture(), label.window());
    EXPECT_EQ(::GetFocus(), label.window());
    SendMouse(label.window(), WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(parent.commands.empty());
    EXPECT_EQ(testing::WindowText(label.window()), L"Version");
    label.SetEnabled(false);
    SendMouse(label.window(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST(StaticText, APressIsReportedSoOwnersCanDragOrSelect) {
    TestParent parent;
    bfStaticText text(parent.window(), 4, 140, 26);
    text.SetText(L"01 : 02 : 05");
    text.Show(true);
    parent.Clear();
    SendMouse(text.window(), WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].id, 4);
    EXPECT_EQ(::GetCapture(), nullptr);  // the owner takes the mouse if it wants to drag
    text.SetEnabled(false);
    SendMouse(text.window(), WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
    EXPECT_EQ(parent.commands.size(), 1u);
}

TEST(StaticText, DrawsItsTextInTheColourOfItsStateAndWrapsWhenAsked) {
    TestParent parent;
    bfStaticText text(parent.window(), 1, 120, 40);
    text.SetBackgroundColor(RGB(0, 0, 0));
    text.SetTextColors(RGB(255, 255, 255), RGB(255, 0, 0));
    text.SetText(L"A rather long line of words that needs more than one line");
    auto brightest = [](const testing::Snapshot& shot) {
        COLORREF found = 0;
        int best = 0;
        for (int y = 0; y < shot.height; ++y) {
            for (int x = 0; x < shot.width; ++x) {
                const COLORREF color = shot.At(x, y);
                const int sum = GetRValue(color) + GetGValue(color) + GetBValue(color);
                if (sum > best) {
                    best = sum;
                    found = color;
                }
            }
        }
        return found;
    };
    EXPECT_EQ(brightest(Render(text.window())), RGB(255, 255, 255));
    text.SetEnabled(false);
    EXPECT_EQ(brightest(Render(text.window())), RGB(255, 0, 0));

    const int oneLine = text.MeasureTextHeight(120);
    text.SetWordWrap(true);
    EXPECT_GT(text.MeasureTextHeight(120), oneLine);
}

}  // namespace
}  // namespace tockly
