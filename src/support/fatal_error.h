#pragma once
// The hand-off of an error that must end the program from where it happened (a window procedure,
// a worker thread) to the main message loop, which throws it again on the main thread, where the
// one guard at the top shows it.
//
// A C++ exception must not cross the system's message dispatch, and a worker's exception must not
// end the process behind the user's back: both store it here instead.

#include <exception>

namespace tockly {

inline constexpr int kFailureExitCode = -1;

// Names the thread whose message loop ends on a deferred error (the thread that runs the loop;
// until one is named, the thread that defers the error).
void SetFatalErrorLoopThread() noexcept;

// Safe from any thread. Keeps the first error and ends the named thread's message loop with
// kFailureExitCode; later errors, until that one is taken, are dropped: the first is the one the
// user must see.
void DeferFatalError(std::exception_ptr error) noexcept;

// On the loop's thread once it has ended: throws the deferred error, if any, and forgets it.
void RethrowDeferredFatalError();

}  // namespace tockly
