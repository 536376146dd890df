// tockly-inspect: prints what Tockly would make of a user's data file, as JSON.

#include <cstdio>
#include <string_view>
#include <vector>

#include "datafiles/commands.h"

namespace {

struct Command {
    std::string_view name;
    int (*run)(tockly::inspect::Arguments);
};

constexpr Command kCommands[] = {
    {"settings", tockly::inspect::InspectSettings},
    {"store", tockly::inspect::InspectStore},
    {"language", tockly::inspect::InspectLanguage},
};

int Usage(const char* reason) {
    std::fprintf(stderr, "tockly-inspect: %s\n", reason);
    return tockly::inspect::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage(
            "usage: tockly-inspect COMMAND FILE [options]; commands: settings, store, language");
    }
    const std::vector<std::string_view> arguments(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (command.name == argv[1]) {
            try {
                return command.run(arguments);
            } catch (const tockly::inspect::UsageError& error) {
                return Usage(error.what());
            }
        }
    }
    return Usage("unknown command");
}
