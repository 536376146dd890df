#include "shell/error_guard.h"

#include <windows.h>

#include <stdexcept>

namespace tockly {
namespace {

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

}  // namespace tockly
