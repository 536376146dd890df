#pragma once
// The text of "settings.ini": its keys, defaults, reading and writing.

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace tockly {

struct SettingsValues {
    std::u16string language;
    bool startWithSystem;
    std::int32_t widgetTransparency;
    bool removeTaskAfterEnd;
    bool showProgressBar;
    bool widgetsAlwaysOnTop;
    std::int32_t stickyNoteTheme;

    // The values at start-up when there is no file to read: each setting's default.
    SettingsValues();

    bool operator==(const SettingsValues&) const = default;
};

// One setting of the file: its key number (reading walks the keys in ascending number), its key
// in the file and its field's name (in the inspector's output).
struct SettingKey {
    std::int32_t number;
    std::u16string_view key;
    std::string_view name;
};

// The settings in file order, listed once: the parser, the formatter, the defaults and the
// inspector all walk this list. A visitor offers, each taking the key, the field (const for
// readers) and the default:
//   Text   - the value as written; missing (or "NULL") means the default;
//   Switch - "1" is on and anything else off, also a missing key (the default is for no file);
//   Number - a decimal integer read as a stream would; missing or not a number is the default.
template <typename V, typename Values>
requires std::same_as<std::remove_const_t<Values>, SettingsValues>
void VisitSettings(V& v, Values& values) {
    v.Text({1000, u"DEFAULT_LANGUAGE", "language"}, values.language, u"English");
    v.Switch({1001, u"START_PROGRAM_ON_SYSTEM_STARTUP", "startWithSystem"}, values.startWithSystem,
             false);
    v.Number({1002, u"DEFAULT_WIDGETS_TRANSPARENCY", "widgetTransparency"},
             values.widgetTransparency, 10);
    v.Switch({1003, u"REMOVE_TASK_AFTER_END", "removeTaskAfterEnd"}, values.removeTaskAfterEnd,
             false);
    v.Switch({1004, u"SHOW_PROGRESS_BAR", "showProgressBar"}, values.showProgressBar, true);
    v.Switch({1005, u"SHOW_WIDGETS_ALWAYS_ON_TOP", "widgetsAlwaysOnTop"}, values.widgetsAlwaysOnTop,
             false);
    v.Number({1006, u"STICKY_NOTE_THEME", "stickyNoteTheme"}, values.stickyNoteTheme, 0);
}

// The values the program uses after reading `text`, the file's whole content. A key that is
// missing or empty gets its "NULL" meaning: English, off for the switches, 10 and 0 for the
// numbers (also when the text there is not a number at all).
SettingsValues ParseSettingsText(std::u16string_view text);

// The whole file as `Save` writes it (without byte-order mark; the last line has no CR LF).
std::u16string FormatSettingsText(const SettingsValues& values);

}  // namespace tockly
