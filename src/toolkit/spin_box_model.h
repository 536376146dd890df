#pragma once
// The number behind bfSpinBox: a value kept inside an inclusive range, stepped by the arrows, the
// keys and the wheel, and typed as digits through the same editor as bfTextEdit. Portable.

#include <string>

#include "toolkit/edit_keys.h"
#include "toolkit/text_clipboard.h"
#include "toolkit/text_edit_model.h"

namespace tockly {

struct SpinOutcome {
    bool handled = false;
    bool notify = false;  // the parent is told: a value change, or a step refused at a limit
};

class SpinBoxModel {
public:
    static constexpr int kDefaultMaxDigits = 10;
    // Page Up and Page Down move by this much when the step is 1.
    static constexpr int kSmallStepPage = 10;

    SpinBoxModel();

    // A value outside the range is limited to it; the text always shows the stored value.
    void SetValue(int value);
    [[nodiscard]] int value() const { return value_; }
    // A reversed range is taken the right way round; the value is limited to the new range.
    void SetRange(int minimum, int maximum);
    [[nodiscard]] int minimum() const { return minimum_; }
    [[nodiscard]] int maximum() const { return maximum_; }
    void SetStep(int step) { step_ = step < 1 ? 1 : step; }
    [[nodiscard]] int step() const { return step_; }
    void SetMaxDigits(int digits);
    [[nodiscard]] int maxDigits() const { return maxDigits_; }
    void SetEditable(bool editable) { editor_.SetEditable(editable); }
    [[nodiscard]] bool editable() const { return editor_.editable(); }

    [[nodiscard]] bool hitMinimum() const { return hitMinimum_; }
    [[nodiscard]] bool hitMaximum() const { return hitMaximum_; }

    // One step up or down by `amount`; always notifies (a refused step sets its hit flag).
    SpinOutcome StepUp(int amount);
    SpinOutcome StepDown(int amount);
    [[nodiscard]] int PageAmount() const { return step_ < 2 ? kSmallStepPage : step_; }

    // A typed character: only digits, only within the digit limit, and only when the text still
    // reads as a number in the range or can become one with more digits (so that "2" may start
    // the year 2030). The value follows the text whenever the text reads in range.
    SpinOutcome TypeCharacter(char16_t c);
    SpinOutcome HandleKey(EditKey key, KeyModifiers modifiers, TextClipboard& clipboard);

    // While the user edits, the text may read differently from the value (emptied, a leading
    // zero, the first digits of a number in range); settling shows the value again. The control
    // settles when the field is left and whenever its value is read, so that nobody reads a
    // number the field does not show. True when the text changed.
    bool CommitText();

    // The editor for the caret, the selection and painting.
    [[nodiscard]] const TextEditModel& editor() const { return editor_; }
    [[nodiscard]] TextEditModel& editor() { return editor_; }

private:
    void ShowValue();
    // Takes the number the edited text reads as when it lies in the range; true when the value
    // changed.
    bool ValueFromText();
    // Whether the edited text may stand: within the digit limit, and in range or the beginning
    // of a number in range.
    [[nodiscard]] bool MayStand(const std::u16string& candidate) const;
    SpinOutcome PasteDigits(TextClipboard& clipboard);

    TextEditModel editor_;
    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 0;
    int step_ = 1;
    int maxDigits_ = kDefaultMaxDigits;
    bool hitMinimum_ = false;
    bool hitMaximum_ = false;
};

enum class SpinArrow { None, Up, Down };

// The arrow under a point of a spin box `width` wide: the arrow column is the last 17 pixels, the
// up arrow's hit area rows 2 to 10 and the down arrow's rows 12 to 19 (the rows between belong to
// neither, so that a press on the separator does nothing).
[[nodiscard]] SpinArrow SpinArrowAt(int x, int y, int width);

// Reads a text of digits as a number; nothing for an empty text, anything else than digits, or a
// number beyond 32-bit range.
[[nodiscard]] bool ReadDigits(std::u16string_view text, int& number);
[[nodiscard]] std::u16string DecimalText(int value);

}  // namespace tockly
