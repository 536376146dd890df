#pragma once
// What the task lists give the widgets they make: the actions of the system tasks and the sound
// of the timers, counters and end-of-count messages, the clocks, and the stopwatch's file
// dialogs. The program hands in the real ones; tests hand in fakes, so that no task acts on the
// computer and time runs as a test says.

#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/monotonic_clock.h"
#include "platform/system_actions.h"

namespace tockly {

struct TaskServices {
    SystemActions& actions;
    // The present: the widgets' workers, and the load rules' expiry.
    const Clock& clock;
    // The time that really passed, for timers and stopwatches.
    const MonotonicClock& elapsed;
    // The stopwatch's times lists.
    FileDialogs& dialogs;
};

}  // namespace tockly
