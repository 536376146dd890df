#pragma once
// bfCheckBox and bfRadioButton: a box (or round mark) that shows the checked state, with hovered
// variants while the cursor is over it, and a caption beside it. A click captures the mouse, takes
// the focus and notifies the parent; keeping one radio button of a group checked is the owner's
// task. Both are tab stops: focused, they show a focus ring around the caption, pass Tab and
// Shift+Tab on, and take Space as a click.

#include <windows.h>

#include "toolkit/check_state_machine.h"
#include "toolkit/pressable_control.h"
#include "toolkit/skin_names.h"

namespace tockly {

class bfCheckBox : public PressableControl {
public:
    bfCheckBox(HWND parent, WORD id, int width = 0, int height = 0);

    void SetChecked(bool checked) override;
    // A height of 0 takes the box's height; the width is at least the box's.
    bool Resize(int width, int height) override;
    void SetEnabled(bool enabled) override;

    bool hovered() const noexcept { return machine_.hovered(); }
    int boxSize() const noexcept { return boxSize_; }

protected:
    bfCheckBox(HWND parent, WORD id, int width, int height, CheckKind kind);
    void PaintContent(const PaintContext& paint) override;
    ControlEffects TakeMouse(MouseEvent event, const MouseInput& mouse) override;
    bool LogicChecked() const noexcept override { return machine_.checked(); }

private:
    bool OnKeyDown(const KeyInput& key);

    CheckStateMachine machine_;
    int boxSize_;
    SharedBitmap unchecked_;
    SharedBitmap checked_;
    SharedBitmap hoveredUnchecked_;
    SharedBitmap hoveredChecked_;
};

class bfRadioButton : public bfCheckBox {
public:
    bfRadioButton(HWND parent, WORD id, int width = 0, int height = 0);
};

}  // namespace tockly
