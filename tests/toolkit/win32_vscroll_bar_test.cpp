// bfVScrollBar under Wine: arrows and their repeat, paging to the press point, thumb dragging,
// keys and the wheel, each reported with the new position in the notification.

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/win32_test_paths.h"
#include "toolkit/control_pixels.h"
#include "toolkit/real_input.h"
#include "toolkit/test_parent.h"
#include "toolkit/vscroll_bar.h"

namespace tockly {
namespace {

using testing::SendMouse;
using testing::TestParent;

constexpr WORD kBarId = 500;
constexpr int kHeight = 236;  // a 200-pixel track

class VScrollBarTest : public ::testing::Test {
protected:
    VScrollBarTest() {
        bar_.Show(true);
        bar_.SetContent(1000);
        bar_.SetPage(100);
        bar_.SetLineStep(10);
        parent_.Clear();
    }

    HWND window() const { return bar_.window(); }
    int LastReported() const { return parent_.commands.back().code; }
    // Sends the repeat timer until it stops stepping; returns how many ticks stepped.
    int TickUntilStopped(UINT_PTR timer) {
        for (int steps = 0;; ++steps) {
            const std::size_t before = parent_.commands.size();
            ::SendMessageW(window(), WM_TIMER, timer, 0);
            if (parent_.commands.size() == before || steps == 50) {
                return steps;
            }
        }
    }

    TestParent parent_;
    bfVScrollBar bar_{parent_.window(), kBarId, kHeight};
};

TEST_F(VScrollBarTest, AHeldDownArrowStopsRepeatingAtTheBottomOrWhenTheMouseIsTaken) {
    bar_.SetPosition(880);
    EXPECT_TRUE(parent_.commands.empty());  // the owner's own changes are not reported back
    SendMouse(window(), WM_LBUTTONDOWN, 10, kHeight - 5, MK_LBUTTON);
    ASSERT_EQ(parent_.commands.size(), 1u);
    EXPECT_EQ(parent_.commands[0].id, kBarId);
    EXPECT_EQ(parent_.commands[0].lParam, reinterpret_cast<LPARAM>(&bar_));
    EXPECT_EQ(LastReported(), 890);

    EXPECT_EQ(TickUntilStopped(bfVScrollBar::kDownTimer), 1);
    EXPECT_EQ(bar_.position(), 900);
    SendMouse(window(), WM_LBUTTONUP, 10, kHeight - 5);
    EXPECT_EQ(LastReported(), 900);
    EXPECT_NE(::GetCapture(), window());

    // Another window taking the mouse ends the press: nothing goes on repeating.
    SendMouse(window(), WM_LBUTTONDOWN, 10, 5, MK_LBUTTON);  // the up arrow
    ::SetCapture(parent_.window());
    EXPECT_EQ(bar_.press(), ScrollPress::None);
    EXPECT_EQ(TickUntilStopped(bfVScrollBar::kUpTimer), 0);
    ::ReleaseCapture();
}

TEST_F(VScrollBarTest, ATrackPressPagesUntilTheThumbReachesThePressPoint) {
    const int pressY = 150;
    SendMouse(window(), WM_LBUTTONDOWN, 10, pressY, MK_LBUTTON);
    EXPECT_EQ(LastReported(), 100);
    EXPECT_EQ(TickUntilStopped(bfVScrollBar::kPageDownTimer), 5);
    EXPECT_EQ(bar_.position(), 600);
    EXPECT_LE(bar_.model().thumbTop(), pressY);
    EXPECT_GT(bar_.model().thumbTop() + bar_.model().thumbHeight(), pressY);
    SendMouse(window(), WM_LBUTTONUP, 10, pressY);
}

TEST_F(VScrollBarTest, HeldOnTheTrackPagingWaitsAtThePointerAndGoesOnWhenThePointerDoes) {
    // Real input: the button stays down while the pointer moves; the repeat timer runs in the loop.
    using testing::MouseAt;
    using testing::PumpUntil;
    ASSERT_TRUE(MouseAt(window(), 10, 100, MOUSEEVENTF_LEFTDOWN));
    EXPECT_EQ(bar_.position(), 100);
    // Each page moves the thumb 20 rows; the fourth covers row 100 and the repeat stops there.
    ASSERT_TRUE(PumpUntil([this] { return !bar_.repeating(); }));
    EXPECT_EQ(bar_.position(), 400);
    ASSERT_TRUE(MouseAt(window(), 10, 180));
    ASSERT_TRUE(PumpUntil([this] { return !bar_.repeating(); }));
    EXPECT_EQ(bar_.position(), 800);  // thumb rows 178 to 197
    // Paging keeps its direction: above the thumb it does not page back up.
    ASSERT_TRUE(MouseAt(window(), 10, 60));
    EXPECT_FALSE(bar_.repeating());
    ASSERT_TRUE(MouseAt(window(), 10, 60, MOUSEEVENTF_LEFTUP));
    EXPECT_EQ(bar_.position(), 800);
    EXPECT_EQ(LastReported(), 800);
    EXPECT_NE(::GetCapture(), window());
}

TEST_F(VScrollBarTest, AThemesFileSkinMakesTheBarNarrowWithShorterArrowsAndSwapsAtRunTime) {
    SetSkinFileFolder(testing::BinaryFolder());
    bar_.SetPosition(300);
    const testing::Snapshot builtIn = testing::Render(window());
    bar_.SetThemeSkin(SkinTheme::Dark);
    RECT client{};
    ::GetClientRect(window(), &client);
    EXPECT_EQ(client.right, skin::kSmallVScrollBar.width);
    EXPECT_EQ(client.bottom, kHeight);
    EXPECT_EQ(bar_.model().arrowHeight(), skin::kSmallVScrollBar.arrowHeight);
    EXPECT_EQ(bar_.position(), 300);

    // Each theme draws its own files, and none leaves a piece undrawn on the background.
    std::vector<testing::Snapshot> themes;
    for (SkinTheme theme : {SkinTheme::Dark, SkinTheme::Light, SkinTheme::Yellow}) {
        bar_.SetThemeSkin(theme);
        themes.push_back(testing::Render(window()));
        const testing::Snapshot& shown = themes.back();
        for (int y : {5, 14, kHeight / 2, kHeight - 5}) {
            EXPECT_NE(shown.At(6, y), RGB(255, 255, 255)) << static_cast<int>(theme) << " " << y;
        }
    }
    EXPECT_TRUE(themes[0] != themes[1] && themes[1] != themes[2] && themes[0] != themes[2]);

    // Row 14 lies below the 11-pixel arrow, on the track above the thumb: a click pages up.
    ASSERT_TRUE(testing::ClickAt(window(), 6, 14));
    EXPECT_EQ(bar_.position(), 200);
    ASSERT_TRUE(testing::ClickAt(window(), 6, kHeight - 5));
    EXPECT_EQ(bar_.position(), 210);
    // Back on the built-in skin the same row is the up arrow.
    bar_.SetBuiltInSkin();
    bar_.SetPosition(300);
    ::SetFocus(parent_.window());  // the clicks gave the bar the focus, which shows
    EXPECT_TRUE(testing::Render(window()) == builtIn);
    ASSERT_TRUE(testing::ClickAt(window(), 6, 14));
    EXPECT_EQ(bar_.position(), 290);
}

TEST_F(VScrollBarTest, KeysAndTheWheelStepAndLosingTheFocusToNothingIsPassedOn) {
    ::SetFocus(window());
    testing::PressKey(window(), VK_NEXT);
    ::SendMessageW(window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(LastReported(), 120);
    parent_.Clear();
    ::SetFocus(nullptr);
    EXPECT_EQ(parent_.killFocus, std::vector<HWND>{nullptr});
}

}  // namespace
}  // namespace tockly
