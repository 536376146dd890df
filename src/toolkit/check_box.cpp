#include "toolkit/check_box.h"

#include <algorithm>

#include "toolkit/focus_navigation.h"

namespace tockly {
bfCheckBox::bfCheckBox(HWND parent, WORD id, int width, int height)
    : bfCheckBox(parent, id, width, height, CheckKind::CheckBox) {}

bfCheckBox::bfCheckBox(HWND parent, WORD id, int width, int height, CheckKind kind)
    : PressableControl(parent, id, WS_CHILD | WS_TABSTOP),
      machine_(kind),
      boxSize_(kind == CheckKind::RadioButton ? skin::kRadioButtonSize : skin::kCheckBoxSize) {
    const CheckSkinNames& names = kind == CheckKind::RadioButton ? kRadioButtonSkin : kCheckBoxSkin;
    unchecked_ = LoadSkinResource(names.unchecked);
    checked_ = LoadSkinResource(names.checked);
    hoveredUnchecked_ = LoadSkinResource(names.hoveredUnchecked);
    hoveredChecked_ = LoadSkinResource(names.hoveredChecked);
    SetToggle(true);
    SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    messages().Set(WM_KEYDOWN, this, &bfCheckBox::OnKeyDown);
    Resize(width, height);
}

bfRadioButton::bfRadioButton(HWND parent, WORD id, int width, int height)
    : bfCheckBox(parent, id, width, height, CheckKind::RadioButton) {}

bool bfCheckBox::Resize(int width, int height) {
    return bfAbstractControl::Resize(std::max(width, boxSize_), height > 0 ? height : boxSize_);
}

void bfCheckBox::SetChecked(bool checked) {
    Apply(machine_.SetChecked(checked));
}

void bfCheckBox::SetEnabled(bool enabled) {
    StoreEnabled(enabled);
    // A disabled window is no tab stop.
    ::EnableWindow(window(), enabled ? TRUE : FALSE);
    Apply(machine_.SetEnabled(enabled));
}

bool bfCheckBox::OnKeyDown(const KeyInput& key) {
    if (MoveFocusOnTab(window(), key.key)) {
        return true;
    }
    if (key.key != VK_SPACE) {
        return false;
    }
    if (!key.repeated()) {        // one press, one click
        Apply(machine_.Space());  // notifies last; nothing of the control is used after it
    }
    return true;
}

ControlEffects bfCheckBox::TakeMouse(MouseEvent event, const MouseInput& mouse) {
    switch (event) {
        case MouseEvent::Move:
            return machine_.MouseMove(PointInside(mouse));
        case MouseEvent::LeftDown:
            return machine_.LeftDown();
        case MouseEvent::LeftUp:
            return machine_.LeftUp(PointInside(mouse));
        case MouseEvent::Leave:
            return machine_.MouseLeave();
        case MouseEvent::CaptureLost:
            return machine_.CaptureLost();
    }
    return {};
}

void bfCheckBox::PaintContent(const PaintContext& paint) {
    const CheckLayout layout =
        LayoutCheck(paint.width, paint.height, boxSize_, skin::kCheckTextGap);
    const bool checked = machine_.checked();
    const SkinBitmap* box = (checked ? checked_ : unchecked_).get();
    if (machine_.hovered()) {
        if (const SkinBitmap* hovered = (checked ? hoveredChecked_ : hoveredUnchecked_).get()) {
            box = hovered;
        }
    }
    if (box != nullptr) {
        DrawSkin(paint, box, layout.box, 0, box->width());
    }
    PaintCaption(paint, layout.caption);
    if (focused() && !PaintCaptionFocus(paint, layout.caption)) {
        // No caption: the ring goes round the box.
        const PixelRect& mark = layout.box;
        DrawFocusRing(paint.dc, {mark.x - 1, mark.y - 1, mark.width + 2, mark.height + 2});
    }
}

}  // namespace tockly
