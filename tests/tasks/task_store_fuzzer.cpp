// libFuzzer target for the task store decoder: nothing it is given may crash it, read outside the
// input or overflow, and the rules of store_fuzz_checks.h must hold. Each input is tried as it is
// and once more with its length field set to its size, so that mutations reach past the length
// check.

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "store_fuzz_checks.h"

namespace {

void Check(std::span<const std::uint8_t> bytes) {
    if (const auto broken = tockly::CheckStoreBytes(bytes)) {
        std::fprintf(stderr, "task store rule broken: %s\n", broken->c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Check({data, size});
    if (size >= 4) {
        std::vector<std::uint8_t> fitted(data, data + size);
        for (int i = 0; i < 4; ++i) {
            fitted[i] = static_cast<std::uint8_t>(size >> (8 * i));
        }
        Check(fitted);
    }
    return 0;
}
