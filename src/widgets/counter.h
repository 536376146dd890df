#pragma once
// bfCounter: the desktop widget of a counter task, counting down in wall-clock time from its start
// to its target (CounterRemainingSeconds). It cannot be paused on the widget. At the target it
// hides itself and asks its owner for the end-of-count message or plays its sound, and stays
// stopped or asks to be removed (PlanCountEnd). Family 4 of the notifications.
//
// Controls: hide (0), the title (1, a label until double-clicked) and the remaining time (2); the
// progress strip below the body while "Show progress bar" is checked.

#include <windows.h>

#include <cstdint>

#include "platform/sound_player.h"
#include "tasks/task_records.h"
#include "toolkit/button.h"
#include "toolkit/static_text.h"
#include "toolkit/text_edit.h"
#include "widgets/abstract_widget.h"
#include "widgets/counting_widget_parts.h"

namespace tockly {

class bfCounter final : public bfAbstractWidget {
public:
    static constexpr int kWidth = 198;
    static constexpr int kHeight = 80;
    static constexpr int kBodyHeight = 70;  // the height without the progress strip
    static constexpr WORD kHideId = 0;
    static constexpr WORD kTitleId = 1;
    static constexpr WORD kTimeId = 2;

    bfCounter(HWND owner, WORD widgetId, SoundPlayer& sound, const Clock& clock = WidgetClock());
    ~bfCounter() override;

    // The record's settings into the window: progress strip, always on top, transparency, the
    // title and the remaining time, the position.
    void ApplyRecord(const CounterTask& record);
    // The record as it is now, with the widget's state (position, menu choices, shown, running).
    CounterTask Record() const;
    // The remove-after-end toggle of the task's row.
    void SetRemoveAfterEnd(bool remove);

    // The menu's texts in the user's language (again after a change of language).
    void SetMenuTexts(const WidgetMenuTexts& texts);

    bfButton& hideButton() noexcept { return hide_; }
    bfTextEdit& title() noexcept { return title_; }
    bfStaticText& time() noexcept { return time_; }
    std::int64_t shownSeconds() const;

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
    void TitleEdited();
    LRESULT OnEndShown(UINT message, WPARAM wParam, LPARAM lParam);

    SoundPlayer& sound_;
    bfButton hide_;
    bfTextEdit title_;
    bfStaticText time_;
    // Under the widget's lock.
    CounterTask record_;
    std::int64_t shown_ = 0;
};

}  // namespace tockly
