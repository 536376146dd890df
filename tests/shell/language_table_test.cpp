// LanguageTable on real folders under Wine: the language files the build puts beside Tockly.exe,
// and scratch folders with odd entries. Only the program's path comes from a fake. What the table
// makes of the bytes it reads is tested natively (language_texts_test.cpp).

#include "shell/language_table.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "shell/language_file.h"
#include "support/fake_outside_world.h"
#include "support/utf16.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_test_paths.h"

namespace tockly {
namespace {

using ::testing::UnorderedElementsAre;

class LanguageTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testing::MakeScratchFolder(L"language");
        settings_.SetDefaults();
    }
    void TearDown() override { testing::RemoveTree(root_); }

    // An empty "language" folder beside a program in the scratch folder.
    std::wstring MakeLanguageFolder() {
        ::CreateDirectoryW((root_ + L"\\language").c_str(), nullptr);
        fake_.program.modulePath = FromWide(root_ + L"\\Tockly.exe");
        return root_ + L"\\language\\";
    }
    static void Write(const std::wstring& path, std::u16string_view text) {
        testing::WriteFileBytes(path, EncodeUtf16Le(text));
    }

    std::wstring root_;
    testing::FakeOutsideWorld fake_;
    AppSettings settings_{fake_.world};
    LanguageTable table_{fake_.program};
};

TEST_F(LanguageTableTest, TheShippedFolderOffersItsLanguagesAndLoadsTheChosenOne) {
    fake_.program.modulePath = FromWide(testing::TocklyExe());
    table_.Load();
    EXPECT_TRUE(table_.AvailableLanguages().empty()) << "without settings Load does nothing";

    settings_.values().language = u"Deutsch";
    table_.SetSettings(&settings_);
    table_.Load();
    EXPECT_EQ(table_.LanguageFolder(), FromWide(testing::BinaryFolder() + L"\\language"));
    EXPECT_THAT(table_.AvailableLanguages(),
                UnorderedElementsAre(u"English", u"Deutsch", u"Fran\u00e7ais"));
    EXPECT_EQ(table_.Text(TextId::GENERAL_INTERNET_CONNECTIONS), u"Internet-\nverbindungen");
    EXPECT_EQ(table_.Text(TextId::TASK_COUNTER_AT_MODE), u"at");

    // The settings page switches the language.
    ASSERT_TRUE(table_.Select(u"Fran\u00e7ais"));
    table_.LoadSelected();
    EXPECT_EQ(table_.Text(TextId::TEXT_BOX_PASTE), u"Coller");

    // A language without a file: the whole interface is English.
    settings_.values().language = u"Klingon";
    table_.Load();
    EXPECT_TRUE(table_.defaultMode());
    EXPECT_EQ(table_.Text(TextId::TEXT_BOX_PASTE), u"Paste");
}

TEST_F(LanguageTableTest, AMissingFolderOrProgramPathLeavesOnlyEnglish) {
    table_.SetSettings(&settings_);
    fake_.program.modulePath = FromWide(root_ + L"\\nowhere\\Tockly.exe");
    table_.Load();
    EXPECT_TRUE(table_.AvailableLanguages().empty());
    EXPECT_TRUE(table_.defaultMode());
    fake_.program.modulePath.reset();
    table_.Load();
    EXPECT_FALSE(table_.LanguageFolder().has_value());
    EXPECT_EQ(table_.Text(TextId::TASKS_TITLE), u"Title");
}

TEST_F(LanguageTableTest, TheScanKeepsLanguageFilesAndPicturesByTheirNamesOnly) {
    const std::wstring folder = MakeLanguageFolder();
    Write(folder + L"lngNotes.txt", u"; x\r\nLANGUAGE=Notes\r\n");
    Write(folder + L"SHOUT.LNG", u"LANGUAGE=Shout\r\n");
    Write(folder + L"readme.txt", u"LANGUAGE=Readme\r\n");
    testing::WriteFileBytes(folder + L"lngNotes.bmp", {'B', 'M'});
    testing::WriteFileBytes(folder + L"flag.bmp", {'B', 'M'});
    ::CreateDirectoryW((folder + L"folder.lng").c_str(), nullptr);
    ::CreateDirectoryW((folder + L"folder.bmp").c_str(), nullptr);
    // Its LANGUAGE line ends at byte 498, the last one the scan reads.
    const std::u16string padding = u";" + std::u16string(249 - 15 - 3, u'x') + u"\r\n";
    Write(folder + L"edge.lng", padding + u"LANGUAGE=Edge\r\nTASKS_DAY=Tag\r\n");

    table_.Scan();
    EXPECT_THAT(table_.AvailableLanguages(), UnorderedElementsAre(u"Notes", u"Edge"));
    EXPECT_THAT(table_.LanguagePictures(), UnorderedElementsAre(u"lngNotes.bmp", u"flag.bmp"));
    EXPECT_EQ(table_.LanguagePicture(u"Notes"), u"lngNotes.bmp");
    ASSERT_TRUE(table_.Select(u"Notes"));
    table_.LoadSelected();
    EXPECT_EQ(table_.Text(TextId::LANGUAGE), u"Notes") << "loaded from its own name";
    ASSERT_TRUE(table_.Select(u"Edge"));
    table_.LoadSelected();
    EXPECT_EQ(table_.Text(TextId::TASKS_DAY), u"Tag") << "loading reads the whole file";
}

TEST_F(LanguageTableTest, AChosenFileThatCannotBeReadOrIsTooLargeFallsBackToEnglish) {
    const std::wstring folder = MakeLanguageFolder();
    Write(folder + L"Deutsch.lng", u"LANGUAGE=Deutsch\r\nTASKS_DAY=Tag\r\n");
    std::vector<std::uint8_t> huge = EncodeUtf16Le(u"LANGUAGE=Huge\r\nTASKS_DAY=Tag\r\n");
    huge.resize(kMaxLanguageFileBytes + 2, 0);
    testing::WriteFileBytes(folder + L"huge.lng", huge);
    table_.Scan();
    ASSERT_TRUE(table_.Select(u"Huge"));
    table_.LoadSelected();
    EXPECT_EQ(table_.Text(TextId::TASKS_DAY), u"Day") << "offered, but not loaded";

    ASSERT_TRUE(table_.Select(u"Deutsch"));
    // Another program holds the file without letting anyone read it.
    HANDLE held = ::CreateFileW((folder + L"Deutsch.lng").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    table_.LoadSelected();
    ::CloseHandle(held);
    EXPECT_EQ(table_.Text(TextId::TASKS_DAY), u"Day");
    table_.LoadSelected();
    ASSERT_EQ(table_.Text(TextId::TASKS_DAY), u"Tag");
    ::DeleteFileW((folder + L"Deutsch.lng").c_str());  // gone since the scan
    table_.LoadSelected();
    EXPECT_EQ(table_.Text(TextId::TASKS_DAY), u"Day");
}

}  // namespace
}  // namespace tockly
