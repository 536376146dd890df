// bfTextBox under Wine: the hosted rich edit, its change notifications reaching the parent, the
// window text, the editing menu and Tab.

#include <richedit.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "toolkit/test_parent.h"
#include "toolkit/text_box.h"
#include "toolkit/text_edit.h"
#include "toolkit/win32_text_clipboard.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using testing::WindowText;

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        box_ = std::make_unique<bfTextBox>(parent_.window(), 700, 200, 120);
        box_->Move(10, 10);
        box_->Show(true);
    }

    HWND edit() const { return box_->richEdit(); }
    void MenuCommand(int id) { ::SendMessageW(box_->window(), WM_COMMAND, id, 0); }

    testing::TestParent parent_;
    std::unique_ptr<bfTextBox> box_;
};

TEST_F(TextBoxTest, ThePlainTextRichEditFillsTheFrameInsideItsInsetAfterEveryResize) {
    EXPECT_NE(::SendMessageW(edit(), EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT, 0);
    RECT rect{};
    ::GetWindowRect(edit(), &rect);
    ::MapWindowPoints(nullptr, box_->window(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 2);
    EXPECT_EQ(rect.top, 2);
    EXPECT_EQ(rect.right, 198);
    EXPECT_EQ(rect.bottom, 118);
    box_->Resize(300, 80);
    ::GetWindowRect(edit(), &rect);
    EXPECT_EQ(rect.right - rect.left, 296);
    EXPECT_EQ(rect.bottom - rect.top, 76);
}

TEST_F(TextBoxTest, TypingReachesTheParentAsTheTextBoxsCommandButTheProgramsOwnTextDoesNot) {
    box_->SetText(u"first line");
    ::SetWindowTextW(box_->window(), L"from outside");
    EXPECT_EQ(box_->Text(), u"from outside");
    EXPECT_TRUE(parent_.commands.empty());

    box_->SetText(u"");
    ::SetFocus(box_->window());
    EXPECT_EQ(::GetFocus(), edit());
    testing::TypeText(edit(), L"Note");
    ASSERT_GE(parent_.commands.size(), 4u);
    for (const auto& command : parent_.commands) {
        EXPECT_EQ(command.id, 700);
        EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(box_.get()));
    }
    EXPECT_EQ(WindowText(box_->window()), L"Note");
}

TEST_F(TextBoxTest, TheEditingMenuReachesTheRichEditAndTabLeavesIt) {
    Win32TextClipboard clipboard(nullptr);
    box_->SetText(u"copy me");
    MenuCommand(menu_id::kTextSelectAll);
    MenuCommand(menu_id::kTextCopy);
    EXPECT_EQ(clipboard.ReadText(), u"copy me");
    MenuCommand(menu_id::kTextDelete);
    EXPECT_EQ(box_->Text(), u"");
    MenuCommand(menu_id::kTextPaste);
    EXPECT_EQ(box_->Text(), u"copy me");

    // Tab leaves for the next control without writing a tab.
    bfTextEdit next(parent_.window(), 701, 100);
    next.Show(true);
    ::SetFocus(edit());
    ::SendMessageW(edit(), WM_KEYDOWN, VK_TAB, 1);
    ::SendMessageW(edit(), WM_CHAR, L'\t', 1);
    EXPECT_EQ(::GetFocus(), next.window());
    EXPECT_EQ(box_->Text(), u"copy me");
    EXPECT_FALSE(box_->editFocused());
}

}  // namespace
}  // namespace tockly
