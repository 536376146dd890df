#pragma once

#include "platform/clock.h"

namespace tockly {

// Local time from GetLocalTime.
class Win32Clock final : public Clock {
public:
    TimePoint Now() const override;
};

}  // namespace tockly
