#pragma once
// What an action step tells the task counter's worker, which calls it once per new wall-clock
// second once the action is due, on a copy of the record and without the counter's lock.

#include <chrono>
#include <cstdint>

namespace tockly {

enum class ActionStep : std::int32_t {
    Continue = 0,  // not yet, or done and to be repeated: the worker keeps counting
    Done = 1,      // the task has been carried out: the worker ends it (hidden or removed)
    Failed = -1,   // the action failed or is unknown: the worker asks for the task's removal
};

// The pause after a power or network action, so that what it started is under way before the
// widget hides or goes. It is taken through the seam's Pause (on the worker, without the counter's
// lock), so that tests record it instead of waiting.
inline constexpr std::chrono::milliseconds kPauseAfterAction{500};

}  // namespace tockly
