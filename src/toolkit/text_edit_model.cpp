#include "toolkit/text_edit_model.h"

#include <algorithm>
#include <cstdlib>

namespace tockly {
namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

bool IsLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

}  // namespace

bool CharacterRules::IsAsciiAlphaNumeric(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

char16_t CharacterRules::AsciiToUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

void TextEditModel::SetText(std::u16string_view text) {
    text_.assign(text);
    anchor_ = caret_ = 0;
    scrollOffset_ = 0;
}

void TextEditModel::SetDisplayMode(bool displayMode) {
    displayMode_ = displayMode;
    activated_ = false;
}

void TextEditModel::Activate() {
    activated_ = true;
    anchor_ = caret_;
}

std::u16string_view TextEditModel::SelectedText() const {
    return std::u16string_view(text_).substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

int TextEditModel::Clamp(int index) const {
    index = std::clamp(index, 0, length());
    // Never between the two halves of a surrogate pair.
    if (index > 0 && index < length() && IsLowSurrogate(text_[index]) &&
        IsHighSurrogate(text_[index - 1])) {
        --index;
    }
    return index;
}

int TextEditModel::Previous(int index) const {
    return index <= 0 ? 0 : Clamp(index - 1);
}

int TextEditModel::Next(int index) const {
    if (index >= length()) {
        return length();
    }
    const bool pair =
        index + 1 < length() && IsHighSurrogate(text_[index]) && IsLowSurrogate(text_[index + 1]);
    return index + (pair ? 2 : 1);
}

void TextEditModel::Select(int anchor, int caret) {
    anchor_ = Clamp(anchor);
    caret_ = Clamp(caret);
}

void TextEditModel::PlaceCaret(int index, bool extend) {
    caret_ = Clamp(index);
    if (!extend) {
        anchor_ = caret_;
    }
}

void TextEditModel::StepCaret(bool towardsEnd, bool extend) {
    PlaceCaret(towardsEnd ? Next(caret_) : Previous(caret_), extend);
}

bool TextEditModel::Accepts(char16_t c) const {
    if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
        return false;
    }
    switch (characterSet_) {
        case CharacterSet::Digits:
            return c >= u'0' && c <= u'9';
        case CharacterSet::LettersAndDigits:
            return c == u' ' || rules_.isAlphaNumeric(c);
        case CharacterSet::Printable:
            return (c >= 0x20 && c <= 0x7E) || rules_.isAlphaNumeric(c);
    }
    return false;
}

bool TextEditModel::DeleteSelection() {
    if (!HasSelection()) {
        return false;
    }
    const int start = SelectionStart();
    text_.erase(start, SelectionEnd() - start);
    anchor_ = caret_ = start;
    return true;
}

bool TextEditModel::TypeCharacter(char16_t c) {
    if (!editable_ || IsInactiveLabel() || !Accepts(c)) {
        return false;
    }
    const int selected = SelectionEnd() - SelectionStart();
    if (length() - selected >= maxLength_) {
        return false;
    }
    DeleteSelection();
    text_.insert(text_.begin() + caret_, upperCase_ ? rules_.toUpper(c) : c);
    anchor_ = caret_ = caret_ + 1;
    return true;
}

bool TextEditModel::Backspace(bool everythingBefore) {
    if (!editable_ || IsInactiveLabel()) {
        return false;
    }
    if (DeleteSelection()) {
        return true;
    }
    const int from = everythingBefore ? 0 : Previous(caret_);
    if (from == caret_) {
        return false;
    }
    text_.erase(from, caret_ - from);
    anchor_ = caret_ = from;
    return true;
}

bool TextEditModel::DeleteForward() {
    if (!editable_ || IsInactiveLabel()) {
        return false;
    }
    if (DeleteSelection()) {
        return true;
    }
    const int to = Next(caret_);
    if (to == caret_) {
        return false;
    }
    text_.erase(caret_, to - caret_);
    return true;
}

bool TextEditModel::Copy(TextClipboard& clipboard) const {
    if (protected_ || !HasSelection()) {
        return false;
    }
    return clipboard.WriteText(SelectedText());
}

bool TextEditModel::Cut(TextClipboard& clipboard) {
    if (!editable_ || IsInactiveLabel() || !Copy(clipboard)) {
        return false;
    }
    return DeleteSelection();
}

bool TextEditModel::InsertFiltered(std::u16string_view characters, bool stopAtLineBreak) {
    bool changed = false;
    for (const char16_t c : characters) {
        if (stopAtLineBreak && IsLineBreak(c)) {
            break;
        }
        if (length() >= maxLength_) {
            break;
        }
        if (!Accepts(c)) {
            continue;
        }
        text_.insert(text_.begin() + caret_, upperCase_ ? rules_.toUpper(c) : c);
        anchor_ = caret_ = caret_ + 1;
        changed = true;
    }
    return changed;
}

bool TextEditModel::Paste(TextClipboard& clipboard) {
    if (!editable_ || protected_ || IsInactiveLabel()) {
        return false;
    }
    const auto pasted = clipboard.ReadText();
    if (!pasted) {
        return false;
    }
    // Like the platform's single-line edit, only the first line of a multi-line text is taken.
    const bool deleted = DeleteSelection();
    const bool inserted = InsertFiltered(*pasted, /*stopAtLineBreak=*/true);
    return deleted || inserted;
}

EditOutcome TextEditModel::MoveKey(bool towardsStart, bool toEnd, KeyModifiers modifiers) {
    int target = 0;
    if (towardsStart) {
        target = toEnd ? 0 : Previous(caret_);
        if (!toEnd && !modifiers.shift && HasSelection()) {
            target = SelectionStart();
        }
    } else {
        target = toEnd ? length() : Next(caret_);
        if (!toEnd && !modifiers.shift && HasSelection()) {
            target = SelectionEnd();
        }
    }
    PlaceCaret(target, modifiers.shift);
    return {true, false};
}

EditOutcome TextEditModel::HandleKey(EditKey key, KeyModifiers modifiers,
                                     TextClipboard& clipboard) {
    if (IsInactiveLabel()) {
        return {};
    }
    switch (key) {
        case EditKey::Backspace:
            return {true, Backspace(modifiers.ctrl)};
        case EditKey::Delete:
            return {true, DeleteForward()};
        case EditKey::Home:
            return MoveKey(true, true, modifiers);
        case EditKey::End:
            return MoveKey(false, true, modifiers);
        case EditKey::Left:
        case EditKey::Down:
            return MoveKey(true, modifiers.ctrl, modifiers);
        case EditKey::Right:
        case EditKey::Up:
            return MoveKey(false, modifiers.ctrl, modifiers);
        case EditKey::LetterA:
            if (modifiers.ctrl && !protected_) {
                SelectAll();
            }
            return {modifiers.ctrl, false};
        case EditKey::LetterC:
            if (modifiers.ctrl) {
                (void)Copy(clipboard);
            }
            return {modifiers.ctrl, false};
        case EditKey::LetterX:
            return {modifiers.ctrl, modifiers.ctrl && Cut(clipboard)};
        case EditKey::LetterV:
            return {modifiers.ctrl, modifiers.ctrl && Paste(clipboard)};
        default:
            return {};
    }
}

void TextEditModel::KeepCaretVisible(const PrefixWidths& widths, int viewWidth) {
    const std::vector<int> prefix = widths(text_);
    const int caretPixel = prefix[caret_];
    const int usable = std::max(viewWidth - kCaretMargin, 1);
    // Never leave empty room at the right while text is hidden at the left.
    const int furthest = std::max(prefix.back() - usable, 0);
    if (caretPixel - scrollOffset_ > usable) {
        scrollOffset_ = caretPixel - usable;
    }
    if (caretPixel < scrollOffset_) {
        scrollOffset_ = caretPixel;
    }
    scrollOffset_ = std::clamp(scrollOffset_, 0, furthest);
}

int TextEditModel::CaretX(const PrefixWidths& widths) const {
    return widths(text_)[caret_] - scrollOffset_;
}

int TextEditModel::HitTest(const PrefixWidths& widths, int x) const {
    const std::vector<int> prefix = widths(text_);
    const int target = x + scrollOffset_;
    int best = 0;
    for (int index = 0; index <= length(); index = Next(index)) {
        if (std::abs(prefix[index] - target) < std::abs(prefix[best] - target)) {
            best = index;
        }
        if (index == length()) {
            break;
        }
    }
    return best;
}

}  // namespace tockly
