// bfComboBox under Wine: opening with the mouse and the keyboard, picking, cancelling and where
// the list opens on the screen.

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/combo_box.h"
#include "toolkit/control_pixels.h"
#include "toolkit/real_input.h"
#include "toolkit/skin_cache.h"
#include "toolkit/test_parent.h"

namespace tockly {
namespace {

using testing::Click;
using testing::PressKey;
using testing::SendMouse;
using testing::TestParent;

constexpr WORD kComboId = 600;

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

class ComboBoxTest : public ::testing::Test {
protected:
    void Make(int parentY) {
        combo_.reset();
        parent_ = std::make_unique<TestParent>(400, 200, 100, parentY);
        combo_ = std::make_unique<bfComboBox>(parent_->window(), kComboId);
        combo_->Move(20, 20);
        combo_->Show(true);
        for (const char16_t* item : {u"png", u"jpg", u"bmp", u"gif", u"tif"}) {
            combo_->AddItem(item);
        }
    }
    void SetUp() override { Make(100); }

    HWND window() const { return combo_->window(); }
    HWND list() const { return combo_->list().window(); }
    bool open() const { return combo_->list().isOpen(); }
    // A point in the list's client area over item `index` (no scrolling).
    static int ItemY(int index) { return 1 + index * ComboListModel::kDefaultItemHeight + 5; }

    std::unique_ptr<TestParent> parent_;
    std::unique_ptr<bfComboBox> combo_;
};

TEST_F(ComboBoxTest, AClickOpensTheListBelowKeepingTheActivationAndAClickOnAnItemPicksIt) {
    Click(window(), 50, 10);
    ASSERT_TRUE(::IsWindowVisible(list()));
    EXPECT_EQ(WindowRect(list()).top, WindowRect(window()).bottom - 1);
    EXPECT_EQ(::GetActiveWindow(), parent_->window());
    EXPECT_EQ(::GetFocus(), window());
    EXPECT_EQ(::GetCapture(), list());

    SendMouse(list(), WM_MOUSEMOVE, 30, ItemY(3));
    EXPECT_EQ(combo_->list().model().highlighted(), 3);
    Click(list(), 30, ItemY(3));
    EXPECT_FALSE(::IsWindowVisible(list()));
    EXPECT_EQ(testing::WindowText(window()), L"gif");
    ASSERT_EQ(parent_->commands.size(), 1u);
    EXPECT_EQ(parent_->commands[0].id, kComboId);
    EXPECT_EQ(parent_->commands[0].lParam, reinterpret_cast<LPARAM>(window()));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(ComboBoxTest, AClickOutsideTheListClosesItWithoutAChange) {
    combo_->Select(0);
    Click(window(), 50, 10);
    Click(list(), -50, -50);  // the list has the mouse
    EXPECT_FALSE(open());
    EXPECT_EQ(combo_->SelectedIndex(), 0);
    EXPECT_TRUE(parent_->commands.empty());
}

TEST_F(ComboBoxTest, NearTheBottomOfTheScreenTheListOpensUpwards) {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Make(work.bottom - 90);
    ::SetFocus(window());
    PressKey(window(), VK_F4);
    ASSERT_TRUE(open());
    EXPECT_EQ(WindowRect(list()).bottom, WindowRect(window()).top);
}

TEST_F(ComboBoxTest, KeysMoveTheHighlightEnterPicksAndEscapeOrLeavingChangesNothing) {
    combo_->Select(1);
    ::SetFocus(window());
    PressKey(window(), VK_F4);
    PressKey(window(), VK_DOWN);
    PressKey(window(), VK_ESCAPE);
    EXPECT_FALSE(open());
    EXPECT_EQ(combo_->SelectedIndex(), 1);
    EXPECT_TRUE(parent_->commands.empty());

    ::SendMessageW(window(), WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));  // Alt+Down
    ASSERT_TRUE(open());
    PressKey(window(), VK_NEXT);
    PressKey(window(), VK_UP);
    PressKey(window(), VK_RETURN);
    EXPECT_FALSE(open());
    EXPECT_EQ(combo_->SelectedIndex(), 3);
    EXPECT_EQ(parent_->commands.size(), 1u);

    PressKey(window(), VK_F4);
    ::SetFocus(parent_->window());
    EXPECT_FALSE(open());
    EXPECT_EQ(::GetCapture(), nullptr);
    const testing::Snapshot unfocused = testing::Render(window());
    ::SetFocus(window());
    EXPECT_NE(testing::Render(window()), unfocused);  // a focus ring
}

TEST_F(ComboBoxTest, AnItemsPictureIsDrawnBeforeItsNameInTheBoxAndInTheList) {
    combo_->Clear();
    for (const wchar_t* name : {L"English", L"Deutsch", L"Fran\u00E7ais"}) {
        combo_->AddItem(std::u16string(name, name + std::wcslen(name)),
                        LoadSkinResource(std::wstring(L"Language_ComboBox_") + name));
    }
    combo_->Select(1);
    EXPECT_EQ(combo_->SelectedText(), u"Deutsch");  // the name, for the page
    EXPECT_EQ(testing::WindowText(window()), L"Deutsch");

    // The German flag (black, red, gold stripes, 21 x 15) at the left, centred in the height.
    constexpr COLORREF kRed = RGB(0xd3, 0x20, 0x2a);
    constexpr COLORREF kGold = RGB(0xf6, 0xc6, 0x00);
    const testing::Snapshot box = testing::Render(window());
    EXPECT_EQ(box.At(6 + 10, 4 + 7), kRed);
    EXPECT_EQ(box.At(6 + 10, 4 + 12), kGold);

    ::SetFocus(window());
    PressKey(window(), VK_F4);
    ASSERT_TRUE(open());
    const testing::Snapshot list = testing::Render(this->list());
    const int flagTop = 1 + ComboListModel::kDefaultItemHeight + 2;  // item 1's row, centred
    EXPECT_EQ(list.At(5 + 10, flagTop + 7), kRed);
    EXPECT_EQ(list.At(5 + 10, flagTop + 12), kGold);
}

TEST_F(ComboBoxTest, AWheelTurnOverAClosedUnfocusedBoxScrollsThePageAndMovesAFocusedOne) {
    combo_->Select(1);
    ::SetFocus(parent_->window());
    testing::TurnWheelAt(window(), 30, 10, -WHEEL_DELTA);
    EXPECT_EQ(parent_->wheel, std::vector<int>{-WHEEL_DELTA});
    EXPECT_EQ(combo_->SelectedIndex(), 1);

    ::SetFocus(window());
    parent_->Clear();
    testing::TurnWheelAt(window(), 30, 10, -WHEEL_DELTA);  // towards the user: the next item
    EXPECT_EQ(combo_->SelectedIndex(), 2);
    ASSERT_EQ(parent_->commands.size(), 1u);
    EXPECT_TRUE(parent_->wheel.empty());

    PressKey(window(), VK_F4);  // an open list keeps the wheel too
    testing::TurnWheelAt(window(), 30, 10, -WHEEL_DELTA);
    EXPECT_TRUE(parent_->wheel.empty());
    EXPECT_EQ(combo_->SelectedIndex(), 2);
}

}  // namespace
}  // namespace tockly
