#include "toolkit/double_button.h"

#include "support/wide_text.h"
#include "toolkit/focus_navigation.h"
#include "toolkit/skin_drawing.h"
#include "toolkit/skin_names.h"

namespace tockly {
namespace {

// The chosen half is marked by a line under its caption in the green the main window marks its
// open page with: pressed alone reads as the dimmer half on a dark page.
constexpr COLORREF kChosenLine = RGB(60, 138, 46);
constexpr COLORREF kChosenLineDisabled = RGB(110, 110, 110);
constexpr int kChosenLineHeight = 2;
constexpr int kChosenLineInset = 6;
constexpr int kFocusInset = 3;

}  // namespace

bfDoubleButton::bfDoubleButton(HWND parent, WORD id, int halfWidth)
    : PressableControl(parent, id, WS_CHILD | WS_TABSTOP, kTextOnPlate),
      geometry_(halfWidth, halfWidth, skin::kDoubleButton.pieceWidth) {
    normalLeft_ = LoadSkinResource(kDoubleButtonNormal.left);
    normalCentre_ = LoadSkinResource(kDoubleButtonNormal.centre);
    normalRight_ = LoadSkinResource(kDoubleButtonNormal.right);
    pressedLeft_ = LoadSkinResource(kDoubleButtonPressed.left);
    pressedCentre_ = LoadSkinResource(kDoubleButtonPressed.centre);
    pressedRight_ = LoadSkinResource(kDoubleButtonPressed.right);
    line_ = LoadSkinResource(kDoubleButtonLine);
    messages().Set(WM_KEYDOWN, this, &bfDoubleButton::OnKeyDown);
    Resize(geometry_.totalWidth(), skin::kDoubleButton.height);
}

bool bfDoubleButton::Resize(int width, int) {
    // The halves share a width given as a whole; an odd pixel goes to the right half.
    const int halves = width - skin::kDoubleButtonLineWidth;
    geometry_.SetHalfWidth(ButtonHalf::Left, halves / 2);
    geometry_.SetHalfWidth(ButtonHalf::Right, halves - halves / 2);
    return bfAbstractControl::Resize(geometry_.totalWidth(), skin::kDoubleButton.height);
}

void bfDoubleButton::SetHalfWidth(ButtonHalf half, int width) {
    geometry_.SetHalfWidth(half, width);
    bfAbstractControl::Resize(geometry_.totalWidth(), skin::kDoubleButton.height);
}

void bfDoubleButton::SetCaptions(std::wstring_view left, std::wstring_view right) {
    {
        CriticalSectionLock hold(lookLock());
        leftCaption_ = left;
        rightCaption_ = right;
    }
    SetCaption(std::wstring(left) + L"\t" + std::wstring(right));
    Repaint();
}

void bfDoubleButton::SetCaptions(std::u16string_view left, std::u16string_view right) {
    SetCaptions(std::wstring_view(ToWide(left)), std::wstring_view(ToWide(right)));
}

void bfDoubleButton::Select(ButtonHalf half) {
    Apply(machine_.Select(half));
}

void bfDoubleButton::SetChecked(bool checked) {
    Apply(machine_.SetChecked(checked));
}

void bfDoubleButton::SetEnabled(bool enabled) {
    StoreEnabled(enabled);
    // As a button: Tab passes it by while disabled, and the window stays enabled so that a click
    // on it does not go to the parent.
    const LONG_PTR style = ::GetWindowLongPtrW(window(), GWL_STYLE);
    ::SetWindowLongPtrW(window(), GWL_STYLE, enabled ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    Apply(machine_.SetEnabled(enabled));
}

bool bfDoubleButton::OnKeyDown(const KeyInput& key) {
    if (MoveFocusOnTab(window(), key.key)) {
        return true;
    }
    ButtonHalf half = ButtonHalf::None;
    switch (key.key) {
        case VK_LEFT:
            half = ButtonHalf::Left;
            break;
        case VK_RIGHT:
            half = ButtonHalf::Right;
            break;
        case VK_SPACE:
            if (key.repeated()) {
                return true;  // one press, one click
            }
            half = machine_.selected() == ButtonHalf::Left ? ButtonHalf::Right : ButtonHalf::Left;
            break;
        default:
            return false;
    }
    Apply(machine_.ChooseByKey(half));  // notifies last; nothing of the control is used after it
    return true;
}

ButtonHalf bfDoubleButton::HalfUnder(const MouseInput& mouse) const noexcept {
    return PointInside(mouse) ? geometry_.HalfAt(mouse.x) : ButtonHalf::None;
}

ControlEffects bfDoubleButton::TakeMouse(MouseEvent event, const MouseInput& mouse) {
    switch (event) {
        case MouseEvent::Move:
            return machine_.MouseMove(HalfUnder(mouse), PointInside(mouse));
        case MouseEvent::LeftDown:
            return machine_.LeftDown(HalfUnder(mouse));
        case MouseEvent::LeftUp:
            return machine_.LeftUp(HalfUnder(mouse));
        case MouseEvent::Leave:
            return machine_.MouseLeave();
        case MouseEvent::CaptureLost:
            return machine_.CaptureLost();
    }
    return {};
}

void bfDoubleButton::PaintHalf(const PaintContext& paint, ButtonHalf half) {
    const bool pressed = machine_.StateOf(half) == MouseState::Pressed && pressedCentre_;
    const SkinBitmap* centre = (pressed ? pressedCentre_ : normalCentre_).get();
    const SkinBitmap* end = half == ButtonHalf::Left
                                ? (pressed ? pressedLeft_ : normalLeft_).get()
                                : (pressed ? pressedRight_ : normalRight_).get();
    const PixelRect area = geometry_.HalfRect(half, paint.height);
    const int pieceWidth = skin::kDoubleButton.pieceWidth;
    // Each half is a three-piece skin whose inner end is more centre.
    ThreePieceBitmaps pieces{centre, centre, centre};
    if (half == ButtonHalf::Left) {
        pieces.left = end;
    } else {
        pieces.right = end;
    }
    DrawThreePieces(paint, pieces, area, pieceWidth);

    const std::wstring& caption = half == ButtonHalf::Left ? leftCaption_ : rightCaption_;
    PixelRect text = area;
    if (half == ButtonHalf::Left) {
        text.x += pieceWidth;
    }
    text.width -= pieceWidth;
    PaintCaption(paint, text, caption);

    if (machine_.selected() == half) {
        const int bottom = area.y + area.height - 4;
        const RECT line{area.x + kChosenLineInset, bottom - kChosenLineHeight,
                        area.x + area.width - kChosenLineInset, bottom};
        FillSolid(paint.dc, line, enabled() ? kChosenLine : kChosenLineDisabled);
    }
    if (focused() && (machine_.selected() == half ||
                      (machine_.selected() == ButtonHalf::None && half == ButtonHalf::Left))) {
        DrawFocusRing(paint.dc, {area.x + kFocusInset, area.y + kFocusInset,
                                 area.width - 2 * kFocusInset, area.height - 2 * kFocusInset});
    }
}

void bfDoubleButton::PaintContent(const PaintContext& paint) {
    CriticalSectionLock hold(lookLock());
    PaintHalf(paint, ButtonHalf::Left);
    PaintHalf(paint, ButtonHalf::Right);
    if (line_) {
        DrawSkin(paint, line_.get(),
                 {geometry_.lineX(), 0, skin::kDoubleButtonLineWidth, paint.height}, 0,
                 line_->width());
    }
}

}  // namespace tockly
