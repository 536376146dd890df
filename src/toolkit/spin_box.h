#pragma once
// bfSpinBox: a number typed as digits or stepped with the arrow buttons, the arrow keys, Page Up,
// Page Down and the wheel, kept within its range; holding an arrow repeats after 400 ms and then
// every 100 ms, until the button goes up or another window takes the mouse. The parent hears of
// every change, and of a step refused at a limit. The wheel steps only a focused spin box; over
// another it goes on to the parent, so that a form scrolls on under the pointer.
//
// What the parent reads is what the field shows: digits typed halfway (a number out of the range,
// or none) give way to the value when the field is left and when the value is read (a click on a
// button does not take the focus from the field).

#include <windows.h>

#include <memory>

#include "toolkit/spin_box_model.h"
#include "toolkit/text_field_control.h"
#include "toolkit/wheel_notches.h"

namespace tockly {

class bfSpinBox : public TextFieldControl {
public:
    static constexpr UINT_PTR kUpTimer = 1;
    static constexpr UINT_PTR kDownTimer = 2;
    static constexpr UINT kFirstRepeatDelay = 400;
    static constexpr UINT kRepeatDelay = 100;

    bfSpinBox(HWND parent, WORD id, int width);

    // The height is always the plate's.
    bool Resize(int width, int height) override;

    void SetValue(int value);
    // Settles a half-typed field first, so that it shows the number read.
    [[nodiscard]] int value();
    void SetRange(int minimum, int maximum);
    void SetStep(int step) { model_.SetStep(step); }
    void SetMaxDigits(int digits) { model_.SetMaxDigits(digits); }
    void SetEditable(bool editable);
    [[nodiscard]] bool hitMinimum() const { return model_.hitMinimum(); }
    [[nodiscard]] bool hitMaximum() const { return model_.hitMaximum(); }

    [[nodiscard]] const SpinBoxModel& model() const { return model_; }
    [[nodiscard]] SpinArrow pressedArrow() const { return pressed_; }

protected:
    TextEditModel& editor() override { return model_.editor(); }
    PixelRect TextArea() const override;
    std::u16string TakeExternalText(const std::u16string& text) override;
    bool TakeKey(EditKey key, KeyModifiers modifiers) override;
    void TakeCharacter(char16_t c) override;
    // Only digits that may be typed over are selected; the arrows need no selection.
    bool SelectsAllOnTab() const override { return model_.editable(); }
    void PaintContent(const PaintContext& paint) override;

private:
    void OnTimer(const TimerInput& timer);
    bool OnWheel(const WheelInput& wheel);
    void OnSetFocus(const FocusInput& focus);
    void OnKillFocus(const FocusInput& focus);
    void OnCaptureChanged(const CaptureInput& capture);
    void OnCancelMode();
    void OnButtonDown(const MouseInput& mouse);
    void OnMouseMove(const MouseInput& mouse);
    void OnButtonUp(const MouseInput& mouse);

    void PressArrow(SpinArrow arrow, UINT delay);
    void ReleaseArrow();
    // Carries out a step or edit: view, window text, then WM_COMMAND when the model asks for it.
    // The parent may delete the spin box in that WM_COMMAND, so callers return right after it.
    void Report(const SpinOutcome& outcome);
    void ShowSettled();

    SpinBoxModel model_;
    SpinArrow pressed_ = SpinArrow::None;  // the arrow shown pressed, its timer running
    SpinArrow held_ = SpinArrow::None;     // the arrow the button went down on
    WheelNotches wheel_;
    SharedBitmap plate_[3];
    SharedBitmap up_;
    SharedBitmap upPressed_;
    SharedBitmap down_;
    SharedBitmap downPressed_;
    SharedBitmap centreLine_;
    SharedBitmap horizontalLine_;
    // Gone with the spin box: a loop of steps sees whether the parent deleted it in a WM_COMMAND.
    std::shared_ptr<const bool> lifetime_ = std::make_shared<const bool>(true);
};

}  // namespace tockly
