#include "tasks/load_rules.h"

#include <cstddef>
#include <utility>

#include "tasks/time_rules.h"

namespace tockly {
namespace {

template <typename Task>
void NormaliseMessageAndSoundOf(Task& task) {
    if (!task.showMessageAfterEnd) {
        task.messageText.clear();
    }
    if (!task.playSoundAfterEnd) {
        task.soundFile.clear();
        task.soundRepetition = 0;
    }
}

LoadOutcome Ended(bool removeAfterEnd) {
    return removeAfterEnd ? LoadOutcome::Drop : LoadOutcome::Stop;
}

template <typename Task>
LoadOutcome TargetOutcome(const Task& task, const Clock& clock) {
    return IsFuture(clock, task.target) ? LoadOutcome::Keep : Ended(task.removeAfterEnd);
}

template <typename Task>
void StopRow(Task& task) {
    task.shown = false;
    if constexpr (requires { task.running; }) {
        task.running = false;
    }
}

}  // namespace

void NormaliseMessageAndSound(TimerTask& task) {
    NormaliseMessageAndSoundOf(task);
}

void NormaliseMessageAndSound(CounterTask& task) {
    NormaliseMessageAndSoundOf(task);
}

LoadOutcome OutcomeAtLoad(const ApplicationTask& task, const Clock& clock) {
    return TargetOutcome(task, clock);
}

LoadOutcome OutcomeAtLoad(const PrintScreenTask& task, const Clock& clock) {
    return IsActive(clock, task.repetitionMode, task.target, task.executeFor)
               ? LoadOutcome::Keep
               : Ended(task.removeAfterEnd);
}

LoadOutcome OutcomeAtLoad(const InternetTask& task, const Clock& clock) {
    return TargetOutcome(task, clock);
}

LoadOutcome OutcomeAtLoad(const PowerTask& task, const Clock& clock) {
    return TargetOutcome(task, clock);
}

LoadOutcome OutcomeAtLoad(const TimerTask&, const Clock&) {
    return LoadOutcome::Keep;
}

LoadOutcome OutcomeAtLoad(const CounterTask& task, const Clock& clock) {
    return TargetOutcome(task, clock);
}

LoadOutcome OutcomeAtLoad(const StickyNoteTask&, const Clock&) {
    return LoadOutcome::Keep;
}

LoadOutcome OutcomeAtLoad(const StopwatchTask&, const Clock&) {
    return LoadOutcome::Keep;
}

void NormaliseExpanded(ApplicationTask& task) {
    if (task.action != 0) {
        task.expanded = false;
    }
}

void NormaliseLoadedTasks(TaskStore& store) {
    for (ApplicationTask& task : store.application) {
        NormaliseExpanded(task);
    }
    for (TimerTask& task : store.timer) {
        NormaliseMessageAndSound(task);
    }
    for (CounterTask& task : store.counter) {
        NormaliseMessageAndSound(task);
    }
}

LoadOutcomes ExpireAtLoad(TaskStore& store, const Clock& clock) {
    LoadOutcomes outcomes;
    ForEachSection(store, [&](TaskKind kind, auto& tasks) {
        std::vector<LoadOutcome>& decided = outcomes[static_cast<std::size_t>(kind)];
        decided.reserve(tasks.size());
        std::size_t kept = 0;
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            const LoadOutcome outcome = OutcomeAtLoad(tasks[i], clock);
            decided.push_back(outcome);
            if (outcome == LoadOutcome::Drop) {
                continue;
            }
            if (outcome == LoadOutcome::Stop) {
                StopRow(tasks[i]);
            }
            if (kept != i) {
                tasks[kept] = std::move(tasks[i]);
            }
            ++kept;
        }
        tasks.resize(kept);
    });
    return outcomes;
}

LoadOutcomes ApplyLoadRules(TaskStore& store, const Clock& clock) {
    NormaliseLoadedTasks(store);
    return ExpireAtLoad(store, clock);
}

}  // namespace tockly
