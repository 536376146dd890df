// libFuzzer target for the stopwatch's times list reader: no file a user may pick can crash it,
// make it read outside the input or overflow, and the rules of times_list_fuzz_checks.h hold.

#include <cstdio>
#include <cstdlib>

#include "times_list_fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto broken = tockly::CheckTimesListBytes({data, size})) {
        std::fprintf(stderr, "times list rule broken: %s\n", broken->c_str());
        std::abort();
    }
    return 0;
}
