#pragma once
// bfTaskItemListWindow: the window of a task list that shows its rows, scrolled by the list's
// offset. It keeps only as many rows (bfTaskItem) as it can show, and binds them to the tasks
// in view each time the list changes or scrolls, so a list of hundreds of tasks costs the windows
// of a dozen rows. Row reports go on to the parent as kRowMessage (the row's WM_COMMAND as it
// came); a click below the last row reports a selection of no task (task id 0).

#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/abstract_window.h"
#include "toolkit/paint_buffer.h"
#include "toolkit/skin_cache.h"
#include "ui/task_item.h"
#include "ui/task_list_model.h"

namespace tockly {

class bfTaskItemListWindow final : public bfAbstractWindow {
public:
    // To the parent: wParam and lParam of a row's WM_COMMAND (bfTaskItem).
    static constexpr UINT kRowMessage = WM_APP + 0x41;

    bfTaskItemListWindow(HWND parent, int width, int height);
    ~bfTaskItemListWindow() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The rows `model` has in view, at their places; the other rows hidden.
    void ShowRows(const TaskListModel& model);

    // The names of every row's toggles, for screen readers (the list's column names).
    void SetToggleNames(const ToggleNames& names);

    // The row that shows the task, or null when it is out of view.
    bfTaskItem* RowOf(TaskId id) noexcept;
    int rowWindows() const noexcept { return static_cast<int>(rows_.size()); }

private:
    void OnPaint();

    std::shared_ptr<PaintBuffer> buffer_;
    SharedBitmap tile_;
    std::vector<std::unique_ptr<bfTaskItem>> rows_;
    ToggleNames toggleNames_;
};

}  // namespace tockly
