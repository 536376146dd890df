// libFuzzer target for the task store decoder: nothing it is given may crash it, read outside the
// input or overflow, whatever decodes must save and load again to the same bytes, and the load
// rules must cope with every value a file can hold. Each input is tried as it is and once more
// with its length field set to its size, so that mutations reach past the length check.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/clock.h"
#include "tasks/load_rules.h"
#include "tasks/store_codec.h"

namespace {

void Check(std::span<const std::uint8_t> bytes) {
    using namespace tockly;
    const StoreDecodeResult result = DecodeTaskStore(bytes);
    if (!result.store) {
        if (result.error.empty()) {
            std::abort();  // a rejection always says why
        }
        return;
    }
    const std::vector<std::uint8_t> saved = EncodeTaskStore(*result.store);
    const StoreDecodeResult again = DecodeTaskStore(saved);
    if (!again.store || EncodeTaskStore(*again.store) != saved) {
        std::abort();
    }
    for (const TimePoint& now :
         {TimePoint{1601, 1, 1, 0, 0, 0, 0}, TimePoint{2024, 2, 29, 12, 0, 0, 0},
          TimePoint{30827, 12, 31, 23, 59, 59, 999}}) {
        TaskStore loaded = *result.store;
        ApplyLoadRules(loaded, FixedClock(now));
        if (!DecodeTaskStore(EncodeTaskStore(loaded)).store) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    Check(input);
    if (size >= 4) {
        std::vector<std::uint8_t> fitted(input.begin(), input.end());
        for (int i = 0; i < 4; ++i) {
            fitted[i] = static_cast<std::uint8_t>(size >> (8 * i));
        }
        Check(fitted);
    }
    return 0;
}
