#include "support/utf16.h"

#include <gtest/gtest.h>

namespace tockly {
namespace {

TEST(Utf16, LittleEndianBytesRoundTripAndOddTailIsDropped) {
    const std::u16string text = u"A\u00e9\u20ac\U0001F600";
    std::vector<std::uint8_t> bytes = EncodeUtf16Le(text);
    ASSERT_EQ(bytes.size(), text.size() * 2);
    EXPECT_EQ(bytes[0], 0x41);
    EXPECT_EQ(bytes[1], 0x00);
    EXPECT_EQ(bytes[4], 0xAC);
    EXPECT_EQ(bytes[5], 0x20);
    EXPECT_EQ(DecodeUtf16Le(bytes), text);
    bytes.push_back(0x41);
    EXPECT_EQ(DecodeUtf16Le(bytes), text);
}

TEST(Utf16, Utf8ConversionsKeepValidTextAndReplaceBrokenSequences) {
    const std::u16string text = u"Zeit \u00fcber \u6642\u9593 \U0001F600";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(u"\u00e9"), "\xC3\xA9");
    // A lone surrogate, an overlong form, a truncated sequence, a stray continuation byte.
    EXPECT_EQ(ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
    EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(FromUtf8("a\xE2\x82"), u"a\uFFFD\uFFFD");
    EXPECT_EQ(FromUtf8("\x80z"), u"\uFFFDz");
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
}

}  // namespace
}  // namespace tockly
