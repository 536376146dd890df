// The end-of-count message's line breaking, measured in a font of fixed width: every character
// 10 pixels wide (so a line closes at its 24th character, 240 >= 235) and 16 high.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/text_wrap.h"

namespace tockly {
namespace {

class FixedWidth final : public LineMeasurer {
public:
    LineSize Measure(std::u16string_view line) const override {
        ++calls;
        return {static_cast<int>(line.size()) * 10, 16};
    }
    mutable int calls = 0;
};

std::vector<std::u16string> Lines(std::u16string_view text) {
    FixedWidth measurer;
    std::vector<std::u16string> lines;
    for (const WrappedLine& line : WrapText(text, measurer).lines) {
        lines.push_back(line.text);
    }
    return lines;
}

TEST(TextWrap, LineBreaksEndLinesOnceAndEveryLineAddsItsHeightAndTheGap) {
    EXPECT_EQ(Lines(u"Tea\r\nis ready"), (std::vector<std::u16string>{u"Tea", u"is ready"}));
    EXPECT_EQ(Lines(u"a\rb\nc\r\n\r\nd"),
              (std::vector<std::u16string>{u"a", u"b", u"c", u"", u"d"}));
    EXPECT_EQ(Lines(u"ends with a break\n"), std::vector<std::u16string>{u"ends with a break"});

    FixedWidth measurer;
    const WrappedText wrapped = WrapText(u"one\n\nthree", measurer);
    EXPECT_EQ(wrapped.height, 3 * (16 + 5));
    EXPECT_EQ(wrapped.Joined(), u"one\n\nthree");
    for (const WrappedLine& line : wrapped.lines) {
        EXPECT_EQ(line.height, 16);
    }
}

TEST(TextWrap, AnEmptyTextIsOneLineOfASpace) {
    FixedWidth measurer;
    const WrappedText wrapped = WrapText(u"", measurer);
    ASSERT_EQ(wrapped.lines.size(), 1u);
    EXPECT_EQ(wrapped.lines[0].text, u"");
    EXPECT_EQ(wrapped.height, 16 + 5);
}

TEST(TextWrap, AShortWordMovesWholeToTheNextLineAndALongOneIsBroken) {
    // 20 characters, a space, then a word of 6: the line closes at "abc" inside the word, and the
    // space lies among the last nine characters.
    EXPECT_EQ(Lines(u"aaaaaaaaaaaaaaaaaaaa abcdef"),
              (std::vector<std::u16string>{u"aaaaaaaaaaaaaaaaaaaa ", u"abcdef"}));
    // 12 characters, a space, then a word of 14: at the 24th character the space is twelfth from
    // the end, so the word is broken where the line closed.
    EXPECT_EQ(Lines(u"aaaaaaaaaaaa bcdefghijklmno"),
              (std::vector<std::u16string>{u"aaaaaaaaaaaa bcdefghijkl", u"mno"}));
    // The space ninth from the end is still found; tenth from the end it is not.
    EXPECT_EQ(Lines(u"aaaaaaaaaaaaaaa bcdefghijk"),
              (std::vector<std::u16string>{u"aaaaaaaaaaaaaaa ", u"bcdefghijk"}));
    EXPECT_EQ(Lines(u"aaaaaaaaaaaaaa bcdefghijkl"),
              (std::vector<std::u16string>{u"aaaaaaaaaaaaaa bcdefghij", u"kl"}));
    // A line that closes at the end of a word breaks nothing; the next begins without its space.
    EXPECT_EQ(Lines(u"aaaaaaaaaaaaaaaaaaaaaaaa bbb"),
              (std::vector<std::u16string>{u"aaaaaaaaaaaaaaaaaaaaaaaa", u"bbb"}));
    // A word of 60 characters fills lines of 24.
    EXPECT_EQ(Lines(std::u16string(60, u'x')),
              (std::vector<std::u16string>{std::u16string(24, u'x'), std::u16string(24, u'x'),
                                           std::u16string(12, u'x')}));
}

TEST(TextWrap, ALineFullToItsEdgeBeforeABreakLeavesNoEmptyLine) {
    const std::u16string full(24, u'x');
    EXPECT_EQ(Lines(full + u"\nnext"), (std::vector<std::u16string>{full, u"next"}));
    EXPECT_EQ(Lines(full + u"\r\n\r\nnext"), (std::vector<std::u16string>{full, u"", u"next"}));
    EXPECT_EQ(Lines(full), std::vector<std::u16string>{full});
}

TEST(TextWrap, ACharacterInTwoCodeUnitsIsNeverSplit) {
    // 23 letters then an emoji (two units): the emoji completes the line whole.
    const std::u16string text = std::u16string(23, u'a') + u"\U0001F600" + u"b";
    const std::vector<std::u16string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::u16string(23, u'a') + u"\U0001F600");
    EXPECT_EQ(lines[1], u"b");
}

}  // namespace
}  // namespace tockly
