// Creating and destroying each input control many times leaves the GDI and USER object counts
// where they were: every bitmap, font, brush, menu, caret and window is given back.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

#include "toolkit/combo_box.h"
#include "toolkit/spin_box.h"
#include "toolkit/text_box.h"
#include "toolkit/text_edit.h"
#include "toolkit/vscroll_bar.h"
#include "toolkit/win32_control_host.h"
#include "toolkit/win32_gui_counts.h"
#include "toolkit/win32_input_test_support.h"

namespace tockly {
namespace {

using testing::ControlHost;
using testing::CountGuiObjects;
using testing::GuiCounts;

constexpr int kRounds = 150;

// One life of a control: made, shown, painted, used, destroyed.
using Life = std::function<void(HWND host)>;

void Paint(HWND window) {
    ::InvalidateRect(window, nullptr, FALSE);
    ::UpdateWindow(window);
}

void ExpectStable(const Life& life) {
    ControlHost host;
    for (int warmUp = 0; warmUp < 3; ++warmUp) {
        life(host.window());  // first uses fill the shared caches and the paint buffer
    }
    ControlHost::Pump();
    const GuiCounts before = CountGuiObjects();
    ASSERT_GT(before.gdi, 0);
    ASSERT_GT(before.user, 0);
    for (int round = 0; round < kRounds; ++round) {
        life(host.window());
    }
    ControlHost::Pump();
    const GuiCounts after = CountGuiObjects();
    std::printf("%d lives: GDI objects %ld -> %ld, USER objects %ld -> %ld\n", kRounds, before.gdi,
                after.gdi, before.user, after.user);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
}

TEST(InputControlResources, TextEdit) {
    ExpectStable([](HWND host) {
        bfTextEdit edit(host, 1, 120);
        edit.Show(true);
        edit.SetText(u"some text");
        ::SetFocus(edit.window());  // a caret
        testing::TypeText(edit.window(), L"x");
        Paint(edit.window());
        ::SetFocus(host);
    });
}

TEST(InputControlResources, SpinBox) {
    ExpectStable([](HWND host) {
        bfSpinBox spin(host, 1, 60);
        spin.Show(true);
        spin.SetRange(0, 99);
        testing::ButtonDown(spin.window(), 52, 5);  // a running repeat timer
        Paint(spin.window());
    });
}

TEST(InputControlResources, TextBox) {
    ExpectStable([](HWND host) {
        bfTextBox box(host, 1, 120, 80);
        box.Show(true);
        box.SetText(u"note");
        box.SetBackgroundColor(RGB(250, 250, 210));
        Paint(box.window());
    });
}

TEST(InputControlResources, VScrollBar) {
    ExpectStable([](HWND host) {
        bfVScrollBar bar(host, 1, 200);
        bar.Show(true);
        bar.SetContent(1000);
        bar.SetPage(100);
        testing::ButtonDown(bar.window(), 10, 190);
        Paint(bar.window());
    });
}

TEST(InputControlResources, ComboBoxWithItsListOpen) {
    ExpectStable([](HWND host) {
        bfComboBox combo(host, 1);
        combo.Show(true);
        for (int i = 0; i < 12; ++i) {
            combo.AddItem(u"item");
        }
        combo.OpenList(true);  // the list window and its scroll bar
        Paint(combo.list().window());
        Paint(combo.window());
    });
}

}  // namespace
}  // namespace tockly
