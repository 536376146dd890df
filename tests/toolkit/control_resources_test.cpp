// A hundred controls of each kind, shown, painted and used, then destroyed: the GDI objects,
// window DCs, menus and windows they used all come back and none is freed twice; while they live,
// controls of one kind share their skin bitmaps, fonts and paint buffer.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/win32_test_paths.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/double_button.h"
#include "toolkit/gdi_census.h"
#include "toolkit/spin_box.h"
#include "toolkit/static_text.h"
#include "toolkit/test_parent.h"
#include "toolkit/text_box.h"
#include "toolkit/text_edit.h"
#include "toolkit/vscroll_bar.h"

namespace tockly {
namespace {

using testing::CensusCounts;
using testing::GdiCensus;
using testing::SendMouse;

constexpr int kControls = 100;
// Per kind: the skin pieces of its styles (a combo box's list brings a scroll bar's), a font, the
// paint buffer's DCs and bitmap and a pattern tile. Anything made per control is far above this.
constexpr long kSharedObjectsAtMost = 24;

using ControlPointer = std::unique_ptr<bfAbstractControl>;

struct Kind {
    const char* name;
    ControlPointer (*make)(HWND parent, WORD id);
    void (*use)(bfAbstractControl& shown) = [](bfAbstractControl&) {};  // as a user would
};

const Kind kKinds[] = {
    {"Button",
     [](HWND parent, WORD id) -> ControlPointer {
         auto button = std::make_unique<bfButton>(parent, id, 60, ButtonStyle::Green);
         button->SetText(L"Save");
         return button;
     }},
    {"FileSkinnedButtonOnAPattern",
     [](HWND parent, WORD id) -> ControlPointer {
         auto button = std::make_unique<bfButton>(parent, id, 17);
         ButtonSkinFiles files;
         files[ButtonBitmap::NormalLeft] = u"data\\bitmaps\\2x20_button_modern_left.bmp";
         files[ButtonBitmap::NormalCentre] = u"data\\bitmaps\\1x20_button_modern_center.bmp";
         files[ButtonBitmap::Icon] = u"data\\bitmaps\\13_show_icon.bmp";
         button->SetCustomSkin(files);
         button->LoadBackgroundBitmapFile(L"data\\bitmaps\\40_bkg.bmp");
         return button;
     }},
    {"CheckedCheckBox",
     [](HWND parent, WORD id) -> ControlPointer {
         return std::make_unique<bfCheckBox>(parent, id, 90);
     },
     [](bfAbstractControl& box) { box.SetChecked(true); }},
    {"DoubleButtonWithAHalfSelected",
     [](HWND parent, WORD id) -> ControlPointer {
         return std::make_unique<bfDoubleButton>(parent, id, 25);
     },
     [](bfAbstractControl& button) {
         static_cast<bfDoubleButton&>(button).Select(ButtonHalf::Left);
     }},
    {"StaticTextOnAGradient",
     [](HWND parent, WORD id) -> ControlPointer {
         auto text = std::make_unique<bfStaticText>(parent, id, 70, 18);
         text->SetText(L"00 : 00 : 05");
         text->SetGradient({.extentWidth = 800, .extentHeight = 600, .endLevel = 90});
         return text;
     }},
    {"FocusedTextEdit",
     [](HWND parent, WORD id) -> ControlPointer {
         return std::make_unique<bfTextEdit>(parent, id, 70);
     },
     [](bfAbstractControl& edit) { ::SetFocus(edit.window()); }},  // a caret
    {"SpinBoxWithAHeldArrow",
     [](HWND parent, WORD id) -> ControlPointer {
         return std::make_unique<bfSpinBox>(parent, id, 60);
     },
     [](bfAbstractControl& spin) { SendMouse(spin.window(), WM_LBUTTONDOWN, 52, 5, MK_LBUTTON); }},
    {"TextBox",
     [](HWND parent, WORD id) -> ControlPointer {
         auto box = std::make_unique<bfTextBox>(parent, id, 70, 60);
         box->SetText(u"note");
         box->SetBackgroundColor(RGB(250, 250, 210));
         return box;
     }},
    {"VScrollBarPaging",
     [](HWND parent, WORD id) -> ControlPointer {
         auto bar = std::make_unique<bfVScrollBar>(parent, id, 200);
         bar->SetContent(1000);
         bar->SetPage(100);
         return bar;
     },
     [](bfAbstractControl& bar) { SendMouse(bar.window(), WM_LBUTTONDOWN, 10, 190, MK_LBUTTON); }},
    {"ComboBoxWithItsListOpen",
     [](HWND parent, WORD id) -> ControlPointer {
         auto combo = std::make_unique<bfComboBox>(parent, id);
         for (int i = 0; i < 12; ++i) {
             combo->AddItem(u"item");
         }
         return combo;
     },
     [](bfAbstractControl& combo) { static_cast<bfComboBox&>(combo).OpenList(true); }},
};

// A hundred controls of one kind, made, shown and used.
std::vector<ControlPointer> MakeHundred(HWND parent, const Kind& kind) {
    std::vector<ControlPointer> controls;
    for (WORD id = 0; id < kControls; ++id) {
        controls.push_back(kind.make(parent, id));
        controls.back()->Move((id % 10) * 80, (id / 10) * 30);
        controls.back()->Show(true);
        kind.use(*controls.back());
    }
    ::UpdateWindow(parent);
    testing::PumpMessages();
    return controls;
}

TEST(ControlResources, AHundredOfEachKindShareTheirObjectsAndGiveEveryOneBack) {
    SetSkinFileFolder(testing::BinaryFolder());
    testing::TestParent parent(800, 600);
    // The platform keeps some objects once made: fonts of the first text drawn, the rich edit
    // library's own, a device context for each window that has painted (Wine caches them for
    // later windows). Every kind once first, so that the counts start after those.
    for (const Kind& kind : kKinds) {
        MakeHundred(parent.window(), kind);
    }
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        const CensusCounts before = GdiCensus::Now();
        {
            const std::vector<ControlPointer> controls = MakeHundred(parent.window(), kind);
            const CensusCounts alive = GdiCensus::Now();
            EXPECT_GT(alive.objects, before.objects);  // they did paint with something
            EXPECT_LE(alive.objects - before.objects, kSharedObjectsAtMost);
            EXPECT_GE(alive.windows, before.windows + kControls);
        }
        testing::PumpMessages();
        EXPECT_EQ(GdiCensus::Now(), before);
    }
}

}  // namespace
}  // namespace tockly
