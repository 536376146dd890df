#pragma once
// The pauses that follow an action on the computer. They go through the seam so that the code
// that pauses is tested without waiting: the program sleeps, tests record the pause.

#include <chrono>

namespace tockly {

class Pause {
public:
    virtual ~Pause() = default;

    // Blocks the calling thread for `duration` (Sleep).
    virtual void Wait(std::chrono::milliseconds duration) = 0;
};

}  // namespace tockly
