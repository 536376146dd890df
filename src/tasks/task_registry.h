#pragma once
// The eight task lists as the task store sees them, in TaskKind order: what a save takes from
// each, and where a load hands each kind's tasks. The lists themselves are windows (the task list
// of each kind, src/ui); the store only needs these two operations of them. Portable.

#include <array>
#include <cstddef>
#include <variant>
#include <vector>

#include "tasks/task_kind.h"
#include "tasks/task_records.h"

namespace tockly {

// One stored task of any kind; the variant's index is its TaskKind.
using StoredTask = std::variant<ApplicationTask, PrintScreenTask, InternetTask, PowerTask,
                                TimerTask, CounterTask, StickyNoteTask, StopwatchTask>;
static_assert(std::variant_size_v<StoredTask> == kTaskKindCount);

inline TaskKind KindOf(const StoredTask& task) noexcept {
    return static_cast<TaskKind>(task.index());
}

// The tasks of one kind of `store`, in file order.
std::vector<StoredTask> TasksOfKind(const TaskStore& store, TaskKind kind);
// Appends `task` to its kind's section.
void AppendTask(TaskStore& store, StoredTask task);

// What the store asks of the task list of one kind.
class TaskSection {
public:
    // Every task of the list in sequence order (1 ... N), as its widget holds it at this moment:
    // each record is taken whole, under its widget's lock, so a worker changing it meanwhile
    // never leaves half of one change in it.
    virtual std::vector<StoredTask> SnapshotTasks() const = 0;
    // Replaces the list's tasks with `tasks` (all of the list's kind, through the load rules
    // already), in this order.
    virtual void LoadTasks(std::vector<StoredTask> tasks) = 0;

protected:
    ~TaskSection() = default;
};

class TaskRegistry {
public:
    void Attach(TaskKind kind, TaskSection& section) noexcept {
        sections_[static_cast<std::size_t>(kind)] = &section;
    }
    void Detach(TaskKind kind) noexcept { sections_[static_cast<std::size_t>(kind)] = nullptr; }
    // All eight lists are attached: only then may a save replace the file, which would otherwise
    // lose the tasks of the missing kinds.
    bool complete() const noexcept;

    // Every list's tasks, in kind order.
    TaskStore Snapshot() const;
    // Each kind's tasks to its list, in kind order.
    void Load(const TaskStore& store);

private:
    std::array<TaskSection*, kTaskKindCount> sections_{};
};

}  // namespace tockly
