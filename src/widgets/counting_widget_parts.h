#pragma once
// What the timer, the counter and the end-of-count message view share: their button skins, their
// fonts, the texts of their menus, and notifications to the owner that never touch the widget
// after sending (the owner may destroy it while it is told).

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/button.h"
#include "toolkit/button_skin_files.h"
#include "toolkit/captioned_control.h"
#include "toolkit/font_cache.h"
#include "toolkit/skin_metrics.h"
#include "widgets/abstract_widget.h"
#include "widgets/owner_drawn_menu.h"
#include "widgets/widget_rules.h"
#include "widgets/widget_skin_files.h"

namespace tockly {

inline constexpr COLORREF kCountingTextColor = RGB(255, 255, 255);
inline constexpr COLORREF kCountingDimTextColor = RGB(170, 170, 170);
inline const FontSpec kCountingTitleFont{L"Georgia", 16, 500, false};

// The appearance and place that a timer's or counter's record keeps: from the record into the
// widget, and from the widget (with whether it is shown and running) into the record.
template <typename Record>
void ApplyCountingLook(bfAbstractWidget& widget, const Record& record) {
    widget.SetAlwaysOnTop(record.alwaysOnTop);
    widget.SetShowProgressBar(record.showProgressBar);
    widget.SetTransparency(record.transparency);
    widget.MoveTo(record.x, record.y);
}

template <typename Record>
void TakeCountingLook(const bfAbstractWidget& widget, Record& record) {
    record.alwaysOnTop = widget.alwaysOnTop();
    record.transparency = widget.transparency();
    record.showProgressBar = widget.showProgressBar();
    record.x = widget.x();
    record.y = widget.y();
    record.shown = widget.shown();
    record.running = widget.running();
}

// A button of `skin` showing the icon file at its own size; `metrics` for a height other than the
// pieces' own.
void SkinIconButton(bfButton& button, const ButtonSkinFiles& skin, std::u16string_view icon,
                    int width, std::optional<skin::PieceSkin> metrics = std::nullopt);

// A label or title on the widgets' tile at (x, y), white in `font`.
void PlaceWidgetLabel(CaptionedControl& label, int x, int y, const FontSpec& font);

// The texts of the widget menus' common items, from the language table; empty texts are left as
// they are. Items the menu does not have are skipped.
struct WidgetMenuTexts {
    std::u16string alwaysOnTop;
    std::u16string showProgressBar;
    std::u16string transparency;
    std::u16string hide;
    std::u16string remove;
};
// `transparencyPosition` is where the "Transparency" submenu is in the top-level menu.
void SetWidgetMenuTexts(OwnerDrawnMenu* menu, const WidgetMenuTexts& texts,
                        int transparencyPosition);

}  // namespace tockly
