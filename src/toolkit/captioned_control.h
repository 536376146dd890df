#pragma once
// What the buttons and labels share beyond the base: a caption in a TrueType font, its colours
// and alignment, and the enabled flag that picks the colour.

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

#include "toolkit/abstract_control.h"
#include "toolkit/font_cache.h"
#include "toolkit/text_alignment.h"

namespace tockly {

// Caption colours when enabled and when disabled.
struct TextColors {
    COLORREF enabled;
    COLORREF disabled;
};
// Text that sits on the owner's background (check boxes, static texts): dark, for light pages.
inline constexpr TextColors kTextOnPage{RGB(32, 32, 32), RGB(150, 150, 150)};
// Text on the built-in plates, which are dark and glassy or coloured.
inline constexpr TextColors kTextOnPlate{RGB(255, 255, 255), RGB(140, 140, 140)};
// Text in the dark fields of the text edit, spin box and combo box.
inline constexpr TextColors kTextOnField{RGB(235, 235, 235), RGB(125, 125, 125)};

class CaptionedControl : public bfAbstractControl {
public:
    CaptionedControl(HWND parent, WORD id, DWORD style, TextColors colors = kTextOnPage);

    // The caption; also the window text. May be called from the widget's worker thread.
    void SetText(std::wstring_view text);
    void SetText(std::u16string_view text);
    std::wstring Text() const { return Caption(); }

    void SetFont(const FontSpec& font);
    void SetFontFace(std::wstring_view face);
    void SetFontHeight(int height);
    void SetFontWeight(int weight);
    void SetItalic(bool italic);
    void SetTextColors(COLORREF enabledColor, COLORREF disabledColor);
    void SetAlignment(HorizontalAlignment horizontal, VerticalAlignment vertical);

    // A disabled control ignores the mouse and draws its text in the disabled colour.
    virtual void SetEnabled(bool enabled);
    bool enabled() const noexcept { return enabled_; }

    const FontSpec& font() const noexcept { return fontSpec_; }
    COLORREF textColor() const noexcept { return textColor_; }
    COLORREF disabledTextColor() const noexcept { return disabledTextColor_; }
    HorizontalAlignment horizontalAlignment() const noexcept { return horizontal_; }
    VerticalAlignment verticalAlignment() const noexcept { return vertical_; }

protected:
    // The caption in `area` with the control's alignment plus `extraFormat` (DT_ flags).
    void PaintCaption(const PaintContext& paint, const PixelRect& area,
                      UINT extraFormat = DT_SINGLELINE) const;
    void PaintCaption(const PaintContext& paint, const PixelRect& area, std::wstring_view text,
                      UINT extraFormat = DT_SINGLELINE) const;
    // While the control has the focus: the focus ring around the caption as PaintCaption draws
    // it in `area` (a single line), kept inside the control. False when there is no caption.
    bool PaintCaptionFocus(const PaintContext& paint, const PixelRect& area) const;
    HFONT fontHandle() const noexcept { return font_ ? font_->handle() : nullptr; }
    void StoreEnabled(bool enabled) noexcept { enabled_ = enabled; }

private:
    UINT CaptionFormat(UINT extraFormat) const noexcept;
    // The control's font with one of its fields changed.
    template <typename Field, typename Value>
    FontSpec FontWith(Field FontSpec::*field, Value value) const {
        FontSpec font = fontSpec_;
        font.*field = std::move(value);
        return font;
    }

    FontSpec fontSpec_;
    SharedFont font_;
    COLORREF textColor_;
    COLORREF disabledTextColor_;
    HorizontalAlignment horizontal_ = HorizontalAlignment::Centre;
    VerticalAlignment vertical_ = VerticalAlignment::Centre;
    bool enabled_ = true;
};

}  // namespace tockly
