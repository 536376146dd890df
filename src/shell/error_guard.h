#pragma once
// The one place where errors that end the program are caught and shown.

#include <exception>
#include <functional>

namespace tockly {

inline constexpr int kFailureExitCode = -1;

// Runs `body` and returns its exit code. An exception that escapes it is shown in one message box
// ("Runtime Error", "Logic Error" or "Unknown Error") and gives kFailureExitCode.
int RunGuarded(const std::function<int()>& body);

// A window procedure must not let an exception cross the system's message dispatch. It stores the
// exception here and asks the loop to end; the loop then throws it again on the main thread.
void DeferFatalError(std::exception_ptr error) noexcept;
void RethrowDeferredFatalError();

}  // namespace tockly
