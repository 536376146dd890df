#pragma once
// What loading does to the stored tasks before any widget exists: the timer's and counter's
// message and sound fields are tidied, a program-ending task's widget starts collapsed, and tasks
// whose moment passed while the program was not running are stopped and hidden, or dropped when
// they are to be removed after their end. A task is never executed late. The tasks as these rules
// leave them are what the program holds after loading, and so what its next save writes; the
// program and "tockly-inspect store --rewrite" both go through ApplyLoadRules.

#include <array>
#include <vector>

#include "platform/clock.h"
#include "tasks/task_kind.h"
#include "tasks/task_records.h"

namespace tockly {

enum class LoadOutcome {
    Keep,  // loaded as stored
    Stop,  // loaded with its row's shown and running toggles cleared
    Drop,  // not loaded: it ended and is removed after its end
};

// The message text is kept only when the message is shown, the sound file only when the sound is
// played, and the repetition is 0 without sound.
void NormaliseMessageAndSound(TimerTask& task);
void NormaliseMessageAndSound(CounterTask& task);

// Expiry at the clock's present. Application, Internet, Power and Counter tasks have ended when
// their target is not in the future; PrintScreen tasks by their repetition mode (IsActive);
// Timer, StickyNote and Stopwatch tasks never end at load.
LoadOutcome OutcomeAtLoad(const ApplicationTask& task, const Clock& clock);
LoadOutcome OutcomeAtLoad(const PrintScreenTask& task, const Clock& clock);
LoadOutcome OutcomeAtLoad(const InternetTask& task, const Clock& clock);
LoadOutcome OutcomeAtLoad(const PowerTask& task, const Clock& clock);
LoadOutcome OutcomeAtLoad(const TimerTask& task, const Clock& clock);
LoadOutcome OutcomeAtLoad(const CounterTask& task, const Clock& clock);
LoadOutcome OutcomeAtLoad(const StickyNoteTask& task, const Clock& clock);
LoadOutcome OutcomeAtLoad(const StopwatchTask& task, const Clock& clock);

// The outcome of every task as it was in the file, per kind in TaskKind order.
using LoadOutcomes = std::array<std::vector<LoadOutcome>, kTaskKindCount>;

// Only a task that starts a program shows its details as stored: the widget of one that ends a
// program starts collapsed whatever its expanded byte says, so the flag is cleared.
void NormaliseExpanded(ApplicationTask& task);

// The rules that do not depend on the present: normalises every timer and counter, and every
// application task's expanded flag.
void NormaliseLoadedTasks(TaskStore& store);
// Stops or drops the tasks that ended; the kept ones keep their file order, so their sequence
// numbers are 1 ... N again.
LoadOutcomes ExpireAtLoad(TaskStore& store, const Clock& clock);
// Both, as loading does them.
LoadOutcomes ApplyLoadRules(TaskStore& store, const Clock& clock);

}  // namespace tockly
