#include "ui/menu_button.h"

#include <string>

#include "support/gdi_handles.h"

namespace tockly {
namespace {

using enum ButtonBitmap;

// The big buttons' icon box sits at the top, the caption in the rows below it.
constexpr int kBigIconTop = 1;
constexpr int kBigCaptionTop = 50;
constexpr int kBigCaptionBottom = 66;
// The small buttons and plates: the icon at the left, the caption left-aligned beside it.
constexpr int kSmallIconLeft = 12;
constexpr int kSmallCaptionLeft = 46;
constexpr int kPlateIconLeft = 14;
constexpr int kPlateCaptionLeft = 74;
constexpr int kCaptionRightMargin = 8;

RECT MeasureLines(HDC dc, HFONT font, std::wstring_view text, int width, UINT format) {
    RECT measured{0, 0, width, 0};
    SelectedObject selected(dc, font);
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &measured,
                DT_CALCRECT | DT_NOPREFIX | format);
    return measured;
}

// Lines centred as one block in `area`: a caption breaks where the text says ("Internet\n
// connections") and, beside an icon, between words where it must.
void PaintLines(const PaintContext& paint, const PixelRect& area, const MenuFace& face,
                UINT format) {
    if (face.caption.empty() || area.width <= 0) {
        return;
    }
    HFONT font = face.font;
    RECT measured = MeasureLines(paint.dc, font, face.caption, area.width, format);
    if (measured.right > area.width && face.narrowFont != nullptr) {
        font = face.narrowFont;
        measured = MeasureLines(paint.dc, font, face.caption, area.width, format);
    }
    const int height = measured.bottom - measured.top;
    const PixelRect block{area.x, area.y + (area.height - height) / 2, area.width, height};
    DrawCaption(paint.dc, block, face.caption, font, face.textColor, DT_NOPREFIX | DT_TOP | format);
}

void PaintBeside(const PaintContext& paint, const PixelRect& area, const MenuFace& face,
                 int iconLeft, int captionLeft, int sink) {
    if (face.icon != nullptr) {
        DrawSkinAt(paint, face.icon, area.x + iconLeft,
                   area.y + (area.height - face.icon->height()) / 2 + sink);
    }
    PaintLines(paint,
               {area.x + captionLeft, area.y + sink, area.width - captionLeft - kCaptionRightMargin,
                area.height},
               face, DT_LEFT | DT_WORDBREAK);
}

}  // namespace

MenuSkinBitmaps::MenuSkinBitmaps(MenuSkin skin) : metrics_(MenuSkinMetrics(skin)) {
    const auto plan = PlanSkinFileLoads(MenuSkinFiles(skin));
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        pieces_[i] = LoadSkinFile(plan[i].name, plan[i].mirrored);
    }
}

const SkinBitmap* MenuSkinBitmaps::Piece(ButtonBitmap which) const noexcept {
    return pieces_[static_cast<std::size_t>(which)].get();
}

ThreePieceBitmaps MenuSkinBitmaps::For(MouseState state) const noexcept {
    if (state == MouseState::Pressed && Piece(PressedCentre) != nullptr) {
        return {Piece(PressedLeft), Piece(PressedCentre), Piece(PressedRight)};
    }
    if (state == MouseState::Hovered && Piece(HoveredCentre) != nullptr) {
        return {Piece(HoveredLeft), Piece(HoveredCentre), Piece(HoveredRight)};
    }
    return {Piece(NormalLeft), Piece(NormalCentre), Piece(NormalRight)};
}

void PaintMenuFace(const PaintContext& paint, const PixelRect& area, const MenuFace& face) {
    if (face.skin != nullptr) {
        DrawThreePieces(paint, face.skin->For(face.state), area, face.skin->pieceWidth());
    }
    // A pressed face sinks by a pixel.
    const int sink = face.state == MouseState::Pressed ? 1 : 0;
    switch (face.shape) {
        case MenuButtonShape::Big:
            if (face.icon != nullptr) {
                DrawSkinAt(paint, face.icon, area.x + (area.width - face.icon->width()) / 2,
                           area.y + kBigIconTop + sink);
            }
            PaintLines(paint,
                       {area.x, area.y + kBigCaptionTop + sink, area.width,
                        kBigCaptionBottom - kBigCaptionTop},
                       face, DT_CENTER);
            break;
        case MenuButtonShape::Small:
            PaintBeside(paint, area, face, kSmallIconLeft, kSmallCaptionLeft, sink);
            break;
        case MenuButtonShape::Plate:
            PaintBeside(paint, area, face, kPlateIconLeft, kPlateCaptionLeft, sink);
            break;
        case MenuButtonShape::IconOnly:
            if (face.icon != nullptr) {
                const PixelRect at = CentreIn(area, face.icon->width(), face.icon->height());
                DrawSkinAt(paint, face.icon, at.x, at.y + sink);
            }
            break;
    }
}

FontSpec NarrowCaptionFont(MenuButtonShape shape) {
    FontSpec font = MenuCaptionFont(shape);
    font.height -= 2;
    font.weight = FW_NORMAL;
    return font;
}

FontSpec MenuCaptionFont(MenuButtonShape shape) {
    switch (shape) {
        case MenuButtonShape::Big:
            return {std::wstring(kBigButtonFace), 14, FW_BOLD, false};
        case MenuButtonShape::Plate:
            return {std::wstring(kSmallButtonFace), 17, FW_BOLD, false};
        default:
            return {std::wstring(kSmallButtonFace), 14, FW_NORMAL, false};
    }
}

MenuButton::MenuButton(HWND parent, const MenuButtonSpec& spec)
    : bfButton(parent, static_cast<WORD>(spec.id), spec.width, ButtonStyle::Custom),
      spec_(spec),
      skin_(spec.skin),
      icon_(LoadSkinFile(MenuIconFile(spec))),
      narrowFont_(AcquireFont(NarrowCaptionFont(spec.shape))) {
    SetCustomSkin(MenuSkinFiles(spec.skin), MenuSkinMetrics(spec.skin));
    Resize(spec.width, spec.height);
    Move(spec.x, spec.y);
    SetTextColors(RGB(255, 255, 255), RGB(150, 150, 150));
    SetFont(MenuCaptionFont(spec.shape));
}

void MenuButton::PaintContent(const PaintContext& paint) {
    const std::wstring caption = Caption();
    MenuFace face{&skin_,      mouseState(), icon_.get(),
                  caption,     fontHandle(), narrowFont_ ? narrowFont_->handle() : nullptr,
                  textColor(), spec_.shape};
    if (!enabled()) {
        face.textColor = disabledTextColor();
    }
    PaintMenuFace(paint, {0, 0, paint.width, paint.height}, face);
    PaintFocus(paint);
}

}  // namespace tockly
