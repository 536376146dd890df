#include "gallery_window.h"

#include <utility>

#include "support/gdi_handles.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/color_label.h"
#include "toolkit/combo_box.h"
#include "toolkit/dib_section.h"
#include "toolkit/double_button.h"
#include "toolkit/skin_drawing.h"
#include "toolkit/spin_box.h"
#include "toolkit/static_text.h"
#include "toolkit/text_box.h"
#include "toolkit/text_edit.h"
#include "toolkit/vscroll_bar.h"

namespace tockly::gallery {
namespace {

constexpr int kWidth = 1270;
constexpr int kInputsX = 880;  // the column of the input controls
constexpr int kHeight = 764;
constexpr int kRowStep = 34;
constexpr int kFirstColumn = 160;
constexpr int kColumnStep = 136;
constexpr int kButtonWidth = 120;
constexpr COLORREF kPageColor = RGB(232, 232, 232);
constexpr COLORREF kHeadingColor = RGB(40, 60, 90);
constexpr std::uint8_t kGradientTop = 235;
constexpr std::uint8_t kGradientBottom = 110;
constexpr const wchar_t* kTile = L"data\\bitmaps\\40_bkg.bmp";

int Column(int index) {
    return kFirstColumn + index * kColumnStep;
}

ButtonSkinFiles ModernSkin() {
    using enum ButtonBitmap;
    ButtonSkinFiles files;
    files[NormalLeft] = u"data\\bitmaps\\2x20_button_modern_left.bmp";
    files[NormalRight] = u"data\\bitmaps\\2x20_button_modern_right.bmp";
    files[NormalCentre] = u"data\\bitmaps\\1x20_button_modern_center.bmp";
    files[HoveredLeft] = u"data\\bitmaps\\2x20_button_modern_hovered_left.bmp";
    files[HoveredRight] = u"data\\bitmaps\\2x20_button_modern_hovered_right.bmp";
    files[HoveredCentre] = u"data\\bitmaps\\1x20_button_modern_hovered_center.bmp";
    files[PressedLeft] = u"data\\bitmaps\\2x20_button_modern_clicked_left.bmp";
    files[PressedRight] = u"data\\bitmaps\\2x20_button_modern_clicked_right.bmp";
    files[PressedCentre] = u"data\\bitmaps\\1x20_button_modern_clicked_center.bmp";
    return files;
}

}  // namespace

GalleryWindow::GalleryWindow() : bfAbstractWindow(nullptr, WS_POPUP | WS_CLIPCHILDREN, 0) {
    messages().Set(WM_PAINT, this, &GalleryWindow::OnPaint);
    messages().Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    messages().Set(WM_NOTIFY, this, &GalleryWindow::OnNotify);
    messages().Set(WM_COMMAND, this, &GalleryWindow::OnCommand);
    tile_ = LoadSkinFile(kTile);
    Resize(kWidth, kHeight);

    int y = 10;
    Caption(12, y, 400, L"Tockly toolkit gallery", true);
    y += 28;
    const wchar_t* states[] = {L"normal", L"hovered", L"pressed", L"disabled", L"toggle, checked"};
    for (int column = 0; column < 5; ++column) {
        Caption(Column(column), y, kButtonWidth, states[column]);
    }
    y += 22;
    BuildButtons(y);
    BuildMarks(y);
    BuildLabels(y);
    BuildInputs();
    BuildNotes();
    BuildGradientBand(y);
    BuildPatternBand(y);

    ::SetWindowPos(window(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    Show(true);
    for (auto& control : controls_) {
        control->Show(true);
    }
    ::UpdateWindow(window());
}

GalleryWindow::~GalleryWindow() {
    controls_.clear();  // the controls go before the window they live on
}

template <typename Control, typename... Arguments>
Control& GalleryWindow::Add(int x, int y, Arguments&&... arguments) {
    auto control = std::make_unique<Control>(window(), static_cast<WORD>(controls_.size() + 1),
                                             std::forward<Arguments>(arguments)...);
    control->SetBackgroundColor(kPageColor);
    control->Move(x, y);
    Control& added = *control;
    controls_.push_back(std::move(control));
    return added;
}

bfStaticText& GalleryWindow::Caption(int x, int y, int width, const wchar_t* text, bool heading) {
    auto& label = Add<bfStaticText>(x, y, width, heading ? 24 : 20);
    label.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    label.SetText(text);
    if (heading) {
        label.SetFont({L"Georgia", 20, FW_BOLD, false});
        label.SetTextColors(kHeadingColor, kHeadingColor);
    }
    return label;
}

void GalleryWindow::Hovered(bfAbstractControl& control, int x, int y) {
    stages_.push_back(
        {&control,
         [x, y](HWND window) { ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); },
         [](HWND window) { ::SendMessageW(window, WM_MOUSELEAVE, 0, 0); }});
}

void GalleryWindow::Pressed(bfAbstractControl& control, int x, int y) {
    stages_.push_back({&control,
                       [x, y](HWND window) {
                           ::SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
                           ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
                       },
                       [](HWND window) {
                           // Released far outside: no click.
                           ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(-500, -500));
                           ::SendMessageW(window, WM_MOUSELEAVE, 0, 0);
                       }});
}

void GalleryWindow::BuildButtons(int& y) {
    struct Style {
        ButtonStyle style;
        const wchar_t* name;
    };
    const Style styles[] = {{ButtonStyle::Normal, L"Normal"},
                            {ButtonStyle::Round, L"Round"},
                            {ButtonStyle::Green, L"Green"},
                            {ButtonStyle::Red, L"Red"}};
    for (const Style& style : styles) {
        Caption(12, y + 3, 140, style.name);
        for (int column = 0; column < 5; ++column) {
            auto& button = Add<bfButton>(Column(column), y, kButtonWidth, style.style);
            button.SetText(L"Create task");
            if (column == 1) {
                Hovered(button);
            } else if (column == 2) {
                Pressed(button);
            } else if (column == 3) {
                button.SetEnabled(false);
            } else if (column == 4) {
                button.SetToggleButton(true);
                button.SetChecked(true);
            }
        }
        y += kRowStep;
    }

    Caption(12, y + 6, 140, L"Round icon");
    const RoundIcon icons[] = {RoundIcon::Delete,    RoundIcon::Add,     RoundIcon::Schedule,
                               RoundIcon::CountDown, RoundIcon::Task,    RoundIcon::Cross,
                               RoundIcon::Refresh,   RoundIcon::Calendar};
    int x = kFirstColumn;
    for (RoundIcon icon : icons) {
        Add<bfButton>(x, y, 28, ButtonStyle::RoundIcon).SetRoundIcon(icon);
        x += 34;
    }
    x += 20;
    auto& pressed = Add<bfButton>(x, y, 28, ButtonStyle::RoundIcon);
    pressed.SetRoundIcon(RoundIcon::Add);
    Pressed(pressed, 14, 14);
    x += 34;
    auto& disabled = Add<bfButton>(x, y, 28, ButtonStyle::RoundIcon);
    disabled.SetRoundIcon(RoundIcon::Add);
    disabled.SetEnabled(false);
    y += kRowStep + 4;

    Caption(12, y + 3, 140, L"Custom skin files");
    for (int column = 0; column < 5; ++column) {
        auto& button = Add<bfButton>(Column(column), y, 60);
        button.SetCustomSkin(ModernSkin());
        button.SetText(L"Save");
        button.SetTextColors(RGB(255, 255, 255), RGB(130, 130, 130));
        auto& icon = Add<bfButton>(Column(column) + 66, y, 20);
        icon.SetCustomSkin(ModernSkin());
        icon.SetIconFiles(u"data\\bitmaps\\16_exit_icon.bmp");
        icon.SetIconSize(16, 16);
        auto& toggle = Add<bfButton>(Column(column) + 92, y, 17);
        ButtonSkinFiles rowToggle;
        rowToggle[ButtonBitmap::Icon] = u"data\\bitmaps\\13_show_icon.bmp";
        rowToggle[ButtonBitmap::PressedIcon] = u"data\\bitmaps\\13_show_clicked_icon.bmp";
        toggle.SetCustomSkin(rowToggle);
        toggle.Resize(17, 20);
        toggle.SetToggleButton(true);
        if (column == 1) {
            Hovered(button);
            Hovered(icon);
        } else if (column == 2) {
            Pressed(button);
            Pressed(icon);
        } else if (column == 3) {
            button.SetEnabled(false);
            icon.SetEnabled(false);
            toggle.SetEnabled(false);
        } else if (column == 4) {
            button.SetToggleButton(true);
            button.SetChecked(true);
            toggle.SetChecked(true);
        }
    }
    y += kRowStep;
}

void GalleryWindow::BuildMarks(int& y) {
    const wchar_t* columns[] = {L"unchecked", L"checked", L"hovered", L"hovered, checked",
                                L"disabled"};
    for (int column = 0; column < 5; ++column) {
        Caption(Column(column), y, kButtonWidth, columns[column]);
    }
    y += 22;
    for (int row = 0; row < 2; ++row) {
        Caption(12, y, 140, row == 0 ? L"Check box" : L"Radio button");
        for (int column = 0; column < 5; ++column) {
            bfCheckBox& mark =
                row == 0 ? static_cast<bfCheckBox&>(Add<bfCheckBox>(Column(column), y, 125))
                         : Add<bfRadioButton>(Column(column), y, 125);
            mark.SetText(row == 0 ? L"Show progress bar" : L"Once");
            mark.Resize(125, 20);
            mark.SetChecked(column == 1 || column == 3 || column == 4);
            if (column >= 2 && column <= 3) {
                Hovered(mark);
            } else if (column == 4) {
                mark.SetEnabled(false);
            }
        }
        y += 28;
    }

    Caption(12, y + 3, 140, L"Double button");
    const wchar_t* selections[] = {L"none selected", L"left selected", L"right selected",
                                   L"left pressed", L"disabled"};
    for (int column = 0; column < 5; ++column) {
        auto& amPm = Add<bfDoubleButton>(Column(column), y, 40);
        amPm.SetCaptions(L"AM", L"PM");
        if (column == 1) {
            amPm.Select(ButtonHalf::Left);
        } else if (column == 2) {
            amPm.Select(ButtonHalf::Right);
        } else if (column == 3) {
            Pressed(amPm, 10, 10);
        } else if (column == 4) {
            amPm.Select(ButtonHalf::Right);
            amPm.SetEnabled(false);
        }
        Caption(Column(column), y + 26, kButtonWidth, selections[column]);
    }
    y += kRowStep + 22;

    // The keyboard focus, as a click or Tab leaves it.
    Caption(12, y + 3, 140, L"Focused");
    auto& box = Add<bfCheckBox>(Column(0), y + 3, 125, 20);
    box.SetText(L"Show progress bar");
    box.SetChecked(true);
    FocusStage(box);
    auto& radio = Add<bfRadioButton>(Column(1), y + 3, 125, 20);
    radio.SetText(L"Once");
    FocusStage(radio);
    auto& bare = Add<bfCheckBox>(Column(2), y + 3, 20, 20);
    FocusStage(bare);  // no caption: the ring goes round the box
    auto& label = Add<bfColorLabel>(Column(3), y, kButtonWidth, LabelColor::Green);
    label.SetText(L"Running");
    FocusStage(label);
    y += kRowStep;
}

void GalleryWindow::FocusStage(bfAbstractControl& control) {
    stages_.push_back({&control, [](HWND window) { ::SetFocus(window); },
                       [this](HWND) { ::SetFocus(this->window()); }});
}

void GalleryWindow::BuildLabels(int& y) {
    Caption(12, y + 3, 140, L"Colour label");
    const LabelColor colors[] = {LabelColor::Gray, LabelColor::Green, LabelColor::Red};
    const wchar_t* names[] = {L"Gray", L"Green", L"Red"};
    for (int column = 0; column < 3; ++column) {
        Add<bfColorLabel>(Column(column), y, kButtonWidth, colors[column]).SetText(names[column]);
    }
    auto& frame = Add<bfColorLabel>(Column(3), y, 2 * kButtonWidth, LabelColor::Gray);
    frame.Resize(2 * kButtonWidth + 16, 46);
    frame.SetText(L"Taller plate (a frame)");
    y += 54;

    Caption(12, y + 3, 140, L"Static text");
    const HorizontalAlignment alignments[] = {
        HorizontalAlignment::Left, HorizontalAlignment::Centre, HorizontalAlignment::Right};
    const wchar_t* alignmentNames[] = {L"left", L"centre", L"right"};
    for (int column = 0; column < 3; ++column) {
        auto& text = Add<bfStaticText>(Column(column), y, kButtonWidth, 24);
        text.SetBackgroundColor(RGB(255, 255, 255));
        text.SetAlignment(alignments[column], VerticalAlignment::Centre);
        text.SetText(alignmentNames[column]);
    }
    auto& disabled = Add<bfStaticText>(Column(3), y, kButtonWidth, 24);
    disabled.SetText(L"disabled");
    disabled.SetEnabled(false);
    auto& styled = Add<bfStaticText>(Column(4), y, kButtonWidth, 24);
    styled.SetFont({L"Georgia", 17, 500, true});
    styled.SetText(L"Georgia italic");
    y += 30;

    auto& wrapped = Add<bfStaticText>(kFirstColumn, y, 2 * kButtonWidth + 16, 48);
    wrapped.SetWordWrap(true);
    wrapped.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Top);
    wrapped.SetText(
        L"A wrapped static text breaks its caption at words, the way the message window shows a "
        L"long end-of-count message.");
    auto& bottom = Add<bfStaticText>(Column(2) + 20, y, kButtonWidth, 48);
    bottom.SetBackgroundColor(RGB(255, 255, 255));
    bottom.SetAlignment(HorizontalAlignment::Right, VerticalAlignment::Bottom);
    bottom.SetText(L"bottom right");
    y += 58;
}

void GalleryWindow::BuildInputs() {
    const int x = kInputsX + 80;
    Caption(kInputsX, 10, 300, L"Input controls", true);
    const auto focusStage = [this](bfAbstractControl& control) { FocusStage(control); };

    Caption(kInputsX, 51, 90, L"Text edit");
    Add<bfTextEdit>(x, 48, 90).SetText(u"Task 1");
    auto& selected = Add<bfTextEdit>(x + 100, 48, 90);
    selected.SetText(u"focused");
    focusStage(selected);  // the whole text selected, as when tabbed into
    auto& scrolled = Add<bfTextEdit>(x + 200, 48, 90);
    scrolled.SetText(u"A title longer than its field");
    ::SendMessageW(scrolled.window(), WM_KEYDOWN, VK_END, 1);
    auto& label = Add<bfTextEdit>(x, 80, 90);
    label.SetText(u"display mode");
    label.SetDisplayMode(true);
    label.SetTextColors(RGB(32, 32, 32), RGB(150, 150, 150));
    auto& disabled = Add<bfTextEdit>(x + 100, 80, 90);
    disabled.SetText(u"disabled");
    disabled.SetEnabled(false);

    Caption(kInputsX, 115, 90, L"Spin box");
    const auto spin = [this](int left, int value) -> bfSpinBox& {
        auto& box = Add<bfSpinBox>(left, 112, 58);
        box.SetRange(0, 59);
        box.SetMaxDigits(2);
        box.SetValue(value);
        return box;
    };
    spin(x, 42);
    Pressed(spin(x + 68, 7), 50, 5);  // the up arrow held
    focusStage(spin(x + 136, 30));
    spin(x + 204, 15).SetEnabled(false);
    auto& fixed = spin(x + 272, 59);
    fixed.SetEditable(false);
    focusStage(fixed);  // no caret: a focus ring

    Caption(kInputsX, 149, 90, L"Combo box");
    const auto combo = [this](int left, int top) -> bfComboBox& {
        auto& box = Add<bfComboBox>(left, top);
        box.Resize(95, 23);
        for (const char16_t* item : {u"png", u"jpg", u"bmp", u"Lock", u"Log off", u"Sleep"}) {
            box.AddItem(item);
        }
        box.Select(0);
        return box;
    };
    combo(x, 146);
    focusStage(combo(x + 100, 146));
    combo(x + 200, 146).SetEnabled(false);
    Caption(kInputsX, 183, 90, L"open");
    auto& open = combo(x, 180);
    bfComboBoxList& list = open.list();
    // Pressed: the list drops down; it is a window of its own, put in the picture where it shows.
    stages_.push_back({&open,
                       [](HWND window) {
                           ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 10));
                       },
                       [](HWND) {}});
    stages_.push_back({&list,
                       [&list, &open](HWND) {
                           list.model().Highlight(2);
                           list.Move(open.x(), open.y() + open.height() - 1, false);
                           list.Redraw();
                       },
                       [&open](HWND) {
                           open.list().Close();
                           ::ReleaseCapture();
                       }});

    Caption(kInputsX + 110, 183, 150, L"Scroll bar");
    const auto bar = [this](int left, int position) -> bfVScrollBar& {
        auto& scroll = Add<bfVScrollBar>(left, 206, 130);
        scroll.SetContent(1000);
        scroll.SetPage(250);
        scroll.SetLineStep(25);
        scroll.SetPosition(position);
        return scroll;
    };
    bar(x + 120, 0);
    Pressed(bar(x + 150, 375), 10, 65);       // the thumb held
    Pressed(bar(x + 180, 500), 10, 130 - 5);  // the down arrow held
    focusStage(bar(x + 210, 750));

    Caption(kInputsX, 345, 90, L"Text box");
    auto& box = Add<bfTextBox>(x, 342, 290, 50);
    box.SetText(u"A multi-line note in the rich edit,\r\nwith a second line.");

    // Items with pictures (the settings page's languages): closed, and open with one highlighted.
    Caption(kInputsX, 403, 90, L"Pictures");
    const auto flags = [this](int left) -> bfComboBox& {
        auto& languages = Add<bfComboBox>(left, 400);
        languages.Resize(110, 23);
        for (const char16_t* name : {u"English", u"Deutsch", u"Fran\u00E7ais"}) {
            languages.AddItem(name, LoadSkinResource(u"Language_ComboBox_" + std::u16string(name)));
        }
        languages.Select(1);
        return languages;
    };
    flags(x);
    auto& flagsOpen = flags(x + 130);
    bfComboBoxList& flagList = flagsOpen.list();
    stages_.push_back({&flagsOpen,
                       [](HWND window) {
                           ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 10));
                       },
                       [](HWND) {}});
    stages_.push_back({&flagList,
                       [&flagList, &flagsOpen](HWND) {
                           flagList.model().Highlight(2);
                           flagList.Move(flagsOpen.x(), flagsOpen.y() + flagsOpen.height() - 1,
                                         false);
                           flagList.Redraw();
                       },
                       [&flagsOpen](HWND) {
                           flagsOpen.list().Close();
                           ::ReleaseCapture();
                       }});
}

void GalleryWindow::BuildNotes() {
    // A sticky note's content in each theme: the owner's font, colours and background, and the
    // theme's narrow scroll bar driven by the box's scroll notifications.
    struct Theme {
        SkinTheme skin;
        COLORREF text;
        COLORREF background;
    };
    const Theme themes[] = {{SkinTheme::Dark, RGB(255, 255, 255), RGB(41, 41, 41)},
                            {SkinTheme::Light, RGB(0, 0, 0), RGB(235, 235, 235)},
                            {SkinTheme::Yellow, RGB(0, 0, 0), RGB(253, 253, 196)}};
    Caption(kInputsX, 486, 300, L"Sticky note themes: text box and scroll bar files");
    int x = kInputsX;
    for (const Theme& theme : themes) {
        auto& box = Add<bfTextBox>(x, 508, 110, 66);
        box.SetFont({L"Segoe Print", 16, FW_NORMAL, false});
        box.SetTextColor(theme.text);
        box.SetBackgroundColor(theme.background);
        box.SetText(
            u"Buy milk\r\nCall Anna at five\r\nWater the plants\r\nBook the train\r\n"
            u"Send the report\r\nPay the rent\r\nFix the bike\r\nRead a book");
        auto& bar = Add<bfVScrollBar>(x + 110, 508, 66);
        bar.SetThemeSkin(theme.skin);
        bar.SetLineStep(1);
        notes_.push_back({&box, &bar});
        x += 130;
    }
    notes_[1].box->ScrollToLine(2);
    notes_[2].box->ScrollToLine(9);  // as far as it goes
    FocusStage(*notes_[2].bar);
}

LRESULT GalleryWindow::OnCommand(UINT, WPARAM wParam, LPARAM lParam) {
    const bfAbstractControl* from = bfAbstractControl::FromCommand(lParam);
    for (const Note& note : notes_) {
        if (from == note.box && HIWORD(wParam) == bfTextBox::kContentScrolled) {
            const TextBoxScroll scroll = note.box->scrollState();
            note.bar->SetContent(scroll.lines);
            note.bar->SetPage(scroll.visibleLines);
            note.bar->SetPosition(scroll.firstVisible);
        } else if (from == note.bar) {
            note.box->ScrollToLine(HIWORD(wParam));
        }
    }
    return 0;
}

void GalleryWindow::BuildGradientBand(int& y) {
    gradientBand_ = {0, y, kWidth, y + 86};
    auto give = [](bfAbstractControl& control) {
        // Back to gradient mode: the control asks for its slice when shown.
        control.SetGradient({});
    };
    give(Caption(12, y + 4, 300, L"On the owner's gradient", true));
    const int row = y + 40;
    auto& text = Add<bfStaticText>(12, row, 140, 24);
    text.SetText(L"00 : 14 : 59");
    text.SetFont({L"Georgia", 20, 500, false});
    give(text);
    auto& box = Add<bfCheckBox>(Column(0), row, 125, 20);
    box.SetText(L"Always on top");
    box.SetChecked(true);
    give(box);
    auto& radio = Add<bfRadioButton>(Column(1), row, 125, 20);
    radio.SetText(L"Multiple times");
    radio.SetChecked(true);
    give(radio);
    auto& amPm = Add<bfDoubleButton>(Column(2), row, 40);
    amPm.SetCaptions(L"AM", L"PM");
    amPm.Select(ButtonHalf::Right);
    give(amPm);
    auto& label = Add<bfColorLabel>(Column(3), row, kButtonWidth, LabelColor::Green);
    label.SetText(L"Running");
    give(label);
    auto& button = Add<bfButton>(Column(4), row, kButtonWidth, ButtonStyle::Round);
    button.SetText(L"Change task");
    give(button);
    y = gradientBand_.bottom + 8;
}

void GalleryWindow::BuildPatternBand(int& y) {
    patternBand_ = {0, y, kWidth, kHeight};
    auto pattern = [](bfAbstractControl& control) { control.LoadBackgroundBitmapFile(kTile); };
    auto& heading = Add<bfStaticText>(12, y + 6, 300, 24);
    heading.SetFont({L"Georgia", 20, FW_BOLD, false});
    heading.SetTextColors(RGB(255, 255, 255), RGB(255, 255, 255));
    heading.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    heading.SetText(L"On a widget's tile");
    pattern(heading);
    const int row = y + 40;
    auto& time = Add<bfStaticText>(12, row - 4, 140, 26);
    time.SetFont({L"Georgia", 22, 500, false});
    time.SetTextColors(RGB(255, 255, 255), RGB(160, 160, 160));
    time.SetText(L"01 : 02 : 05");
    pattern(time);
    const char16_t* icons[] = {
        u"data\\bitmaps\\18_play_icon.bmp", u"data\\bitmaps\\18_reset_icon.bmp",
        u"data\\bitmaps\\16_exit_icon.bmp", u"data\\bitmaps\\16_eye_icon.bmp"};
    int x = Column(0);
    for (int i = 0; i < 4; ++i) {
        auto& button = Add<bfButton>(x, row, 22);
        button.SetCustomSkin(ModernSkin());
        button.SetIconFiles(icons[i]);
        pattern(button);
        if (i == 1) {
            Hovered(button);
        } else if (i == 2) {
            Pressed(button);
        }
        x += 28;
    }
    auto& save = Add<bfButton>(x + 10, row, 60);
    save.SetCustomSkin(ModernSkin());
    save.SetText(L"Save");
    save.SetTextColors(RGB(255, 255, 255), RGB(130, 130, 130));
    pattern(save);
    auto& note = Add<bfStaticText>(Column(2), row - 8, 2 * kButtonWidth + 40, 40);
    note.SetWordWrap(true);
    note.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    note.SetTextColors(RGB(230, 230, 230), RGB(160, 160, 160));
    note.SetText(L"Controls on a tiled background line their tiles up with the window's.");
    pattern(note);
    y = kHeight;
}

void GalleryWindow::PaintBackground(HDC dc) {
    const RECT page{0, 0, kWidth, gradientBand_.top};
    FillSolid(dc, page, kPageColor);
    FillGradientSlice(dc, gradientBand_, {kGradientTop, kGradientBottom}, false);
    const RECT between{0, gradientBand_.bottom, kWidth, patternBand_.top};
    FillSolid(dc, between, kPageColor);
    if (!FillTiled(dc, patternBand_, tile_.get(), 0, 0)) {
        FillSolid(dc, patternBand_, RGB(60, 60, 60));
    }
}

LRESULT GalleryWindow::OnPaint(UINT, WPARAM, LPARAM) {
    PaintDc paint(window());
    PaintBackground(paint.get());
    return 0;
}

LRESULT GalleryWindow::OnNotify(UINT, WPARAM, LPARAM lParam) {
    // The gradient band answers its controls' background requests: the band's gradient, seen from
    // the band's own top.
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    bfAbstractControl* control = bfAbstractControl::FromHandle(header->hwndFrom);
    if (control == nullptr || control->y() < gradientBand_.top ||
        control->y() >= gradientBand_.bottom) {
        return 0;
    }
    control->SetOffsetPosition(true, control->x(), control->y() - gradientBand_.top);
    control->SetGradient(
        {.extentWidth = kWidth,
         .extentHeight = static_cast<int>(gradientBand_.bottom - gradientBand_.top),
         .startLevel = kGradientTop,
         .endLevel = kGradientBottom});
    return 1;
}

LRESULT GalleryWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessageMap(message, wParam, lParam);
}

namespace {

// Copies what a window shows on the screen into `target` at (x, y).
void CopyFromScreen(HWND window, HDC target, int x, int y) {
    RECT client{};
    ::GetClientRect(window, &client);
    WindowDc source(window);
    ::BitBlt(target, x, y, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
}

}  // namespace

Picture GalleryWindow::TakePicture() {
    Picture picture;
    picture.width = kWidth;
    picture.height = kHeight;
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const DibSection section = CreateDibSection32(kWidth, kHeight);
    if (!dc || !section.bitmap) {
        return picture;
    }
    {
        SelectedObject selected(dc.get(), section.bitmap.get());
        CopyFromScreen(window(), dc.get(), 0, 0);
        for (const MouseStage& stage : stages_) {
            const HWND control = stage.control->window();
            stage.enter(control);  // the control paints itself at once
            CopyFromScreen(control, dc.get(), stage.control->x(), stage.control->y());
            stage.leave(control);
        }
        ::GdiFlush();
    }
    picture.pixels.assign(section.pixels,
                          section.pixels + static_cast<std::size_t>(kWidth) * kHeight);
    return picture;
}

double GalleryWindow::RepaintMilliseconds(int rounds) {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    LARGE_INTEGER end{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int round = 0; round < rounds; ++round) {
        ::RedrawWindow(window(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    ::QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart) / rounds;
}

}  // namespace tockly::gallery
