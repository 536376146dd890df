#include "widgets/timer.h"

#include <algorithm>
#include <limits>

#include "platform/win32_monotonic_clock.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

constexpr const char16_t* kPlayIcon = u"data\\bitmaps\\18_play_icon.bmp";
constexpr const char16_t* kPauseIcon = u"data\\bitmaps\\18_pause_icon.bmp";
constexpr const char16_t* kResetIcon = u"data\\bitmaps\\18_reset_icon.bmp";
constexpr const char16_t* kHideIcon = u"data\\bitmaps\\16_exit_icon.bmp";
const FontSpec kTimeFont{L"Georgia", 24, 500, false};
constexpr int kIconButtonWidth = 24;
constexpr int kHideButtonSize = 16;
constexpr int kTransparencyPosition = 2;  // in "Universal_PopupMenu"

// Posted by the worker when the count reaches zero: the time shows 00 : 00 : 00 while the worker
// pauses before the end (the end's own work comes after the pause, with the base's message).
constexpr UINT kEndShownMessage = bfAbstractWidget::kWorkerMessage + 0x10;

// What the end of the count asks of the user-interface thread beyond the base's work.
constexpr std::uint32_t kPlayEndSound = worker_ui::kFirstOwnBit;
constexpr std::uint32_t kShowPlayIcon = worker_ui::kFirstOwnBit << 1;

std::int32_t DurationSeconds(const Duration& duration) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        TotalSeconds(duration), 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

const MonotonicClock& TimerElapsedClock() {
    static const Win32MonotonicClock clock;
    return clock;
}

bfTimer::bfTimer(HWND owner, WORD widgetId, SoundPlayer& sound, const Clock& clock,
                 const MonotonicClock& elapsed)
    : bfAbstractWidget(owner, widgetId,
                       {WidgetFamily::Timer, kWidth, kHeight, u"Universal_PopupMenu"}, clock),
      sound_(sound),
      elapsed_(elapsed),
      playPause_(window(), kPlayPauseId, kIconButtonWidth),
      reset_(window(), kResetId, kIconButtonWidth),
      hide_(window(), kHideId, kHideButtonSize),
      title_(window(), kTitleId, 170),
      time_(window(), kTimeId, 140, 26) {
    SetCommonReports({.alwaysOnTop = true, .hide = false});
    SkinIconButton(playPause_, ModernButtonSkin(), kPlayIcon, kIconButtonWidth);
    SkinIconButton(reset_, ModernButtonSkin(), kResetIcon, kIconButtonWidth);
    SkinIconButton(hide_, ModernButtonSkin(), kHideIcon, kHideButtonSize,
                   skin::PieceSkin{kHideButtonSize, skin::kModernButton.pieceWidth});
    playPause_.Move(kWidth / 2 - kIconButtonWidth - 2, 52);
    reset_.Move(kWidth / 2 + 2, 52);
    hide_.Move(kWidth - kHideButtonSize - 4, 4);
    PlaceWidgetLabel(title_, 4, 2, kCountingTitleFont);
    title_.SetDisplayMode(true);
    PlaceWidgetLabel(time_, (kWidth - 140) / 2, 24, kTimeFont);
    time_.SetText(CountdownText(0));
    AddDragLabel(kTitleId);
    AddDragLabel(kTimeId);
    for (bfAbstractControl* control :
         {static_cast<bfAbstractControl*>(&playPause_), static_cast<bfAbstractControl*>(&reset_),
          static_cast<bfAbstractControl*>(&hide_), static_cast<bfAbstractControl*>(&title_),
          static_cast<bfAbstractControl*>(&time_)}) {
        control->Show(true);
    }
    SetShowProgressBar(true);
    messages().Set(kEndShownMessage, this, &bfTimer::OnEndShown);
}

bfTimer::~bfTimer() {
    bfAbstractWidget::SetRunning(false);  // the worker reads this class's members
}

void bfTimer::ApplyRecord(const TimerTask& record) {
    {
        CriticalSectionLock hold(widgetLock());
        record_ = record;
        shown_ = std::max(record.remainingSeconds, 0);
        countdown_.Restart();
    }
    ApplyCountingLook(*this, record);
    title_.SetText(record.title);
    RefreshTexts();
    Refresh();
}

TimerTask bfTimer::Record() const {
    TimerTask record;
    {
        CriticalSectionLock hold(widgetLock());
        record = record_;
    }
    TakeCountingLook(*this, record);
    return record;
}

void bfTimer::SetRemoveAfterEnd(bool remove) {
    CriticalSectionLock hold(widgetLock());
    record_.removeAfterEnd = remove;
}

void bfTimer::SetRunning(bool run) {
    if (run && !running()) {
        CriticalSectionLock hold(widgetLock());
        countdown_.Restart();  // the time while stopped is not counted
    }
    bfAbstractWidget::SetRunning(run);
    ShowPlayIcon(running());
}

void bfTimer::SetMenuTexts(const WidgetMenuTexts& texts) {
    SetWidgetMenuTexts(menu(), texts, kTransparencyPosition);
}

std::int32_t bfTimer::shownSeconds() const {
    CriticalSectionLock hold(widgetLock());
    return shown_;
}

OwnerNotices bfTimer::Notices() const {
    return {owner(), widgetId(), family(), reportChanges()};
}

bool bfTimer::HandleCommand(const CommandInput& command) {
    if (command.id > menu_id::kRemove) {
        return true;  // not the timer's
    }
    if (command.lParam == 0) {
        return false;  // a menu command: the base's
    }
    switch (command.id) {
        case kPlayPauseId:
            PlayOrPause();
            return true;
        case kResetId:
            Reset();
            return true;
        case kHideId:
            HideByUser();
            return true;
        case kTitleId:
            TitleEdited();
            return true;
        default:
            return false;
    }
}

void bfTimer::PlayOrPause() {
    const OwnerNotices notices = Notices();
    const bool play = !running();
    SetRunning(play);
    notices.SendEvent(play ? count_event::kStarted : count_event::kEnded);
    notices.SendChanged();
}

void bfTimer::Reset() {
    {
        CriticalSectionLock hold(widgetLock());
        record_.remainingSeconds = DurationSeconds(record_.duration);
        shown_ = record_.remainingSeconds;
        countdown_.Restart();
    }
    RefreshTexts();
    RefreshArea(ProgressStripArea());
    Notices().SendChanged();
}

void bfTimer::TitleEdited() {
    {
        CriticalSectionLock hold(widgetLock());
        record_.title = title_.Text();
    }
    const OwnerNotices notices = Notices();
    notices.SendEvent(count_event::kTitleEdited);
    notices.SendChanged();
}

void bfTimer::ShowPlayIcon(bool playing) {
    playPause_.SetIconFiles(playing ? kPauseIcon : kPlayIcon);
}

void bfTimer::CommonSettingChanged() {
    CriticalSectionLock hold(widgetLock());
    record_.alwaysOnTop = alwaysOnTop();
    record_.transparency = transparency();
    record_.showProgressBar = showProgressBar();
}

void bfTimer::ProgressBarChanged(bool shown) {
    Resize(kWidth, shown ? kHeight : kBodyHeight);
}

void bfTimer::PaintWidget(const PaintContext& paint) {
    PaintBody(paint);
    if (showProgressBar()) {
        int columns = 0;
        {
            CriticalSectionLock hold(widgetLock());
            columns =
                ProgressStripWidth(shown_, TotalSeconds(record_.duration), kProgressStripWidth);
        }
        PaintProgressStrip(paint, kBodyHeight, columns);
    }
}

RECT bfTimer::ProgressStripArea() const {
    if (!showProgressBar()) {
        return {};
    }
    return {1, kBodyHeight, kWidth - 1, kBodyHeight + kProgressStripHeight};
}

WorkerStep bfTimer::EverySecond(const TimePoint& now) {
    const TimerCountdown::Second second =
        countdown_.Tick(elapsed_.Milliseconds(), now.millisecond, record_.remainingSeconds);
    shown_ = second.shown;
    if (!second.ended) {
        return {.uiWork = worker_ui::kTexts | worker_ui::kStrip};
    }
    ::PostMessageW(window(), kEndShownMessage, 0, 0);
    const CountEnd end = PlanCountEnd(
        {record_.removeAfterEnd, record_.showMessageAfterEnd, record_.playSoundAfterEnd});
    WorkerStep step = end.step;
    step.uiWork = (end.hide ? worker_ui::kHide : 0) | (end.playSound ? kPlayEndSound : 0) |
                  (end.step.end == WorkerEnd::Stop ? kShowPlayIcon : 0);
    return step;
}

void bfTimer::ApplyWorkerWork(std::uint32_t work) {
    bfAbstractWidget::ApplyWorkerWork(work);
    if ((work & kShowPlayIcon) != 0) {
        ShowPlayIcon(running());
    }
    if ((work & kPlayEndSound) != 0) {
        std::u16string file;
        {
            CriticalSectionLock hold(widgetLock());
            file = record_.soundFile;
        }
        sound_.Play(file);
    }
}

void bfTimer::RefreshTexts() {
    std::int32_t shown = 0;
    {
        CriticalSectionLock hold(widgetLock());
        shown = shown_;
    }
    time_.SetText(CountdownText(shown));
}

LRESULT bfTimer::OnEndShown(UINT, WPARAM, LPARAM) {
    RefreshTexts();
    RefreshArea(ProgressStripArea());
    return 0;
}

}  // namespace tockly
