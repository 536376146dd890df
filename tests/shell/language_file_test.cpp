#include "shell/language_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/language_keys.h"
#include "support/utf16.h"

namespace tockly {
namespace {

std::vector<std::uint8_t> Bytes(std::u16string_view text) {
    return EncodeUtf16Le(text);
}

// A comment line long enough that the line after it starts at byte `offset` (even, >= 6).
std::u16string PaddingUpTo(std::size_t offset) {
    return u";" + std::u16string(offset / 2 - 3, u'x') + u"\r\n";
}

TEST(LanguageFileNames, LngAndBmpCountAnywhereInTheName) {
    EXPECT_TRUE(IsLanguageFileName(u"Deutsch.lng"));
    EXPECT_TRUE(IsLanguageFileName(u"my.lng.backup"));
    EXPECT_TRUE(IsLanguageFileName(u"lngDeutsch.txt"));
    EXPECT_FALSE(IsLanguageFileName(u"Deutsch.LNG")) << "the rule is exact, as the scan's";
    EXPECT_FALSE(IsLanguageFileName(u"Deutsch.lang"));
    EXPECT_TRUE(IsLanguagePictureName(u"Deutsch.bmp"));
    EXPECT_TRUE(IsLanguagePictureName(u"flag.bmp.lng"));
    EXPECT_FALSE(IsLanguagePictureName(u"Deutsch.lng"));
}

TEST(OfferedLanguageName, TheLanguageLineMustEndWithinTheFirst498Bytes) {
    const std::u16string line = u"LANGUAGE=Deutsch\r\n";
    const std::size_t lineBytes = line.size() * 2;

    const auto endsAt498 = Bytes(PaddingUpTo(kLanguageHeadBytes - lineBytes) + line + u"A=b\r\n");
    EXPECT_EQ(OfferedLanguageName(endsAt498), u"Deutsch");

    // Its carriage return is the last character within the limit, the line feed lies past it.
    const auto endsAt500 = Bytes(PaddingUpTo(kLanguageHeadBytes + 2 - lineBytes) + line);
    EXPECT_FALSE(OfferedLanguageName(endsAt500).has_value());
}

TEST(OfferedLanguageName, OnlyTheHeadIsReadEvenWhenTheFileGoesOn) {
    const auto late = Bytes(u"; comment\r\n" + std::u16string(600, u' ') +
                            u"\r\nLANGUAGE=Late\r\nGENERAL_TASKS=x\r\n");
    EXPECT_FALSE(OfferedLanguageName(late).has_value());
    EXPECT_EQ(ReadLanguageTexts(late).at(kLanguageNameNumber), u"Late")
        << "loading reads the whole file";
}

TEST(OfferedLanguageName, ALanguageLineMustBeEndedNonEmptyAndExact) {
    EXPECT_FALSE(OfferedLanguageName(Bytes(u"LANGUAGE=Deutsch")));
    EXPECT_FALSE(OfferedLanguageName(Bytes(u"LANGUAGE=Deutsch\n")));
    EXPECT_FALSE(OfferedLanguageName(Bytes(u"LANGUAGE=\r\n")));
    EXPECT_FALSE(OfferedLanguageName(Bytes(u" LANGUAGE=Deutsch\r\n")));
    EXPECT_FALSE(OfferedLanguageName(Bytes(u"LANGUAGE =Deutsch\r\n")));
    EXPECT_FALSE(OfferedLanguageName(Bytes(u";LANGUAGE=Deutsch\r\n")));
    EXPECT_FALSE(OfferedLanguageName({}));
    EXPECT_EQ(OfferedLanguageName(Bytes(u"LANGUAGE=\r\nLANGUAGE= Two words \r\n")), u" Two words ");
    EXPECT_EQ(OfferedLanguageName(Bytes(u"[x]\r\n\r\nLANGUAGE=A\rB\r\n")), u"A\rB");
}

TEST(OfferedLanguageName, AnOddByteCountIgnoresTheLastByte) {
    auto bytes = Bytes(u"LANGUAGE=Deutsch\r\n");
    bytes.push_back(0x41);
    EXPECT_EQ(OfferedLanguageName(bytes), u"Deutsch");

    // Without the high byte of its line feed the line has no end.
    bytes.resize(bytes.size() - 2);
    EXPECT_FALSE(OfferedLanguageName(bytes).has_value());
}

TEST(OfferedLanguageName, AByteOrderMarkHidesAFirstLineLanguage) {
    EXPECT_FALSE(OfferedLanguageName(Bytes(u"\uFEFFLANGUAGE=Deutsch\r\n")));
    EXPECT_EQ(OfferedLanguageName(Bytes(u"\uFEFF; comment\r\nLANGUAGE=Deutsch\r\n")), u"Deutsch");
}

TEST(ReadLanguageTexts, EveryKeyedNumberGetsTheFileValueOrItsEnglishText) {
    const auto texts =
        ReadLanguageTexts(Bytes(u"LANGUAGE=Deutsch\r\n"
                                u"GENERAL_SETTINGS=Einstellungen\r\n"
                                u"GENERAL_INTERNET_CONNECTIONS=Internet-\nverbindungen\r\n"
                                u"TEXT_BOX_CUT=Ausschneiden"));
    EXPECT_EQ(texts.at(kLanguageNameNumber), u"Deutsch");
    EXPECT_EQ(texts.at(TextNumber(TextId::GENERAL_SETTINGS)), u"Einstellungen");
    EXPECT_EQ(texts.at(TextNumber(TextId::GENERAL_INTERNET_CONNECTIONS)),
              u"Internet-\nverbindungen");
    EXPECT_EQ(texts.at(TextNumber(TextId::TEXT_BOX_CUT)), u"Cut") << "unended last line";
    EXPECT_EQ(texts.at(TextNumber(TextId::TIMER_TYPE)), u"Create timer task");

    std::size_t keyed = 0;
    for (const LanguageEntry& entry : LanguageEntries()) {
        keyed += entry.key.empty() ? 0 : 1;
    }
    EXPECT_EQ(texts.size(), keyed);
    EXPECT_FALSE(texts.contains(TextNumber(TextId::TASK_COUNTER_AT_MODE)));
}

TEST(ReadLanguageTexts, KeysMatchExactlyAndTheFirstNonEmptyValueWins) {
    const auto texts =
        ReadLanguageTexts(Bytes(u"GENERAL_TIMER=\r\n"
                                u"GENERAL_TIMERS=wrong\r\n"
                                u"GENERAL_TIME=wrong\r\n"
                                u"GENERAL_TIMER =wrong\r\n"
                                u";GENERAL_TIMER=wrong\r\n"
                                u"[GENERAL_TIMER=wrong]\r\n"
                                u"GENERAL_TIMER==first\r\n"
                                u"GENERAL_TIMER=second\r\n"
                                u"GENERAL_COUNTER= spaced \r\n"));
    EXPECT_EQ(texts.at(TextNumber(TextId::GENERAL_TIMER)), u"=first");
    EXPECT_EQ(texts.at(TextNumber(TextId::GENERAL_COUNTER)), u" spaced ");
}

TEST(ReadLanguageTexts, AFileWithoutLanguageLineGivesNoNameAndNumbersWithoutKeyStayOut) {
    const auto texts = ReadLanguageTexts(Bytes(u"16025=um\r\n100=x\r\n=y\r\n"));
    EXPECT_FALSE(texts.contains(kLanguageNameNumber));
    EXPECT_FALSE(texts.contains(16025));
    EXPECT_EQ(texts.at(TextNumber(TextId::TEXT_BOX_PASTE)), u"Paste");
}

TEST(LanguageKeys, MendedAndSpecialTexts) {
    EXPECT_EQ(EnglishText(TextNumber(TextId::COUNTER_TYPE)), u"Create counter task");
    EXPECT_EQ(EnglishText(TextNumber(TextId::COUNTER_TYPE_CHANGE)), u"Change counter task");
    EXPECT_EQ(EnglishText(TextNumber(TextId::TEXT_BOX_PASTE)), u"Paste");
    EXPECT_EQ(EnglishText(16025), u"at");
    EXPECT_FALSE(EnglishText(kLanguageNameNumber).has_value());
    EXPECT_FALSE(EnglishText(4011).has_value()) << "a gap in the numbers";
    ASSERT_NE(FindLanguageEntry(2004), nullptr);
    EXPECT_EQ(FindLanguageEntry(2004)->key, u"SETTINGS_DEFAULT_WIDGETS_TRANSAPRENCY");
    EXPECT_EQ(FindLanguageEntry(16025)->key, u"");
    EXPECT_EQ(FindLanguageEntry(24004)->key, u"TEXT_BOX_SELECT_ALL");
    EXPECT_EQ(FindLanguageEntry(24005), nullptr);
}

}  // namespace
}  // namespace tockly
