// The stopwatch's times list file both ways: the exact bytes written, what reads back, and what a
// user's file of any other content does (refused as a whole, never half read).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/stopwatch_time.h"
#include "widgets/times_list.h"

namespace tockly {
namespace {

using Times = std::vector<Duration>;

TEST(TimesList, CheckpointsAreWrittenUnpaddedWithCrLfBetweenAndNoneAfter) {
    EXPECT_EQ(FormatTimesList(Times{{0, 0, 1, 7}, {0, 1, 0, 0}}), "0:1:7\r\n1:0:0");
    EXPECT_EQ(FormatTimesList(Times{}), "");
    EXPECT_EQ(FormatTimesList(Times{{0, 0, 0, 0}}), "0:0:0");
    EXPECT_EQ(FormatTimesList(Times{{0, 26, 59, 59}, {0, 2147483647, 59, 59}}),
              "26:59:59\r\n2147483647:59:59");
    // Kept as the stopwatch keeps them: days in the hours, nothing below zero.
    EXPECT_EQ(FormatTimesList(Times{{1, 0, 0, 0}, {0, 0, 0, -3}, {0, 0, 61, 0}}),
              "24:0:0\r\n0:0:0\r\n1:1:0");
}

TEST(TimesList, WhatIsWrittenReadsBackTheSame) {
    EXPECT_EQ(ParseTimesList(std::string_view("0:1:7\r\n1:0:0")),
              (Times{{0, 0, 1, 7}, {0, 1, 0, 0}}));
    Times many;
    for (int i = 0; i < 1000; ++i) {
        many.push_back(StopwatchTime(static_cast<std::int64_t>(i) * 7919));
    }
    many.push_back(StopwatchTime(kMostStopwatchSeconds));
    EXPECT_EQ(ParseTimesList(FormatTimesList(many)), many);
    // The longest list there may be.
    const Times longest(kMostCheckpoints, Duration{0, 2147483647, 59, 59});
    const std::string bytes = FormatTimesList(longest);
    EXPECT_LE(bytes.size(), kMostTimesListBytes);
    EXPECT_EQ(ParseTimesList(bytes), longest);
}

TEST(TimesList, FilesWithoutALineAndEditorsHabitsRead) {
    EXPECT_EQ(ParseTimesList(std::string_view("")), Times{});
    EXPECT_EQ(ParseTimesList(std::string_view("\r\n")), Times{});
    // One line break after the last line, and numbers with leading zeros, as a person may write.
    EXPECT_EQ(ParseTimesList(std::string_view("0:1:7\r\n")), (Times{{0, 0, 1, 7}}));
    EXPECT_EQ(ParseTimesList(std::string_view("00:01:07\r\n0001:00:00")),
              (Times{{0, 0, 1, 7}, {0, 1, 0, 0}}));
    const std::vector<std::uint8_t> bytes = {'5', ':', '5', '9', ':', '0'};
    EXPECT_EQ(ParseTimesList(bytes), (Times{{0, 5, 59, 0}}));
}

TEST(TimesList, AnythingElseIsRefusedAsAWhole) {
    const char* const refused[] = {
        "0:1:7\r\nhello",      // a line that is no time, after a good one
        "0:1:7\r\n\r\n1:0:0",  // an empty line between
        "0:1:7\r\n\r\n",       // two line breaks at the end
        "\r\n0:1:7",           // an empty first line
        "0:1:7\n1:0:0",        // lines split by LF alone
        "0:1:7\r1:0:0",        // or CR alone
        "0:1:7 ",              // a blank
        " 0:1:7",              //
        "0:1",                 // two fields
        "0:1:7:8",             // four
        "0::7",                // an empty field
        ":1:7",                //
        "0:1:",                //
        "-1:0:0",              // a sign
        "+1:0:0",              //
        "0:60:0",              // minutes out of range
        "0:0:60",              // seconds out of range
        "0:99999999999:0",     // far out of range
        "2147483648:0:0",      // hours beyond 32 bits
        "99999999999999999999999999:0:0",
        "1.5:0:0",  // no decimals
        "\xEF\xBB\xBF"
        "0:1:7",               // a byte-order mark
        "0:1:7\r\n1:0:0\x1A",  // an end-of-file mark
        "\xFF\xFE"
        "0\0:\0"
        "1",  // UTF-16
    };
    for (const char* text : refused) {
        EXPECT_EQ(ParseTimesList(std::string_view(text)), std::nullopt) << text;
    }
    const std::string withNul("0:1:7\0", 6);
    EXPECT_EQ(ParseTimesList(withNul), std::nullopt);
    std::vector<std::uint8_t> binary(4096);
    for (std::size_t i = 0; i < binary.size(); ++i) {
        binary[i] = static_cast<std::uint8_t>(i * 131 + 7);
    }
    EXPECT_EQ(ParseTimesList(binary), std::nullopt);
}

TEST(TimesList, AFileLargerThanTheLongestListIsNotRead) {
    // One checkpoint more than the most: refused.
    const Times tooMany(kMostCheckpoints + 1, Duration{0, 0, 0, 1});
    EXPECT_EQ(ParseTimesList(FormatTimesList(tooMany)), std::nullopt);
    // More bytes than the longest list has: refused before any line is looked at.
    std::string huge(kMostTimesListBytes + 1, '0');
    huge[1] = ':';
    huge[3] = ':';
    EXPECT_EQ(ParseTimesList(huge), std::nullopt);
    // One long line of digits within the limit is no time either.
    std::string digits(kMostTimesListBytes, '7');
    EXPECT_EQ(ParseTimesList(digits), std::nullopt);
}

TEST(TimesListName, TxtIsAddedUnlessTheNameEndsWithIt) {
    EXPECT_EQ(TimesListFileName(u"C:\\laps\\times"), u"C:\\laps\\times.txt");
    EXPECT_EQ(TimesListFileName(u"C:\\laps\\times.txt"), u"C:\\laps\\times.txt");
    EXPECT_EQ(TimesListFileName(u"C:\\laps\\TIMES.TXT"), u"C:\\laps\\TIMES.TXT");
    EXPECT_EQ(TimesListFileName(u"C:\\laps\\times.csv"), u"C:\\laps\\times.csv.txt");
    EXPECT_EQ(TimesListFileName(u"abc"), u"abc.txt");
    EXPECT_EQ(TimesListFileName(u"ab"), u"ab");  // two characters or fewer stay as they are
    EXPECT_EQ(TimesListFileName(u""), u"");
    EXPECT_EQ(TimesListFileName(u"C:\\Zeiten\\Läufe"), u"C:\\Zeiten\\Läufe.txt");
}

}  // namespace
}  // namespace tockly
