#include "toolkit/text_edit_model.h"

#include <gtest/gtest.h>

#include <utility>

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

TextEditModel Editor(std::u16string_view text, int maxLength = 100) {
    TextEditModel editor;
    editor.SetMaxLength(maxLength);
    editor.SetText(text);
    return editor;
}

void Type(TextEditModel& editor, std::u16string_view text) {
    for (const char16_t c : text) {
        editor.TypeCharacter(c);
    }
}

TEST(TextEditTyping, AFullFieldOrAForeignCharacterRefusesTypingButASelectionIsReplaced) {
    TextEditModel editor = Editor(u"", 5);
    Type(editor, u"abcdefg");
    EXPECT_EQ(editor.text(), u"abcde");
    editor.Select(1, 3);
    EXPECT_TRUE(editor.TypeCharacter(u'X'));
    EXPECT_EQ(editor.text(), u"aXde");
    EXPECT_EQ(editor.caret(), 2);

    // A longer text from the program is not cut, but cannot grow or be replaced char for char.
    editor.SetText(u"0123456789");
    editor.Select(0, 1);
    EXPECT_FALSE(editor.TypeCharacter(u'x'));
    editor.Select(0, 8);
    EXPECT_TRUE(editor.TypeCharacter(u'x'));
    EXPECT_EQ(editor.text(), u"x89");

    // Character sets decide what is taken; surrogates never are.
    TextEditModel printable;
    Type(printable, u"a-b ~\t\x7F\x1B\U0001F600");
    EXPECT_EQ(printable.text(), u"a-b ~");

    CharacterRules rules;
    rules.isAlphaNumeric = [](char16_t c) {
        return c == u'\u00E9' || CharacterRules::IsAsciiAlphaNumeric(c);
    };
    rules.toUpper = [](char16_t c) {
        return c == u'\u00E9' ? u'\u00C9' : CharacterRules::AsciiToUpper(c);
    };
    TextEditModel letters(rules);
    letters.SetCharacterSet(CharacterSet::LettersAndDigits);
    letters.SetUpperCase(true);
    Type(letters, u"R2-D2 caf\u00E9!\U0001F600");
    EXPECT_EQ(letters.text(), u"R2D2 CAF\u00C9");
}

TEST(TextEditKeys, DeleteAndMoveWithAndWithoutSelection) {
    struct Case {
        std::u16string_view text;
        int anchor, caret;
        EditKey key;
        KeyModifiers modifiers;
        std::u16string_view expected;
        int expectedAnchor, expectedCaret;
    };
    const std::u16string_view pair = u"a\U0001F600b";  // a surrogate pair goes as one character
    const Case cases[] = {
        {u"hello", 5, 5, EditKey::Backspace, kNone, u"hell", 4, 4},
        {u"hello", 2, 2, EditKey::Delete, kNone, u"helo", 2, 2},
        {u"hello", 3, 3, EditKey::Backspace, kCtrl, u"lo", 0, 0},  // all before the caret
        {u"hello", 4, 1, EditKey::Delete, kNone, u"ho", 1, 1},
        {u"hello", 0, 0, EditKey::Backspace, kNone, u"hello", 0, 0},
        {pair, 3, 3, EditKey::Left, kNone, pair, 1, 1},
        {pair, 1, 1, EditKey::Delete, kNone, u"ab", 1, 1},
        {pair, 3, 3, EditKey::Backspace, kNone, u"ab", 1, 1},
        {u"abcdef", 2, 4, EditKey::Left, kNone, u"abcdef", 2, 2},   // collapses to the start
        {u"abcdef", 2, 4, EditKey::Up, kNone, u"abcdef", 4, 4},     // Up acts like Right
        {u"abcdef", 4, 4, EditKey::Down, kShift, u"abcdef", 4, 3},  // Down like Left
        {u"abcdef", 4, 3, EditKey::Right, kCtrlShift, u"abcdef", 4, 6},
        {u"abcdef", 4, 3, EditKey::Left, kCtrl, u"abcdef", 0, 0},
        {u"abcdef", 2, 2, EditKey::End, kShift, u"abcdef", 2, 6},
        {u"abcdef", 2, 6, EditKey::Home, kNone, u"abcdef", 0, 0},
    };
    FakeTextClipboard clipboard;
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        TextEditModel editor = Editor(c.text);
        editor.Select(c.anchor, c.caret);
        EXPECT_EQ(editor.HandleKey(c.key, c.modifiers, clipboard).textChanged,
                  c.expected != c.text);
        EXPECT_EQ(editor.text(), c.expected);
        EXPECT_EQ(editor.anchor(), c.expectedAnchor);
        EXPECT_EQ(editor.caret(), c.expectedCaret);
    }
    TextEditModel editor = Editor(u"\U0001F600");
    editor.PlaceCaret(1, false);  // the middle of the pair is not a place
    EXPECT_EQ(editor.caret(), 0);

    // A selection dragged past an edge grows a character at a time, a pair included.
    TextEditModel dragged = Editor(pair);
    dragged.PlaceCaret(1, false);
    dragged.StepCaret(true, true);
    EXPECT_EQ(dragged.SelectedText(), u"\U0001F600");
    dragged.StepCaret(true, true);
    dragged.StepCaret(true, true);  // at the end it stays
    EXPECT_EQ(std::pair(dragged.anchor(), dragged.caret()), std::pair(1, 4));
    dragged.StepCaret(false, true);
    dragged.StepCaret(false, true);
    dragged.StepCaret(false, false);
    EXPECT_EQ(std::pair(dragged.anchor(), dragged.caret()), std::pair(0, 0));
}

TEST(TextEditClipboard, PasteKeepsWhatFitsFiltersLikeTypingAndTakesTheFirstLine) {
    FakeTextClipboard clipboard;
    TextEditModel editor = Editor(u"", 10);
    editor.SetUpperCase(true);
    clipboard.content = u"abc\tdefghijklmnop";
    EXPECT_TRUE(editor.Paste(clipboard));
    EXPECT_EQ(editor.text(), u"ABCDEFGHIJ");
    EXPECT_FALSE(editor.Paste(clipboard));  // full and nothing selected

    editor.SelectAll();
    clipboard.content = u"first\r\nsecond";
    EXPECT_TRUE(editor.Paste(clipboard));
    EXPECT_EQ(editor.text(), u"FIRST");
    clipboard.content = u"";  // an empty text deletes the selection
    EXPECT_FALSE(editor.Paste(clipboard));
    editor.Select(0, 4);
    EXPECT_TRUE(editor.Paste(clipboard));
    EXPECT_EQ(editor.text(), u"T");
}

TEST(TextEditClipboard, ABusyClipboardOrProtectedModeLeaveTextAndSelectionAlone) {
    FakeTextClipboard clipboard;
    clipboard.content = u"pasted";
    clipboard.busy = true;
    TextEditModel editor = Editor(u"secret");
    editor.Select(0, 4);
    EXPECT_FALSE(editor.HandleKey(EditKey::LetterX, kCtrl, clipboard).textChanged);
    EXPECT_FALSE(editor.HandleKey(EditKey::LetterV, kCtrl, clipboard).textChanged);
    EXPECT_EQ(editor.SelectedText(), u"secr");

    clipboard.busy = false;
    editor.SetProtected(true);  // a mouse selection is possible, taking it out is not
    for (const EditKey key : {EditKey::LetterC, EditKey::LetterX, EditKey::LetterV}) {
        editor.HandleKey(key, kCtrl, clipboard);
    }
    EXPECT_EQ(clipboard.writes, 0);
    EXPECT_EQ(editor.text(), u"secret");
    editor.PlaceCaret(0, false);
    editor.HandleKey(EditKey::LetterA, kCtrl, clipboard);
    EXPECT_FALSE(editor.HasSelection());
}

TEST(TextEditLayout, TheCaretStaysTwoPixelsInsideAndHitsFindTheNearestBoundary) {
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
    editor.HandleKey(EditKey::Backspace, kNone, clipboard);
    editor.HandleKey(EditKey::Backspace, kNone, clipboard);
    editor.KeepCaretVisible(FixedWidths, view);
    EXPECT_EQ(editor.scrollOffset(), 0);

    // A hit picks the nearest boundary, the scroll included; exactly between two boundaries the
    // one before, so that a character is taken only once the pointer is past its middle.
    TextEditModel hits = Editor(u"aWb");  // boundaries at 0, 10, 30, 40
    for (const auto& [x, index] : {std::pair{-5, 0},
                                   {4, 0},
                                   {5, 0},
                                   {6, 1},
                                   {19, 1},
                                   {20, 1},
                                   {21, 2},
                                   {35, 2},
                                   {36, 3},
                                   {500, 3}}) {
        EXPECT_EQ(hits.HitTest(FixedWidths, x), index) << x;
    }
    hits.PlaceCaret(3, false);
    hits.KeepCaretVisible(FixedWidths, 22);  // scrolled by 20
    EXPECT_EQ(hits.HitTest(FixedWidths, 2), 2);
}

}  // namespace
}  // namespace tockly
