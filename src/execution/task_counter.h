#pragma once
// bfTaskCounter: the desktop widget of a system task (application, print screen, internet,
// power). It counts down to the task's target and, when the time comes, carries the task out on
// its worker and tells its owner (the task list of its kind) how it ended: `Hidden` then `Ended`
// (it hides and stops), or `RemoveRequest` alone (remove after end, or a failed action). A print
// screen task that repeats goes on counting after each shot.
//
// The window: a close button (0) and a collapse/expand button (1) in the modern button skin, the
// tool icon, the title (2, a text edit in display mode that a double click lets the user edit),
// the countdown (3) and up to five detail lines (labels 4-13) with the language's texts; the
// details' last lines show only when expanded. The popup menu is the type's, with the check marks
// of its choices.
//
// Threads. The record lives in a TaskCounterModel under the widget's lock. Once per second the
// worker recounts under the lock and asks the user-interface thread, by the base's posted work,
// to show the new countdown (and the strip, only when its width changed); it never touches a
// window. The action runs on the worker too, but after the lock is left, on what the record held
// when it became due: so a screenshot's capture and encoding, a program start or the pause after
// a power or network action never make a menu command or a paint wait.

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "execution/task_counter_model.h"
#include "platform/system_actions.h"
#include "toolkit/button.h"
#include "toolkit/static_text.h"
#include "toolkit/text_edit.h"
#include "widgets/abstract_widget.h"

namespace tockly {

class bfTaskCounter : public bfAbstractWidget {
public:
    static constexpr WORD kCloseButtonId = 0;
    static constexpr WORD kCollapseButtonId = 1;
    static constexpr WORD kTitleId = 2;
    static constexpr WORD kCountdownId = 3;
    static constexpr WORD kFirstDetailId = 4;  // line i: label 4 + 2i, value 5 + 2i

    // `actions` carry the tasks out; they must outlive the counter.
    bfTaskCounter(HWND owner, WORD widgetId, SystemTaskType type, SystemActions& actions,
                  const Clock& clock = WidgetClock());
    ~bfTaskCounter() override;

    SystemTaskType type() const noexcept { return type_; }

    // The record, under the lock. SetRecord refuses a record of another type.
    SystemTaskRecord record() const;
    bool SetRecord(SystemTaskRecord record);
    // Copies the record into the window: progress strip, always on top, transparency, the check
    // marks of the menu's choices, the title, the countdown and details, the size (an application
    // task also its expanded state).
    void ApplyRecord();
    // The task list's remove-after-end toggle: stored in the record under the lock.
    void SetRemoveAfterEnd(bool remove);

    // The language's texts: the detail lines and the menu items. Called again on a change of
    // language.
    void SetTexts(const TaskCounterTexts& texts);

    bool collapsed() const noexcept { return collapsed_; }
    void SetCollapsed(bool collapsed);

    // The controls, for the owner (the title after `TitleEdited`) and for tests.
    bfTextEdit& title() noexcept { return title_; }
    bfStaticText& countdown() noexcept { return countdown_; }
    bfStaticText& detail(int id) noexcept { return *details_[static_cast<std::size_t>(id - 4)]; }
    bfButton& closeButton() noexcept { return close_; }
    bfButton& collapseButton() noexcept { return collapse_; }
    // The strip's columns now (0 to 198).
    int stripColumns() const;

protected:
    bool HandleCommand(const CommandInput& command) override;
    void CommonSettingChanged() override;
    void ProgressBarChanged(bool shown) override;
    void PaintWidget(const PaintContext& paint) override;
    RECT ProgressStripArea() const override;
    WorkerStep EverySecond(const TimePoint& now) override;
    void ApplyWorkerWork(std::uint32_t work) override;
    void RefreshTexts() override;

private:
    static constexpr std::uint32_t kDetailsWork = worker_ui::kFirstOwnBit;

    void PlaceControls();
    void FitSize();
    void RefreshDetails();
    void CheckChoice(int first, int last, std::int32_t index);
    // Under the lock; true when the record changed.
    bool ChangeRecord(const std::function<bool(TaskCounterModel&)>& change);
    void Rearm(int menuId);
    void Connect(bool connect);
    int stripY() const;

    const SystemTaskType type_;
    SystemActions& actions_;
    TaskCounterModel model_;  // under the widget's lock
    TaskCounterTexts texts_;
    bool collapsed_ = true;
    SharedBitmap toolIcon_;
    SharedFont detailFont_;  // measures the detail labels
    bfButton close_;
    bfButton collapse_;
    bfTextEdit title_;
    bfStaticText countdown_;
    std::array<std::unique_ptr<bfStaticText>, 2 * kDetailLineCount> details_;
};

}  // namespace tockly
