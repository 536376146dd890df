// libFuzzer target: arbitrary bytes as a language file (offer, read, choose, load, look up).

#include <cstdio>
#include <cstdlib>

#include "language_fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto broken = tockly::CheckLanguageFileBytes({data, size})) {
        std::fprintf(stderr, "language file rule broken: %s\n", broken->c_str());
        std::abort();
    }
    return 0;
}
