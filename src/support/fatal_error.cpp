#include "support/fatal_error.h"

#include <windows.h>

#include <atomic>
#include <utility>

#include "support/critical_section.h"

namespace tockly {
namespace {

std::atomic<DWORD> g_loopThread = 0;

CriticalSection& ErrorLock() noexcept {
    static CriticalSection lock;
    return lock;
}

std::exception_ptr& DeferredError() noexcept {
    static std::exception_ptr error;
    return error;
}

}  // namespace

void SetFatalErrorLoopThread() noexcept {
    g_loopThread = ::GetCurrentThreadId();
}

void DeferFatalError(std::exception_ptr error) noexcept {
    {
        CriticalSectionLock hold(ErrorLock());
        if (DeferredError()) {
            return;  // the loop is already ending with the first one
        }
        DeferredError() = std::move(error);
    }
    const DWORD loopThread = g_loopThread;
    if (loopThread == 0 || loopThread == ::GetCurrentThreadId()) {
        ::PostQuitMessage(kFailureExitCode);
    } else {
        // WM_QUIT itself, so that a modal loop running on the main thread (a menu, a message box)
        // also ends and hands it on to the main loop.
        ::PostThreadMessageW(loopThread, WM_QUIT, static_cast<WPARAM>(kFailureExitCode), 0);
    }
}

void RethrowDeferredFatalError() {
    std::exception_ptr error;
    {
        CriticalSectionLock hold(ErrorLock());
        error = std::exchange(DeferredError(), nullptr);
    }
    if (error) {
        std::rethrow_exception(error);
    }
}

}  // namespace tockly
