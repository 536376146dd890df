#include "shell/error_guard.h"

#include <windows.h>

#include <stdexcept>
#include <utility>

namespace tockly {
namespace {

std::exception_ptr g_deferredError;

void ShowErrorBox(const char* text, const char* caption) {
    ::MessageBoxA(nullptr, text, caption, MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST);
}

}  // namespace

int RunGuarded(const std::function<int()>& body) {
    try {
        return body();
    } catch (const std::runtime_error& error) {
        ShowErrorBox(error.what(), "Runtime Error");
    } catch (const std::logic_error& error) {
        ShowErrorBox(error.what(), "Logic Error");
    } catch (...) {
        ShowErrorBox("Unhandled Exception", "Unknown Error");
    }
    return kFailureExitCode;
}

void DeferFatalError(std::exception_ptr error) noexcept {
    if (!g_deferredError) {
        g_deferredError = error;
    }
    ::PostQuitMessage(kFailureExitCode);
}

void RethrowDeferredFatalError() {
    if (std::exception_ptr error = std::exchange(g_deferredError, nullptr)) {
        std::rethrow_exception(error);
    }
}

}  // namespace tockly
