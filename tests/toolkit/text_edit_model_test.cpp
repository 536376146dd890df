#include "toolkit/text_edit_model.h"

#include <gtest/gtest.h>

#include "toolkit/fake_text_clipboard.h"

namespace tockly {
namespace {

using testing::FakeTextClipboard;

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kShift{.shift = true};
constexpr KeyModifiers kCtrl{.ctrl = true};
constexpr KeyModifiers kCtrlShift{.shift = true, .ctrl = true};

// Every character 10 pixels wide, except 'W' at 20, so that rounding to the nearer boundary shows.
std::vector<int> FixedWidths(std::u16string_view text) {
    std::vector<int> widths{0};
    for (const char16_t c : text) {
        widths.push_back(widths.back() + (c == u'W' ? 20 : 10));
    }
    return widths;
}

TextEditModel Editor(std::u16string_view text) {
    TextEditModel editor;
    editor.SetText(text);
    return editor;
}

void Type(TextEditModel& editor, std::u16string_view text) {
    for (const char16_t c : text) {
        editor.TypeCharacter(c);
    }
}

TEST(TextEditTyping, FullFieldRefusesTypingButASelectionIsReplaced) {
    TextEditModel editor;
    editor.SetMaxLength(5);
    Type(editor, u"abcdefg");
    EXPECT_EQ(editor.text(), u"abcde");
    EXPECT_FALSE(editor.TypeCharacter(u'x'));

    editor.Select(1, 3);
    EXPECT_TRUE(editor.TypeCharacter(u'X'));
    EXPECT_EQ(editor.text(), u"aXde");
    EXPECT_EQ(editor.caret(), 2);
    EXPECT_FALSE(editor.HasSelection());
}

TEST(TextEditTyping, ALongerTextFromTheProgramIsNotCutButCannotGrowOrBeReplacedCharForChar) {
    TextEditModel editor = Editor(u"0123456789");
    editor.SetMaxLength(4);
    editor.Select(0, 1);
    // Replacing one character would still leave the text over the limit: refused, nothing lost.
    EXPECT_FALSE(editor.TypeCharacter(u'x'));
    EXPECT_EQ(editor.text(), u"0123456789");
    editor.Select(0, 8);
    EXPECT_TRUE(editor.TypeCharacter(u'x'));
    EXPECT_EQ(editor.text(), u"x89");
}

TEST(TextEditTyping, CharacterSetsDecideWhatIsTaken) {
    TextEditModel printable;
    Type(printable, u"a-b ~\t\x7F\x1B");
    EXPECT_EQ(printable.text(), u"a-b ~");

    TextEditModel letters;
    letters.SetCharacterSet(CharacterSet::LettersAndDigits);
    Type(letters, u"R2-D2 go!");
    EXPECT_EQ(letters.text(), u"R2D2 go");

    TextEditModel digits;
    digits.SetCharacterSet(CharacterSet::Digits);
    Type(digits, u"1a2 3");
    EXPECT_EQ(digits.text(), u"123");
}

TEST(TextEditTyping, PlatformLettersAreTakenAndSurrogatesNeverAre) {
    CharacterRules rules;
    rules.isAlphaNumeric = [](char16_t c) {
        return c == u'\u00E9' || CharacterRules::IsAsciiAlphaNumeric(c);
    };
    rules.toUpper = [](char16_t c) {
        return c == u'\u00E9' ? u'\u00C9' : CharacterRules::AsciiToUpper(c);
    };
    TextEditModel editor(rules);
    editor.SetCharacterSet(CharacterSet::LettersAndDigits);
    editor.SetUpperCase(true);
    Type(editor, u"caf\u00E9\U0001F600");
    EXPECT_EQ(editor.text(), u"CAF\u00C9");
}

TEST(TextEditTyping, ReadOnlyAndInactiveLabelsTakeNothing) {
    TextEditModel readOnly = Editor(u"abc");
    readOnly.SetEditable(false);
    readOnly.PlaceCaret(3, false);
    FakeTextClipboard clipboard;
    clipboard.content = u"zz";
    EXPECT_FALSE(readOnly.TypeCharacter(u'd'));
    EXPECT_FALSE(readOnly.HandleKey(EditKey::Backspace, kNone, clipboard).textChanged);
    EXPECT_FALSE(readOnly.HandleKey(EditKey::LetterV, kCtrl, clipboard).textChanged);
    EXPECT_EQ(readOnly.text(), u"abc");

    TextEditModel label = Editor(u"Title");
    label.SetDisplayMode(true);
    EXPECT_FALSE(label.TypeCharacter(u'x'));
    EXPECT_FALSE(label.HandleKey(EditKey::End, kNone, clipboard).handled);
    label.Activate();
    EXPECT_TRUE(label.HandleKey(EditKey::End, kNone, clipboard).handled);
    EXPECT_TRUE(label.TypeCharacter(u'!'));
    EXPECT_EQ(label.text(), u"Title!");
    label.Deactivate();
    EXPECT_TRUE(label.IsInactiveLabel());
}

TEST(TextEditDeleting, BackspaceAndDeleteWithAndWithoutSelection) {
    FakeTextClipboard clipboard;
    TextEditModel editor = Editor(u"hello world");
    editor.PlaceCaret(5, false);
    EXPECT_TRUE(editor.HandleKey(EditKey::Backspace, kNone, clipboard).textChanged);
    EXPECT_EQ(editor.text(), u"hell world");
    EXPECT_TRUE(editor.HandleKey(EditKey::Delete, kNone, clipboard).textChanged);
    EXPECT_EQ(editor.text(), u"hellworld");
    EXPECT_TRUE(editor.HandleKey(EditKey::Backspace, kCtrl, clipboard).textChanged);
    EXPECT_EQ(editor.text(), u"world");
    EXPECT_EQ(editor.caret(), 0);
    EXPECT_FALSE(editor.HandleKey(EditKey::Backspace, kNone, clipboard).textChanged);

    editor.Select(4, 1);
    EXPECT_TRUE(editor.HandleKey(EditKey::Delete, kNone, clipboard).textChanged);
    EXPECT_EQ(editor.text(), u"wd");
    EXPECT_EQ(editor.caret(), 1);
    editor.PlaceCaret(2, false);
    EXPECT_FALSE(editor.HandleKey(EditKey::Delete, kNone, clipboard).textChanged);
}

TEST(TextEditDeleting, ASurrogatePairGoesAsOneCharacter) {
    FakeTextClipboard clipboard;
    TextEditModel editor = Editor(u"a\U0001F600b");
    editor.PlaceCaret(3, false);
    editor.HandleKey(EditKey::Left, kNone, clipboard);
    EXPECT_EQ(editor.caret(), 1);
    editor.HandleKey(EditKey::Delete, kNone, clipboard);
    EXPECT_EQ(editor.text(), u"ab");
    editor.SetText(u"\U0001F600");
    editor.PlaceCaret(1, false);  // the middle of the pair is not a place
    EXPECT_EQ(editor.caret(), 0);
}

TEST(TextEditCaret, ArrowsCollapseExtendAndJumpWithCtrl) {
    FakeTextClipboard clipboard;
    TextEditModel editor = Editor(u"abcdef");
    editor.Select(2, 4);
    editor.HandleKey(EditKey::Left, kNone, clipboard);
    EXPECT_EQ(editor.anchor(), 2);
    EXPECT_EQ(editor.caret(), 2);

    editor.Select(2, 4);
    editor.HandleKey(EditKey::Up, kNone, clipboard);  // Up acts like Right
    EXPECT_EQ(editor.caret(), 4);
    EXPECT_FALSE(editor.HasSelection());

    editor.HandleKey(EditKey::Down, kShift, clipboard);  // Down acts like Left
    EXPECT_EQ(editor.anchor(), 4);
    EXPECT_EQ(editor.caret(), 3);
    editor.HandleKey(EditKey::Right, kCtrlShift, clipboard);
    EXPECT_EQ(editor.anchor(), 4);
    EXPECT_EQ(editor.caret(), 6);
    editor.HandleKey(EditKey::Left, kCtrl, clipboard);
    EXPECT_EQ(editor.anchor(), 0);
    EXPECT_EQ(editor.caret(), 0);
    editor.HandleKey(EditKey::Left, kNone, clipboard);
    EXPECT_EQ(editor.caret(), 0);

    editor.HandleKey(EditKey::End, kShift, clipboard);
    EXPECT_EQ(editor.SelectedText(), u"abcdef");
    editor.HandleKey(EditKey::Home, kNone, clipboard);
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_EQ(editor.caret(), 0);
}

TEST(TextEditClipboard, CopyCutAndPasteRoundTrip) {
    FakeTextClipboard clipboard;
    TextEditModel editor = Editor(u"one two");
    editor.Select(0, 3);
    EXPECT_FALSE(editor.HandleKey(EditKey::LetterC, kCtrl, clipboard).textChanged);
    EXPECT_EQ(clipboard.content, u"one");
    editor.Select(7, 3);
    EXPECT_TRUE(editor.HandleKey(EditKey::LetterX, kCtrl, clipboard).textChanged);
    EXPECT_EQ(clipboard.content, u" two");
    EXPECT_EQ(editor.text(), u"one");
    editor.PlaceCaret(0, false);
    EXPECT_TRUE(editor.HandleKey(EditKey::LetterV, kCtrl, clipboard).textChanged);
    EXPECT_EQ(editor.text(), u" twoone");
    EXPECT_EQ(editor.caret(), 4);
}

TEST(TextEditClipboard, ShortcutLettersNeedCtrlAndCopyNeedsASelection) {
    FakeTextClipboard clipboard;
    TextEditModel editor = Editor(u"abc");
    EXPECT_FALSE(editor.HandleKey(EditKey::LetterA, kNone, clipboard).handled);
    EXPECT_FALSE(editor.HasSelection());
    editor.HandleKey(EditKey::LetterC, kCtrl, clipboard);
    EXPECT_EQ(clipboard.writes, 0);
    editor.HandleKey(EditKey::LetterA, kCtrl, clipboard);
    EXPECT_EQ(editor.SelectedText(), u"abc");
}

TEST(TextEditClipboard, PasteIntoALimitedFieldKeepsWhatFitsAndFiltersLikeTyping) {
    FakeTextClipboard clipboard;
    TextEditModel editor;
    editor.SetMaxLength(10);
    editor.SetUpperCase(true);
    clipboard.content = u"abc\tdefghijklmnop";
    EXPECT_TRUE(editor.Paste(clipboard));
    EXPECT_EQ(editor.text(), u"ABCDEFGHIJ");

    // Full and nothing selected: nothing changes.
    EXPECT_FALSE(editor.Paste(clipboard));
    EXPECT_EQ(editor.text(), u"ABCDEFGHIJ");

    // Only the first line of a multi-line text, as the platform's single-line edit does.
    editor.SelectAll();
    clipboard.content = u"first\r\nsecond";
    EXPECT_TRUE(editor.Paste(clipboard));
    EXPECT_EQ(editor.text(), u"FIRST");
}

TEST(TextEditClipboard, PastingAnEmptyTextDeletesTheSelection) {
    FakeTextClipboard clipboard;
    clipboard.content = u"";
    TextEditModel editor = Editor(u"abc");
    EXPECT_FALSE(editor.Paste(clipboard));
    editor.Select(0, 2);
    EXPECT_TRUE(editor.Paste(clipboard));
    EXPECT_EQ(editor.text(), u"c");
}

TEST(TextEditClipboard, ABusyClipboardLeavesTextAndSelectionAlone) {
    FakeTextClipboard clipboard;
    clipboard.content = u"x";
    clipboard.busy = true;
    TextEditModel editor = Editor(u"keep me");
    editor.Select(0, 4);
    EXPECT_FALSE(editor.HandleKey(EditKey::LetterX, kCtrl, clipboard).textChanged);
    EXPECT_FALSE(editor.HandleKey(EditKey::LetterV, kCtrl, clipboard).textChanged);
    EXPECT_EQ(editor.text(), u"keep me");
    EXPECT_EQ(editor.SelectionStart(), 0);
    EXPECT_EQ(editor.SelectionEnd(), 4);
}

TEST(TextEditClipboard, ProtectedModeRefusesSelectAllCopyCutAndPaste) {
    FakeTextClipboard clipboard;
    clipboard.content = u"pasted";
    TextEditModel editor = Editor(u"secret");
    editor.SetProtected(true);
    editor.HandleKey(EditKey::LetterA, kCtrl, clipboard);
    EXPECT_FALSE(editor.HasSelection());
    editor.Select(0, 6);  // a mouse selection is possible, taking it out is not
    editor.HandleKey(EditKey::LetterC, kCtrl, clipboard);
    EXPECT_FALSE(editor.HandleKey(EditKey::LetterX, kCtrl, clipboard).textChanged);
    EXPECT_FALSE(editor.HandleKey(EditKey::LetterV, kCtrl, clipboard).textChanged);
    EXPECT_EQ(clipboard.content, u"pasted");
    EXPECT_EQ(clipboard.writes, 0);
    EXPECT_EQ(editor.text(), u"secret");
    // Typing still works.
    EXPECT_TRUE(editor.TypeCharacter(u'!'));
    EXPECT_EQ(editor.text(), u"!");
}

TEST(TextEditLayout, ScrollKeepsTheCaretTwoPixelsInsideAndNeverLeavesRoomAtTheRight) {
    FakeTextClipboard clipboard;
    TextEditModel editor;
    const int view = 52;
    Type(editor, u"abcde");  // 50 px: fits with the caret 2 px inside
    editor.KeepCaretVisible(FixedWidths, view);
    EXPECT_EQ(editor.scrollOffset(), 0);
    editor.TypeCharacter(u'f');
    editor.KeepCaretVisible(FixedWidths, view);
    EXPECT_EQ(editor.scrollOffset(), 10);
    EXPECT_EQ(editor.CaretX(FixedWidths), view - TextEditModel::kCaretMargin);

    editor.HandleKey(EditKey::Home, kNone, clipboard);
    editor.KeepCaretVisible(FixedWidths, view);
    EXPECT_EQ(editor.scrollOffset(), 0);
    editor.HandleKey(EditKey::End, kNone, clipboard);
    editor.KeepCaretVisible(FixedWidths, view);
    EXPECT_EQ(editor.scrollOffset(), 10);

    editor.HandleKey(EditKey::Backspace, kNone, clipboard);
    editor.HandleKey(EditKey::Backspace, kNone, clipboard);
    editor.KeepCaretVisible(FixedWidths, view);
    EXPECT_EQ(editor.scrollOffset(), 0);
}

TEST(TextEditLayout, HitTestPicksTheNearestBoundaryIncludingTheScroll) {
    TextEditModel editor = Editor(u"aWb");  // boundaries at 0, 10, 30, 40
    EXPECT_EQ(editor.HitTest(FixedWidths, -5), 0);
    EXPECT_EQ(editor.HitTest(FixedWidths, 4), 0);
    EXPECT_EQ(editor.HitTest(FixedWidths, 19), 1);
    EXPECT_EQ(editor.HitTest(FixedWidths, 21), 2);
    EXPECT_EQ(editor.HitTest(FixedWidths, 500), 3);

    editor.PlaceCaret(3, false);
    editor.KeepCaretVisible(FixedWidths, 22);  // scrolled by 20
    EXPECT_EQ(editor.HitTest(FixedWidths, 2), 2);
}

}  // namespace
}  // namespace tockly
