#include "shell/settings_file.h"

#include <optional>
#include <vector>

#include "shell/ini_lines.h"

namespace tockly {
namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";

std::u16string DecimalText(std::int32_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string_view SwitchText(bool value) {
    return value ? u"1" : u"0";
}

}  // namespace

const std::map<std::int32_t, std::u16string_view>& SettingsKeyTable() {
    static const std::map<std::int32_t, std::u16string_view> table = {
        {kKeyDefaultLanguage, u"DEFAULT_LANGUAGE"},
        {kKeyStartWithSystem, u"START_PROGRAM_ON_SYSTEM_STARTUP"},
        {kKeyWidgetTransparency, u"DEFAULT_WIDGETS_TRANSPARENCY"},
        {kKeyRemoveTaskAfterEnd, u"REMOVE_TASK_AFTER_END"},
        {kKeyShowProgressBar, u"SHOW_PROGRESS_BAR"},
        {kKeyWidgetsAlwaysOnTop, u"SHOW_WIDGETS_ALWAYS_ON_TOP"},
        {kKeyStickyNoteTheme, u"STICKY_NOTE_THEME"},
    };
    return table;
}

SettingsValues ParseSettingsText(std::u16string_view text) {
    const std::vector<std::u16string_view> lines = SplitIniLines(text);
    std::map<std::int32_t, std::u16string> found;
    for (const auto& [number, key] : SettingsKeyTable()) {
        found[number] = FindIniValue(lines, key).value_or(u"NULL");
    }
    auto is_on = [&](SettingsKey key) { return found[key] == u"1"; };
    auto number = [&](SettingsKey key, std::int32_t fallback) {
        return found[key] == u"NULL" ? fallback : ParseLeadingInt(found[key]).value_or(fallback);
    };

    SettingsValues values;
    values.language =
        found[kKeyDefaultLanguage] == u"NULL" ? u"English" : found[kKeyDefaultLanguage];
    values.startWithSystem = is_on(kKeyStartWithSystem);
    values.widgetTransparency = number(kKeyWidgetTransparency, 10);
    values.removeTaskAfterEnd = is_on(kKeyRemoveTaskAfterEnd);
    values.showProgressBar = is_on(kKeyShowProgressBar);
    values.widgetsAlwaysOnTop = is_on(kKeyWidgetsAlwaysOnTop);
    values.stickyNoteTheme = number(kKeyStickyNoteTheme, 0);
    return values;
}

std::u16string FormatSettingsText(const SettingsValues& values) {
    const auto& keys = SettingsKeyTable();
    std::u16string text;
    auto line = [&](std::u16string_view content) {
        text += content;
        text += kLineEnd;
    };
    auto entry = [&](SettingsKey key, std::u16string_view value) {
        text += keys.at(key);
        text += u'=';
        line(value);
    };
    line(u"; Tockly 1.0.0 ");
    line(u"; Application settings");
    line(u"");
    entry(kKeyDefaultLanguage, values.language);
    entry(kKeyStartWithSystem, SwitchText(values.startWithSystem));
    entry(kKeyWidgetTransparency, DecimalText(values.widgetTransparency));
    entry(kKeyRemoveTaskAfterEnd, SwitchText(values.removeTaskAfterEnd));
    entry(kKeyShowProgressBar, SwitchText(values.showProgressBar));
    entry(kKeyWidgetsAlwaysOnTop, SwitchText(values.widgetsAlwaysOnTop));
    entry(kKeyStickyNoteTheme, DecimalText(values.stickyNoteTheme));
    text += u"; ------------------";
    return text;
}

}  // namespace tockly
