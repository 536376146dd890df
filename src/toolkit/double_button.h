#pragma once
// bfDoubleButton: one control with two halves side by side and a one-pixel line between them, each
// half with its own caption. A click on a half selects it (it stays pressed) and notifies the
// parent, which asks clicked() or selected() which half it was. It is a tab stop: Left and Right
// choose a half, Space the other one, each as a click on it.

#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/control_geometry.h"
#include "toolkit/double_button_state_machine.h"
#include "toolkit/pressable_control.h"

namespace tockly {

class bfDoubleButton : public PressableControl {
public:
    // Both halves `halfWidth` wide.
    bfDoubleButton(HWND parent, WORD id, int halfWidth);

    // True returns the pressed half to normal and marks the control checked.
    void SetChecked(bool checked) override;
    // The width is shared out by the half widths; the height is the skin's.
    bool Resize(int width, int height) override;
    void SetEnabled(bool enabled) override;
    // Each half is at least one centre column wider than its end piece.
    virtual void SetHalfWidth(ButtonHalf half, int width);

    // The window text is both captions, separated by a tab.
    void SetCaptions(std::wstring_view left, std::wstring_view right);
    void SetCaptions(std::u16string_view left, std::u16string_view right);
    void Select(ButtonHalf half);

    ButtonHalf selected() const noexcept { return machine_.selected(); }
    ButtonHalf clicked() const noexcept { return machine_.clicked(); }
    MouseState StateOf(ButtonHalf half) const noexcept { return machine_.StateOf(half); }
    const DoubleButtonGeometry& geometry() const noexcept { return geometry_; }

protected:
    void PaintContent(const PaintContext& paint) override;
    ControlEffects TakeMouse(MouseEvent event, const MouseInput& mouse) override;
    bool LogicChecked() const noexcept override { return machine_.checked(); }

private:
    bool OnKeyDown(const KeyInput& key);
    ButtonHalf HalfUnder(const MouseInput& mouse) const noexcept;
    void PaintHalf(const PaintContext& paint, ButtonHalf half);

    DoubleButtonStateMachine machine_;
    DoubleButtonGeometry geometry_;
    std::wstring leftCaption_;
    std::wstring rightCaption_;
    SharedBitmap normalLeft_;
    SharedBitmap normalCentre_;
    SharedBitmap normalRight_;
    SharedBitmap pressedLeft_;
    SharedBitmap pressedCentre_;
    SharedBitmap pressedRight_;
    SharedBitmap line_;
};

}  // namespace tockly
