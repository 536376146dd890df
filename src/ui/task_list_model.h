#pragma once
// What a task list knows without a window: its rows in order, the row numbers, the selection,
// the scroll offset, and the id each task's widget carries in its notifications. Portable;
// bfTaskListView (task_list_view.h) holds one and shows what it says.
//
// Two numbers name a task. Its row number (1 ... N, the row's position) is what the list shows,
// what the owner hears in the list's events and the task's sequence number in the store; it
// changes when a row above is removed. Its task id is what its widget puts in every notification
// (the widget id) and never changes: a worker may have posted a notification before a removal
// that the list reads after it, and the id still names the task that sent it, or no task. A
// removed task's id is retired until the list has read everything that may still be queued for
// it (Release), so it is not given to a new task before then.

#include <bitset>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tasks/task_registry.h"

namespace tockly {

using TaskId = std::uint16_t;  // never 0

struct TaskRow {
    TaskId id = 0;
    std::u16string title;
    bool shown = false;
    bool running = false;
    bool removeAfterEnd = false;
    // The sticky note's row has neither; the stopwatch's has no remove-after-end (it never ends).
    bool hasPlay = true;
    bool hasRemoveAfterEnd = true;

    bool operator==(const TaskRow&) const = default;
};

// The row of a stored task: its title, its toggles as the record has them, and which toggles the
// kind's row has.
TaskRow RowOfTask(const StoredTask& task);

class TaskListModel {
public:
    static constexpr int kRowHeight = 24;

    // ---- Rows: numbers 1 ... count() ----
    int count() const noexcept { return static_cast<int>(rows_.size()); }
    const TaskRow& row(int number) const { return rows_.at(static_cast<std::size_t>(number - 1)); }
    TaskRow& row(int number) { return rows_.at(static_cast<std::size_t>(number - 1)); }
    // The row number of the task with `id`; nullopt for an id no row carries (a removed task's).
    std::optional<int> NumberOf(TaskId id) const noexcept;
    TaskRow* Find(TaskId id) noexcept;

    // A row at the end with a new id, which it returns; 0 when every id is taken.
    TaskId Add(TaskRow row);
    // What a removal left: the removed task's id (now retired) and the row selected after it,
    // the one above, or 0.
    struct Removal {
        TaskId id = 0;
        int selected = 0;
    };
    std::optional<Removal> Remove(int number);
    // Every row goes; their ids are retired. Returns them.
    std::vector<TaskId> Clear();

    // A retired id may be given out again.
    void Release(TaskId id);
    bool retired(TaskId id) const { return retired_.contains(id); }

    // ---- Selection: a row number, 0 for none ----
    int selected() const noexcept;
    void Select(int number) noexcept;

    // ---- Scrolling, in pixels ----
    // The height of the window that shows the rows.
    void SetPage(int page) noexcept;
    int page() const noexcept { return page_; }
    int content() const noexcept { return count() * kRowHeight; }
    int scrollOffset() const noexcept { return offset_; }
    int maxOffset() const noexcept;
    // Limited to 0 ... maxOffset().
    void ScrollTo(int offset) noexcept;

    // The rows the window shows: the first one's number and top (0 or above the window's top),
    // and how many (none when the list is empty).
    struct View {
        int firstNumber = 1;
        int firstTop = 0;
        int rows = 0;
        bool operator==(const View&) const = default;
    };
    View Visible() const noexcept;
    // The row number at `y` of the window, or 0 below the last row.
    int RowAt(int y) const noexcept;

private:
    std::vector<TaskRow> rows_;
    // The ids of the rows and the retired ones: not to be given out.
    std::bitset<std::size_t{1} << 16> taken_;
    std::set<TaskId> retired_;
    TaskId next_ = 1;
    TaskId selectedId_ = 0;
    int page_ = 0;
    int offset_ = 0;
};

}  // namespace tockly
