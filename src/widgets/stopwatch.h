#pragma once
// bfStopwatch: the desktop widget of a stopwatch task. It counts the time upward while running,
// pauses, takes checkpoints into a list shown newest first (opened with the eye button, scrolled
// with up and down), resets, and saves its list to a times list file and loads one back
// (times_list.h).
//
// The reading is measured on the monotonic clock of the seam (stopwatch_time.h): the time that
// really passed while it ran, whatever the load of the machine or a stall of its worker. The
// worker is paced by the reading itself, so the shown second changes when the reading's does.
// The worker only changes the record under the lock and posts; the texts are set here, on the
// user-interface thread.
//
// A times list that cannot be read as a whole (any other file a user may pick) changes nothing.
// The file dialogs go through the seam, so tests choose the file.
//
// Notifications (family 5): `Hidden` (0), `Started` (1), `Ended` (2: now stopped), title edited
// (3), `RemoveRequest` (4), and `WidgetChanged` after every change of what the store keeps
// except "Always on top".

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "platform/file_dialogs.h"
#include "platform/monotonic_clock.h"
#include "tasks/task_records.h"
#include "toolkit/button.h"
#include "toolkit/static_text.h"
#include "toolkit/text_edit.h"
#include "widgets/abstract_widget.h"
#include "widgets/stopwatch_time.h"

namespace tockly {

// The stopwatch's texts from the language table: the Save button and the menu.
struct StopwatchTexts {
    std::u16string save;
    std::u16string alwaysOnTop;
    std::u16string transparency;
    std::u16string loadTimesList;
    std::u16string saveTimesList;
    std::u16string hide;
    std::u16string remove;
};

// What the stopwatch measures with and asks the user through.
struct StopwatchWorld {
    const MonotonicClock& clock;
    FileDialogs& dialogs;
};
// The real clock (GetTickCount64) and the system's dialogs.
StopwatchWorld ProgramStopwatchWorld();

class bfStopwatch final : public bfAbstractWidget {
public:
    static constexpr WORD kCheckpointButtonId = 0;
    static constexpr WORD kPlayButtonId = 1;
    static constexpr WORD kResetButtonId = 2;
    static constexpr WORD kHideButtonId = 3;
    static constexpr WORD kListButtonId = 4;
    static constexpr WORD kUpButtonId = 5;
    static constexpr WORD kDownButtonId = 6;
    static constexpr WORD kSaveButtonId = 7;
    static constexpr WORD kElapsedId = 8;
    static constexpr WORD kTitleId = 9;
    static constexpr WORD kFirstRowId = 10;  // 10, 11, 12
    static constexpr int kStartedEvent = 1;
    static constexpr int kEndedEvent = 2;
    static constexpr int kTitleEditedEvent = 3;
    static constexpr int kWidth = 198;
    static constexpr int kCollapsedHeight = 76;
    static constexpr int kExpandedHeight = 150;

    explicit bfStopwatch(HWND owner, WORD widgetId, StopwatchWorld world = ProgramStopwatchWorld());
    ~bfStopwatch() override;

    // Title, reading, checkpoints (the list from its newest), the list open or folded, position,
    // always on top, transparency. The creator starts it (SetRunning) when the record ran.
    void ApplyRecord(const StopwatchTask& record);
    // What the store saves: the reading of this moment, the list, running and folded.
    StopwatchTask Record() const;

    // Starts or pauses the reading with the worker; the play button shows what a press does.
    void SetRunning(bool run) override;
    void SetTexts(const StopwatchTexts& texts);

    bool listCollapsed() const noexcept { return listCollapsed_; }
    int listPosition() const noexcept { return listPosition_; }
    bfStaticText& elapsedLabel() noexcept { return elapsed_; }
    bfStaticText& row(int index) { return rows_.at(static_cast<std::size_t>(index)); }
    bfTextEdit& title() noexcept { return title_; }
    bfButton& button(WORD id);

protected:
    bool HandleCommand(const CommandInput& command) override;
    void PaintWidget(const PaintContext& paint) override;
    WorkerStep EverySecond(const TimePoint& now) override;
    void RefreshTexts() override;

private:
    bfStopwatch(HWND owner, WORD widgetId, StopwatchWorld world,
                std::unique_ptr<StopwatchPace> pace);

    // Under the lock: the reading has changed; the worker's pace follows it.
    void ReadingChanged();
    Duration ReadingNow() const;
    void ShowRows();
    void ShowPlayIcon();
    void SetListCollapsed(bool collapsed);
    void MoveList(bool up);
    void TakeCheckpoint();
    void Reset();
    void SaveTimesList();
    void LoadTimesList();
    FileDialogRequest TimesListDialog() const;

    const MonotonicClock& clock_;
    FileDialogs& dialogs_;
    std::unique_ptr<StopwatchPace> pace_;
    // Under the widget's lock: the worker updates the reading's seconds in the record.
    StopwatchTask record_;
    StopwatchReading reading_;
    bool listCollapsed_ = true;
    int listPosition_ = 0;
    // Gone when the stopwatch is: a file dialog's modal loop may see it destroyed.
    std::shared_ptr<char> alive_ = std::make_shared<char>();

    bfButton checkpointButton_;
    bfButton playButton_;
    bfButton resetButton_;
    bfButton hideButton_;
    bfButton listButton_;
    bfButton upButton_;
    bfButton downButton_;
    bfButton saveButton_;
    bfStaticText elapsed_;
    bfTextEdit title_;
    std::array<bfStaticText, kStopwatchRows> rows_;
};

}  // namespace tockly
