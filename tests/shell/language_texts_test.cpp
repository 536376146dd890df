#include "shell/language_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "shell/language_file.h"
#include "support/utf16.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;

const std::vector<std::uint8_t> kGerman = EncodeUtf16Le(
    u"; Deutsch\r\nLANGUAGE=Deutsch\r\nGENERAL_SETTINGS=Einstellungen\r\n"
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
    texts.LoadSelectedFrom(kGerman);
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Settings") << "nothing chosen yet";
    EXPECT_EQ(texts.Text(TextId::LANGUAGE), kMissingText) << "LANGUAGE has no English text";

    ASSERT_TRUE(texts.Select(u"Deutsch"));
    EXPECT_EQ(texts.SelectedFile(), u"Deutsch.lng");
    texts.LoadSelectedFrom(kGerman);
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Einstellungen");
    EXPECT_EQ(texts.Text(TextId::COUNTER_TYPE_CHANGE), u"Zähler ändern");
    EXPECT_EQ(texts.Text(TextId::GENERAL_TASKS), u"Tasks");
    EXPECT_EQ(texts.Text(TextId::LANGUAGE), u"Deutsch");
    EXPECT_EQ(texts.Text(16025), u"at") << "no file can change it";
    EXPECT_EQ(texts.Text(4011), kMissingText);
    EXPECT_EQ(texts.Text(-1), kMissingText);
}

TEST(LanguageTexts, ALanguageThatIsNotOfferedSwitchesToDefaultModeUntilOneIs) {
    LanguageTexts texts = Scanned();
    ASSERT_TRUE(texts.Select(u"Deutsch"));
    texts.LoadSelectedFrom(kGerman);
    for (const char16_t* name : {u"Klingon", u"deutsch", u"Deutsch ", u"", u"Deutsch.lng"}) {
        EXPECT_FALSE(texts.Select(name)) << "names match exactly";
    }
    EXPECT_TRUE(texts.defaultMode());
    EXPECT_FALSE(texts.SelectedFile().has_value());
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Settings") << "earlier texts count no more";

    // The settings page picks a language later: it shows without a restart.
    ASSERT_TRUE(texts.Select(u"Fran\u00e7ais"));
    EXPECT_FALSE(texts.defaultMode());
    texts.LoadSelectedFrom(kFrench);
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Param\u00e8tres");
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

TEST(LanguageTexts, FilesWithoutNameOrWithATakenNameAreNotOffered) {
    LanguageTexts texts;
    EXPECT_EQ(texts.AddLanguageFile(u"Deutsch.lng", kGerman), u"Deutsch");
    EXPECT_FALSE(texts.AddLanguageFile(u"Deutsch-copy.lng", kGerman).has_value());
    EXPECT_FALSE(texts.AddLanguageFile(u"empty.lng", {}).has_value());
    EXPECT_EQ(texts.AddLanguageFile(u"fr.lng.old", kFrench), u"Fran\u00e7ais");
    EXPECT_THAT(texts.AvailableLanguages(), ElementsAre(u"Deutsch", u"Fran\u00e7ais"));
    EXPECT_EQ(texts.LanguageFile(u"Deutsch"), u"Deutsch.lng") << "the first keeps the name";
}

TEST(LanguageTexts, PicturesGoWithTheirLanguageFileAndANewScanKeepsTheChoice) {
    LanguageTexts texts = Scanned();
    texts.AddPicture(u"Deutsch.bmp");
    texts.AddPicture(u"flag.bmp");
    EXPECT_EQ(texts.LanguagePicture(u"Deutsch"), u"Deutsch.bmp");
    EXPECT_FALSE(texts.LanguagePicture(u"Fran\u00e7ais").has_value());
    // A name with both "lng" and "bmp" is scanned as both, but is no picture of itself.
    texts.AddLanguageFile(u"Mix.bmp.lng", EncodeUtf16Le(u"LANGUAGE=Mix\r\n"));
    texts.AddPicture(u"Mix.bmp.lng");
    EXPECT_FALSE(texts.LanguagePicture(u"Mix").has_value());

    ASSERT_TRUE(texts.Select(u"Deutsch"));
    texts.LoadSelectedFrom(kGerman);
    texts.ForgetScan();
    EXPECT_TRUE(texts.AvailableLanguages().empty() && texts.LanguagePictures().empty());
    EXPECT_EQ(texts.Text(TextId::GENERAL_SETTINGS), u"Einstellungen");
    EXPECT_FALSE(texts.SelectedFile().has_value()) << "its file is gone from the folder";
}

}  // namespace
}  // namespace tockly
