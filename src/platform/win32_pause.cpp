#include "platform/win32_pause.h"

#include <windows.h>

namespace tockly {

void Win32Pause::Wait(std::chrono::milliseconds duration) {
    ::Sleep(static_cast<DWORD>(duration.count()));
}

}  // namespace tockly
