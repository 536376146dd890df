#pragma once
// Short-lived threads that nobody waits for.

#include <functional>

namespace tockly {

// Runs `work` on a new thread and returns at once. The thread owns `work` and everything it
// holds, and frees them when the work is over; the thread's handle is closed at once. False (and
// `work` freed, not run) when no thread could be created.
bool StartDetachedThread(std::function<void()> work);

}  // namespace tockly
