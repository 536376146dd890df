#include "shell/ini_lines.h"

#include <gtest/gtest.h>

namespace tockly {
namespace {

TEST(IniLines, OnlyCrLfEndsALineAndTheUnendedTailIsNoLine) {
    const auto lines = SplitIniLines(u"a=1\r\nb=x\ny\r\nc=2\rz\r\n\r\n; note\r\n[section]\r\nd=4");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], u"a=1");
    EXPECT_EQ(lines[1], u"b=x\ny");
    EXPECT_EQ(lines[2], u"c=2\rz");
    EXPECT_FALSE(FindIniValue(lines, u"d").has_value());
}

TEST(IniLines, FirstNonEmptyValueOfTheExactKeyWins) {
    const auto lines =
        SplitIniLines(u"KEY=\r\nKEY_LONGER=no\r\nKEYX=no\r\nKEY= spaced \r\nKEY=second\r\n");
    EXPECT_EQ(FindIniValue(lines, u"KEY"), u" spaced ");
    EXPECT_FALSE(FindIniValue(lines, u"KE").has_value());
    EXPECT_FALSE(FindIniValue(lines, u"OTHER").has_value());
}

TEST(IniLines, LeadingIntegersReadLikeStreamExtraction) {
    EXPECT_EQ(ParseLeadingInt(u" 30x"), 30);
    EXPECT_EQ(ParseLeadingInt(u"\t-2"), -2);
    EXPECT_EQ(ParseLeadingInt(u"+7 8"), 7);
    EXPECT_EQ(ParseLeadingInt(u"2147483647"), 2147483647);
    EXPECT_EQ(ParseLeadingInt(u"-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(ParseLeadingInt(u"2147483648").has_value());
    EXPECT_FALSE(ParseLeadingInt(u"99999999999999999999999").has_value());
    EXPECT_FALSE(ParseLeadingInt(u"ten").has_value());
    EXPECT_FALSE(ParseLeadingInt(u"-").has_value());
    EXPECT_FALSE(ParseLeadingInt(u"").has_value());
}

}  // namespace
}  // namespace tockly
