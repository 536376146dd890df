#include "toolkit/button.h"

#include <utility>

#include "toolkit/focus_navigation.h"
#include "toolkit/skin_drawing.h"

namespace tockly {
namespace {

using enum ButtonBitmap;

constexpr std::size_t Slot(ButtonBitmap which) noexcept {
    return static_cast<std::size_t>(which);
}

bool LeftHeldNow() noexcept {
    return ::GetKeyState(VK_LBUTTON) < 0;
}

// The focus ring's distance from the button's edge, inside the plate's border.
constexpr int kFocusInset = 3;

}  // namespace

bfButton::bfButton(HWND parent, WORD id, int width, ButtonStyle style)
    : PressableControl(parent, id, WS_CHILD | WS_TABSTOP, kTextOnPlate), style_(style) {
    messages().Set(WM_KEYDOWN, this, &bfButton::OnKeyDown);
    LoadSkin();
    Resize(width, metrics_.height);
}

void bfButton::LoadSkin() {
    std::array<SharedBitmap, kButtonBitmapCount> loaded;
    switch (style_) {
        case ButtonStyle::Normal:
        case ButtonStyle::Round:
        case ButtonStyle::Green:
        case ButtonStyle::Red: {
            const ButtonSkinNames names = BuiltInButtonSkin(style_);
            loaded[Slot(NormalLeft)] = LoadSkinResource(names.normal.left);
            loaded[Slot(NormalCentre)] = LoadSkinResource(names.normal.centre);
            loaded[Slot(NormalRight)] = LoadSkinResource(names.normal.right);
            loaded[Slot(PressedLeft)] = LoadSkinResource(names.pressed.left);
            loaded[Slot(PressedCentre)] = LoadSkinResource(names.pressed.centre);
            loaded[Slot(PressedRight)] = LoadSkinResource(names.pressed.right);
            metrics_ = BuiltInButtonMetrics(style_);
            break;
        }
        case ButtonStyle::RoundIcon:
            loaded[Slot(NormalCentre)] = LoadSkinResource(kRoundPlate);
            loaded[Slot(PressedCentre)] = LoadSkinResource(kRoundPlatePressed);
            metrics_ = BuiltInButtonMetrics(style_);
            break;
        case ButtonStyle::Custom: {
            const auto plan = PlanSkinFileLoads(files_);
            for (std::size_t i = 0; i < Slot(Icon); ++i) {
                loaded[i] = LoadSkinFile(plan[i].name, plan[i].mirrored);
            }
            const SharedBitmap& left = loaded[Slot(NormalLeft)];
            metrics_ = customMetrics_.value_or(left ? skin::PieceSkin{left->height(), left->width()}
                                                    : skin::PieceSkin{0, 0});
            break;
        }
    }
    {
        CriticalSectionLock hold(lookLock());
        for (std::size_t i = 0; i < Slot(Icon); ++i) {
            bitmaps_[i] = std::move(loaded[i]);
        }
    }
    LoadIcons();
}

void bfButton::LoadIcons() {
    SharedBitmap icon;
    SharedBitmap disabled;
    SharedBitmap pressed;
    if (style_ == ButtonStyle::RoundIcon) {
        const IconNames names = RoundIconSkin(roundIcon_);
        icon = LoadSkinResource(names.icon);
        disabled = LoadSkinResource(names.disabledIcon);
    } else {
        icon = LoadSkinFile(files_[Icon]);
        disabled = LoadSkinFile(files_[DisabledIcon]);
        pressed = LoadSkinFile(files_[PressedIcon]);
    }
    CriticalSectionLock hold(lookLock());
    bitmaps_[Slot(Icon)] = std::move(icon);
    bitmaps_[Slot(DisabledIcon)] = std::move(disabled);
    bitmaps_[Slot(PressedIcon)] = std::move(pressed);
}

void bfButton::SetStyle(ButtonStyle style) {
    style_ = style;
    LoadSkin();
    Resize(width(), metrics_.height > 0 ? metrics_.height : height());
    Repaint();
}

void bfButton::SetRoundIcon(RoundIcon icon) {
    roundIcon_ = icon;
    LoadIcons();
    Repaint();
}

void bfButton::SetCustomSkin(const ButtonSkinFiles& files, std::optional<skin::PieceSkin> metrics) {
    files_ = files;
    customMetrics_ = metrics;
    SetStyle(ButtonStyle::Custom);
}

void bfButton::SetIconFiles(std::u16string_view icon, std::u16string_view disabledIcon,
                            std::u16string_view pressedIcon) {
    {
        CriticalSectionLock hold(lookLock());
        files_[Icon] = icon;
        files_[DisabledIcon] = disabledIcon;
        files_[PressedIcon] = pressedIcon;
    }
    LoadIcons();
    Repaint();
}

void bfButton::SetIconSize(int width, int height) {
    iconWidth_ = width;
    iconHeight_ = height;
    Repaint();
}

bool bfButton::Resize(int width, int height) {
    if (style_ == ButtonStyle::RoundIcon) {
        return bfAbstractControl::Resize(width, height);
    }
    const ControlSize size = FitPieceSkin(metrics_, width, height);
    return bfAbstractControl::Resize(size.width, size.height);
}

void bfButton::SetChecked(bool checked) {
    Apply(machine_.SetChecked(checked));
}

void bfButton::SetEnabled(bool enabled) {
    StoreEnabled(enabled);
    // Tab passes a disabled button by. The window stays enabled: a click on it must not go to the
    // parent (which may move on a press).
    const LONG_PTR style = ::GetWindowLongPtrW(window(), GWL_STYLE);
    ::SetWindowLongPtrW(window(), GWL_STYLE, enabled ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    Apply(machine_.SetEnabled(enabled));
}

bool bfButton::OnKeyDown(const KeyInput& key) {
    if (MoveFocusOnTab(window(), key.key)) {
        return true;
    }
    if (key.key != VK_SPACE && key.key != VK_RETURN) {
        return false;
    }
    if (!key.repeated()) {           // one press, one click
        Apply(machine_.KeyPress());  // notifies last; nothing of the button is used after it
    }
    return true;
}

void bfButton::SetToggleButton(bool toggle) {
    SetToggle(toggle);
    Apply(machine_.SetToggle(toggle));
}

ControlEffects bfButton::TakeMouse(MouseEvent event, const MouseInput& mouse) {
    switch (event) {
        case MouseEvent::Move:
            return machine_.MouseMove(PointInside(mouse), mouse.leftHeld());
        case MouseEvent::LeftDown:
            return machine_.LeftDown();
        case MouseEvent::LeftUp:
            return machine_.LeftUp(PointInside(mouse));
        case MouseEvent::Leave:
            return machine_.MouseLeave(LeftHeldNow());
        case MouseEvent::CaptureLost:
            return machine_.CaptureLost();
    }
    return {};
}

const SkinBitmap* bfButton::Bitmap(ButtonBitmap which) const noexcept {
    return bitmaps_[Slot(which)].get();
}

ThreePieceBitmaps bfButton::PiecesFor(MouseState state) const noexcept {
    const ThreePieceBitmaps normal{Bitmap(NormalLeft), Bitmap(NormalCentre), Bitmap(NormalRight)};
    if (state == MouseState::Pressed && Bitmap(PressedCentre) != nullptr) {
        return {Bitmap(PressedLeft), Bitmap(PressedCentre), Bitmap(PressedRight)};
    }
    // The built-in skins have no hovered pieces: a hovered button looks like a normal one.
    if (state == MouseState::Hovered && Bitmap(HoveredCentre) != nullptr) {
        return {Bitmap(HoveredLeft), Bitmap(HoveredCentre), Bitmap(HoveredRight)};
    }
    return normal;
}

const SkinBitmap* bfButton::IconFor(MouseState state) const noexcept {
    if (!machine_.enabled() && Bitmap(DisabledIcon) != nullptr) {
        return Bitmap(DisabledIcon);
    }
    if ((state == MouseState::Pressed || machine_.checked()) && Bitmap(PressedIcon) != nullptr) {
        return Bitmap(PressedIcon);
    }
    return Bitmap(Icon);
}

void bfButton::PaintContent(const PaintContext& paint) {
    CriticalSectionLock hold(lookLock());
    const MouseState state = machine_.state();
    const PixelRect client{0, 0, paint.width, paint.height};
    if (style_ == ButtonStyle::RoundIcon) {
        const SkinBitmap* plate =
            Bitmap(state == MouseState::Pressed ? PressedCentre : NormalCentre);
        if (plate != nullptr) {
            const PixelRect at = CentreIn(client, plate->width(), plate->height());
            DrawSkinAt(paint, plate, at.x, at.y);
        }
    } else {
        DrawThreePieces(paint, PiecesFor(state), client, metrics_.pieceWidth);
    }
    if (const SkinBitmap* icon = IconFor(state)) {
        const int iconWidth = iconWidth_ > 0 ? iconWidth_ : icon->width();
        const int iconHeight = iconHeight_ > 0 ? iconHeight_ : icon->height();
        DrawSkin(paint, icon, CentreIn(client, iconWidth, iconHeight), 0, icon->width());
    }
    if (captionShown_) {
        PaintCaption(paint, CaptionArea(paint.width, paint.height, metrics_.pieceWidth));
    }
    PaintFocus(paint);
}

void bfButton::SetCaptionShown(bool shown) {
    captionShown_ = shown;
    Repaint();
}

void bfButton::PaintFocus(const PaintContext& paint) const {
    if (focused()) {
        DrawFocusRing(paint.dc, {kFocusInset, kFocusInset, paint.width - 2 * kFocusInset,
                                 paint.height - 2 * kFocusInset});
    }
}

}  // namespace tockly
