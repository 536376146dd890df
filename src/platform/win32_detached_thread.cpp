#include "platform/win32_detached_thread.h"

#include <windows.h>

#include <exception>
#include <memory>

#include "support/fatal_error.h"
#include "support/unique_handle.h"

namespace tockly {
namespace {

using Work = std::function<void()>;

DWORD WINAPI RunWork(void* parameter) {
    const std::unique_ptr<Work> work(static_cast<Work*>(parameter));
    try {
        (*work)();
    } catch (...) {
        // Nothing may leave a thread procedure: the error ends the program from its loop.
        DeferFatalError(std::current_exception());
    }
    return 0;
}

}  // namespace

bool StartDetachedThread(std::function<void()> work) {
    auto owned = std::make_unique<Work>(std::move(work));
    const KernelHandle thread(::CreateThread(nullptr, 0, RunWork, owned.get(), 0, nullptr));
    if (!thread) {
        return false;
    }
    static_cast<void>(owned.release());  // the thread frees it
    return true;
}

}  // namespace tockly
