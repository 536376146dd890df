// A parent may destroy a control while it handles the control's notification. Every way in which
// the text edit, the spin box and the combo box (with its list) tell their parent something is
// tried here with a parent that deletes the control right then; the control lives in guarded
// memory, so a control that reads or writes itself afterwards ends the test program.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/combo_box.h"
#include "toolkit/guarded_heap.h"
#include "toolkit/real_input.h"
#include "toolkit/spin_box.h"
#include "toolkit/test_parent.h"
#include "toolkit/text_edit.h"
#include "toolkit/text_menu_ids.h"
#include "toolkit/win32_text_clipboard.h"

namespace tockly {
namespace {

using testing::ClickAt;
using testing::DeliverInput;
using testing::PointAt;
using testing::PressChord;
using testing::TypeKeys;

struct Scenario {
    std::string name;
    std::function<std::unique_ptr<bfAbstractControl>(HWND parent)> make;
    // What the user does; the control may be gone at any point after the first notification.
    std::function<void(bfAbstractControl& control, HWND window)> act;
    std::size_t deletingCommand = 1;  // the notification the parent deletes the control in
};

std::unique_ptr<bfAbstractControl> MakeTextEdit(HWND parent) {
    auto edit = std::make_unique<bfTextEdit>(parent, 10, 150);
    edit->SetText(u"hello");
    edit->Show(true);
    return edit;
}

std::unique_ptr<bfAbstractControl> MakeSpinBox(HWND parent) {
    auto spin = std::make_unique<bfSpinBox>(parent, 20, 60);
    spin->SetRange(0, 59);
    spin->SetMaxDigits(2);
    spin->SetValue(30);
    spin->Show(true);
    return spin;
}

std::unique_ptr<bfAbstractControl> MakeComboBox(HWND parent) {
    auto combo = std::make_unique<bfComboBox>(parent, 30);
    combo->Move(20, 20);
    for (const char16_t* item : {u"png", u"jpg", u"bmp", u"gif", u"tif"}) {
        combo->AddItem(item);
    }
    combo->Select(0);
    combo->Show(true);
    return combo;
}

HWND ListOf(bfAbstractControl& combo) {
    return static_cast<bfComboBox&>(combo).list().window();
}

int ItemY(int index) {
    return 1 + index * ComboListModel::kDefaultItemHeight + 5;
}

void FromMenu(HWND window, int command) {
    // As the editing menu sends its choice: posted, and handled by the message loop.
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    DeliverInput();
}

std::vector<Scenario> Scenarios() {
    const auto focused = [](std::function<void(HWND)> keys) {
        return [keys](bfAbstractControl&, HWND window) {
            ::SetFocus(window);
            keys(window);
        };
    };
    return {
        {"text edit: a typed character", MakeTextEdit, focused([](HWND) { TypeKeys({'X'}); })},
        {"text edit: Backspace", MakeTextEdit, focused([](HWND) {
             TypeKeys({VK_END, VK_BACK});
         })},
        // Each paste writes its own text just before: the clipboard is the machine's, and under
        // Wine the X selection may change hands between the scenarios.
        {"text edit: Ctrl+V", MakeTextEdit, focused([](HWND window) {
             ASSERT_TRUE(Win32TextClipboard(window).WriteText(u"pasted"));
             PressChord({VK_CONTROL, 'V'});
         })},
        {"text edit: Cut from the menu", MakeTextEdit, focused([](HWND window) {
             FromMenu(window, menu_id::kTextSelectAll);
             FromMenu(window, menu_id::kTextCut);
         })},
        {"text edit: Paste from the menu", MakeTextEdit, focused([](HWND window) {
             ASSERT_TRUE(Win32TextClipboard(window).WriteText(u"pasted"));
             FromMenu(window, menu_id::kTextPaste);
         })},
        {"text edit: Delete from the menu", MakeTextEdit, focused([](HWND window) {
             FromMenu(window, menu_id::kTextSelectAll);
             FromMenu(window, menu_id::kTextDelete);
         })},
        {"text edit: a click on a label",
         [](HWND parent) {
             auto edit = MakeTextEdit(parent);
             static_cast<bfTextEdit&>(*edit).SetDisplayMode(true);
             return edit;
         },
         [](bfAbstractControl&, HWND window) { ClickAt(window, 20, 10); }},

        {"spin box: a typed digit", MakeSpinBox, focused([](HWND) {
             PressChord({VK_CONTROL, 'A'});
             TypeKeys({'5'});
         })},
        {"spin box: Up", MakeSpinBox, focused([](HWND) { TypeKeys({VK_UP}); })},
        {"spin box: Page Down", MakeSpinBox, focused([](HWND) { TypeKeys({VK_NEXT}); })},
        {"spin box: Ctrl+V", MakeSpinBox, focused([](HWND window) {
             ASSERT_TRUE(Win32TextClipboard(window).WriteText(u"12"));
             PressChord({VK_CONTROL, 'A'});
             PressChord({VK_CONTROL, 'V'});
         })},
        {"spin box: a click on an arrow", MakeSpinBox,
         [](bfAbstractControl&, HWND window) { ClickAt(window, 52, 5); }},
        {"spin box: the repeat of a held arrow", MakeSpinBox,
         [](bfAbstractControl&, HWND window) {
             PointAt(window, 52, 15);
             testing::MouseButton(MOUSEEVENTF_LEFTDOWN);  // the first step
             ::PostMessageW(window, WM_TIMER, bfSpinBox::kDownTimer, 0);
             DeliverInput();
             testing::MouseButton(MOUSEEVENTF_LEFTUP);
         },
         2},
        {"spin box: a wheel turn of two notches", MakeSpinBox,
         focused([](HWND window) { testing::TurnWheelAt(window, 20, 10, 2 * WHEEL_DELTA); })},

        {"combo box: Down", MakeComboBox, focused([](HWND) { TypeKeys({VK_DOWN}); })},
        {"combo box: a first letter", MakeComboBox, focused([](HWND) { TypeKeys({'B'}); })},
        {"combo box: a wheel turn", MakeComboBox,
         focused([](HWND window) { testing::TurnWheelAt(window, 30, 10, -WHEEL_DELTA); })},
        {"combo list: Enter", MakeComboBox, focused([](HWND) {
             TypeKeys({VK_F4, VK_DOWN, VK_RETURN});
         })},
        {"combo list: Space", MakeComboBox, focused([](HWND) {
             TypeKeys({VK_F4, VK_DOWN, VK_SPACE});
         })},
        {"combo list: a click on an item", MakeComboBox,
         [](bfAbstractControl& combo, HWND window) {
             const HWND list = ListOf(combo);
             ClickAt(window, 50, 10);
             ClickAt(list, 30, ItemY(2));
         }},
        {"combo list: pressed on the box and let go over an item", MakeComboBox,
         [](bfAbstractControl& combo, HWND window) {
             const HWND list = ListOf(combo);
             PointAt(window, 50, 10);
             testing::MouseButton(MOUSEEVENTF_LEFTDOWN);
             PointAt(list, 30, ItemY(2));
             testing::MouseButton(MOUSEEVENTF_LEFTUP);
         }},
    };
}

TEST(DeletedInItsNotification, NoControlTouchesItselfAfterTellingItsParent) {
    ASSERT_TRUE(Win32TextClipboard(nullptr).WriteText(u"pasted"));
    for (const Scenario& scenario : Scenarios()) {
        SCOPED_TRACE(scenario.name);
        testing::TestParent parent;
        std::unique_ptr<bfAbstractControl> control;
        {
            testing::GuardedAllocations guarded(scenario.name.c_str());
            control = scenario.make(parent.window());
        }
        const int freedBefore = testing::GuardedBlocksFreed();
        std::size_t commandsAtDeletion = 0;
        parent.onCommand = [&](const testing::CommandRecord&) {
            if (control && parent.commands.size() == scenario.deletingCommand) {
                commandsAtDeletion = parent.commands.size();
                control.reset();
            }
        };
        scenario.act(*control, control->window());
        DeliverInput();
        ASSERT_EQ(control, nullptr) << "the parent was not told";
        EXPECT_EQ(parent.commands.size(), commandsAtDeletion) << "told after it was deleted";
        EXPECT_GT(testing::GuardedBlocksFreed(), freedBefore);
    }
}

}  // namespace
}  // namespace tockly
