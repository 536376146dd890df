// The controls that take the focus by a click (check box, radio button, colour label, scroll bar,
// the AM/PM double button) with real clicks and key strokes through the message loop: Tab and
// Shift+Tab move on, Space clicks a focused mark, and the focus shows as a ring that goes when the
// focus goes.

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>

#include "toolkit/check_box.h"
#include "toolkit/color_label.h"
#include "toolkit/control_pixels.h"
#include "toolkit/double_button.h"
#include "toolkit/real_input.h"
#include "toolkit/test_parent.h"
#include "toolkit/vscroll_bar.h"

namespace tockly {
namespace {

using testing::ClickAt;
using testing::Render;
using testing::TestParent;
using testing::TypeKey;

class KeyboardFocusTest : public ::testing::Test {
protected:
    KeyboardFocusTest() {
        Place(box_, 10, 10);
        box_.SetText(L"Always on top");
        Place(disabled_, 10, 35);
        disabled_.SetText(L"Disabled");
        disabled_.SetEnabled(false);
        Place(radio_, 10, 60);
        radio_.SetText(L"Once");
        Place(label_, 10, 90);
        label_.SetText(L"Running");
        Place(bar_, 200, 10);
        bar_.SetContent(1000);
        bar_.SetPage(100);
        bar_.SetLineStep(10);
        parent_.Clear();
    }

    static void Place(bfAbstractControl& control, int x, int y) {
        control.SetBackgroundColor(RGB(230, 230, 230));
        control.Move(x, y);
        control.Show(true);
    }
    static HWND Focus() { return ::GetFocus(); }

    TestParent parent_;
    bfCheckBox box_{parent_.window(), 1, 150, 20};
    bfCheckBox disabled_{parent_.window(), 2, 150, 20};
    bfRadioButton radio_{parent_.window(), 3, 150, 20};
    bfColorLabel label_{parent_.window(), 4, 120};
    bfVScrollBar bar_{parent_.window(), 5, 200};
};

TEST_F(KeyboardFocusTest, AClickedMarkPassesTabOnAndSpaceClicksTheFocusedOne) {
    ASSERT_TRUE(ClickAt(box_.window(), 5, 10));
    ASSERT_EQ(Focus(), box_.window());
    EXPECT_TRUE(box_.checked());
    ASSERT_TRUE(TypeKey(VK_SPACE));
    EXPECT_FALSE(box_.checked());
    EXPECT_EQ(parent_.commands.size(), 2u);

    ASSERT_TRUE(TypeKey(VK_TAB));
    EXPECT_EQ(Focus(), radio_.window());  // past the disabled one
    ASSERT_TRUE(TypeKey(VK_SPACE));
    ASSERT_TRUE(TypeKey(VK_SPACE));
    EXPECT_TRUE(radio_.checked());  // a radio button is checked, never unchecked, by a click
    ASSERT_EQ(parent_.commands.size(), 4u);
    EXPECT_EQ(parent_.commands.back().id, 3);

    ASSERT_TRUE(TypeKey(VK_TAB));
    EXPECT_EQ(Focus(), bar_.window());  // the colour label is no tab stop
    ASSERT_TRUE(TypeKey(VK_TAB));
    EXPECT_EQ(Focus(), box_.window());  // round again
    ASSERT_TRUE(TypeKey(VK_TAB, {VK_SHIFT}));
    EXPECT_EQ(Focus(), bar_.window());
    ASSERT_TRUE(TypeKey(VK_TAB, {VK_SHIFT}));
    EXPECT_EQ(Focus(), radio_.window());
    EXPECT_EQ(parent_.commands.size(), 4u);  // Tab clicks nothing
}

TEST_F(KeyboardFocusTest, AClickedColourLabelOrScrollBarPassesTabOnAndTheBarKeepsItsKeys) {
    ASSERT_TRUE(ClickAt(label_.window(), 20, 10));
    ASSERT_EQ(Focus(), label_.window());
    ASSERT_TRUE(TypeKey(VK_TAB));
    EXPECT_EQ(Focus(), bar_.window());
    ASSERT_TRUE(ClickAt(label_.window(), 20, 10));
    ASSERT_TRUE(TypeKey(VK_TAB, {VK_SHIFT}));
    EXPECT_EQ(Focus(), radio_.window());
    EXPECT_TRUE(parent_.commands.empty());

    ASSERT_TRUE(ClickAt(bar_.window(), 10, 150));  // the track below the thumb: one page
    ASSERT_EQ(Focus(), bar_.window());
    ASSERT_TRUE(TypeKey(VK_NEXT));
    EXPECT_EQ(bar_.position(), 200);
    ASSERT_TRUE(TypeKey(VK_TAB));
    EXPECT_EQ(Focus(), box_.window());
    ASSERT_TRUE(ClickAt(bar_.window(), 10, 150));
    ASSERT_TRUE(TypeKey(VK_TAB, {VK_SHIFT}));
    EXPECT_EQ(Focus(), radio_.window());
}

TEST_F(KeyboardFocusTest, TheFocusShowsAsARingThatGoesWithTheFocus) {
    for (bfAbstractControl* control :
         std::initializer_list<bfAbstractControl*>{&box_, &radio_, &label_, &bar_}) {
        const testing::Snapshot unfocused = Render(control->window());
        ::SetFocus(control->window());
        EXPECT_TRUE(Render(control->window()) != unfocused) << control->id();
        ::SetFocus(parent_.window());
        EXPECT_TRUE(Render(control->window()) == unfocused) << control->id();
    }
    // Without a caption the ring goes round the box.
    box_.SetText(L"");
    const testing::Snapshot bare = Render(box_.window());
    ::SetFocus(box_.window());
    const testing::Snapshot ringed = Render(box_.window());
    int ringRows = 0;
    for (int y = 0; y < 20; ++y) {
        ringRows += ringed.At(skin::kCheckBoxSize, y) != bare.At(skin::kCheckBoxSize, y) ? 1 : 0;
    }
    EXPECT_GT(ringRows, 4);  // dotted, just right of the box
}

TEST(DoubleButtonKeys, TabReachesItTheArrowsAndSpaceChooseAHalfAsAClickWould) {
    TestParent parent;
    bfCheckBox box(parent.window(), 1, 150, 20);
    bfDoubleButton amPm(parent.window(), 2, 30);
    bfDoubleButton off(parent.window(), 3, 30);
    for (bfAbstractControl* control :
         std::initializer_list<bfAbstractControl*>{&box, &amPm, &off}) {
        control->Show(true);
    }
    box.Move(10, 10);
    amPm.Move(10, 40);
    amPm.SetCaptions(L"AM", L"PM");
    amPm.Select(ButtonHalf::Left);
    off.Move(10, 80);
    off.SetEnabled(false);
    parent.Clear();

    ASSERT_TRUE(ClickAt(box.window(), 5, 10));
    ASSERT_TRUE(TypeKey(VK_TAB));
    ASSERT_EQ(::GetFocus(), amPm.window());
    const testing::Snapshot ringed = Render(amPm.window());
    ASSERT_TRUE(TypeKey(VK_LEFT));  // already chosen: no click
    EXPECT_EQ(parent.commands.size(), 1u);
    ASSERT_TRUE(TypeKey(VK_RIGHT));
    EXPECT_EQ(amPm.selected(), ButtonHalf::Right);
    EXPECT_EQ(amPm.clicked(), ButtonHalf::Right);
    ASSERT_EQ(parent.commands.size(), 2u);
    EXPECT_EQ(parent.commands.back().id, 2);
    EXPECT_TRUE(Render(amPm.window()) != ringed) << "the ring and the line went to PM";
    ASSERT_TRUE(TypeKey(VK_SPACE));
    EXPECT_EQ(amPm.selected(), ButtonHalf::Left);
    EXPECT_EQ(parent.commands.size(), 3u);
    ASSERT_TRUE(TypeKey(VK_TAB));
    EXPECT_EQ(::GetFocus(), box.window()) << "past the disabled one, round again";
    ASSERT_TRUE(TypeKey(VK_TAB, {VK_SHIFT}));
    EXPECT_EQ(::GetFocus(), amPm.window());
    ::SetFocus(parent.window());
    EXPECT_TRUE(Render(amPm.window()) != ringed) << "no ring without the focus";

    // A click takes the focus, so that Tab goes on from it.
    ASSERT_TRUE(ClickAt(amPm.window(), 45, 10));
    EXPECT_EQ(::GetFocus(), amPm.window());
    EXPECT_EQ(amPm.selected(), ButtonHalf::Right);
}

}  // namespace
}  // namespace tockly
