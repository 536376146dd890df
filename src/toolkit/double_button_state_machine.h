#pragma once
// The mouse and key logic of a double button: two halves side by side, each a button of its own, of
// which the last one clicked stays pressed as the selection (for example AM / PM). Portable.

#include "toolkit/mouse_state.h"

namespace tockly {

enum class ButtonHalf { None = -1, Left = 0, Right = 1 };

class DoubleButtonStateMachine : public MouseStateMachineBase {
public:
    MouseState StateOf(ButtonHalf half) const noexcept;
    ButtonHalf selected() const noexcept { return selected_; }
    // The half whose click was notified last.
    ButtonHalf clicked() const noexcept { return clicked_; }
    bool checked() const noexcept { return checked_; }

    // `under` is the half under the cursor (None on the line between them or outside).
    ControlEffects MouseMove(ButtonHalf under, bool inside);
    ControlEffects LeftDown(ButtonHalf under);  // a double click is a second button-down
    ControlEffects LeftUp(ButtonHalf under);
    ControlEffects MouseLeave();
    ControlEffects CaptureLost();

    ControlEffects SetEnabled(bool enabled);
    // True returns the pressed half to normal and marks the control checked.
    ControlEffects SetChecked(bool checked);
    ControlEffects Select(ButtonHalf half);
    // A key chose `half` (the arrows, or Space for the other half): a click on it when it is not
    // already the selection.
    ControlEffects ChooseByKey(ButtonHalf half);

private:
    ButtonHalf hovered_ = ButtonHalf::None;
    ButtonHalf pressed_ = ButtonHalf::None;  // a press in progress began on this half
    bool pressShown_ = false;                // ...and the cursor is over it
    ButtonHalf selected_ = ButtonHalf::None;
    ButtonHalf clicked_ = ButtonHalf::None;
    bool checked_ = false;
};

}  // namespace tockly
