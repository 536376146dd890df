#pragma once
// The one place where errors that end the program are caught and shown.

#include <functional>

#include "support/fatal_error.h"

namespace tockly {

// Runs `body` and returns its exit code. An exception that escapes it is shown in one message box
// ("Runtime Error", "Logic Error" or "Unknown Error") and gives kFailureExitCode.
int RunGuarded(const std::function<int()>& body);

}  // namespace tockly
