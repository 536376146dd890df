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
};

}  // namespace tockly
