#include "toolkit/captioned_control.h"

#include <algorithm>
#include <utility>

#include "support/wide_text.h"

namespace tockly {
namespace {

// Between a caption's ink and its focus ring, left and right.
constexpr int kFocusMargin = 2;

}  // namespace

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

UINT CaptionedControl::CaptionFormat(UINT extraFormat) const noexcept {
    // Captions come from language files: an ampersand is a character, not a mnemonic.
    return AlignmentFormat(horizontal_, vertical_) | DT_NOPREFIX | extraFormat;
}

bool CaptionedControl::PaintCaptionFocus(const PaintContext& paint, const PixelRect& area) const {
    const std::wstring caption = Caption();
    if (!focused() || caption.empty()) {
        return false;
    }
    const PixelRect ink =
        MeasureCaption(paint.dc, area, caption, fontHandle(), CaptionFormat(DT_SINGLELINE));
    const int left = std::max(ink.x - kFocusMargin, 0);
    const int top = std::max(ink.y - 1, 0);
    const int right = std::min(ink.right() + kFocusMargin, paint.width);
    const int bottom = std::min(ink.bottom() + 1, paint.height);
    DrawFocusRing(paint.dc, {left, top, right - left, bottom - top});
    return true;
}

void CaptionedControl::PaintCaption(const PaintContext& paint, const PixelRect& area,
                                    std::wstring_view text, UINT extraFormat) const {
    const UINT format = CaptionFormat(extraFormat);
    DrawCaption(paint.dc, area, text, fontHandle(), enabled_ ? textColor_ : disabledTextColor_,
                format);
}

}  // namespace tockly
