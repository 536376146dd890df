#include "tasks/task_registry.h"

#include <utility>

namespace tockly {

std::vector<StoredTask> TasksOfKind(const TaskStore& store, TaskKind kind) {
    std::vector<StoredTask> tasks;
    ForEachSection(store, [&](TaskKind section, const auto& records) {
        if (section != kind) {
            return;
        }
        tasks.reserve(records.size());
        for (const auto& record : records) {
            tasks.emplace_back(record);
        }
    });
    return tasks;
}

void AppendTask(TaskStore& store, StoredTask task) {
    ForEachSection(store, [&](TaskKind section, auto& records) {
        using Record = typename std::decay_t<decltype(records)>::value_type;
        if (section == KindOf(task)) {
            records.push_back(std::move(std::get<Record>(task)));
        }
    });
}

bool TaskRegistry::complete() const noexcept {
    for (const TaskSection* section : sections_) {
        if (section == nullptr) {
            return false;
        }
    }
    return true;
}

TaskStore TaskRegistry::Snapshot() const {
    TaskStore store;
    for (const TaskSection* section : sections_) {
        if (section == nullptr) {
            continue;
        }
        for (StoredTask& task : section->SnapshotTasks()) {
            AppendTask(store, std::move(task));
        }
    }
    return store;
}

void TaskRegistry::Load(const TaskStore& store) {
    for (std::size_t kind = 0; kind < kTaskKindCount; ++kind) {
        if (sections_[kind] != nullptr) {
            sections_[kind]->LoadTasks(TasksOfKind(store, static_cast<TaskKind>(kind)));
        }
    }
}

}  // namespace tockly
