#pragma once

#include "platform/monotonic_clock.h"

namespace tockly {

// GetTickCount64: milliseconds since the system started, unaffected by changes of the clock.
class Win32MonotonicClock final : public MonotonicClock {
public:
    std::int64_t Milliseconds() const override;
};

}  // namespace tockly
