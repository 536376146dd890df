#include "shell/message_loop.h"

#include <windows.h>

#include <stdexcept>
#include <string>

#include "support/fatal_error.h"

namespace tockly {

int RunMessageLoop() {
    SetFatalErrorLoopThread();
    MSG message{};
    for (;;) {
        const BOOL result = ::GetMessageW(&message, nullptr, 0, 0);
        if (result == -1) {
            throw std::runtime_error(std::to_string(::GetLastError()));
        }
        if (result == 0) {
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    RethrowDeferredFatalError();
    return static_cast<int>(message.wParam);
}

}  // namespace tockly
