#include "store_fuzz_checks.h"

#include <vector>

#include "platform/clock.h"
#include "tasks/load_rules.h"
#include "tasks/store_codec.h"

namespace tockly {

std::optional<std::string> CheckStoreBytes(std::span<const std::uint8_t> bytes) {
    const StoreDecodeResult result = DecodeTaskStore(bytes);
    if (!result.store) {
        if (result.error.empty() || result.error.find('\n') != std::string::npos) {
            return "a rejection must say why, in one line";
        }
        return std::nullopt;
    }
    // Empty text comes back as one space, so the saved bytes, not the tasks, must be stable.
    const std::vector<std::uint8_t> saved = EncodeTaskStore(*result.store);
    const StoreDecodeResult again = DecodeTaskStore(saved);
    if (!again.store || EncodeTaskStore(*again.store) != saved) {
        return "what loads does not save and load again to the same bytes";
    }
    // The load rules cope with every value a file can hold, whatever the present.
    for (const TimePoint& now :
         {TimePoint{1601, 1, 1, 0, 0, 0, 0}, TimePoint{2024, 2, 29, 12, 0, 0, 0},
          TimePoint{30827, 12, 31, 23, 59, 59, 999}}) {
        TaskStore loaded = *result.store;
        ApplyLoadRules(loaded, FixedClock(now));
        if (!DecodeTaskStore(EncodeTaskStore(loaded)).store) {
            return "the tasks kept at load do not save";
        }
    }
    return std::nullopt;
}

}  // namespace tockly
