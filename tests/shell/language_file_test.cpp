// What a language file gives. Which files are offered, and under which name, is checked on the
// corpus of tests/shell/language_corpus (language_corpus_test.cpp) and on real folders under Wine.

#include "shell/language_file.h"

#include <gtest/gtest.h>

#include "shell/language_keys.h"
#include "support/utf16.h"

namespace tockly {
namespace {

TEST(ReadLanguageTexts, EveryKeyedNumberGetsTheFileValueOrItsEnglishText) {
    const auto texts =
        ReadLanguageTexts(EncodeUtf16Le(u"LANGUAGE=Deutsch\r\n"
                                        u"GENERAL_SETTINGS=Einstellungen\r\n"
                                        u"GENERAL_INTERNET_CONNECTIONS=Internet-\nverbindungen\r\n"
                                        u"16025=um\r\n"
                                        u"TEXT_BOX_CUT=Ausschneiden"));
    EXPECT_EQ(texts.at(kLanguageNameNumber), u"Deutsch");
    EXPECT_EQ(texts.at(TextNumber(TextId::GENERAL_SETTINGS)), u"Einstellungen");
    EXPECT_EQ(texts.at(TextNumber(TextId::GENERAL_INTERNET_CONNECTIONS)),
              u"Internet-\nverbindungen");
    EXPECT_EQ(texts.at(TextNumber(TextId::TEXT_BOX_CUT)), u"Cut") << "unended last line";
    EXPECT_EQ(texts.at(TextNumber(TextId::TIMER_TYPE)), u"Create timer task");
    EXPECT_FALSE(texts.contains(TextNumber(TextId::TASK_COUNTER_AT_MODE))) << "it has no key";
    EXPECT_FALSE(ReadLanguageTexts({}).contains(kLanguageNameNumber)) << "no English text";
}

TEST(LanguageKeys, MendedAndSpecialTexts) {
    EXPECT_EQ(EnglishText(TextNumber(TextId::COUNTER_TYPE)), u"Create counter task");
    EXPECT_EQ(EnglishText(TextNumber(TextId::COUNTER_TYPE_CHANGE)), u"Change counter task");
    EXPECT_EQ(EnglishText(TextNumber(TextId::TEXT_BOX_PASTE)), u"Paste");
    EXPECT_EQ(EnglishText(16025), u"at");
    EXPECT_FALSE(EnglishText(4011).has_value()) << "a gap in the numbers";
    // The key names are the language files' own, misspelling included.
    ASSERT_NE(FindLanguageEntry(2004), nullptr);
    EXPECT_EQ(FindLanguageEntry(2004)->key, u"SETTINGS_DEFAULT_WIDGETS_TRANSAPRENCY");
    EXPECT_EQ(FindLanguageEntry(16025)->key, u"");
    EXPECT_EQ(FindLanguageEntry(24005), nullptr);
}

}  // namespace
}  // namespace tockly
