#include "shell/settings_file.h"

#include <optional>
#include <vector>

#include "shell/ini_lines.h"

namespace tockly {
namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";
// What a key that no line gives reads as.
constexpr std::u16string_view kMissing = u"NULL";

class DefaultSetter {
public:
    void Text(const SettingKey&, std::u16string& field, std::u16string_view fallback) {
        field = fallback;
    }
    void Switch(const SettingKey&, bool& field, bool fallback) { field = fallback; }
    void Number(const SettingKey&, std::int32_t& field, std::int32_t fallback) { field = fallback; }
};

class Parser {
public:
    explicit Parser(std::u16string_view text) : lines_(SplitIniLines(text)) {}

    void Text(const SettingKey& key, std::u16string& field, std::u16string_view fallback) {
        const std::u16string value = Value(key);
        field = value == kMissing ? std::u16string(fallback) : value;
    }
    void Switch(const SettingKey& key, bool& field, bool) { field = Value(key) == u"1"; }
    void Number(const SettingKey& key, std::int32_t& field, std::int32_t fallback) {
        const std::u16string value = Value(key);
        field = value == kMissing ? fallback : ParseLeadingInt(value).value_or(fallback);
    }

private:
    std::u16string Value(const SettingKey& key) const {
        return FindIniValue(lines_, key.key).value_or(std::u16string(kMissing));
    }

    std::vector<std::u16string_view> lines_;
};

class Formatter {
public:
    void Text(const SettingKey& key, const std::u16string& field, std::u16string_view) {
        Entry(key, field);
    }
    void Switch(const SettingKey& key, bool field, bool) { Entry(key, field ? u"1" : u"0"); }
    void Number(const SettingKey& key, std::int32_t field, std::int32_t) {
        const std::string digits = std::to_string(field);
        Entry(key, std::u16string(digits.begin(), digits.end()));
    }

    void Line(std::u16string_view content) {
        text += content;
        text += kLineEnd;
    }

    std::u16string text;

private:
    void Entry(const SettingKey& key, std::u16string_view value) {
        text += key.key;
        text += u'=';
        Line(value);
    }
};

}  // namespace

SettingsValues::SettingsValues() {
    DefaultSetter defaults;
    VisitSettings(defaults, *this);
}

SettingsValues ParseSettingsText(std::u16string_view text) {
    Parser parser(text);
    SettingsValues values;
    VisitSettings(parser, values);
    return values;
}

std::u16string FormatSettingsText(const SettingsValues& values) {
    Formatter formatter;
    formatter.Line(u"; Tockly 1.0.0 ");
    formatter.Line(u"; Application settings");
    formatter.Line(u"");
    VisitSettings(formatter, values);
    formatter.text += u"; ------------------";
    return formatter.text;
}

}  // namespace tockly
