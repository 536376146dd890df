#include "toolkit/check_box.h"

#include <algorithm>

namespace tockly {

bfCheckBox::bfCheckBox(HWND parent, WORD id, int width, int height)
    : bfCheckBox(parent, id, width, height, CheckKind::CheckBox) {}

bfCheckBox::bfCheckBox(HWND parent, WORD id, int width, int height, CheckKind kind)
    : PressableControl(parent, id, WS_CHILD),
      machine_(kind),
      boxSize_(kind == CheckKind::RadioButton ? skin::kRadioButtonSize : skin::kCheckBoxSize) {
    const CheckSkinNames& names = kind == CheckKind::RadioButton ? kRadioButtonSkin : kCheckBoxSkin;
    unchecked_ = LoadSkinResource(names.unchecked);
    checked_ = LoadSkinResource(names.checked);
    hoveredUnchecked_ = LoadSkinResource(names.hoveredUnchecked);
    hoveredChecked_ = LoadSkinResource(names.hoveredChecked);
    SetToggle(true);
    SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
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
    Apply(machine_.SetEnabled(enabled));
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
}

}  // namespace tockly
