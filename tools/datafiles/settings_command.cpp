// tockly-inspect settings FILE [--rewrite OUT]

#include <cstdio>

#include "datafiles/commands.h"
#include "datafiles/file_io.h"
#include "datafiles/json_writer.h"
#include "shell/settings_file.h"
#include "support/utf16.h"

namespace tockly::inspect {

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
    json.Key("language");
    json.String(values.language);
    json.Key("startWithSystem");
    json.Bool(values.startWithSystem);
    json.Key("widgetTransparency");
    json.Int(values.widgetTransparency);
    json.Key("removeTaskAfterEnd");
    json.Bool(values.removeTaskAfterEnd);
    json.Key("showProgressBar");
    json.Bool(values.showProgressBar);
    json.Key("widgetsAlwaysOnTop");
    json.Bool(values.widgetsAlwaysOnTop);
    json.Key("stickyNoteTheme");
    json.Int(values.stickyNoteTheme);
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
