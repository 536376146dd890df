#pragma once

#include <string>
#include <string_view>

namespace tockly {

// The data of the autostart value: the program path in double quotes. A path of the long form
// "\\?\C:\..." loses that prefix, which the shell does not accept in a command line.
inline std::u16string AutostartCommand(std::u16string_view modulePath) {
    constexpr std::u16string_view kLongPathPrefix = u"\\\\?\\";
    if (modulePath.starts_with(kLongPathPrefix)) {
        modulePath.remove_prefix(kLongPathPrefix.size());
    }
    std::u16string command = u"\"";
    command += modulePath;
    command += u'"';
    return command;
}

}  // namespace tockly
