// tockly-inspect settings FILE [--rewrite OUT]

#include <cstdio>

#include "datafiles/commands.h"
#include "datafiles/file_io.h"
#include "datafiles/json_writer.h"
#include "shell/settings_file.h"
#include "support/utf16.h"

namespace tockly::inspect {
namespace {

// Writes each setting under its field's name.
class JsonSettings {
public:
    explicit JsonSettings(JsonWriter& json) : json_(json) {}

    void Text(const SettingKey& key, const std::u16string& value, std::u16string_view) {
        json_.Key(key.name);
        json_.String(value);
    }
    void Switch(const SettingKey& key, bool value, bool) {
        json_.Key(key.name);
        json_.Bool(value);
    }
    void Number(const SettingKey& key, std::int32_t value, std::int32_t) {
        json_.Key(key.name);
        json_.Int(value);
    }

private:
    JsonWriter& json_;
};

}  // namespace

int InspectSettings(Arguments arguments) {
    if (arguments.size() != 1 && !(arguments.size() == 3 && arguments[1] == "--rewrite")) {
        throw UsageError("usage: tockly-inspect settings FILE [--rewrite OUT]");
    }
    const auto bytes = ReadBytes(std::string(arguments[0]));
    // An unreadable file leaves the start-up defaults, as in Tockly.
    const SettingsValues values =
        bytes ? ParseSettingsText(DecodeUtf16Le(*bytes)) : SettingsValues{};

    JsonWriter json;
    json.BeginObject();
    json.Key("loaded");
    json.Bool(bytes.has_value());
    JsonSettings fields(json);
    VisitSettings(fields, values);
    json.EndObject();
    std::printf("%s\n", json.text().c_str());

    if (arguments.size() == 3 &&
        !WriteBytes(std::string(arguments[2]), EncodeUtf16Le(FormatSettingsText(values)))) {
        std::fprintf(stderr, "tockly-inspect: cannot write %s\n",
                     std::string(arguments[2]).c_str());
        return 1;
    }
    return kExitOk;
}

}  // namespace tockly::inspect
