// A hundred controls of each kind, shown and painted, then destroyed: the GDI objects, window DCs
// and windows they used all come back, none is freed twice, and while they live, controls of one
// kind share their skin bitmaps, fonts and paint buffer.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <memory>
#include <vector>

#include "support/win32_test_paths.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/color_label.h"
#include "toolkit/double_button.h"
#include "toolkit/gdi_census.h"
#include "toolkit/static_text.h"
#include "toolkit/test_parent.h"
#include "toolkit/win32_gui_counts.h"

namespace tockly {
namespace {

using testing::GdiCensus;
using testing::TestParent;

constexpr int kControls = 100;
// Per kind: the skin pieces of one style (up to nine), one font, the paint buffer's DCs and bitmap
// and a pattern tile. Anything that grows with the number of controls is far above this.
constexpr long kSharedObjectsAtMost = 16;

using MakeControl = std::function<std::unique_ptr<bfAbstractControl>(HWND parent, WORD id)>;

struct Kind {
    const char* name;
    MakeControl make;
};

void PrintTo(const Kind& kind, std::ostream* out) {
    *out << kind.name;
}

std::unique_ptr<bfAbstractControl> Button(HWND parent, WORD id) {
    auto button = std::make_unique<bfButton>(parent, id, 60, ButtonStyle::Green);
    button->SetText(L"Save");
    return button;
}

std::unique_ptr<bfAbstractControl> RoundIconButton(HWND parent, WORD id) {
    auto button = std::make_unique<bfButton>(parent, id, 28, ButtonStyle::RoundIcon);
    button->SetRoundIcon(RoundIcon::Refresh);
    return button;
}

std::unique_ptr<bfAbstractControl> FileSkinnedToggle(HWND parent, WORD id) {
    auto button = std::make_unique<bfButton>(parent, id, 17);
    ButtonSkinFiles files;
    files[ButtonBitmap::NormalLeft] = u"data\\bitmaps\\2x20_button_modern_left.bmp";
    files[ButtonBitmap::NormalRight] = u"data\\bitmaps\\2x20_button_modern_right.bmp";
    files[ButtonBitmap::NormalCentre] = u"data\\bitmaps\\1x20_button_modern_center.bmp";
    files[ButtonBitmap::Icon] = u"data\\bitmaps\\13_show_icon.bmp";
    files[ButtonBitmap::PressedIcon] = u"data\\bitmaps\\13_show_clicked_icon.bmp";
    button->SetCustomSkin(files);
    button->SetToggleButton(true);
    button->SetChecked(id % 2 == 0);
    button->LoadBackgroundBitmapFile(L"data\\bitmaps\\40_bkg.bmp");
    return button;
}

std::unique_ptr<bfAbstractControl> CheckBox(HWND parent, WORD id) {
    auto box = std::make_unique<bfCheckBox>(parent, id, 90);
    box->SetText(L"Remove after end");
    box->SetChecked(id % 2 == 0);
    return box;
}

std::unique_ptr<bfAbstractControl> RadioButton(HWND parent, WORD id) {
    auto radio = std::make_unique<bfRadioButton>(parent, id, 90);
    radio->SetText(L"Once");
    radio->SetFontFace(L"Georgia");
    return radio;
}

std::unique_ptr<bfAbstractControl> DoubleButton(HWND parent, WORD id) {
    auto button = std::make_unique<bfDoubleButton>(parent, id, 25);
    button->SetCaptions(L"AM", L"PM");
    button->Select(id % 2 == 0 ? ButtonHalf::Left : ButtonHalf::Right);
    return button;
}

std::unique_ptr<bfAbstractControl> ColorLabel(HWND parent, WORD id) {
    auto label = std::make_unique<bfColorLabel>(parent, id, 70, LabelColor::Red);
    label->SetText(L"1.0.0");
    return label;
}

std::unique_ptr<bfAbstractControl> StaticText(HWND parent, WORD id) {
    auto text = std::make_unique<bfStaticText>(parent, id, 70, 18);
    text->SetText(L"00 : 00 : 05");
    text->SetGradient({.extentWidth = 800, .extentHeight = 600, .startLevel = 20, .endLevel = 90});
    return text;
}

// GetGuiResources where the platform answers it, else Wine's GDI handle table.
long ProcessGdiObjects() {
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    return reported != 0 ? static_cast<long>(reported) : testing::detail::CountGdiTable();
}

const Kind kKinds[] = {{"Button", Button},
                       {"RoundIconButton", RoundIconButton},
                       {"FileSkinnedToggle", FileSkinnedToggle},
                       {"CheckBox", CheckBox},
                       {"RadioButton", RadioButton},
                       {"DoubleButton", DoubleButton},
                       {"ColorLabel", ColorLabel},
                       {"StaticText", StaticText}};

class GdiCensusTest : public ::testing::TestWithParam<Kind> {
protected:
    // The platform keeps some objects of its own once made: fonts of the first text drawn and a
    // device context for each window that has painted (Wine caches them for later windows). A
    // hundred controls first, so that the counts start after those.
    static void SetUpTestSuite() {
        SetSkinFileFolder(testing::BinaryFolder());
        TestParent parent(800, 600);
        std::vector<std::unique_ptr<bfAbstractControl>> controls;
        for (int i = 0; i < kControls; ++i) {
            controls.push_back(kKinds[i % std::size(kKinds)].make(parent.window(), 1));
            controls.back()->Move((i % 10) * 80, (i / 10) * 30);
            controls.back()->Show(true);
        }
        testing::PumpMessages();
    }

    void SetUp() override {
        SetSkinFileFolder(testing::BinaryFolder());
        ASSERT_TRUE(GdiCensus::Instance().installed());
    }
};

TEST_P(GdiCensusTest, AHundredControlsGiveBackEveryObjectTheyUsed) {
    TestParent parent(800, 600);
    const GdiCensus::Counts before = GdiCensus::Instance().Now();
    const long processGdiBefore = ProcessGdiObjects();
    const long windowsBefore = testing::CountThreadWindows();

    {
        std::vector<std::unique_ptr<bfAbstractControl>> controls;
        for (int i = 0; i < kControls; ++i) {
            auto control = GetParam().make(parent.window(), static_cast<WORD>(i));
            control->Move((i % 10) * 80, (i / 10) * 30);
            control->Show(true);
            controls.push_back(std::move(control));
        }
        ::UpdateWindow(parent.window());
        testing::PumpMessages();
        const GdiCensus::Counts alive = GdiCensus::Instance().Now();
        std::cout << kControls << " " << GetParam().name << " controls shown use "
                  << alive.objects - before.objects << " GDI objects\n";
        EXPECT_LE(alive.objects - before.objects, kSharedObjectsAtMost);
        EXPECT_GT(alive.objects, before.objects);  // they did paint with something
        EXPECT_EQ(testing::CountThreadWindows(), windowsBefore + kControls);
    }

    const GdiCensus::Counts after = GdiCensus::Instance().Now();
    EXPECT_EQ(after.objects, before.objects);
    EXPECT_EQ(after.windowDcs, before.windowDcs);
    EXPECT_EQ(after.strayDeletes, before.strayDeletes);
    EXPECT_EQ(testing::CountThreadWindows(), windowsBefore);
    // And the whole process's GDI objects, as the platform keeps them.
    EXPECT_EQ(ProcessGdiObjects(), processGdiBefore);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, GdiCensusTest,
    ::testing::Values(Kind{"Button", Button}, Kind{"RoundIconButton", RoundIconButton},
                      Kind{"FileSkinnedToggle", FileSkinnedToggle}, Kind{"CheckBox", CheckBox},
                      Kind{"RadioButton", RadioButton}, Kind{"DoubleButton", DoubleButton},
                      Kind{"ColorLabel", ColorLabel}, Kind{"StaticText", StaticText}),
    [](const ::testing::TestParamInfo<Kind>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tockly
