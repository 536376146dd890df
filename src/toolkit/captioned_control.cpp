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

void CaptionedControl::SetFont(const FontSpec& font) {
    if (font == fontSpec_ && font_) {
        return;
    }
    SharedFont made = AcquireFont(font);
    fontSpec_ = font;
    font_ = std::move(made);
    Repaint();
}

void CaptionedControl::SetFontFace(std::wstring_view face) {
    SetFont(FontWith(&FontSpec::face, std::wstring(face)));
}

void CaptionedControl::SetFontHeight(int height) {
    SetFont(FontWith(&FontSpec::height, height));
}

void CaptionedControl::SetFontWeight(int weight) {
    SetFont(FontWith(&FontSpec::weight, weight));
}

void CaptionedControl::SetItalic(bool italic) {
    SetFont(FontWith(&FontSpec::italic, italic));
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

void CaptionedControl::PaintCaption(const PaintContext& paint, const PixelRect& area,
                                    UINT extraFormat) const {
    PaintCaption(paint, area, Caption(), extraFormat);
}

void CaptionedControl::PaintCaption(const PaintContext& paint, const PixelRect& area,
                                    std::wstring_view text, UINT extraFormat) const {
    // Captions come from language files: an ampersand is a character, not a mnemonic.
    const UINT format = AlignmentFormat(horizontal_, vertical_) | DT_NOPREFIX | extraFormat;
    DrawCaption(paint.dc, area, text, fontHandle(), enabled_ ? textColor_ : disabledTextColor_,
                format);
}

}  // namespace tockly
