#pragma once
// The internet task's actions: dial or hang up its phone-book entry, at the target time from the
// task counter's worker, or at once from the widget's "Connect" and "Disconnect" items.

#include <cstdint>
#include <string_view>

#include "execution/action_step.h"
#include "platform/dial_up.h"
#include "platform/pause.h"
#include "tasks/task_records.h"

namespace tockly {

// The record's action values.
enum class NetworkAction : std::int32_t { Connect = 0, Disconnect = 1 };

// Starts the dial (connect) or the hang-up of the entry on a thread of its own and returns at
// once; nobody waits for it and its outcome is not reported.
void StartNetworkAction(DialUp& dialUp, std::u16string_view entryName, bool connect);

// The internet step: not yet (Continue) while `secondsRemaining` is above 0. Then starts the
// task's action (an action other than connect or disconnect starts nothing), pauses
// kPauseAfterAction and reports Done: the outcome of the dial or hang-up is not waited for.
ActionStep RunNetworkStep(DialUp& dialUp, Pause& pause, std::int64_t secondsRemaining,
                          const InternetTask& task);

}  // namespace tockly
