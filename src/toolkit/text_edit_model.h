#pragma once
// The single-line editor behind bfTextEdit and bfSpinBox: text, caret and selection, the rules for
// which characters a field takes, the length limit, protected and display modes, the clipboard and
// the horizontal scroll that keeps the caret in view. Portable: the Win32 control feeds it keys,
// characters and mouse positions and draws what it holds.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/edit_keys.h"
#include "toolkit/text_clipboard.h"

namespace tockly {

// Which characters typing and pasting accept.
enum class CharacterSet {
    Printable,         // letters and digits of any script, and every character 0x20 to 0x7E
    LettersAndDigits,  // letters and digits of any script, and the space
    Digits,            // '0' to '9' only (spin boxes)
};

// Character classification that depends on the platform's tables. The defaults know ASCII only;
// the Win32 controls pass IsCharAlphaNumericW and CharUpperW.
struct CharacterRules {
    bool (*isAlphaNumeric)(char16_t) = &IsAsciiAlphaNumeric;
    char16_t (*toUpper)(char16_t) = &AsciiToUpper;

    static bool IsAsciiAlphaNumeric(char16_t c);
    static char16_t AsciiToUpper(char16_t c);
};

// Pixel widths of every prefix of a text in the control's font: result[i] is the width of the
// first i code units, so result has size() + 1 entries and result[0] == 0.
using PrefixWidths = std::function<std::vector<int>(std::u16string_view)>;

struct EditOutcome {
    bool handled = false;
    bool textChanged = false;
};

class TextEditModel {
public:
    static constexpr int kDefaultMaxLength = 32767;
    // The caret stays this many pixels inside the right edge when the text is scrolled.
    static constexpr int kCaretMargin = 2;

    explicit TextEditModel(CharacterRules rules = {}) : rules_(rules) {}

    // Content. Setting the text puts caret and anchor at its start and scrolls back to the left.
    void SetText(std::u16string_view text);
    [[nodiscard]] const std::u16string& text() const { return text_; }
    [[nodiscard]] int length() const { return static_cast<int>(text_.size()); }

    // Settings.
    void SetMaxLength(int maxLength) { maxLength_ = maxLength < 0 ? 0 : maxLength; }
    [[nodiscard]] int maxLength() const { return maxLength_; }
    void SetEditable(bool editable) { editable_ = editable; }
    [[nodiscard]] bool editable() const { return editable_; }
    void SetCharacterSet(CharacterSet set) { characterSet_ = set; }
    void SetUpperCase(bool upperCase) { upperCase_ = upperCase; }
    void SetProtected(bool isProtected) { protected_ = isProtected; }
    [[nodiscard]] bool isProtected() const { return protected_; }

    // Display mode: the field is a label until Activate() (a double click) turns it into an
    // editor; Deactivate() (focus lost, Enter) makes it a label again.
    void SetDisplayMode(bool displayMode);
    [[nodiscard]] bool displayMode() const { return displayMode_; }
    [[nodiscard]] bool IsInactiveLabel() const { return displayMode_ && !activated_; }
    void Activate();
    void Deactivate() { activated_ = false; }

    // Caret and selection (code unit indices; a surrogate pair is never split).
    [[nodiscard]] int anchor() const { return anchor_; }
    [[nodiscard]] int caret() const { return caret_; }
    [[nodiscard]] bool HasSelection() const { return anchor_ != caret_; }
    [[nodiscard]] int SelectionStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    [[nodiscard]] int SelectionEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    [[nodiscard]] std::u16string_view SelectedText() const;
    void Select(int anchor, int caret);
    // Moves the caret to `index` (inside a surrogate pair: to the pair's start); with `extend`
    // the anchor stays and the selection grows.
    void PlaceCaret(int index, bool extend);
    // Moves the caret by one character (a surrogate pair is one) towards the start or the end.
    void StepCaret(bool towardsEnd, bool extend);
    void SelectAll() { Select(0, length()); }

    // Editing. Each returns true when the text changed.
    [[nodiscard]] bool Accepts(char16_t c) const;
    bool TypeCharacter(char16_t c);
    bool Backspace(bool everythingBefore);
    bool DeleteForward();
    bool DeleteSelection();
    bool Copy(TextClipboard& clipboard) const;
    bool Cut(TextClipboard& clipboard);
    bool Paste(TextClipboard& clipboard);

    // A key press. The shortcut keys A, C, V and X act only with Ctrl (the control reports the
    // context menu's commands as these keys with Ctrl held).
    EditOutcome HandleKey(EditKey key, KeyModifiers modifiers, TextClipboard& clipboard);

    // Horizontal scrolling, in pixels of text hidden at the left of a view `viewWidth` wide.
    [[nodiscard]] int scrollOffset() const { return scrollOffset_; }
    void KeepCaretVisible(const PrefixWidths& widths, int viewWidth);
    // Caret position in view pixels (0 = the view's left edge).
    [[nodiscard]] int CaretX(const PrefixWidths& widths) const;
    // The character boundary nearest to view pixel `x`; exactly between two boundaries, the one
    // before (a character is taken once the pointer is past its middle).
    [[nodiscard]] int HitTest(const PrefixWidths& widths, int x) const;

private:
    [[nodiscard]] int Clamp(int index) const;
    [[nodiscard]] int Previous(int index) const;
    [[nodiscard]] int Next(int index) const;
    // Inserts at the caret as many of `characters` as the rules and the limit allow.
    bool InsertFiltered(std::u16string_view characters, bool stopAtLineBreak);
    EditOutcome MoveKey(bool towardsStart, bool toEnd, KeyModifiers modifiers);

    CharacterRules rules_;
    std::u16string text_;
    int maxLength_ = kDefaultMaxLength;
    int anchor_ = 0;
    int caret_ = 0;
    int scrollOffset_ = 0;
    bool editable_ = true;
    CharacterSet characterSet_ = CharacterSet::Printable;
    bool upperCase_ = false;
    bool protected_ = false;
    bool displayMode_ = false;
    bool activated_ = false;
};

}  // namespace tockly
