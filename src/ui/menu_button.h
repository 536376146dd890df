#pragma once
// The buttons of the main window: a toggle or push button on a skin from data\bitmaps_menu, with
// an icon and a caption placed by the button's shape (the icon above the caption on the big
// buttons, beside it on the small ones and on the home page's gray plates). A caption may hold a
// line break. The home page paints its stopwatch plate with the same face (PaintMenuFace).

#include <windows.h>

#include <array>
#include <string_view>

#include "toolkit/button.h"
#include "ui/main_window_layout.h"

namespace tockly {

// The nine skin pieces of a menu skin (normal, hovered, pressed: left, right, centre), shared
// through the skin cache.
class MenuSkinBitmaps {
public:
    explicit MenuSkinBitmaps(MenuSkin skin);
    ThreePieceBitmaps For(MouseState state) const noexcept;
    int pieceWidth() const noexcept { return metrics_.pieceWidth; }

private:
    const SkinBitmap* Piece(ButtonBitmap which) const noexcept;

    std::array<SharedBitmap, 9> pieces_;
    skin::PieceSkin metrics_;
};

struct MenuFace {
    const MenuSkinBitmaps* skin = nullptr;
    MouseState state = MouseState::Normal;
    const SkinBitmap* icon = nullptr;
    std::wstring_view caption;
    HFONT font = nullptr;
    // Takes over when a line of the caption is wider than its place (a long translation).
    HFONT narrowFont = nullptr;
    COLORREF textColor = RGB(255, 255, 255);
    MenuButtonShape shape = MenuButtonShape::IconOnly;
};

// Draws the face into `area` of the paint buffer.
void PaintMenuFace(const PaintContext& paint, const PixelRect& area, const MenuFace& face);

// The captions' fonts by shape, and the narrower one for captions that do not fit.
FontSpec MenuCaptionFont(MenuButtonShape shape);
FontSpec NarrowCaptionFont(MenuButtonShape shape);

class MenuButton : public bfButton {
public:
    MenuButton(HWND parent, const MenuButtonSpec& spec);

    const MenuButtonSpec& spec() const noexcept { return spec_; }

protected:
    void PaintContent(const PaintContext& paint) override;

private:
    const MenuButtonSpec& spec_;
    MenuSkinBitmaps skin_;
    SharedBitmap icon_;
    SharedFont narrowFont_;
};

}  // namespace tockly
