#pragma once
// Where the program runs: its own path and the user's local application-data folder.

#include <optional>
#include <string>

namespace tockly {

class ProgramEnvironment {
public:
    virtual ~ProgramEnvironment() = default;

    // The program's own full path (GetModuleFileNameW), as the platform reports it.
    virtual std::optional<std::u16string> ModulePath() = 0;

    // The user's local, non-roaming application-data folder (SHGetFolderPathW).
    virtual std::optional<std::u16string> LocalAppDataFolder() = 0;

    // The folder the program runs from, which holds its language files and skin bitmaps: the
    // module path cut before its last "\". nullopt when the path is unknown or has no "\".
    std::optional<std::u16string> ProgramFolder() {
        const std::optional<std::u16string> path = ModulePath();
        const std::size_t separator = path ? path->rfind(u'\\') : std::u16string::npos;
        if (separator == std::u16string::npos) {
            return std::nullopt;
        }
        return path->substr(0, separator);
    }
};

}  // namespace tockly
