#include "toolkit/spin_box_model.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "toolkit/skin_metrics.h"

namespace tockly {

bool ReadDigits(std::u16string_view text, int& number) {
    if (text.empty()) {
        return false;
    }
    std::int64_t result = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
        result = result * 10 + (c - u'0');
        if (result > std::numeric_limits<int>::max()) {
            return false;
        }
    }
    number = static_cast<int>(result);
    return true;
}

SpinArrow SpinArrowAt(int x, int y, int width) {
    if (x < width - skin::kSpinBoxArrowColumnWidth || x >= width) {
        return SpinArrow::None;
    }
    if (y >= 2 && y <= 10) {
        return SpinArrow::Up;
    }
    if (y >= 12 && y <= 19) {
        return SpinArrow::Down;
    }
    return SpinArrow::None;
}

std::u16string DecimalText(int value) {
    std::u16string digits;
    std::int64_t rest = value;
    const bool negative = rest < 0;
    if (negative) {
        rest = -rest;
    }
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + rest % 10));
        rest /= 10;
    } while (rest > 0);
    if (negative) {
        digits.insert(digits.begin(), u'-');
    }
    return digits;
}

SpinBoxModel::SpinBoxModel() {
    editor_.SetCharacterSet(CharacterSet::Digits);
    editor_.SetMaxLength(maxDigits_);
    ShowValue();
}

void SpinBoxModel::ShowValue() {
    editor_.SetText(DecimalText(value_));
    editor_.PlaceCaret(editor_.length(), false);
}

void SpinBoxModel::SetValue(int value) {
    value_ = std::clamp(value, minimum_, maximum_);
    ShowValue();
}

void SpinBoxModel::SetRange(int minimum, int maximum) {
    minimum_ = std::min(minimum, maximum);
    maximum_ = std::max(minimum, maximum);
    SetValue(value_);
}

void SpinBoxModel::SetMaxDigits(int digits) {
    maxDigits_ = std::clamp(digits, 1, kDefaultMaxDigits);
    editor_.SetMaxLength(maxDigits_);
}

SpinOutcome SpinBoxModel::StepUp(int amount) {
    if (value_ >= maximum_) {
        hitMaximum_ = true;
        hitMinimum_ = false;
        CommitText();  // a half-typed field shows the value it stopped at
        return {true, true};
    }
    value_ = static_cast<int>(
        std::min<std::int64_t>(std::int64_t{value_} + std::max(amount, 1), maximum_));
    hitMinimum_ = hitMaximum_ = false;
    ShowValue();
    return {true, true};
}

SpinOutcome SpinBoxModel::StepDown(int amount) {
    if (value_ <= minimum_) {
        hitMinimum_ = true;
        hitMaximum_ = false;
        CommitText();
        return {true, true};
    }
    value_ = static_cast<int>(
        std::max<std::int64_t>(std::int64_t{value_} - std::max(amount, 1), minimum_));
    hitMinimum_ = hitMaximum_ = false;
    ShowValue();
    return {true, true};
}

bool SpinBoxModel::MayStand(const std::u16string& candidate) const {
    const int length = static_cast<int>(candidate.size());
    int number = 0;
    if (length > maxDigits_ || !ReadDigits(candidate, number)) {
        return false;
    }
    // The numbers the text can still grow into with k more digits: [n * 10^k, n * 10^k + 10^k).
    std::int64_t low = number;
    std::int64_t width = 1;
    for (int more = 0; more <= maxDigits_ - length; ++more) {
        if (low > maximum_) {
            return false;
        }
        if (low + width - 1 >= minimum_) {
            return true;
        }
        low *= 10;
        width *= 10;
    }
    return false;
}

SpinOutcome SpinBoxModel::TypeCharacter(char16_t c) {
    if (!editable() || c < u'0' || c > u'9') {
        return {};
    }
    if (!editor_.HasSelection() && editor_.length() >= maxDigits_) {
        return {};
    }
    // Try the digit on a copy: a digit that would leave the range changes nothing.
    TextEditModel trial = editor_;
    if (!trial.TypeCharacter(c) || !MayStand(trial.text())) {
        return {};
    }
    editor_ = trial;
    return {true, ValueFromText()};
}

bool SpinBoxModel::ValueFromText() {
    int number = 0;
    if (!ReadDigits(editor_.text(), number) || number < minimum_ || number > maximum_ ||
        number == value_) {
        return false;
    }
    value_ = number;
    return true;
}

SpinOutcome SpinBoxModel::PasteDigits(TextClipboard& clipboard) {
    if (!editable()) {
        return {true, false};
    }
    const auto pasted = clipboard.ReadText();
    if (!pasted) {
        return {true, false};
    }
    // Separators and blanks around a copied number are dropped; the result must be able to
    // stand as typed digits would, or nothing is pasted at all.
    std::u16string digits;
    for (const char16_t c : *pasted) {
        if (c >= u'0' && c <= u'9') {
            digits += c;
        }
    }
    if (digits.empty()) {
        return {true, false};
    }
    TextEditModel trial = editor_;
    trial.DeleteSelection();
    std::u16string candidate = trial.text();
    candidate.insert(static_cast<std::size_t>(trial.caret()), digits);
    if (!MayStand(candidate)) {
        return {true, false};
    }
    const int caret = trial.caret() + static_cast<int>(digits.size());
    editor_.SetText(candidate);
    editor_.PlaceCaret(caret, false);
    return {true, ValueFromText()};
}

SpinOutcome SpinBoxModel::HandleKey(EditKey key, KeyModifiers modifiers, TextClipboard& clipboard) {
    switch (key) {
        case EditKey::Up:
            return StepUp(step_);
        case EditKey::Down:
            return StepDown(step_);
        case EditKey::PageUp:
            return StepUp(PageAmount());
        case EditKey::PageDown:
            return StepDown(PageAmount());
        default:
            break;
    }
    if (!editable()) {
        return {};
    }
    if (key == EditKey::LetterV) {
        return modifiers.ctrl ? PasteDigits(clipboard) : SpinOutcome{};
    }
    const EditOutcome outcome = editor_.HandleKey(key, modifiers, clipboard);
    return {outcome.handled, outcome.textChanged && ValueFromText()};
}

bool SpinBoxModel::CommitText() {
    if (editor_.text() == DecimalText(value_)) {
        return false;
    }
    ShowValue();
    return true;
}

}  // namespace tockly
