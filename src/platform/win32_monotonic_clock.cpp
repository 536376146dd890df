#include "platform/win32_monotonic_clock.h"

#include <windows.h>

namespace tockly {

std::int64_t Win32MonotonicClock::Milliseconds() const {
    return static_cast<std::int64_t>(::GetTickCount64());
}

}  // namespace tockly
