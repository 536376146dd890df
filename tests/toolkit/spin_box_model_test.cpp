#include "toolkit/spin_box_model.h"

#include <climits>
#include <string_view>

#include <gtest/gtest.h>

#include "toolkit/fake_text_clipboard.h"

namespace tockly {
namespace {

using testing::FakeTextClipboard;

SpinBoxModel Spin(int minimum, int maximum, int value, int maxDigits = 2) {
    SpinBoxModel spin;
    spin.SetRange(minimum, maximum);
    spin.SetMaxDigits(maxDigits);
    spin.SetValue(value);
    return spin;
}

SpinOutcome Key(SpinBoxModel& spin, EditKey key, KeyModifiers modifiers = {}) {
    FakeTextClipboard clipboard;
    return spin.HandleKey(key, modifiers, clipboard);
}

TEST(SpinBoxArrows, EachArrowTakesItsRowsInTheArrowColumnAndNotOnePixelMore) {
    constexpr int kWidth = 60;
    constexpr int kColumn = kWidth - 17;  // the arrow column's first pixel
    struct Case {
        int x, y;
        SpinArrow arrow;
    };
    const Case cases[] = {
        {kColumn, 2, SpinArrow::Up},        {kWidth - 1, 10, SpinArrow::Up},
        {kColumn, 1, SpinArrow::None},      {kColumn, 11, SpinArrow::None},
        {kColumn, 12, SpinArrow::Down},     {kWidth - 1, 19, SpinArrow::Down},
        {kColumn, 20, SpinArrow::None},     {kColumn - 1, 5, SpinArrow::None},
        {kColumn - 1, 15, SpinArrow::None}, {kWidth, 5, SpinArrow::None},
        {kWidth, 15, SpinArrow::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpinArrowAt(c.x, c.y, kWidth), c.arrow) << c.x << ", " << c.y;
    }
}

TEST(SpinBoxValue, SetValueIsLimitedToTheRangeAndShown) {
    SpinBoxModel spin = Spin(0, 59, 75);
    EXPECT_EQ(spin.value(), 59);
    EXPECT_EQ(spin.editor().text(), u"59");
    spin.SetRange(20, 10);  // reversed: taken as 10 … 20, value limited
    EXPECT_EQ(spin.value(), 20);
    EXPECT_EQ(Spin(INT_MIN, INT_MAX, INT_MIN, 10).editor().text(), u"-2147483648");
}

TEST(SpinBoxStep, StepsStopAtTheLimitsWhereARefusedStepStillNotifiesWithItsHitFlag) {
    struct Case {
        int minimum, maximum, value, step;
        EditKey key;
        int expected;
        bool hitMinimum, hitMaximum;
    };
    const Case cases[] = {
        {0, 59, 58, 1, EditKey::Up, 59, false, false},
        {0, 59, 59, 1, EditKey::Up, 59, false, true},
        {0, 59, 0, 1, EditKey::Down, 0, true, false},
        {0, 59, 55, 1, EditKey::PageUp, 59, false, false},  // a clamped page is a change
        {0, 59, 59, 1, EditKey::PageDown, 49, false, false},
        {0, 59, 49, 5, EditKey::PageDown, 44, false, false},
        {0, 59, 44, 5, EditKey::Down, 39, false, false},
        {0, 59, 3, 5, EditKey::PageDown, 0, false, false},
        {INT_MAX - 3, INT_MAX, INT_MAX - 1, 1000, EditKey::Up, INT_MAX, false, false},
        {INT_MIN, INT_MIN + 3, INT_MIN + 1, 1000, EditKey::Down, INT_MIN, false, false},
    };
    for (const Case& c : cases) {
        SpinBoxModel spin = Spin(c.minimum, c.maximum, c.value, 10);
        spin.SetStep(c.step);
        EXPECT_TRUE(Key(spin, c.key).notify);
        EXPECT_EQ(spin.value(), c.expected) << c.value;
        EXPECT_EQ(spin.hitMinimum(), c.hitMinimum) << c.value;
        EXPECT_EQ(spin.hitMaximum(), c.hitMaximum) << c.value;
    }
    // A step that changes the value clears the flag again; the caret goes to the end.
    SpinBoxModel spin = Spin(0, 59, 59);
    Key(spin, EditKey::Up);
    Key(spin, EditKey::Down);
    EXPECT_FALSE(spin.hitMaximum());
    EXPECT_EQ(spin.editor().caret(), 2);
}

TEST(SpinBoxTyping, DigitsAreTakenOnlyWhileTheNumberStaysInTheRange) {
    SpinBoxModel spin = Spin(0, 59, 6);
    EXPECT_FALSE(spin.TypeCharacter(u'7').handled);  // 67
    spin.editor().PlaceCaret(0, false);
    EXPECT_TRUE(spin.TypeCharacter(u'5').notify);
    EXPECT_EQ(spin.value(), 56);
    EXPECT_EQ(spin.editor().caret(), 1);
    EXPECT_FALSE(spin.TypeCharacter(u'1').handled);  // full, nothing selected
    spin.editor().Select(0, 1);
    EXPECT_TRUE(spin.TypeCharacter(u'1').notify);  // "16"
    EXPECT_FALSE(spin.TypeCharacter(u'x').handled);
    spin.SetEditable(false);  // only the steps act
    EXPECT_FALSE(spin.TypeCharacter(u'1').handled);
    EXPECT_FALSE(Key(spin, EditKey::Backspace).handled);
    Key(spin, EditKey::Up);
    EXPECT_EQ(spin.value(), 17);

    // A range above ten is typed digit by digit; the value waits for a number in range.
    SpinBoxModel year = Spin(2000, 2100, 2024, 4);
    year.editor().SelectAll();
    EXPECT_TRUE(year.TypeCharacter(u'2').handled);
    EXPECT_FALSE(year.TypeCharacter(u'5').handled);  // 25xx cannot become a year in range
    EXPECT_TRUE(year.TypeCharacter(u'0').handled);
    EXPECT_TRUE(year.TypeCharacter(u'3').handled);
    EXPECT_EQ(year.value(), 2024);
    EXPECT_TRUE(year.TypeCharacter(u'0').notify);
    EXPECT_EQ(year.value(), 2030);
    year.editor().SelectAll();
    year.TypeCharacter(u'2');
    year.CommitText();  // leaving the field half typed shows the value again
    EXPECT_EQ(year.editor().text(), u"2030");
}

TEST(SpinBoxTyping, TheLimitsThemselvesMayBeTypedButNotOneBeyond) {
    struct Case {
        int minimum, maximum, digits;
        std::u16string_view typed;
        std::u16string_view shown;  // what the field holds afterwards
        int value;                  // the value, from 30 before
    };
    const Case cases[] = {
        {15, 59, 2, u"59", u"59", 59},    {15, 58, 2, u"59", u"5", 30},
        {15, 59, 2, u"15", u"15", 15},    {15, 59, 2, u"14", u"1", 30},
        {0, 100, 3, u"100", u"100", 100}, {0, 100, 3, u"101", u"10", 10},
        {30, 30, 2, u"30", u"30", 30},    {30, 30, 2, u"31", u"3", 30},
    };
    for (const Case& c : cases) {
        SpinBoxModel spin = Spin(c.minimum, c.maximum, 30, c.digits);
        spin.editor().SelectAll();
        for (const char16_t digit : c.typed) {
            spin.TypeCharacter(digit);
        }
        EXPECT_EQ(spin.editor().text(), c.shown) << c.minimum << "-" << c.maximum;
        EXPECT_EQ(spin.value(), c.value) << c.minimum << "-" << c.maximum;
    }
}

TEST(SpinBoxTyping, SettlingShowsTheValueOnlyWhenTheTextReadsOtherwise) {
    SpinBoxModel spin = Spin(15, 59, 30);
    EXPECT_FALSE(spin.CommitText());
    spin.editor().SelectAll();
    spin.TypeCharacter(u'2');  // the start of 20 to 29
    EXPECT_TRUE(spin.CommitText());
    EXPECT_EQ(spin.editor().text(), u"30");
    EXPECT_FALSE(spin.CommitText());

    // A step refused at a limit shows the value it stopped at too.
    SpinBoxModel top = Spin(15, 59, 59);
    Key(top, EditKey::Backspace);
    Key(top, EditKey::Up);
    EXPECT_TRUE(top.hitMaximum());
    EXPECT_EQ(top.editor().text(), u"59");
}

TEST(SpinBoxTyping, DeletingNeverTakesAValueOutsideTheRange) {
    SpinBoxModel hour = Spin(1, 12, 10);
    hour.editor().Select(0, 1);
    EXPECT_FALSE(Key(hour, EditKey::Delete).notify);  // "0" is no hour
    EXPECT_EQ(hour.value(), 10);
    SpinBoxModel minutes = Spin(0, 59, 45);
    Key(minutes, EditKey::Backspace);
    EXPECT_EQ(minutes.value(), 4);
    Key(minutes, EditKey::Backspace);
    EXPECT_EQ(minutes.editor().text(), u"");
    EXPECT_EQ(minutes.value(), 4);  // an empty text keeps the value
    minutes.CommitText();
    EXPECT_EQ(minutes.editor().text(), u"4");
}

TEST(SpinBoxTyping, PasteTakesTheDigitsOfANumberOnlyWhenTheyFitAndCutChangesTheValue) {
    FakeTextClipboard clipboard;
    SpinBoxModel spin = Spin(0, 59, 5);
    const auto paste = [&](std::u16string text) {
        clipboard.content = text;
        return spin.HandleKey(EditKey::LetterV, {.ctrl = true}, clipboard).notify;
    };
    spin.editor().SelectAll();
    EXPECT_TRUE(paste(u" 42\r\n"));
    EXPECT_EQ(spin.value(), 42);
    spin.editor().SelectAll();
    EXPECT_FALSE(paste(u"75"));
    EXPECT_FALSE(paste(u"abc"));
    spin.editor().PlaceCaret(2, false);
    EXPECT_FALSE(paste(u"1"));  // into a full field with nothing selected
    EXPECT_EQ(spin.editor().text(), u"42");
    spin.editor().Select(1, 2);
    EXPECT_TRUE(spin.HandleKey(EditKey::LetterX, {.ctrl = true}, clipboard).notify);
    EXPECT_EQ(clipboard.content, u"2");
    EXPECT_EQ(spin.value(), 4);
}

}  // namespace
}  // namespace tockly
