// The task lists as the store sees them: what a save takes from each and where a load puts each
// kind's tasks.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "task_samples.h"
#include "tasks/task_registry.h"

namespace tockly {
namespace {

// A list that holds its tasks as they came.
class ListOfTasks final : public TaskSection {
public:
    std::vector<StoredTask> SnapshotTasks() const override {
        ++snapshots;
        return tasks;
    }
    void LoadTasks(std::vector<StoredTask> loaded) override {
        ++loads;
        tasks = std::move(loaded);
    }

    std::vector<StoredTask> tasks;
    mutable int snapshots = 0;
    int loads = 0;
};

TEST(TaskRegistryTest, ALoadHandsEachKindItsTasksInOrderAndASaveTakesThemBack) {
    std::array<ListOfTasks, kTaskKindCount> lists;
    TaskRegistry registry;
    EXPECT_FALSE(registry.complete());
    for (std::size_t kind = 0; kind < kTaskKindCount; ++kind) {
        registry.Attach(static_cast<TaskKind>(kind), lists[kind]);
    }
    EXPECT_TRUE(registry.complete());

    const TaskStore store = testing::ManyTasks(3);
    registry.Load(store);
    for (std::size_t kind = 0; kind < kTaskKindCount; ++kind) {
        EXPECT_EQ(lists[kind].loads, 1);
        ASSERT_EQ(lists[kind].tasks.size(), 3u);
        for (const StoredTask& task : lists[kind].tasks) {
            EXPECT_EQ(KindOf(task), static_cast<TaskKind>(kind));
        }
    }
    EXPECT_EQ(std::get<TimerTask>(lists[4].tasks[1]).title, store.timer[1].title);
    EXPECT_EQ(registry.Snapshot(), store);

    // A list that lost a task: the save has one task less of its kind, the others as they were.
    lists[6].tasks.erase(lists[6].tasks.begin());
    TaskStore expected = store;
    expected.stickyNote.erase(expected.stickyNote.begin());
    EXPECT_EQ(registry.Snapshot(), expected);

    registry.Detach(TaskKind::Power);
    EXPECT_FALSE(registry.complete());
}

TEST(TaskRegistryTest, TasksOfAKindAndBackIntoAStore) {
    const TaskStore store = testing::SampleStore();
    TaskStore rebuilt;
    for (std::size_t kind = 0; kind < kTaskKindCount; ++kind) {
        for (StoredTask& task : TasksOfKind(store, static_cast<TaskKind>(kind))) {
            AppendTask(rebuilt, std::move(task));
        }
    }
    EXPECT_EQ(rebuilt, store);
    EXPECT_TRUE(TasksOfKind(TaskStore{}, TaskKind::Counter).empty());
}

}  // namespace
}  // namespace tockly
