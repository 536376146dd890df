// libFuzzer target: arbitrary bytes as "settings.ini" (read, write back, read again).

#include <cstdio>
#include <cstdlib>

#include "settings_fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto broken = tockly::CheckSettingsFileBytes({data, size})) {
        std::fprintf(stderr, "settings file rule broken: %s\n", broken->c_str());
        std::abort();
    }
    return 0;
}
