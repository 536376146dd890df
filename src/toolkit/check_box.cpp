#include "toolkit/check_box.h"

#include <algorithm>

namespace tockly {

bfCheckBox::bfCheckBox(HWND parent, WORD id, int width, int height)
    : bfCheckBox(parent, id, width, height, CheckKind::CheckBox) {}

bfCheckBox::bfCheckBox(HWND parent, WORD id, int width, int height, CheckKind kind)
    : CaptionedControl(parent, id, WS_CHILD),
      machine_(kind),
      boxSize_(kind == CheckKind::RadioButton ? skin::kRadioButtonSize : skin::kCheckBoxSize) {
    const CheckSkinNames& names = kind == CheckKind::RadioButton ? kRadioButtonSkin : kCheckBoxSkin;
    unchecked_ = LoadSkinResource(names.unchecked);
    checked_ = LoadSkinResource(names.checked);
    hoveredUnchecked_ = LoadSkinResource(names.hoveredUnchecked);
    hoveredChecked_ = LoadSkinResource(names.hoveredChecked);
    SetToggle(true);
    SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);

    messages().Set(WM_MOUSEMOVE, this, &bfCheckBox::OnMouseMove);
    messages().Set(WM_LBUTTONDOWN, this, &bfCheckBox::OnLeftDown);
    messages().Set(WM_LBUTTONDBLCLK, this, &bfCheckBox::OnLeftDown);
    messages().Set(WM_LBUTTONUP, this, &bfCheckBox::OnLeftUp);
    messages().Set(WM_MOUSELEAVE, this, &bfCheckBox::OnMouseLeave);
    messages().Set(WM_CAPTURECHANGED, this, &bfCheckBox::OnCaptureChanged);
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

void bfCheckBox::Apply(const ControlEffects& effects) {
    StoreChecked(machine_.checked());
    ApplyEffects(effects);
}

void bfCheckBox::OnMouseMove(const MouseInput& mouse) {
    Apply(machine_.MouseMove(PointInside(mouse)));
}

void bfCheckBox::OnLeftDown(const MouseInput&) {
    Apply(machine_.LeftDown());
}

void bfCheckBox::OnLeftUp(const MouseInput& mouse) {
    Apply(machine_.LeftUp(PointInside(mouse)));
}

void bfCheckBox::OnMouseLeave() {
    ForgetMouseTracking();
    Apply(machine_.MouseLeave());
}

LRESULT bfCheckBox::OnCaptureChanged(UINT, WPARAM, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) != window()) {
        Apply(machine_.CaptureLost());
    }
    return 0;
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
    DrawText(paint, layout.caption);
}

}  // namespace tockly
