#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "shell/autostart_command.h"

namespace tockly {
namespace {

constexpr char16_t kDefaultFile[] =
    u"; Tockly 1.0.0 \r\n"
    u"; Application settings\r\n"
    u"\r\n"
    u"DEFAULT_LANGUAGE=English\r\n"
    u"START_PROGRAM_ON_SYSTEM_STARTUP=0\r\n"
    u"DEFAULT_WIDGETS_TRANSPARENCY=10\r\n"
    u"REMOVE_TASK_AFTER_END=0\r\n"
    u"SHOW_PROGRESS_BAR=1\r\n"
    u"SHOW_WIDGETS_ALWAYS_ON_TOP=0\r\n"
    u"STICKY_NOTE_THEME=0\r\n"
    u"; ------------------";

// Collects the key numbers of the list of settings.
struct KeyNumbers {
    template <typename Field, typename Default>
    void Text(const SettingKey& key, const Field&, const Default&) {
        numbers.push_back(key.number);
    }
    template <typename Field, typename Default>
    void Switch(const SettingKey& key, const Field& field, const Default& fallback) {
        Text(key, field, fallback);
    }
    template <typename Field, typename Default>
    void Number(const SettingKey& key, const Field& field, const Default& fallback) {
        Text(key, field, fallback);
    }
    std::vector<std::int32_t> numbers;
};

TEST(SettingsFile, DefaultsAreWrittenExactlyAndReadBackWithTheKeysInAscendingNumber) {
    EXPECT_EQ(FormatSettingsText(SettingsValues{}), kDefaultFile);
    EXPECT_EQ(ParseSettingsText(kDefaultFile), SettingsValues{});
    KeyNumbers keys;
    const SettingsValues values;
    VisitSettings(keys, values);
    EXPECT_EQ(keys.numbers, (std::vector<std::int32_t>{1000, 1001, 1002, 1003, 1004, 1005, 1006}));
}

TEST(SettingsFile, EveryValueRoundTrips) {
    SettingsValues values;
    values.language = u"Fran\u00e7ais";
    values.startWithSystem = true;
    values.widgetTransparency = 45;
    values.removeTaskAfterEnd = true;
    values.showProgressBar = false;
    values.widgetsAlwaysOnTop = true;
    values.stickyNoteTheme = -1;
    EXPECT_EQ(ParseSettingsText(FormatSettingsText(values)), values);
}

TEST(SettingsFile, AnEmptyOrForeignFileMeansNullForEveryKey) {
    const SettingsValues values = ParseSettingsText(u"");
    EXPECT_EQ(values.language, u"English");
    EXPECT_FALSE(values.startWithSystem);
    EXPECT_EQ(values.widgetTransparency, 10);
    // Unlike a missing file, an existing one without the key turns the progress bar off.
    EXPECT_FALSE(values.showProgressBar);
    EXPECT_EQ(values.stickyNoteTheme, 0);
}

TEST(SettingsFile, LineRulesDecideWhichValueCounts) {
    const SettingsValues values = ParseSettingsText(
        u"[Tockly]\r\n"
        u"SHOW_PROGRESS_BAR=\r\n"
        u"SHOW_PROGRESS_BAR=1\r\n"
        u"DEFAULT_LANGUAGE=NULL\r\n"
        u"START_PROGRAM_ON_SYSTEM_STARTUP=true\r\n"
        u"DEFAULT_WIDGETS_TRANSPARENCY= 30x\r\n"
        u";STICKY_NOTE_THEME=2\r\n"
        u"REMOVE_TASK_AFTER_END=1\n\r\n"
        u"SHOW_WIDGETS_ALWAYS_ON_TOP=1");  // no CR LF: not a line
    EXPECT_TRUE(values.showProgressBar);
    EXPECT_EQ(values.language, u"English");
    EXPECT_FALSE(values.startWithSystem);
    EXPECT_EQ(values.widgetTransparency, 30);
    EXPECT_EQ(values.stickyNoteTheme, 0);
    EXPECT_FALSE(values.removeTaskAfterEnd);  // "1\n" is not "1"
    EXPECT_FALSE(values.widgetsAlwaysOnTop);
}

TEST(SettingsFile, NumbersThatAreNotNumbersFallBackToTheDefaults) {
    const SettingsValues values =
        ParseSettingsText(u"DEFAULT_WIDGETS_TRANSPARENCY=abc\r\nSTICKY_NOTE_THEME=99999999999\r\n");
    EXPECT_EQ(values.widgetTransparency, 10);
    EXPECT_EQ(values.stickyNoteTheme, 0);
}

TEST(SettingsFile, LanguageKeepsUnusualCharactersThroughARoundTrip) {
    SettingsValues values;
    values.language = u" Deutsch\n(Schweiz) \r";
    EXPECT_EQ(ParseSettingsText(FormatSettingsText(values)).language, values.language);
}

TEST(AutostartCommand, QuotesThePathAndDropsTheLongPathPrefix) {
    EXPECT_EQ(AutostartCommand(u"C:\\Program Files\\Tockly\\Tockly.exe"),
              u"\"C:\\Program Files\\Tockly\\Tockly.exe\"");
    EXPECT_EQ(AutostartCommand(u"\\\\?\\C:\\Tockly\\Tockly.exe"), u"\"C:\\Tockly\\Tockly.exe\"");
    EXPECT_EQ(AutostartCommand(u"\\\\server\\share\\Tockly.exe"),
              u"\"\\\\server\\share\\Tockly.exe\"");
    // The long form of a network path becomes the plain one, not "UNC\server\...".
    EXPECT_EQ(AutostartCommand(u"\\\\?\\UNC\\server\\share\\Tockly.exe"),
              u"\"\\\\server\\share\\Tockly.exe\"");
}

}  // namespace
}  // namespace tockly
