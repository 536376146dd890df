// bfTextEdit under Wine: key, character and mouse messages, the clipboard, the editing menu and
// display mode.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "toolkit/spin_box.h"
#include "toolkit/test_parent.h"
#include "toolkit/text_edit.h"
#include "toolkit/win32_text_clipboard.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using testing::PressKey;
using testing::SendMouse;
using testing::TypeText;
using testing::WindowText;

constexpr WORD kEditId = 300;

class TextEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit_ = std::make_unique<bfTextEdit>(parent_.window(), kEditId, 150);
        edit_->Show(true);
        ::SetFocus(window());
        parent_.Clear();
    }

    HWND window() const { return edit_->window(); }
    void MenuCommand(int id) { ::SendMessageW(window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    testing::TestParent parent_;
    std::unique_ptr<bfTextEdit> edit_;
    Win32TextClipboard clipboard_{nullptr};
};

TEST_F(TextEditTest, KeysAndCharactersEditEveryChangeIsReportedAndTabMovesOn) {
    ::SetWindowTextW(window(), L"bc");  // like the platform's edit: the caret goes to the start
    TypeText(window(), L"a\r\x1B");     // Enter and Escape arrive as characters: no text
    EXPECT_EQ(WindowText(window()), L"abc");
    ASSERT_EQ(parent_.commands.size(), 1u);
    EXPECT_EQ(parent_.commands[0].id, kEditId);
    EXPECT_EQ(parent_.commands[0].lParam, reinterpret_cast<LPARAM>(edit_.get()));
    PressKey(window(), VK_END);
    PressKey(window(), VK_LEFT);
    PressKey(window(), VK_BACK);
    PressKey(window(), VK_HOME);
    PressKey(window(), VK_DELETE);
    EXPECT_EQ(WindowText(window()), L"c");
    EXPECT_EQ(parent_.commands.size(), 3u);

    bfSpinBox next(parent_.window(), 301, 60);
    next.Show(true);
    PressKey(window(), VK_TAB);
    TypeText(window(), L"\t");
    EXPECT_EQ(::GetFocus(), next.window());
    EXPECT_EQ(WindowText(window()), L"c");
}

TEST_F(TextEditTest, TheClipboardThroughTheMenuWhichNeedsNoCtrlAndThroughCtrlKeys) {
    edit_->SetText(u"hello");
    MenuCommand(menu_id::kTextSelectAll);
    MenuCommand(menu_id::kTextCopy);
    EXPECT_EQ(clipboard_.ReadText(), u"hello");
    MenuCommand(menu_id::kTextCut);
    EXPECT_EQ(WindowText(window()), L"");
    MenuCommand(menu_id::kTextPaste);
    MenuCommand(menu_id::kTextPaste);
    EXPECT_EQ(WindowText(window()), L"hellohello");
    MenuCommand(menu_id::kTextSelectAll);
    MenuCommand(menu_id::kTextDelete);
    EXPECT_EQ(WindowText(window()), L"");

    // Real keys need Ctrl held; Shift extends the selection that the paste replaces.
    edit_->SetText(u"abcde");
    PressKey(window(), VK_HOME);
    PressKey(window(), 'V');
    PressKey(window(), VK_RIGHT);
    {
        testing::HeldModifiers shift(true, false);
        PressKey(window(), VK_RIGHT);
        PressKey(window(), VK_RIGHT);
    }
    testing::HeldModifiers ctrl(false, true);
    PressKey(window(), 'V');
    EXPECT_EQ(WindowText(window()), L"ahellode");
}

TEST_F(TextEditTest, TheMouseSelectsAndADragPastTheEdgeScrollsTheText) {
    edit_->SetText(u"The quick brown fox jumps over the lazy dog and on and on");
    SendMouse(window(), WM_LBUTTONDOWN, 6, 10, MK_LBUTTON);
    EXPECT_EQ(::GetCapture(), window());
    EXPECT_EQ(edit_->model().caret(), 0);
    for (int i = 0; i < 40; ++i) {
        SendMouse(window(), WM_MOUSEMOVE, 400, 10, MK_LBUTTON);
    }
    EXPECT_EQ(edit_->model().anchor(), 0);
    EXPECT_GE(edit_->model().caret(), 40);
    EXPECT_GT(edit_->model().scrollOffset(), 0);
    SendMouse(window(), WM_LBUTTONUP, 400, 10);
    EXPECT_NE(::GetCapture(), window());
    EXPECT_TRUE(parent_.commands.empty());
}

TEST_F(TextEditTest, ALabelReportsClicksWithoutTheObjectAndADoubleClickMakesItAnEditor) {
    edit_->SetText(u"Title");
    edit_->SetDisplayMode(true);
    ::SetFocus(parent_.window());
    parent_.Clear();
    testing::Click(window(), 20, 10);
    ASSERT_EQ(parent_.commands.size(), 1u);
    EXPECT_EQ(parent_.commands[0].id, kEditId);
    EXPECT_EQ(parent_.commands[0].lParam, 0);
    TypeText(window(), L"x");
    EXPECT_EQ(WindowText(window()), L"Title");

    SendMouse(window(), WM_LBUTTONDBLCLK, 80, 10, MK_LBUTTON);
    EXPECT_TRUE(edit_->activated());
    PressKey(window(), VK_END);
    TypeText(window(), L"!");
    EXPECT_EQ(WindowText(window()), L"Title!");

    // Leaving ends the editing and tells the owner.
    parent_.Clear();
    ::SetFocus(parent_.window());
    EXPECT_FALSE(edit_->activated());
    EXPECT_EQ(parent_.killFocus, std::vector<HWND>{parent_.window()});
}

}  // namespace
}  // namespace tockly
