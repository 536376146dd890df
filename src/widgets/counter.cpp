#include "widgets/counter.h"

#include "widgets/counter_rules.h"
#include "widgets/menu_ids.h"
#include "widgets/owner_notices.h"
#include "widgets/timer_rules.h"

namespace tockly {
namespace {

constexpr const char16_t* kHideIcon = u"data\\bitmaps\\16_exit_icon.bmp";
const FontSpec kTimeFont{L"Georgia", 30, 500, false};
constexpr int kHideButtonSize = 16;
constexpr int kTransparencyPosition = 2;  // in "Universal_PopupMenu"

// Posted by the worker when the count reaches zero: the time shows 00 : 00 : 00 while the worker
// pauses before the end (the end's own work comes after the pause, with the base's message).
constexpr UINT kEndShownMessage = bfAbstractWidget::kWorkerMessage + 0x10;
constexpr std::uint32_t kPlayEndSound = worker_ui::kFirstOwnBit;

}  // namespace

bfCounter::bfCounter(HWND owner, WORD widgetId, SoundPlayer& sound, const Clock& clock)
    : bfAbstractWidget(owner, widgetId,
                       {WidgetFamily::Counter, kWidth, kHeight, u"Universal_PopupMenu"}, clock),
      sound_(sound),
      hide_(window(), kHideId, kHideButtonSize),
      title_(window(), kTitleId, 170),
      time_(window(), kTimeId, kWidth - 8, 36) {
    SkinIconButton(hide_, ModernButtonSkin(), kHideIcon, kHideButtonSize,
                   skin::PieceSkin{kHideButtonSize, skin::kModernButton.pieceWidth});
    hide_.Move(kWidth - kHideButtonSize - 4, 4);
    PlaceWidgetLabel(title_, 4, 2, kCountingTitleFont);
    title_.SetDisplayMode(true);
    PlaceWidgetLabel(time_, 4, 28, kTimeFont);
    time_.SetText(CountdownText(0));
    AddDragLabel(kTitleId);
    AddDragLabel(kTimeId);
    hide_.Show(true);
    title_.Show(true);
    time_.Show(true);
    SetShowProgressBar(true);
    messages().Set(kEndShownMessage, this, &bfCounter::OnEndShown);
}

bfCounter::~bfCounter() {
    SetRunning(false);  // the worker reads this class's members
}

void bfCounter::ApplyRecord(const CounterTask& record) {
    {
        CriticalSectionLock hold(widgetLock());
        record_ = record;
        shown_ = CounterRemainingSeconds(clock().Now(), record.target);
    }
    ApplyCountingLook(*this, record);
    title_.SetText(record.title);
    RefreshTexts();
    Refresh();
}

CounterTask bfCounter::Record() const {
    CounterTask record;
    {
        CriticalSectionLock hold(widgetLock());
        record = record_;
    }
    TakeCountingLook(*this, record);
    return record;
}

void bfCounter::SetRemoveAfterEnd(bool remove) {
    CriticalSectionLock hold(widgetLock());
    record_.removeAfterEnd = remove;
}

void bfCounter::SetMenuTexts(const WidgetMenuTexts& texts) {
    SetWidgetMenuTexts(menu(), texts, kTransparencyPosition);
}

std::int64_t bfCounter::shownSeconds() const {
    CriticalSectionLock hold(widgetLock());
    return shown_;
}

bool bfCounter::HandleCommand(const CommandInput& command) {
    if (command.id > menu_id::kRemove) {
        return true;  // not the counter's
    }
    if (command.lParam == 0) {
        return false;  // a menu command: the base's
    }
    if (command.id == kHideId) {
        HideByUser();
        return true;
    }
    if (command.id == kTitleId) {
        TitleEdited();
        return true;
    }
    return false;
}

void bfCounter::TitleEdited() {
    {
        CriticalSectionLock hold(widgetLock());
        record_.title = title_.Text();
    }
    const OwnerNotices notices{owner(), widgetId(), family(), reportChanges()};
    notices.SendEvent(count_event::kTitleEdited);
}

void bfCounter::CommonSettingChanged() {
    CriticalSectionLock hold(widgetLock());
    record_.alwaysOnTop = alwaysOnTop();
    record_.transparency = transparency();
    record_.showProgressBar = showProgressBar();
}

void bfCounter::ProgressBarChanged(bool shown) {
    Resize(kWidth, shown ? kHeight : kBodyHeight);
}

void bfCounter::PaintWidget(const PaintContext& paint) {
    PaintBody(paint);
    if (showProgressBar()) {
        int columns = 0;
        {
            CriticalSectionLock hold(widgetLock());
            columns = ProgressStripWidth(shown_, CounterTotalSeconds(record_.start, record_.target),
                                         kProgressStripWidth);
        }
        PaintProgressStrip(paint, kBodyHeight, columns);
    }
}

RECT bfCounter::ProgressStripArea() const {
    if (!showProgressBar()) {
        return {};
    }
    return {1, kBodyHeight, kWidth - 1, kBodyHeight + kProgressStripHeight};
}

WorkerStep bfCounter::EverySecond(const TimePoint& now) {
    shown_ = CounterRemainingSeconds(now, record_.target);
    if (shown_ > 0) {
        return {.uiWork = worker_ui::kTexts | worker_ui::kStrip};
    }
    ::PostMessageW(window(), kEndShownMessage, 0, 0);
    const CountEnd end = PlanCountEnd(
        {record_.removeAfterEnd, record_.showMessageAfterEnd, record_.playSoundAfterEnd});
    WorkerStep step = end.step;
    step.uiWork = (end.hide ? worker_ui::kHide : 0) | (end.playSound ? kPlayEndSound : 0);
    return step;
}

void bfCounter::ApplyWorkerWork(std::uint32_t work) {
    bfAbstractWidget::ApplyWorkerWork(work);
    if ((work & kPlayEndSound) != 0) {
        std::u16string file;
        {
            CriticalSectionLock hold(widgetLock());
            file = record_.soundFile;
        }
        sound_.Play(file);
    }
}

void bfCounter::RefreshTexts() {
    std::int64_t shown = 0;
    {
        CriticalSectionLock hold(widgetLock());
        shown = shown_;
    }
    time_.SetText(CountdownText(shown));
}

LRESULT bfCounter::OnEndShown(UINT, WPARAM, LPARAM) {
    RefreshTexts();
    RefreshArea(ProgressStripArea());
    return 0;
}

}  // namespace tockly
