#include "toolkit/spin_box_model.h"

#include <climits>

#include <gtest/gtest.h>

#include "toolkit/fake_text_clipboard.h"

namespace tockly {
namespace {

using testing::FakeTextClipboard;

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kCtrl{.ctrl = true};

SpinBoxModel Spin(int minimum, int maximum, int value, int maxDigits = 2) {
    SpinBoxModel spin;
    spin.SetRange(minimum, maximum);
    spin.SetMaxDigits(maxDigits);
    spin.SetValue(value);
    return spin;
}

SpinOutcome Key(SpinBoxModel& spin, EditKey key, KeyModifiers modifiers = kNone) {
    FakeTextClipboard clipboard;
    return spin.HandleKey(key, modifiers, clipboard);
}

TEST(SpinBoxValue, SetValueIsLimitedToTheRangeAndShown) {
    SpinBoxModel spin = Spin(0, 59, 75);
    EXPECT_EQ(spin.value(), 59);
    EXPECT_EQ(spin.editor().text(), u"59");
    spin.SetValue(-3);
    EXPECT_EQ(spin.editor().text(), u"0");
    spin.SetRange(20, 10);  // reversed: taken as 10 … 20, value limited
    EXPECT_EQ(spin.minimum(), 10);
    EXPECT_EQ(spin.value(), 10);
    SpinBoxModel wide = Spin(INT_MIN, INT_MAX, INT_MIN, 10);
    EXPECT_EQ(wide.editor().text(), u"-2147483648");
}

TEST(SpinBoxStep, UpStopsAtTheMaximumAndStillNotifiesWithTheHitFlag) {
    SpinBoxModel spin = Spin(0, 59, 58);
    EXPECT_TRUE(Key(spin, EditKey::Up).notify);
    EXPECT_EQ(spin.value(), 59);
    EXPECT_FALSE(spin.hitMaximum());
    EXPECT_EQ(spin.editor().caret(), 2);

    const SpinOutcome refused = Key(spin, EditKey::Up);
    EXPECT_TRUE(refused.notify);
    EXPECT_EQ(spin.value(), 59);
    EXPECT_TRUE(spin.hitMaximum());
    EXPECT_FALSE(spin.hitMinimum());

    // A step that changes the value clears the flags again.
    Key(spin, EditKey::Down);
    EXPECT_EQ(spin.value(), 58);
    EXPECT_FALSE(spin.hitMaximum());

    SpinBoxModel low = Spin(0, 59, 0);
    Key(low, EditKey::Down);
    EXPECT_TRUE(low.hitMinimum());
    Key(low, EditKey::Up);
    EXPECT_FALSE(low.hitMinimum());
}

TEST(SpinBoxStep, PagesMoveTenForSmallStepsOrTheStepAndAreClamped) {
    SpinBoxModel spin = Spin(0, 59, 55);
    Key(spin, EditKey::PageUp);
    EXPECT_EQ(spin.value(), 59);
    EXPECT_FALSE(spin.hitMaximum());  // a clamped page is a change, not a refusal
    Key(spin, EditKey::PageUp);
    EXPECT_TRUE(spin.hitMaximum());
    Key(spin, EditKey::PageDown);
    EXPECT_EQ(spin.value(), 49);

    spin.SetStep(5);
    Key(spin, EditKey::PageDown);
    EXPECT_EQ(spin.value(), 44);
    Key(spin, EditKey::Down);
    EXPECT_EQ(spin.value(), 39);
    spin.SetValue(3);
    Key(spin, EditKey::PageDown);
    EXPECT_EQ(spin.value(), 0);
}

TEST(SpinBoxStep, StepsNearTheIntegerLimitsDoNotOverflow) {
    SpinBoxModel spin = Spin(INT_MAX - 3, INT_MAX, INT_MAX - 1, 10);
    spin.SetStep(1000);
    Key(spin, EditKey::Up);
    EXPECT_EQ(spin.value(), INT_MAX);
    SpinBoxModel low = Spin(INT_MIN, INT_MIN + 3, INT_MIN + 1, 10);
    low.SetStep(1000);
    Key(low, EditKey::Down);
    EXPECT_EQ(low.value(), INT_MIN);
}

TEST(SpinBoxStep, ArrowKeysActWhenNotEditableAndNothingElseDoes) {
    SpinBoxModel spin = Spin(0, 59, 30);
    spin.SetEditable(false);
    Key(spin, EditKey::Up);
    EXPECT_EQ(spin.value(), 31);
    EXPECT_FALSE(spin.TypeCharacter(u'1').handled);
    EXPECT_FALSE(Key(spin, EditKey::Backspace).handled);
    EXPECT_EQ(spin.editor().text(), u"31");
}

TEST(SpinBoxTyping, ADigitThatLeavesTheRangeIsRefused) {
    SpinBoxModel spin = Spin(0, 59, 6);
    EXPECT_FALSE(spin.TypeCharacter(u'7').handled);  // 67
    EXPECT_EQ(spin.editor().text(), u"6");
    EXPECT_EQ(spin.value(), 6);

    spin.editor().PlaceCaret(0, false);
    const SpinOutcome accepted = spin.TypeCharacter(u'5');
    EXPECT_TRUE(accepted.notify);
    EXPECT_EQ(spin.value(), 56);
    EXPECT_EQ(spin.editor().caret(), 1);

    EXPECT_FALSE(spin.TypeCharacter(u'1').handled);  // full, nothing selected
    spin.editor().Select(0, 1);
    EXPECT_TRUE(spin.TypeCharacter(u'1').notify);  // "16"
    EXPECT_EQ(spin.value(), 16);
    EXPECT_FALSE(spin.TypeCharacter(u'x').handled);
}

TEST(SpinBoxTyping, ARangeAboveTenCanBeTypedDigitByDigit) {
    SpinBoxModel year = Spin(2000, 2100, 2024, 4);
    year.editor().SelectAll();
    EXPECT_TRUE(year.TypeCharacter(u'2').handled);
    EXPECT_FALSE(year.TypeCharacter(u'5').handled);  // 25xx cannot become a year in range
    EXPECT_TRUE(year.TypeCharacter(u'0').handled);
    EXPECT_TRUE(year.TypeCharacter(u'3').handled);
    EXPECT_EQ(year.value(), 2024);  // "203" reads out of range: the value waits
    EXPECT_TRUE(year.TypeCharacter(u'0').notify);
    EXPECT_EQ(year.value(), 2030);

    // Leaving the field half typed shows the value again.
    year.editor().SelectAll();
    year.TypeCharacter(u'2');
    year.CommitText();
    EXPECT_EQ(year.editor().text(), u"2030");
}

TEST(SpinBoxTyping, DeletingNeverTakesAValueOutsideTheRange) {
    SpinBoxModel hour = Spin(1, 12, 10);
    hour.editor().Select(0, 1);
    EXPECT_FALSE(Key(hour, EditKey::Delete).notify);  // "0" is no hour
    EXPECT_EQ(hour.editor().text(), u"0");
    EXPECT_EQ(hour.value(), 10);
    hour.CommitText();
    EXPECT_EQ(hour.editor().text(), u"10");

    SpinBoxModel minutes = Spin(0, 59, 45);
    Key(minutes, EditKey::Backspace);
    EXPECT_EQ(minutes.value(), 4);
    Key(minutes, EditKey::Backspace);
    EXPECT_EQ(minutes.editor().text(), u"");
    EXPECT_EQ(minutes.value(), 4);  // an empty text keeps the value
    minutes.CommitText();
    EXPECT_EQ(minutes.editor().text(), u"4");
}

TEST(SpinBoxTyping, PasteTakesTheDigitsOfANumberOnlyWhenTheyFit) {
    FakeTextClipboard clipboard;
    SpinBoxModel spin = Spin(0, 59, 5);
    spin.editor().SelectAll();
    clipboard.content = u" 42\r\n";
    EXPECT_TRUE(spin.HandleKey(EditKey::LetterV, kCtrl, clipboard).notify);
    EXPECT_EQ(spin.value(), 42);
    EXPECT_EQ(spin.editor().text(), u"42");

    spin.editor().SelectAll();
    clipboard.content = u"75";
    EXPECT_FALSE(spin.HandleKey(EditKey::LetterV, kCtrl, clipboard).notify);
    EXPECT_EQ(spin.editor().text(), u"42");

    clipboard.content = u"abc";
    spin.editor().SelectAll();
    EXPECT_FALSE(spin.HandleKey(EditKey::LetterV, kCtrl, clipboard).notify);
    EXPECT_EQ(spin.editor().text(), u"42");

    // Into a full field with nothing selected: nothing.
    clipboard.content = u"1";
    spin.editor().PlaceCaret(2, false);
    EXPECT_FALSE(spin.HandleKey(EditKey::LetterV, kCtrl, clipboard).notify);
    EXPECT_EQ(spin.value(), 42);
}

TEST(SpinBoxTyping, CopyAndCutWorkOnTheDigits) {
    FakeTextClipboard clipboard;
    SpinBoxModel spin = Spin(0, 59, 42);
    spin.HandleKey(EditKey::LetterA, kCtrl, clipboard);
    spin.HandleKey(EditKey::LetterC, kCtrl, clipboard);
    EXPECT_EQ(clipboard.content, u"42");
    spin.editor().Select(1, 2);
    EXPECT_TRUE(spin.HandleKey(EditKey::LetterX, kCtrl, clipboard).notify);
    EXPECT_EQ(clipboard.content, u"2");
    EXPECT_EQ(spin.value(), 4);
}

TEST(SpinBoxArrows, HitAreasLieInTheArrowColumnWithAGapBetween) {
    EXPECT_EQ(SpinArrowAt(83, 2, 100), SpinArrow::Up);
    EXPECT_EQ(SpinArrowAt(99, 10, 100), SpinArrow::Up);
    EXPECT_EQ(SpinArrowAt(82, 5, 100), SpinArrow::None);
    EXPECT_EQ(SpinArrowAt(100, 5, 100), SpinArrow::None);
    EXPECT_EQ(SpinArrowAt(90, 1, 100), SpinArrow::None);
    EXPECT_EQ(SpinArrowAt(90, 11, 100), SpinArrow::None);
    EXPECT_EQ(SpinArrowAt(90, 12, 100), SpinArrow::Down);
    EXPECT_EQ(SpinArrowAt(90, 19, 100), SpinArrow::Down);
    EXPECT_EQ(SpinArrowAt(90, 20, 100), SpinArrow::None);
}

TEST(SpinBoxDigits, ReadDigitsRefusesSignsBlanksAndOverflow) {
    int number = -1;
    EXPECT_TRUE(ReadDigits(u"007", number));
    EXPECT_EQ(number, 7);
    EXPECT_TRUE(ReadDigits(u"2147483647", number));
    EXPECT_FALSE(ReadDigits(u"2147483648", number));
    EXPECT_FALSE(ReadDigits(u"-1", number));
    EXPECT_FALSE(ReadDigits(u"1 ", number));
    EXPECT_FALSE(ReadDigits(u"", number));
}

}  // namespace
}  // namespace tockly
