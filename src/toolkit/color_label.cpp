#include "toolkit/color_label.h"

#include <algorithm>

#include "toolkit/focus_navigation.h"

namespace tockly {
namespace {

// The focus ring runs inside the plate's rim.
constexpr int kFocusInset = 3;

}  // namespace

bfColorLabel::bfColorLabel(HWND parent, WORD id, int width, LabelColor color)
    : CaptionedControl(parent, id, WS_CHILD, kTextOnPlate), color_(color) {
    messages().Set(WM_LBUTTONDOWN, this, &bfColorLabel::OnLeftDown);
    messages().Set(WM_LBUTTONDBLCLK, this, &bfColorLabel::OnLeftDown);
    messages().Set(WM_LBUTTONUP, this, &bfColorLabel::OnLeftUp);
    messages().Set(WM_KEYDOWN, this, &bfColorLabel::OnKeyDown);
    SetColor(color);
    Resize(width, 0);
}

bool bfColorLabel::Resize(int width, int height) {
    return bfAbstractControl::Resize(
        std::max(width, MinimumThreePieceWidth(skin::kColorLabel.pieceWidth)),
        height > 0 ? height : skin::kColorLabel.height);
}

void bfColorLabel::SetColor(LabelColor color) {
    const ThreePieceNames names = LabelSkin(color);
    SharedBitmap left = LoadSkinResource(names.left);
    SharedBitmap centre = LoadSkinResource(names.centre);
    SharedBitmap right = LoadSkinResource(names.right);
    {
        CriticalSectionLock hold(lookLock());
        color_ = color;
        left_ = std::move(left);
        centre_ = std::move(centre);
        right_ = std::move(right);
    }
    Repaint();
}

void bfColorLabel::OnLeftDown(const MouseInput&) {
    if (!enabled()) {
        return;
    }
    ControlEffects effects;
    effects.capture = true;
    effects.takeFocus = true;
    ApplyEffects(effects);
}

void bfColorLabel::OnLeftUp(const MouseInput&) {
    ControlEffects effects;
    effects.releaseCapture = true;
    ApplyEffects(effects);
}

bool bfColorLabel::OnKeyDown(const KeyInput& key) {
    return MoveFocusOnTab(window(), key.key);
}

void bfColorLabel::PaintContent(const PaintContext& paint) {
    CriticalSectionLock hold(lookLock());
    const PixelRect client{0, 0, paint.width, paint.height};
    // A plate taller than its art (a frame) is stretched to the control's height.
    DrawThreePieces(paint, {left_.get(), centre_.get(), right_.get()}, client,
                    skin::kColorLabel.pieceWidth);
    PaintCaption(paint, CaptionArea(paint.width, paint.height, skin::kColorLabel.pieceWidth));
    if (focused()) {
        DrawFocusRing(paint.dc, {kFocusInset, kFocusInset, paint.width - 2 * kFocusInset,
                                 paint.height - 2 * kFocusInset});
    }
}

}  // namespace tockly
