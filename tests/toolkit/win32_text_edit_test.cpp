// bfTextEdit under Wine: real key, character and mouse messages, the clipboard, the editing menu,
// display mode, and Tab between controls through the real input queue.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "support/win32_process.h"
#include "toolkit/combo_box.h"
#include "toolkit/spin_box.h"
#include "toolkit/text_edit.h"
#include "toolkit/win32_control_host.h"
#include "toolkit/win32_input_test_support.h"
#include "toolkit/win32_text_clipboard.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using testing::CaretWindow;
using testing::ControlHost;
using testing::HeldModifiers;
using testing::PressKey;
using testing::TypeText;
using testing::WindowText;

constexpr WORD kEditId = 300;

class TextEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit_ = std::make_unique<bfTextEdit>(host_.window(), kEditId, 150);
        edit_->Move(10, 10);
        edit_->Show(true);
        ::SetFocus(window());
        host_.commands.clear();
    }

    HWND window() const { return edit_->window(); }
    void MenuCommand(int id) { ::SendMessageW(window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    ControlHost host_;
    std::unique_ptr<bfTextEdit> edit_;
    Win32TextClipboard clipboard_{nullptr};
};

TEST_F(TextEditTest, TypingAndEditingKeysChangeTheTextAndEveryChangeIsReported) {
    TypeText(window(), L"abc");
    EXPECT_EQ(WindowText(window()), L"abc");
    ASSERT_EQ(host_.commands.size(), 3u);
    EXPECT_EQ(host_.commands[0].id, kEditId);
    EXPECT_EQ(host_.commands[0].lParam, reinterpret_cast<LPARAM>(edit_.get()));

    PressKey(window(), VK_LEFT);
    PressKey(window(), VK_BACK);
    EXPECT_EQ(WindowText(window()), L"ac");
    PressKey(window(), VK_HOME);
    PressKey(window(), VK_DELETE);
    EXPECT_EQ(WindowText(window()), L"c");
    EXPECT_EQ(host_.commands.size(), 5u);

    // Tab, Enter and Escape arrive as characters too; they are no text.
    TypeText(window(), L"\t\r\x1B");
    EXPECT_EQ(WindowText(window()), L"c");
    EXPECT_EQ(host_.commands.size(), 5u);
}

TEST_F(TextEditTest, AFullFieldRefusesTypingAndPasteKeepsWhatFits) {
    edit_->SetMaxLength(5);
    TypeText(window(), L"abcdefg");
    EXPECT_EQ(WindowText(window()), L"abcde");
    EXPECT_EQ(host_.commands.size(), 5u);

    ASSERT_TRUE(clipboard_.WriteText(u"XYZ"));
    PressKey(window(), VK_HOME);
    PressKey(window(), VK_RIGHT);
    {
        HeldModifiers shift(true, false);
        PressKey(window(), VK_RIGHT);
        PressKey(window(), VK_RIGHT);
    }
    {
        HeldModifiers ctrl(false, true);
        PressKey(window(), 'V');
    }
    EXPECT_EQ(WindowText(window()), L"aXYde");
}

TEST_F(TextEditTest, TheMenuCommandsWorkWithoutCtrlAndMakeTheClipboardRoundTrip) {
    edit_->SetText(u"hello");
    ASSERT_TRUE(clipboard_.WriteText(u"old"));
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
}

TEST_F(TextEditTest, ProtectedModeKeepsTheTextOffTheClipboard) {
    ASSERT_TRUE(clipboard_.WriteText(u"before"));
    edit_->SetText(u"secret");
    edit_->SetProtected(true);
    {
        HeldModifiers ctrl(false, true);
        PressKey(window(), 'A');
        PressKey(window(), 'C');
    }
    ::SendMessageW(window(), WM_LBUTTONDBLCLK, MK_LBUTTON, testing::Point(20, 10));
    MenuCommand(menu_id::kTextCopy);
    MenuCommand(menu_id::kTextCut);
    MenuCommand(menu_id::kTextPaste);
    EXPECT_EQ(clipboard_.ReadText(), u"before");
    EXPECT_EQ(WindowText(window()), L"secret");
}

TEST_F(TextEditTest, TheMouseSelectsAndADragPastTheEdgeScrollsTheText) {
    edit_->SetText(u"The quick brown fox jumps over the lazy dog and on and on");
    testing::ButtonDown(window(), 6, 10);
    EXPECT_EQ(::GetCapture(), window());
    EXPECT_EQ(edit_->model().caret(), 0);
    for (int i = 0; i < 40; ++i) {
        testing::MouseMove(window(), 400, 10);
    }
    EXPECT_EQ(edit_->model().anchor(), 0);
    EXPECT_GE(edit_->model().caret(), 40);
    EXPECT_GT(edit_->model().scrollOffset(), 0);
    testing::ButtonUp(window(), 400, 10);
    EXPECT_NE(::GetCapture(), window());
    EXPECT_TRUE(host_.commands.empty());
}

TEST_F(TextEditTest, ALabelReportsClicksWithoutTheObjectAndADoubleClickMakesItAnEditor) {
    edit_->SetText(u"Title");
    edit_->SetDisplayMode(true);
    ::SetFocus(host_.window());
    host_.commands.clear();
    host_.killFocusMessages = 0;

    testing::Click(window(), 20, 10);
    ASSERT_EQ(host_.commands.size(), 1u);
    EXPECT_EQ(host_.commands[0].id, kEditId);
    EXPECT_EQ(host_.commands[0].lParam, 0);
    TypeText(window(), L"x");
    EXPECT_EQ(WindowText(window()), L"Title");

    ::SendMessageW(window(), WM_LBUTTONDBLCLK, MK_LBUTTON, testing::Point(80, 10));
    EXPECT_TRUE(edit_->activated());
    EXPECT_EQ(CaretWindow(), window());
    PressKey(window(), VK_END);
    TypeText(window(), L"!");
    EXPECT_EQ(WindowText(window()), L"Title!");

    ::SetFocus(host_.window());
    EXPECT_FALSE(edit_->activated());
    EXPECT_GE(host_.killFocusMessages, 1);
}

TEST_F(TextEditTest, AWindowTextSetFromOutsideIsTheContent) {
    ::SetWindowTextW(window(), L"from outside");
    EXPECT_EQ(edit_->Text(), u"from outside");
    TypeText(window(), L"!");  // like the platform's edit, a new text puts the caret at its start
    EXPECT_EQ(WindowText(window()), L"!from outside");
    EXPECT_EQ(host_.commands.size(), 1u);
}

TEST_F(TextEditTest, TheFocusedFieldHasTheCaret) {
    EXPECT_EQ(CaretWindow(), window());
    ::SetFocus(host_.window());
    EXPECT_NE(CaretWindow(), window());
}

// Real keys through the input queue: Tab and Shift+Tab walk the controls in their order.
TEST(TextEditKeyboard, TabAndShiftTabMoveTheFocusThroughTheRealInputQueue) {
    ControlHost host;
    bfTextEdit first(host.window(), 301, 120);
    bfSpinBox second(host.window(), 302, 60);
    bfComboBox third(host.window(), 303);
    first.Move(10, 10);
    second.Move(10, 40);
    third.Move(10, 70);
    for (bfAbstractControl* control :
         std::initializer_list<bfAbstractControl*>{&first, &second, &third}) {
        control->Show(true);
    }
    ::SetForegroundWindow(host.window());
    ::SetFocus(first.window());

    const auto send = [](WORD key, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ::SendInput(1, &input, sizeof(input));
    };
    const auto focusReaches = [](HWND target) {
        return testing::WaitUntil([target] {
            ControlHost::Pump();
            return ::GetFocus() == target;
        });
    };
    send('H', false);
    send('H', true);
    ASSERT_TRUE(testing::WaitUntil([&first] {
        ControlHost::Pump();
        return first.Text() == u"h";
    }));

    send(VK_TAB, false);
    send(VK_TAB, true);
    ASSERT_TRUE(focusReaches(second.window()));
    EXPECT_TRUE(second.focused());
    send(VK_TAB, false);
    send(VK_TAB, true);
    ASSERT_TRUE(focusReaches(third.window()));

    send(VK_SHIFT, false);
    send(VK_TAB, false);
    send(VK_TAB, true);
    send(VK_SHIFT, true);
    ASSERT_TRUE(focusReaches(second.window()));
    EXPECT_EQ(first.Text(), u"h");  // no Tab character landed anywhere
}

}  // namespace
}  // namespace tockly
