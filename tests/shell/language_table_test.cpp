// LanguageTable on real folders under Wine: the language files the build puts beside Tockly.exe,
// and scratch folders with damaged and odd entries. Only the program's path comes from a fake.

#include "shell/language_table.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "shell/language_file.h"
#include "support/utf16.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_test_paths.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class FakeProgramEnvironment : public ProgramEnvironment {
public:
    std::optional<std::u16string> ModulePath() override { return modulePath; }
    std::optional<std::u16string> LocalAppDataFolder() override { return std::nullopt; }

    std::optional<std::u16string> modulePath;
};

// The language table never touches the autostart value; any call would be a fault.
class RefusingAutostart : public AutostartRegistry {
public:
    bool SetRunValue(std::u16string_view, std::u16string_view) override {
        ADD_FAILURE() << "autostart written";
        return false;
    }
    bool DeleteRunValue(std::u16string_view) override {
        ADD_FAILURE() << "autostart deleted";
        return false;
    }
};

std::vector<std::uint8_t> Utf16(std::u16string_view text) {
    return EncodeUtf16Le(text);
}

class LanguageTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testing::MakeScratchFolder(L"language");
        settings_.SetDefaults();
    }
    void TearDown() override { testing::RemoveTree(root_); }

    // A program folder of the scratch folder with an empty "language" folder beside it.
    std::wstring MakeProgramFolder() {
        const std::wstring program = root_ + L"\\program";
        ::CreateDirectoryW(program.c_str(), nullptr);
        ::CreateDirectoryW((program + L"\\language").c_str(), nullptr);
        environment_.modulePath = FromWide(program + L"\\Tockly.exe");
        return program + L"\\language";
    }

    std::wstring root_;
    FakeProgramEnvironment environment_;
    RefusingAutostart autostart_;
    FixedClock clock_{TimePoint{2024, 1, 1, 12, 0, 0, 0}};
    OutsideWorld world_{environment_, autostart_, clock_};
    AppSettings settings_{world_};
};

TEST_F(LanguageTableTest, TheShippedFolderOffersItsLanguagesAndLoadsTheChosenOne) {
    environment_.modulePath = FromWide(testing::TocklyExe());
    settings_.values().language = u"Deutsch";
    LanguageTable table(environment_);
    table.SetSettings(&settings_);
    table.Load();

    EXPECT_EQ(table.LanguageFolder(), FromWide(testing::BinaryFolder() + L"\\language"));
    EXPECT_THAT(table.AvailableLanguages(),
                UnorderedElementsAre(u"English", u"Deutsch", u"Fran\u00e7ais"));
    EXPECT_FALSE(table.defaultMode());
    EXPECT_EQ(table.Text(TextId::GENERAL_SETTINGS), u"Einstellungen");
    EXPECT_EQ(table.Text(TextId::GENERAL_INTERNET_CONNECTIONS), u"Internet-\nverbindungen");
    EXPECT_EQ(table.Text(TextId::LANGUAGE), u"Deutsch");
    EXPECT_EQ(table.Text(TextId::TASK_COUNTER_AT_MODE), u"at");
    EXPECT_EQ(table.Text(99), u"ERROR");

    // The settings page switches the language.
    ASSERT_TRUE(table.Select(u"Fran\u00e7ais"));
    table.LoadSelected();
    EXPECT_EQ(table.Text(TextId::TEXT_BOX_PASTE), u"Coller");
    ASSERT_TRUE(table.Select(u"English"));
    table.LoadSelected();
    EXPECT_EQ(table.Text(TextId::TEXT_BOX_PASTE), u"Paste");
}

TEST_F(LanguageTableTest, ALanguageWithoutFileGivesTheWholeInterfaceInEnglish) {
    environment_.modulePath = FromWide(testing::TocklyExe());
    settings_.values().language = u"Klingon";
    LanguageTable table(environment_);
    table.SetSettings(&settings_);
    table.Load();
    EXPECT_EQ(table.AvailableLanguages().size(), 3u);
    EXPECT_TRUE(table.defaultMode());
    EXPECT_EQ(table.Text(TextId::GENERAL_SETTINGS), u"Settings");
    EXPECT_EQ(table.Text(TextId::COUNTER_TYPE_CHANGE), u"Change counter task");
}

TEST_F(LanguageTableTest, WithoutSettingsLoadDoesNothing) {
    environment_.modulePath = FromWide(testing::TocklyExe());
    LanguageTable table(environment_);
    table.Load();
    EXPECT_TRUE(table.AvailableLanguages().empty());
    EXPECT_FALSE(table.defaultMode());
    EXPECT_EQ(table.Text(TextId::GENERAL_SETTINGS), u"Settings");
}

TEST_F(LanguageTableTest, AMissingFolderOrProgramPathLeavesOnlyEnglish) {
    LanguageTable table(environment_);
    table.SetSettings(&settings_);
    environment_.modulePath = FromWide(root_ + L"\\nowhere\\Tockly.exe");
    table.Load();
    EXPECT_TRUE(table.AvailableLanguages().empty());
    EXPECT_TRUE(table.defaultMode());

    environment_.modulePath.reset();
    table.Load();
    EXPECT_FALSE(table.LanguageFolder().has_value());
    EXPECT_TRUE(table.AvailableLanguages().empty());
    EXPECT_EQ(table.Text(TextId::TASKS_TITLE), u"Title");
}

TEST_F(LanguageTableTest, TheScanKeepsLanguageFilesAndPicturesByTheirNamesOnly) {
    const std::wstring folder = MakeProgramFolder();
    const auto german = Utf16(u"LANGUAGE=Deutsch\r\nTEXT_BOX_COPY=Kopieren\r\n");
    testing::WriteFileBytes(folder + L"\\Deutsch.lng", german);
    testing::WriteFileBytes(folder + L"\\lngNotes.txt", Utf16(u"; x\r\nLANGUAGE=Notes\r\n"));
    testing::WriteFileBytes(folder + L"\\SHOUT.LNG", Utf16(u"LANGUAGE=Shout\r\n"));
    testing::WriteFileBytes(folder + L"\\readme.txt", Utf16(u"LANGUAGE=Readme\r\n"));
    testing::WriteFileBytes(folder + L"\\copy.lng", german);
    testing::WriteFileBytes(folder + L"\\broken.lng", {0xFF, 0xFE, 0x00});
    testing::WriteFileBytes(folder + L"\\lngNotes.bmp", {'B', 'M'});
    testing::WriteFileBytes(folder + L"\\flag.bmp", {'B', 'M'});
    ::CreateDirectoryW((folder + L"\\folder.lng").c_str(), nullptr);
    ::CreateDirectoryW((folder + L"\\folder.bmp").c_str(), nullptr);

    LanguageTable table(environment_);
    table.Scan();
    // One of the two German files keeps the name, whichever the folder lists first.
    EXPECT_THAT(table.AvailableLanguages(), UnorderedElementsAre(u"Deutsch", u"Notes"));
    EXPECT_THAT(table.LanguagePictures(), UnorderedElementsAre(u"lngNotes.bmp", u"flag.bmp"));
    EXPECT_EQ(table.LanguagePicture(u"Notes"), u"lngNotes.bmp");

    // A file named with "lng" inside loads from its own name.
    ASSERT_TRUE(table.Select(u"Notes"));
    EXPECT_EQ(table.SelectedFile(), u"lngNotes.txt");
    table.LoadSelected();
    EXPECT_EQ(table.Text(TextId::LANGUAGE), u"Notes");
}

TEST_F(LanguageTableTest, OnlyTheFirst498BytesDecideWhetherAFileIsOffered) {
    const std::wstring folder = MakeProgramFolder();
    const std::u16string line = u"LANGUAGE=Edge\r\n";
    const std::u16string padding = u";" + std::u16string(249 - line.size() - 3, u'x') + u"\r\n";
    testing::WriteFileBytes(folder + L"\\edge.lng", Utf16(padding + line + u"TASKS_DAY=Tag\r\n"));
    testing::WriteFileBytes(folder + L"\\late.lng", Utf16(u";x" + padding + line));

    LanguageTable table(environment_);
    table.Scan();
    EXPECT_THAT(table.AvailableLanguages(), ElementsAre(u"Edge"));
    ASSERT_TRUE(table.Select(u"Edge"));
    table.LoadSelected();
    EXPECT_EQ(table.Text(TextId::TASKS_DAY), u"Tag") << "the whole file is read when loading";
}

TEST_F(LanguageTableTest, AChosenFileThatCannotBeReadFallsBackToEnglish) {
    const std::wstring folder = MakeProgramFolder();
    testing::WriteFileBytes(folder + L"\\Deutsch.lng",
                            Utf16(u"LANGUAGE=Deutsch\r\nTASKS_DAY=Tag\r\n"));
    LanguageTable table(environment_);
    table.Scan();
    ASSERT_TRUE(table.Select(u"Deutsch"));
    table.LoadSelected();
    ASSERT_EQ(table.Text(TextId::TASKS_DAY), u"Tag");

    {
        // Another program holds the file without letting anyone read it.
        HANDLE held = ::CreateFileW((folder + L"\\Deutsch.lng").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        table.LoadSelected();
        ::CloseHandle(held);
        EXPECT_EQ(table.Text(TextId::TASKS_DAY), u"Day");
    }

    // Gone since the scan.
    ::DeleteFileW((folder + L"\\Deutsch.lng").c_str());
    table.LoadSelected();
    EXPECT_EQ(table.Text(TextId::TASKS_DAY), u"Day");
    EXPECT_FALSE(table.defaultMode());
}

TEST_F(LanguageTableTest, AnOversizedFileIsOfferedButNotLoaded) {
    const std::wstring folder = MakeProgramFolder();
    std::vector<std::uint8_t> bytes = Utf16(u"LANGUAGE=Huge\r\nTASKS_DAY=Tag\r\n");
    bytes.resize(kMaxLanguageFileBytes + 2, 0);
    testing::WriteFileBytes(folder + L"\\huge.lng", bytes);
    LanguageTable table(environment_);
    table.Scan();
    ASSERT_TRUE(table.Select(u"Huge"));
    table.LoadSelected();
    EXPECT_EQ(table.Text(TextId::TASKS_DAY), u"Day");
}

}  // namespace
}  // namespace tockly
