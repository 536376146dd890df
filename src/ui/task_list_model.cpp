#include "ui/task_list_model.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <variant>

namespace tockly {

TaskRow RowOfTask(const StoredTask& task) {
    TaskRow row;
    std::visit(
        [&row](const auto& record) {
            row.title = record.title;
            row.shown = record.shown;
            if constexpr (requires { record.running; }) {
                row.running = record.running;
            } else {
                row.hasPlay = false;
            }
            if constexpr (requires { record.removeAfterEnd; }) {
                row.removeAfterEnd = record.removeAfterEnd;
            } else {
                row.hasRemoveAfterEnd = false;
            }
        },
        task);
    return row;
}

std::optional<int> TaskListModel::NumberOf(TaskId id) const noexcept {
    if (id == 0) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].id == id) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

TaskRow* TaskListModel::Find(TaskId id) noexcept {
    const std::optional<int> number = NumberOf(id);
    return number ? &rows_[static_cast<std::size_t>(*number - 1)] : nullptr;
}

TaskId TaskListModel::Add(TaskRow row) {
    // Ids go round: a removed task's id comes back only after every other one was given out,
    // and never while it is retired.
    constexpr int kIds = std::numeric_limits<TaskId>::max();
    for (int tried = 0; tried < kIds; ++tried) {
        const TaskId id = next_;
        next_ = next_ == kIds ? 1 : static_cast<TaskId>(next_ + 1);
        if (!taken_.test(id)) {
            taken_.set(id);
            row.id = id;
            rows_.push_back(std::move(row));
            return id;
        }
    }
    return 0;
}

std::optional<TaskListModel::Removal> TaskListModel::Remove(int number) {
    if (number < 1 || number > count()) {
        return std::nullopt;
    }
    const TaskId id = rows_[static_cast<std::size_t>(number - 1)].id;
    rows_.erase(rows_.begin() + (number - 1));
    retired_.insert(id);
    const int above = number - 1;
    selectedId_ = above >= 1 ? rows_[static_cast<std::size_t>(above - 1)].id : 0;
    if (offset_ - kRowHeight >= 0) {
        offset_ -= kRowHeight;
    }
    ScrollTo(offset_);
    return Removal{id, above};
}

std::vector<TaskId> TaskListModel::Clear() {
    std::vector<TaskId> ids;
    ids.reserve(rows_.size());
    // Still taken, as retired.
    for (const TaskRow& row : rows_) {
        ids.push_back(row.id);
        retired_.insert(row.id);
    }
    rows_.clear();
    selectedId_ = 0;
    offset_ = 0;
    return ids;
}

void TaskListModel::Release(TaskId id) {
    if (retired_.erase(id) > 0) {
        taken_.reset(id);
    }
}

int TaskListModel::selected() const noexcept {
    return NumberOf(selectedId_).value_or(0);
}

void TaskListModel::Select(int number) noexcept {
    selectedId_ =
        number >= 1 && number <= count() ? rows_[static_cast<std::size_t>(number - 1)].id : 0;
}

void TaskListModel::SetPage(int page) noexcept {
    page_ = std::max(page, 0);
    ScrollTo(offset_);
}

int TaskListModel::maxOffset() const noexcept {
    return std::max(content() - page_, 0);
}

void TaskListModel::ScrollTo(int offset) noexcept {
    offset_ = std::clamp(offset, 0, maxOffset());
}

TaskListModel::View TaskListModel::Visible() const noexcept {
    View view;
    if (rows_.empty() || page_ <= 0) {
        return view;
    }
    view.firstNumber = offset_ / kRowHeight + 1;
    view.firstTop = -(offset_ % kRowHeight);
    const int fitting = (page_ - view.firstTop + kRowHeight - 1) / kRowHeight;
    view.rows = std::min(fitting, count() - view.firstNumber + 1);
    return view;
}

int TaskListModel::RowAt(int y) const noexcept {
    if (y < 0) {
        return 0;
    }
    const int number = (y + offset_) / kRowHeight + 1;
    return number <= count() ? number : 0;
}

}  // namespace tockly
