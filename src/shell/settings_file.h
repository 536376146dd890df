#pragma once
// The text of "settings.ini": its key table, defaults, reading and writing.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace tockly {

struct SettingsValues {
    std::u16string language = u"English";
    bool startWithSystem = false;
    std::int32_t widgetTransparency = 10;
    bool removeTaskAfterEnd = false;
    bool showProgressBar = true;
    bool widgetsAlwaysOnTop = false;
    std::int32_t stickyNoteTheme = 0;

    bool operator==(const SettingsValues&) const = default;
};

// Key numbers of the settings file; reading walks them in ascending order.
enum SettingsKey : std::int32_t {
    kKeyDefaultLanguage = 1000,
    kKeyStartWithSystem = 1001,
    kKeyWidgetTransparency = 1002,
    kKeyRemoveTaskAfterEnd = 1003,
    kKeyShowProgressBar = 1004,
    kKeyWidgetsAlwaysOnTop = 1005,
    kKeyStickyNoteTheme = 1006,
};

const std::map<std::int32_t, std::u16string_view>& SettingsKeyTable();

// The values the program uses after reading `text`, the file's whole content. A key that is
// missing or empty gets its "NULL" meaning: English, off for the switches, 10 and 0 for the
// numbers (also when the text there is not a number at all).
SettingsValues ParseSettingsText(std::u16string_view text);

// The whole file as `Save` writes it (without byte-order mark; the last line has no CR LF).
std::u16string FormatSettingsText(const SettingsValues& values);

}  // namespace tockly
