// tockly-inspect language FILE

#include <cstdio>
#include <string>

#include "datafiles/commands.h"
#include "datafiles/file_io.h"
#include "datafiles/json_writer.h"
#include "shell/language_file.h"
#include "shell/language_texts.h"
#include "support/utf16.h"

namespace tockly::inspect {
namespace {

// The name the folder scan sees: the path's last part.
std::u16string FileNameOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return FromUtf8(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

}  // namespace

int InspectLanguage(Arguments arguments) {
    if (arguments.size() != 1) {
        throw UsageError("usage: tockly-inspect language FILE");
    }
    const std::u16string fileName = FileNameOf(arguments[0]);
    const auto bytes = ReadBytes(std::string(arguments[0]));

    // FILE as the only file of the language folder, chosen and loaded as at start-up. A file the
    // scan would skip leaves nothing to choose: default mode, the English texts.
    LanguageTexts texts;
    std::optional<std::u16string> name;
    if (bytes && IsLanguageFileName(fileName)) {
        name = texts.AddLanguageFile(fileName, *bytes);
    }
    texts.Select(name.value_or(u""));
    texts.LoadSelectedFrom(bytes);

    JsonWriter json;
    json.BeginObject();
    json.Key("offered");
    json.Bool(name.has_value());
    json.Key("name");
    if (name) {
        json.String(*name);
    } else {
        json.Null();
    }
    json.Key("texts");
    json.BeginObject();
    for (const LanguageEntry& entry : LanguageEntries()) {
        json.Key(std::to_string(entry.number));
        json.String(texts.Text(entry.number));
    }
    json.EndObject();
    json.EndObject();
    std::printf("%s\n", json.text().c_str());
    return kExitOk;
}

}  // namespace tockly::inspect
