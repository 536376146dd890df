// AppSettings against the real file system and registry of the Wine prefix. Only the folder and
// the module path come from a fake, so that each test has its own folder and a path of its
// choosing.

#include "shell/app_settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32_autostart_registry.h"
#include "support/fake_outside_world.h"
#include "support/utf16.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_test_paths.h"

namespace tockly {
namespace {

using testing::FileBytes;
using testing::PathExists;
using testing::RemoveTree;

std::optional<std::wstring> RunValue() {
    wchar_t data[1024];
    DWORD size = sizeof(data);
    DWORD type = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                       L"Tockly", RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, (std::wcslen(data) + 1) * sizeof(wchar_t)) << "length counts the zero";
    return std::wstring(data);
}

class AppSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testing::MakeScratchFolder(L"settings");
        environment_.appDataFolder = FromWide(root_);
        environment_.modulePath = u"C:\\Program Files\\Tockly\\Tockly.exe";
    }
    void TearDown() override {
        RemoveTree(root_);
        Win32AutostartRegistry().DeleteRunValue(u"Tockly");
    }

    std::wstring DataFolder() const { return root_ + L"\\Tockly"; }
    std::wstring SettingsFile() const { return DataFolder() + L"\\settings.ini"; }

    std::wstring root_;
    testing::FakeProgramEnvironment environment_;
    Win32AutostartRegistry registry_;
    FixedClock clock_{TimePoint{2024, 1, 1, 12, 0, 0, 0}};
    OutsideWorld world_{environment_, registry_, clock_};
};

TEST_F(AppSettingsTest, MissingFileFailsToLoadButCreatesTheDataFolder) {
    AppSettings settings(world_);
    settings.values().widgetTransparency = 77;
    EXPECT_FALSE(settings.Load());
    EXPECT_TRUE(PathExists(DataFolder()));
    EXPECT_FALSE(PathExists(SettingsFile())) << "nothing is written while loading";
    EXPECT_EQ(settings.widgetTransparency(), 77) << "a failed load leaves the values alone";
}

TEST_F(AppSettingsTest, SaveWritesUtf16WithoutByteOrderMarkAndLoadReadsItBack) {
    AppSettings settings(world_);
    ASSERT_FALSE(settings.Load());
    settings.values().language = u"Deutsch";
    settings.values().stickyNoteTheme = 2;
    ASSERT_TRUE(settings.Save());

    const auto bytes = FileBytes(SettingsFile());
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, EncodeUtf16Le(FormatSettingsText(settings.values())));
    ASSERT_GE(bytes->size(), 2u);
    EXPECT_EQ((*bytes)[0], ';');
    EXPECT_EQ((*bytes)[1], 0) << "no byte-order mark";
    EXPECT_FALSE(PathExists(SettingsFile() + L".tmp"));

    AppSettings reloaded(world_);
    EXPECT_TRUE(reloaded.Load());
    EXPECT_EQ(reloaded.values(), settings.values());
}

TEST_F(AppSettingsTest, SaveRecreatesADeletedDataFolder) {
    AppSettings settings(world_);
    ASSERT_FALSE(settings.Load());
    RemoveTree(DataFolder());
    ASSERT_FALSE(PathExists(DataFolder()));
    EXPECT_TRUE(settings.Save());
    EXPECT_TRUE(PathExists(SettingsFile()));
}

TEST_F(AppSettingsTest, SaveFailsWithoutAnAppDataFolderAndWritesNothing) {
    environment_.appDataFolder = FromWide(root_ + L"\\missing\\deeper");
    AppSettings settings(world_);
    EXPECT_FALSE(settings.Save());
    EXPECT_FALSE(PathExists(root_ + L"\\missing"));
}

TEST_F(AppSettingsTest, AFailedSaveKeepsThePreviousFile) {
    AppSettings settings(world_);
    ASSERT_FALSE(settings.Load());
    ASSERT_TRUE(settings.Save());
    const auto before = FileBytes(SettingsFile());
    // A folder where the temporary file would go makes the new write fail before the old file
    // is touched.
    ASSERT_TRUE(::CreateDirectoryW((SettingsFile() + L".tmp").c_str(), nullptr));
    settings.values().language = u"Other";
    EXPECT_FALSE(settings.Save());
    EXPECT_EQ(FileBytes(SettingsFile()), before);
}

TEST_F(AppSettingsTest, AutostartValueIsTheQuotedPathAndIsRemovedAgain) {
    AppSettings settings(world_);
    settings.WriteAutostart();
    EXPECT_EQ(RunValue(), L"\"C:\\Program Files\\Tockly\\Tockly.exe\"");
    settings.RemoveAutostart();
    EXPECT_FALSE(RunValue().has_value());
    settings.RemoveAutostart();  // removing twice is harmless
}

TEST_F(AppSettingsTest, AutostartDropsTheLongPathPrefixOfTheModulePath) {
    environment_.modulePath = u"\\\\?\\D:\\Tools\\Tockly.exe";
    AppSettings settings(world_);
    settings.WriteAutostart();
    EXPECT_EQ(RunValue(), L"\"D:\\Tools\\Tockly.exe\"");
}

TEST_F(AppSettingsTest, AutostartWritesNothingWithoutAModulePath) {
    environment_.modulePath.reset();
    AppSettings settings(world_);
    settings.WriteAutostart();
    EXPECT_FALSE(RunValue().has_value());
}

}  // namespace
}  // namespace tockly
