#pragma once
// bfTaskListView: the task list of one kind, in the page frame of its task page. It owns the
// kind's tasks, each a row (TaskListModel, shown by bfTaskItemListWindow) with its widget, and is
// the widgets' owner window: every widget notification arrives here, updates the rows and goes on
// to the main window as a list event when the page must act (WM_COMMAND, low word 2000 + kind,
// high word the row number, lParam the event: 0 selected (row 0: none), 1 remove, 2 print screen
// re-armed, 4 a sticky note wants a new note beside it).
//
// A widget's notifications carry its task's id, not its row number, so one posted by a worker
// before a row above was removed still finds its own task, or no task at all once its task is
// gone (task_list_model.h).
//
// The store is saved through `requestSave` after every change of a row or a widget's stored
// setting (the owner coalesces what comes in one go); the list reads each record under its
// widget's lock when the store asks (SnapshotTasks).

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "shell/language_texts.h"
#include "tasks/task_registry.h"
#include "toolkit/abstract_window.h"
#include "toolkit/button.h"
#include "toolkit/paint_buffer.h"
#include "toolkit/skin_cache.h"
#include "toolkit/static_text.h"
#include "toolkit/vscroll_bar.h"
#include "toolkit/wheel_notches.h"
#include "ui/main_window_layout.h"
#include "ui/task_item.h"
#include "ui/task_item_list_window.h"
#include "ui/task_list_model.h"
#include "ui/task_services.h"
#include "ui/task_widget.h"
#include "widgets/message_view.h"

namespace tockly {

// The list events (lParam of the list's WM_COMMAND to its owner).
namespace list_event {
inline constexpr int kSelected = 0;
inline constexpr int kRemove = 1;
inline constexpr int kRearmed = 2;
inline constexpr int kNewNote = 4;
}  // namespace list_event

class bfTaskListView final : public bfAbstractWindow, public TaskSection {
public:
    static constexpr int kWidth = kPageFrame.right - kPageFrame.left;
    static constexpr int kHeight = kPageFrame.bottom - kPageFrame.top;
    static constexpr WORD kRemoveButtonId = 1010;
    static constexpr WORD kScrollBarId = 1011;
    // Posted to itself: a task whose end message is up is to be removed (wParam: its id).
    static constexpr UINT kRemoveLaterMessage = WM_APP + 0x42;
    // Posted to itself: a removed task's id may be given out again (wParam: the id); everything
    // its widget posted before it went has been read by then.
    static constexpr UINT kReleaseIdMessage = WM_APP + 0x43;

    // A child of `owner` (the main window), in the page frame, hidden. `requestSave` asks for
    // the task store to be saved.
    bfTaskListView(HWND owner, TaskKind kind, const TaskServices& services,
                   std::function<void()> requestSave);
    ~bfTaskListView() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    TaskKind kind() const noexcept { return kind_; }
    WORD listId() const noexcept {
        return static_cast<WORD>(kFirstListNotification + static_cast<int>(kind_));
    }

    // ---- Tasks, by row number (1 ... taskCount()) ----
    int taskCount() const noexcept { return model_.count(); }
    // A new task from `record`: its widget and row, the record applied, the widget at `at` (the
    // centre of the primary screen by default), shown at its transparency, started where the
    // kind counts (all but the sticky note), reporting its changes, its texts translated; then
    // the store is saved. The new row's number, 0 when the record is of another kind or no id is
    // free.
    int AddTask(const StoredTask& record, std::optional<WindowPosition> at = std::nullopt);
    // Task `number` changed to `record` (its position and appearance included: a page takes the
    // task's record and changes what its form holds): stopped, the record applied, its end
    // message closed, shown and started again; the store saved. False for no such row.
    bool ChangeTask(int number, const StoredTask& record);
    // The task as the store would save it now.
    std::optional<StoredTask> TaskRecord(int number) const;
    TaskWidget* Task(int number) noexcept;
    // Removes row `number` and destroys its widget: the rows below move up one number, the row
    // above is selected and the owner told so (event 0), and the store is saved. False for no
    // such row.
    bool RemoveTask(int number);

    // ---- Selection ----
    int selectedRow() const noexcept { return model_.selected(); }
    // Selects a row (0: none) and tells the owner (event 0).
    void SelectRow(int number);
    // Scrolls the rows to `offset` pixels from the first (within the rows there are).
    void ScrollTo(int offset);

    // ---- All widgets of the list (the tray's commands); the caller saves ----
    // Shown (at their transparency, brought to the top) or hidden, the rows' show toggles too.
    void ShowAll(bool show);
    // Every widget centred on the primary screen.
    void CentreAll();

    // The title, the header, the remove button, every widget and open end message.
    void Retranslate(const LanguageTexts& texts);

    // TaskSection.
    std::vector<StoredTask> SnapshotTasks() const override;
    // Replaces every task (without saving): each widget made, its record applied, placed where
    // it can be reached, shown at its transparency and started as its row says.
    void LoadTasks(std::vector<StoredTask> tasks) override;
    // Every task stopped and destroyed, without saving: the program ends.
    void CloseTasks();

    // For tests and the screenshot tool.
    const TaskListModel& model() const noexcept { return model_; }
    bfTaskItemListWindow& rows() noexcept { return rows_; }
    bfVScrollBar& scrollBar() noexcept { return scrollBar_; }
    bfButton& removeButton() noexcept { return remove_; }
    bfMessageView* endMessage(int number) noexcept;

private:
    struct Entry {
        std::unique_ptr<TaskWidget> widget;
        // The end-of-count message the task showed, while it is kept with the task.
        std::unique_ptr<bfMessageView> endMessage;
    };

    TaskId CreateTask(const StoredTask& record);
    void StartTask(TaskId id, bool show, bool run);
    Entry* EntryOf(TaskId id) noexcept;
    // The row's toggles as the widget is now.
    void SyncRow(TaskId id);
    void DestroyAll();
    void Relayout();
    void Notify(int event, int number) const;
    void RequestSave() const;

    void OnPaint();
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnRow(WPARAM wParam, LPARAM lParam);
    void OnWheel(const WheelInput& wheel);
    void OnWidgetEvent(TaskId id, int event);
    void ShowEndMessage(TaskId id, bool thenRemove);
    // The end messages of removed tasks that the user has closed go.
    void PruneEndMessages();

    TaskKind kind_;
    WidgetFamily family_;
    TaskServices services_;
    std::function<void()> requestSave_;
    const LanguageTexts* texts_ = nullptr;
    TaskListModel model_;
    std::map<TaskId, Entry> entries_;
    // End messages of tasks removed when the message came up; they go once closed.
    std::vector<std::unique_ptr<bfMessageView>> leftEndMessages_;
    WheelNotches wheel_;
    std::shared_ptr<PaintBuffer> buffer_;
    SharedBitmap frameTile_;
    SharedBitmap mainTile_;
    bfStaticText title_;
    bfStaticText numberHeader_;
    bfStaticText titleHeader_;
    HeaderIcon showHeader_;
    HeaderIcon playHeader_;
    HeaderIcon removeHeader_;
    bfTaskItemListWindow rows_;
    bfVScrollBar scrollBar_;
    bfButton remove_;
};

}  // namespace tockly
