#include "platform/win32_clock.h"

#include <windows.h>

namespace tockly {

TimePoint Win32Clock::Now() const {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return TimePoint{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                     now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace tockly
