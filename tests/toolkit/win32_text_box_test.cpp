// bfTextBox under Wine: the hosted rich edit, its change notifications reaching the parent, the
// window text, the editing menu and Tab.

#include <richedit.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "toolkit/text_box.h"
#include "toolkit/text_edit.h"
#include "toolkit/win32_control_host.h"
#include "toolkit/win32_input_test_support.h"
#include "toolkit/win32_text_clipboard.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using testing::ControlHost;
using testing::TypeText;
using testing::WindowText;

constexpr WORD kBoxId = 700;

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        box_ = std::make_unique<bfTextBox>(host_.window(), kBoxId, 200, 120);
        box_->Move(10, 10);
        box_->Show(true);
        host_.commands.clear();
    }

    HWND edit() const { return box_->richEdit(); }

    ControlHost host_;
    std::unique_ptr<bfTextBox> box_;
};

TEST_F(TextBoxTest, TheRichEditFillsTheFrameInsideItsInsetInPlainTextMode) {
    wchar_t className[64] = {};
    ::GetClassNameW(edit(), className, 64);
    EXPECT_STREQ(className, L"RichEdit20W");
    EXPECT_EQ(::GetWindowLongPtrW(edit(), GWL_STYLE) & 0xFFFFFFFF, 0x50003044);
    RECT rect{};
    ::GetWindowRect(edit(), &rect);
    ::MapWindowPoints(nullptr, box_->window(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 2);
    EXPECT_EQ(rect.top, 2);
    EXPECT_EQ(rect.right, 198);
    EXPECT_EQ(rect.bottom, 118);
    EXPECT_NE(::SendMessageW(edit(), EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT, 0);
    EXPECT_EQ(::SendMessageW(edit(), EM_GETEVENTMASK, 0, 0),
              ENM_CHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS);

    box_->Resize(300, 80);
    ::GetWindowRect(edit(), &rect);
    EXPECT_EQ(rect.right - rect.left, 296);
    EXPECT_EQ(rect.bottom - rect.top, 76);
}

TEST_F(TextBoxTest, TypingReachesTheParentAsTheTextBoxsCommandAndTheWindowTextFollows) {
    ::SetFocus(box_->window());
    EXPECT_EQ(::GetFocus(), edit());
    EXPECT_TRUE(box_->editFocused());
    TypeText(edit(), L"Note");
    ASSERT_GE(host_.commands.size(), 4u);
    for (const auto& command : host_.commands) {
        EXPECT_EQ(command.id, kBoxId);
        EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(box_.get()));
    }
    EXPECT_EQ(WindowText(box_->window()), L"Note");
    EXPECT_EQ(box_->Text(), u"Note");
}

TEST_F(TextBoxTest, TheProgramsOwnTextIsNoUserChangeButShowsInTheWindowText) {
    box_->SetText(u"first line");
    EXPECT_EQ(box_->Text(), u"first line");
    EXPECT_EQ(WindowText(box_->window()), L"first line");
    ::SetWindowTextW(box_->window(), L"from outside");
    EXPECT_EQ(box_->Text(), u"from outside");
    EXPECT_TRUE(host_.commands.empty());
}

TEST_F(TextBoxTest, TheEditingMenuCommandsReachTheRichEdit) {
    Win32TextClipboard clipboard(nullptr);
    box_->SetText(u"copy me");
    ::SendMessageW(box_->window(), WM_COMMAND, menu_id::kTextSelectAll, 0);
    ::SendMessageW(box_->window(), WM_COMMAND, menu_id::kTextCopy, 0);
    EXPECT_EQ(clipboard.ReadText(), u"copy me");
    ::SendMessageW(box_->window(), WM_COMMAND, menu_id::kTextDelete, 0);
    EXPECT_EQ(box_->Text(), u"");
    ::SendMessageW(box_->window(), WM_COMMAND, menu_id::kTextPaste, 0);
    EXPECT_EQ(box_->Text(), u"copy me");
    EXPECT_FALSE(host_.commands.empty());
}

TEST_F(TextBoxTest, TabLeavesForTheNextControlWithoutWritingATab) {
    bfTextEdit next(host_.window(), 701, 100);
    next.Move(10, 150);
    next.Show(true);
    ::SetFocus(edit());
    ::SendMessageW(edit(), WM_KEYDOWN, VK_TAB, 1);
    ::SendMessageW(edit(), WM_CHAR, L'\t', 1);
    EXPECT_EQ(::GetFocus(), next.window());
    EXPECT_EQ(box_->Text(), u"");
    EXPECT_FALSE(box_->editFocused());
}

TEST_F(TextBoxTest, TheSolidBackgroundIsTheRichEditsToo) {
    box_->SetBackgroundColor(RGB(255, 255, 200));
    EXPECT_EQ(box_->backgroundColor(), RGB(255, 255, 200));
    // EM_SETBKGNDCOLOR answers the previous colour: asking again returns the one just set.
    EXPECT_EQ(
        static_cast<COLORREF>(::SendMessageW(edit(), EM_SETBKGNDCOLOR, 0, RGB(255, 255, 200))),
        RGB(255, 255, 200));
}

}  // namespace
}  // namespace tockly
