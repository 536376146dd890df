// A parent may delete a control while it handles one of the control's notifications. Every kind of
// control that notifies is deleted inside each of its notifications, driven by real input where a
// person gives it; afterwards nothing may use the control: no second notification, no crash, and no
// write into its freed memory. These tests run with Wine's heap checking (WINEDEBUG=warn+heap):
// freed blocks are filled and kept back from reuse for a while, so a write into one shows when the
// heaps are validated.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/double_button.h"
#include "toolkit/real_input.h"
#include "toolkit/static_text.h"
#include "toolkit/test_parent.h"
#include "toolkit/text_box.h"
#include "toolkit/vscroll_bar.h"

namespace tockly {
namespace {

using testing::ClickAt;
using testing::DeliverInput;
using testing::MouseAt;
using testing::TestParent;
using testing::TypeKey;

constexpr WORD kId = 60;

bool HeapsValid() {
    HANDLE heaps[128];
    const DWORD count = ::GetProcessHeaps(128, heaps);
    for (DWORD i = 0; i < count && i < 128; ++i) {
        if (!::HeapValidate(heaps[i], 0, nullptr)) {
            return false;
        }
    }
    return true;
}

class DeletedByItsParent : public ::testing::Test {
protected:
    DeletedByItsParent() {
        parent_.onCommand = [this](const testing::CommandRecord&) {
            if (++commands_ == deleteOnCommand_) {
                control_.reset();
            }
        };
    }

    template <typename Control, typename... Arguments>
    Control& Make(Arguments&&... arguments) {
        EXPECT_TRUE(HeapsValid()) << "before";
        auto made =
            std::make_unique<Control>(parent_.window(), kId, std::forward<Arguments>(arguments)...);
        Control& control = *made;
        control.SetBackgroundColor(RGB(230, 230, 230));
        control.Move(10, 10);
        control.Show(true);
        handle_ = control.window();
        control_ = std::move(made);
        parent_.Clear();
        commands_ = 0;
        deleteOnCommand_ = 1;
        return control;
    }

    // The control went inside the notification it was deleted in, and nothing used it afterwards,
    // not even once the input that was still queued had been delivered.
    void ExpectGoneQuietly(const char* what) {
        ASSERT_TRUE(DeliverInput());
        testing::PumpMessages();
        EXPECT_EQ(control_, nullptr) << what;
        EXPECT_FALSE(::IsWindow(handle_)) << what;
        EXPECT_EQ(commands_, deleteOnCommand_) << what;
        EXPECT_TRUE(HeapsValid()) << what << ": freed memory was written";
        control_.reset();
        parent_.onKillFocus = nullptr;
    }

    TestParent parent_;
    std::unique_ptr<bfAbstractControl> control_;
    HWND handle_ = nullptr;
    int commands_ = 0;
    int deleteOnCommand_ = 1;
};

TEST_F(DeletedByItsParent, AButtonOnItsClickOrPressAndAToggleButtonOnItsCheck) {
    ClickAt(Make<bfButton>(100).window(), 20, 10);
    ExpectGoneQuietly("button click");

    bfButton& early = Make<bfButton>(100);
    early.SetNotifyOnPress(true);
    MouseAt(early.window(), 20, 10, MOUSEEVENTF_LEFTDOWN);
    MouseAt(parent_.window(), 30, 20, MOUSEEVENTF_LEFTUP);
    ExpectGoneQuietly("button press");

    bfButton& toggle = Make<bfButton>(100);
    toggle.SetToggleButton(true);
    ClickAt(toggle.window(), 20, 10);
    ExpectGoneQuietly("toggle button");
}

TEST_F(DeletedByItsParent, ACheckBoxOrRadioButtonOnItsClickOrSpace) {
    ClickAt(Make<bfCheckBox>(120, 20).window(), 5, 10);
    ExpectGoneQuietly("check box click");
    ::SetFocus(Make<bfCheckBox>(120, 20).window());
    TypeKey(VK_SPACE);
    ExpectGoneQuietly("check box space");

    ClickAt(Make<bfRadioButton>(120, 20).window(), 5, 10);
    ExpectGoneQuietly("radio button click");
    ::SetFocus(Make<bfRadioButton>(120, 20).window());
    TypeKey(VK_SPACE);
    ExpectGoneQuietly("radio button space");
}

TEST_F(DeletedByItsParent, EitherHalfOfADoubleButtonOrAStaticTextOnItsClick) {
    ClickAt(Make<bfDoubleButton>(40).window(), 10, 10);
    ExpectGoneQuietly("left half");
    ClickAt(Make<bfDoubleButton>(40).window(), 60, 10);
    ExpectGoneQuietly("right half");
    ClickAt(Make<bfStaticText>(100, 20).window(), 10, 10);
    ExpectGoneQuietly("static text");
}

TEST_F(DeletedByItsParent, AScrollBarOnAnyOfItsNotifications) {
    const auto bar = [this]() -> bfVScrollBar& {
        bfVScrollBar& made = Make<bfVScrollBar>(236);
        made.SetContent(1000);
        made.SetPage(100);
        made.SetLineStep(10);
        made.SetPosition(500);
        return made;
    };
    ::SetFocus(bar().window());
    TypeKey(VK_DOWN);
    ExpectGoneQuietly("key");

    testing::TurnWheelAt(bar().window(), 10, 100, -WHEEL_DELTA);
    ExpectGoneQuietly("wheel");

    // The press steps once; the parent lets the bar go at the first step of the repeat timer.
    bfVScrollBar& held = bar();
    deleteOnCommand_ = 2;
    MouseAt(held.window(), 10, 230, MOUSEEVENTF_LEFTDOWN);
    testing::PumpUntil([this] { return control_ == nullptr; });
    MouseAt(parent_.window(), 100, 100, MOUSEEVENTF_LEFTUP);
    ExpectGoneQuietly("timer");

    bfVScrollBar& dragged = bar();
    const int thumb = dragged.model().thumbTop() + 5;
    MouseAt(dragged.window(), 10, thumb, MOUSEEVENTF_LEFTDOWN);
    MouseAt(dragged.window(), 10, thumb + 30);
    MouseAt(parent_.window(), 100, 100, MOUSEEVENTF_LEFTUP);
    ExpectGoneQuietly("drag");

    bfVScrollBar& released = bar();
    ClickAt(released.window(), 10, released.model().thumbTop() + 5);
    ExpectGoneQuietly("release");

    // The focus leaving the program's windows is passed on to the parent.
    ::SetFocus(bar().window());
    parent_.onKillFocus = [this] { control_.reset(); };
    deleteOnCommand_ = 0;
    ::SetFocus(nullptr);
    ExpectGoneQuietly("focus lost");
    ::SetForegroundWindow(parent_.window());
}

TEST_F(DeletedByItsParent, ATextBoxOnATypedChangeAScrollOrTheEndOfAnEdit) {
    const auto box = [this]() -> bfTextBox& {
        bfTextBox& made = Make<bfTextBox>(200, 80);
        made.SetText(u"one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven\r\neight");
        ::SetFocus(made.window());
        deleteOnCommand_ = 0;
        testing::PumpMessages();  // the new scroll state of the owner's own text is told now
        commands_ = 0;
        deleteOnCommand_ = 1;
        return made;
    };
    box();
    TypeKey('A');
    ExpectGoneQuietly("typing");

    testing::TurnWheelAt(box().window(), 50, 40, -WHEEL_DELTA);
    ExpectGoneQuietly("scrolled");

    box();
    ::SetFocus(parent_.window());
    ExpectGoneQuietly("edit ended");
}

}  // namespace
}  // namespace tockly
