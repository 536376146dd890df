#include "toolkit/captioned_control.h"

#include <utility>

#include "support/wide_text.h"

namespace tockly {

CaptionedControl::CaptionedControl(HWND parent, WORD id, DWORD style, TextColors colors)
    : bfAbstractControl(parent, id, style),
      font_(AcquireFont(fontSpec_)),
      textColor_(colors.enabled),
      disabledTextColor_(colors.disabled) {}

void CaptionedControl::SetText(std::wstring_view text) {
    SetCaption(std::wstring(text));
    Repaint();
}

void CaptionedControl::SetText(std::u16string_view text) {
    SetText(std::wstring_view(ToWide(text)));
}

void CaptionedControl::UseFont(FontSpec wanted) {
    if (wanted == fontSpec_ && font_) {
        return;
    }
    SharedFont font = AcquireFont(wanted);
    fontSpec_ = std::move(wanted);
    font_ = std::move(font);
    Repaint();
}

void CaptionedControl::SetFont(const FontSpec& font) {
    UseFont(font);
}

void CaptionedControl::SetFontFace(std::wstring_view face) {
    FontSpec wanted = fontSpec_;
    wanted.face = face;
    UseFont(std::move(wanted));
}

void CaptionedControl::SetFontHeight(int height) {
    FontSpec wanted = fontSpec_;
    wanted.height = height;
    UseFont(std::move(wanted));
}

void CaptionedControl::SetFontWeight(int weight) {
    FontSpec wanted = fontSpec_;
    wanted.weight = weight;
    UseFont(std::move(wanted));
}

void CaptionedControl::SetItalic(bool italic) {
    FontSpec wanted = fontSpec_;
    wanted.italic = italic;
    UseFont(std::move(wanted));
}

void CaptionedControl::SetTextColors(COLORREF enabledColor, COLORREF disabledColor) {
    textColor_ = enabledColor;
    disabledTextColor_ = disabledColor;
    Repaint();
}

void CaptionedControl::SetAlignment(HorizontalAlignment horizontal, VerticalAlignment vertical) {
    horizontal_ = horizontal;
    vertical_ = vertical;
    Repaint();
}

void CaptionedControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Repaint();
}

void CaptionedControl::DrawText(const PaintContext& paint, const PixelRect& area,
                                UINT extraFormat) const {
    DrawText(paint, area, Caption(), extraFormat);
}

void CaptionedControl::DrawText(const PaintContext& paint, const PixelRect& area,
                                std::wstring_view text, UINT extraFormat) const {
    // Captions come from language files: an ampersand is a character, not a mnemonic.
    const UINT format = AlignmentFormat(horizontal_, vertical_) | DT_NOPREFIX | extraFormat;
    DrawCaption(paint.dc, area, text, fontHandle(), enabled_ ? textColor_ : disabledTextColor_,
                format);
}

}  // namespace tockly
