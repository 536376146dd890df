#include "shell/language_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "shell/language_file.h"
#include "support/utf16.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;

const std::vector<std::uint8_t> kGerman = EncodeUtf16Le(
    u"; Deutsch\r\n"
    u"LANGUAGE=Deutsch\r\n"
    u"GENERAL_SETTINGS=Einstellungen\r\n"
    u"TASK_COUNTER_IN_MODE=in\r\n"
    u"COUNTER_TYPE_CHANGE=Zähler ändern\r\n");
const std::vector<std::uint8_t> kFrench =
    EncodeUtf16Le(u"LANGUAGE=Fran\u00e7ais\r\nGENERAL_SETTINGS=Param\u00e8tres\r\n");

// A table after a scan that found the German and the French file.
LanguageTexts Scanned() {
    LanguageTexts texts;
    texts.AddLanguageFile(u"Deutsch.lng", kGerman);
    texts.AddLanguageFile(u"Francais.lng", kFrench);
    return texts;
}

TEST(LanguageTexts, AChosenLanguageGivesItsTextsAndEnglishForWhatItLacks) {
    LanguageTexts texts = Scanned();
    ASSERT_TRUE(texts.Select(u"Deutsch"));
    EXPECT_EQ(texts.SelectedFile(), u"Deutsch.lng");
    texts.LoadSelectedFrom(kGerman);
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Einstellungen");
    EXPECT_EQ(texts.Text(TextId::COUNTER_TYPE_CHANGE), u"Zähler ändern");
    EXPECT_EQ(texts.Text(TextId::GENERAL_TASKS), u"Tasks");
    EXPECT_EQ(texts.Text(TextId::LANGUAGE), u"Deutsch");
    EXPECT_EQ(texts.Text(TextId::TASK_COUNTER_AT_MODE), u"at") << "no file can change it";
    EXPECT_EQ(texts.Text(16025), u"at");
    EXPECT_EQ(texts.Text(4011), kMissingText);
    EXPECT_EQ(texts.Text(-1), kMissingText);
}

TEST(LanguageTexts, BeforeAnyLoadEveryLookupIsEnglish) {
    const LanguageTexts texts;
    EXPECT_FALSE(texts.defaultMode());
    EXPECT_EQ(texts.Text(TextId::TIMER_TYPE), u"Create timer task");
    EXPECT_EQ(texts.Text(TextId::COUNTER_TYPE_CHANGE), u"Change counter task");
    EXPECT_EQ(texts.Text(TextId::LANGUAGE), kMissingText) << "LANGUAGE has no English text";
}

TEST(LanguageTexts, ALanguageThatIsNotOfferedSwitchesToDefaultMode) {
    LanguageTexts texts = Scanned();
    ASSERT_TRUE(texts.Select(u"Deutsch"));
    texts.LoadSelectedFrom(kGerman);

    EXPECT_FALSE(texts.Select(u"Klingon"));
    EXPECT_TRUE(texts.defaultMode());
    EXPECT_FALSE(texts.SelectedFile().has_value());
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Settings")
        << "texts loaded before count no more";
    texts.LoadSelectedFrom(kGerman);
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Settings");

    // The settings page picks a language later: it shows without a restart.
    ASSERT_TRUE(texts.Select(u"Fran\u00e7ais"));
    EXPECT_FALSE(texts.defaultMode());
    texts.LoadSelectedFrom(kFrench);
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Param\u00e8tres");
}

TEST(LanguageTexts, DisplayNamesMatchExactly) {
    LanguageTexts texts = Scanned();
    EXPECT_FALSE(texts.Select(u"deutsch"));
    EXPECT_FALSE(texts.Select(u"Deutsch "));
    EXPECT_FALSE(texts.Select(u""));
    EXPECT_FALSE(texts.Select(u"Deutsch.lng"));
}

TEST(LanguageTexts, AnUnreadableOrOversizedFileLeavesTheEnglishTexts) {
    LanguageTexts texts = Scanned();
    ASSERT_TRUE(texts.Select(u"Deutsch"));
    texts.LoadSelectedFrom(kGerman);
    texts.LoadSelectedFrom(std::nullopt);
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Settings");
    EXPECT_FALSE(texts.defaultMode());

    std::vector<std::uint8_t> huge = kGerman;
    huge.resize(kMaxLanguageFileBytes + 1, 0);
    texts.LoadSelectedFrom(huge);
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Settings");

    huge.resize(kMaxLanguageFileBytes);
    texts.LoadSelectedFrom(huge);
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Einstellungen") << "the largest allowed";
}

TEST(LanguageTexts, NothingIsLoadedWithoutAChosenLanguage) {
    LanguageTexts texts = Scanned();
    texts.LoadSelectedFrom(kGerman);
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Settings");
}

TEST(LanguageTexts, FilesWithoutNameOrWithATakenNameAreNotOffered) {
    LanguageTexts texts;
    EXPECT_EQ(texts.AddLanguageFile(u"Deutsch.lng", kGerman), u"Deutsch");
    EXPECT_FALSE(texts.AddLanguageFile(u"Deutsch-copy.lng", kGerman).has_value());
    EXPECT_FALSE(texts.AddLanguageFile(u"empty.lng", {}).has_value());
    EXPECT_FALSE(texts.AddLanguageFile(u"utf8.lng", std::vector<std::uint8_t>{'L', 'A', 'N'}));
    EXPECT_EQ(texts.AddLanguageFile(u"fr.lng.old", kFrench), u"Fran\u00e7ais");
    EXPECT_THAT(texts.AvailableLanguages(), ElementsAre(u"Deutsch", u"Fran\u00e7ais"));
    EXPECT_EQ(texts.LanguageFile(u"Deutsch"), u"Deutsch.lng") << "the first keeps the name";
    EXPECT_EQ(texts.LanguageFile(u"Fran\u00e7ais"), u"fr.lng.old");
}

TEST(LanguageTexts, PicturesAreCollectedApartAndFoundByTheLanguageFilesName) {
    LanguageTexts texts = Scanned();
    texts.AddPicture(u"Deutsch.bmp");
    texts.AddPicture(u"flag.bmp");
    EXPECT_THAT(texts.LanguagePictures(), ElementsAre(u"Deutsch.bmp", u"flag.bmp"));
    EXPECT_THAT(texts.AvailableLanguages(), ElementsAre(u"Deutsch", u"Fran\u00e7ais"));
    EXPECT_EQ(texts.LanguagePicture(u"Deutsch"), u"Deutsch.bmp");
    EXPECT_FALSE(texts.LanguagePicture(u"Fran\u00e7ais").has_value());
    EXPECT_FALSE(texts.LanguagePicture(u"Klingon").has_value());
}

TEST(LanguageTexts, ANewScanKeepsTheChoiceAndItsTexts) {
    LanguageTexts texts = Scanned();
    texts.AddPicture(u"Deutsch.bmp");
    ASSERT_TRUE(texts.Select(u"Deutsch"));
    texts.LoadSelectedFrom(kGerman);
    texts.ForgetScan();
    EXPECT_TRUE(texts.AvailableLanguages().empty());
    EXPECT_TRUE(texts.LanguagePictures().empty());
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Einstellungen");
    EXPECT_FALSE(texts.SelectedFile().has_value()) << "its file is gone from the folder";
}

}  // namespace
}  // namespace tockly
