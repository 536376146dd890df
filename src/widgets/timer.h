#pragma once
// bfTimer: the desktop widget of a timer task, a countdown of a fixed duration that the user plays,
// pauses and resets on the widget. Its worker takes the time that really passed off the remaining
// seconds once per wall-clock second (TimerCountdown); at zero the timer hides itself and asks its
// owner for the end-of-count message or plays its sound, and stays stopped or asks to be removed
// (PlanCountEnd). Family 3 of the notifications.
//
// Controls: play/pause (0), reset (1), hide (2), the title (3, a label until double-clicked) and
// the remaining time (4); the progress strip below the body while "Show progress bar" is checked.

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/monotonic_clock.h"
#include "platform/sound_player.h"
#include "tasks/task_records.h"
#include "toolkit/button.h"
#include "toolkit/static_text.h"
#include "toolkit/text_edit.h"
#include "widgets/abstract_widget.h"
#include "widgets/counting_widget_parts.h"
#include "widgets/owner_notices.h"
#include "widgets/timer_rules.h"

namespace tockly {

// The program's elapsed-time clock (GetTickCount64).
const MonotonicClock& TimerElapsedClock();

class bfTimer final : public bfAbstractWidget {
public:
    static constexpr int kWidth = 198;
    static constexpr int kHeight = 86;
    static constexpr int kBodyHeight = 76;  // the height without the progress strip
    static constexpr WORD kPlayPauseId = 0;
    static constexpr WORD kResetId = 1;
    static constexpr WORD kHideId = 2;
    static constexpr WORD kTitleId = 3;
    static constexpr WORD kTimeId = 4;

    bfTimer(HWND owner, WORD widgetId, SoundPlayer& sound, const Clock& clock = WidgetClock(),
            const MonotonicClock& elapsed = TimerElapsedClock());
    ~bfTimer() override;

    // The record's settings into the window: always on top, progress strip, transparency, the
    // title and the remaining time, the position.
    void ApplyRecord(const TimerTask& record);
    // The record as it is now, with the widget's state (position, menu choices, shown, running).
    TimerTask Record() const;
    // The remove-after-end toggle of the task's row.
    void SetRemoveAfterEnd(bool remove);

    // Starts or stops the count and shows the pause or play icon.
    void SetRunning(bool run) override;

    // The menu's texts in the user's language (again after a change of language).
    void SetMenuTexts(const WidgetMenuTexts& texts);

    bfButton& playPauseButton() noexcept { return playPause_; }
    bfButton& resetButton() noexcept { return reset_; }
    bfButton& hideButton() noexcept { return hide_; }
    bfTextEdit& title() noexcept { return title_; }
    bfStaticText& time() noexcept { return time_; }
    // The remaining seconds the time shows (one more than the record holds while counting).
    std::int32_t shownSeconds() const;

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
    OwnerNotices Notices() const;
    void PlayOrPause();
    void Reset();
    void TitleEdited();
    void ShowPlayIcon(bool playing);
    LRESULT OnEndShown(UINT message, WPARAM wParam, LPARAM lParam);

    SoundPlayer& sound_;
    const MonotonicClock& elapsed_;
    bfButton playPause_;
    bfButton reset_;
    bfButton hide_;
    bfTextEdit title_;
    bfStaticText time_;
    // Under the widget's lock.
    TimerTask record_;
    std::int32_t shown_ = 0;
    TimerCountdown countdown_;
};

}  // namespace tockly
