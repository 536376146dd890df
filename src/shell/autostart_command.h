#pragma once

#include <string>
#include <string_view>

namespace tockly {

// The data of the autostart value: the program path in double quotes. A path of the long form
// loses its prefix, which the shell does not accept in a command line: "\\?\C:\..." becomes
// "C:\..." and "\\?\UNC\server\share\..." becomes "\\server\share\...".
inline std::u16string AutostartCommand(std::u16string_view modulePath) {
    constexpr std::u16string_view kLongPathPrefix = u"\\\\?\\";
    constexpr std::u16string_view kLongUncPrefix = u"\\\\?\\UNC\\";
    std::u16string command = u"\"";
    if (modulePath.starts_with(kLongUncPrefix)) {
        modulePath.remove_prefix(kLongUncPrefix.size());
        command += u"\\\\";
    } else if (modulePath.starts_with(kLongPathPrefix)) {
        modulePath.remove_prefix(kLongPathPrefix.size());
    }
    command += modulePath;
    command += u'"';
    return command;
}

}  // namespace tockly
