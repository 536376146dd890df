// bfComboBox under Wine: opening with the mouse and the keyboard, picking, cancelling, where the
// list opens on the screen, and scrolling a list with more items than rows.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "toolkit/combo_box.h"
#include "toolkit/vscroll_bar.h"
#include "toolkit/win32_control_host.h"
#include "toolkit/win32_input_test_support.h"

namespace tockly {
namespace {

using testing::ControlHost;
using testing::PressKey;
using testing::WindowText;

constexpr WORD kComboId = 600;

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT WorkArea() {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

class ComboBoxTest : public ::testing::Test {
protected:
    void Make(int hostY = 100) {
        host_ = std::make_unique<ControlHost>(100, hostY, 400, 200);
        combo_ = std::make_unique<bfComboBox>(host_->window(), kComboId);
        combo_->Move(20, 20);
        combo_->Show(true);
        for (const char16_t* item : {u"png", u"jpg", u"bmp", u"gif", u"tif"}) {
            combo_->AddItem(item);
        }
        host_->commands.clear();
    }
    void SetUp() override { Make(); }

    HWND window() const { return combo_->window(); }
    HWND list() const { return combo_->list().window(); }
    // A point in the list's client area over item `index` (no scrolling).
    static int ItemY(int index) { return 1 + index * ComboListModel::kDefaultItemHeight + 5; }

    std::unique_ptr<ControlHost> host_;
    std::unique_ptr<bfComboBox> combo_;
};

TEST_F(ComboBoxTest, SelectingPastTheEndFailsAndTheWindowTextIsTheSelection) {
    EXPECT_FALSE(combo_->Select(5));
    EXPECT_EQ(combo_->SelectedIndex(), -1);
    EXPECT_TRUE(combo_->Select(2));
    EXPECT_FALSE(combo_->Select(5));
    EXPECT_EQ(combo_->SelectedIndex(), 2);
    EXPECT_EQ(WindowText(window()), L"bmp");
    EXPECT_TRUE(host_->commands.empty());
}

TEST_F(ComboBoxTest, AClickOpensTheListBelowKeepingTheActivationAndAClickOnAnItemPicksIt) {
    testing::Click(window(), 50, 10);
    ASSERT_TRUE(combo_->list().isOpen());
    EXPECT_TRUE(::IsWindowVisible(list()));
    EXPECT_EQ(WindowRect(list()).top, WindowRect(window()).bottom - 1);
    EXPECT_EQ(WindowRect(list()).left, WindowRect(window()).left);
    EXPECT_EQ(::GetActiveWindow(), host_->window());
    EXPECT_EQ(::GetFocus(), window());
    EXPECT_EQ(::GetCapture(), list());

    testing::MouseMove(list(), 30, ItemY(3), 0);
    EXPECT_EQ(combo_->list().model().highlighted(), 3);
    testing::Click(list(), 30, ItemY(3));
    EXPECT_FALSE(combo_->list().isOpen());
    EXPECT_FALSE(::IsWindowVisible(list()));
    EXPECT_EQ(combo_->SelectedIndex(), 3);
    EXPECT_EQ(WindowText(window()), L"gif");
    ASSERT_EQ(host_->commands.size(), 1u);
    EXPECT_EQ(host_->commands[0].id, kComboId);
    EXPECT_EQ(host_->commands[0].lParam, reinterpret_cast<LPARAM>(window()));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(ComboBoxTest, PressingAndReleasingOverAnItemPicksInOneGesture) {
    testing::ButtonDown(window(), 50, 10);
    ASSERT_TRUE(combo_->list().isOpen());
    POINT over{30, ItemY(1)};
    ::MapWindowPoints(list(), window(), &over, 1);
    testing::MouseMove(window(), over.x, over.y);
    EXPECT_EQ(combo_->list().model().highlighted(), 1);
    testing::ButtonUp(window(), over.x, over.y);
    EXPECT_EQ(combo_->SelectedIndex(), 1);
    EXPECT_EQ(host_->commands.size(), 1u);
}

TEST_F(ComboBoxTest, AClickOutsideOrOnTheComboBoxAgainClosesWithoutAChange) {
    combo_->Select(0);
    testing::Click(window(), 50, 10);
    testing::Click(list(), -50, -50);
    EXPECT_FALSE(combo_->list().isOpen());

    testing::Click(window(), 50, 10);
    ASSERT_TRUE(combo_->list().isOpen());
    POINT onCombo{50, 10};
    ::MapWindowPoints(window(), list(), &onCombo, 1);
    testing::Click(list(), onCombo.x, onCombo.y);  // the list has the mouse
    EXPECT_FALSE(combo_->list().isOpen());
    EXPECT_EQ(combo_->SelectedIndex(), 0);
    EXPECT_TRUE(host_->commands.empty());
}

TEST_F(ComboBoxTest, NearTheBottomOfTheScreenTheListOpensUpwards) {
    const RECT work = WorkArea();
    Make(work.bottom - 90);
    ::SetFocus(window());
    PressKey(window(), VK_F4);
    ASSERT_TRUE(combo_->list().isOpen());
    EXPECT_TRUE(combo_->list().placement().above);
    EXPECT_EQ(WindowRect(list()).bottom, WindowRect(window()).top);
    EXPECT_GE(WindowRect(list()).top, work.top);
}

TEST_F(ComboBoxTest, KeysMoveTheHighlightEnterPicksAndEscapeLeavesEverything) {
    combo_->Select(1);
    ::SetFocus(window());
    PressKey(window(), VK_F4);
    PressKey(window(), VK_DOWN);
    EXPECT_EQ(combo_->list().model().highlighted(), 2);
    PressKey(window(), VK_ESCAPE);
    EXPECT_FALSE(combo_->list().isOpen());
    EXPECT_EQ(combo_->SelectedIndex(), 1);
    EXPECT_TRUE(host_->commands.empty());

    ::SendMessageW(window(), WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));  // Alt+Down
    ASSERT_TRUE(combo_->list().isOpen());
    PressKey(window(), VK_NEXT);
    PressKey(window(), VK_UP);
    PressKey(window(), VK_RETURN);
    EXPECT_FALSE(combo_->list().isOpen());
    EXPECT_EQ(combo_->SelectedIndex(), 3);
    EXPECT_EQ(host_->commands.size(), 1u);

    // Closed, the arrows change the selection directly; a letter jumps to its item.
    PressKey(window(), VK_DOWN);
    EXPECT_EQ(combo_->SelectedIndex(), 4);
    PressKey(window(), VK_DOWN);
    EXPECT_EQ(combo_->SelectedIndex(), 4);
    ::SendMessageW(window(), WM_CHAR, L'j', 1);
    EXPECT_EQ(WindowText(window()), L"jpg");
    EXPECT_EQ(host_->commands.size(), 3u);
}

TEST_F(ComboBoxTest, LosingTheFocusClosesTheList) {
    ::SetFocus(window());
    PressKey(window(), VK_F4);
    ASSERT_TRUE(combo_->list().isOpen());
    ::SetFocus(host_->window());
    EXPECT_FALSE(combo_->list().isOpen());
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(ComboBoxTest, AListWithMoreItemsThanRowsScrollsByKeysWheelAndItsBar) {
    for (int i = 0; i < 20; ++i) {
        combo_->AddItem(u"extra " + std::u16string(1, static_cast<char16_t>(u'a' + i)));
    }
    ::SetFocus(window());
    PressKey(window(), VK_F4);
    const ComboListModel& model = combo_->list().model();
    EXPECT_EQ(model.visibleRows(), ComboListModel::kDefaultMaxRows);
    bfVScrollBar* bar = combo_->list().scrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(::IsWindowVisible(bar->window()));

    PressKey(window(), VK_END);
    EXPECT_EQ(model.topIndex(), 25 - 8);
    EXPECT_EQ(bar->position(), 25 - 8);
    ::SendMessageW(window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(model.topIndex(), 25 - 8 - 2);

    // The bar's up arrow, pressed through the list that has the mouse.
    POINT arrow{5, 5};
    ::MapWindowPoints(bar->window(), list(), &arrow, 1);
    testing::ButtonDown(list(), arrow.x, arrow.y);
    EXPECT_EQ(model.topIndex(), 25 - 8 - 3);
    EXPECT_EQ(::GetCapture(), bar->window());
    testing::ButtonUp(bar->window(), 5, 5);
    EXPECT_TRUE(combo_->list().isOpen());
    EXPECT_EQ(::GetCapture(), list());

    // An item under the scroll: the click picks what is shown there.
    testing::Click(list(), 30, ItemY(0));
    EXPECT_EQ(combo_->SelectedIndex(), 25 - 8 - 3);
}

TEST_F(ComboBoxTest, TheFocusedComboBoxShowsARing) {
    const std::wstring unfocused = testing::Snapshot(window());
    ::SetFocus(window());
    EXPECT_NE(testing::Snapshot(window()), unfocused);
    ::SetFocus(host_->window());
    EXPECT_EQ(testing::Snapshot(window()), unfocused);
}

}  // namespace
}  // namespace tockly
