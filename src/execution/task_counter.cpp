#include "execution/task_counter.h"

#include <algorithm>
#include <string>
#include <utility>

#include "execution/network_action.h"
#include "support/gdi_handles.h"
#include "toolkit/skin_metrics.h"
#include "widgets/menu_ids.h"
#include "widgets/widget_skin_files.h"

namespace tockly {
namespace {

constexpr const wchar_t* kToolIcon = L"data\\bitmaps\\24_tool_icon.bmp";
constexpr const char16_t* kCloseIcon = u"data\\bitmaps\\16_exit_icon.bmp";
constexpr const char16_t* kEyeIcon = u"data\\bitmaps\\16_eye_icon.bmp";

// Where things are (client coordinates).
constexpr int kButtonX = 178;
constexpr int kCloseButtonY = 3;
constexpr int kCollapseButtonY = 25;
constexpr int kButtonSize = 16;
constexpr POINT kToolIconAt{5, 24};
constexpr int kTitleWidth = 176;
constexpr RECT kCountdown{37, 21, 37 + 140, 21 + 26};
constexpr int kFirstLineY = 50;
constexpr int kLinePitch = 15;
constexpr int kLineHeight = 15;
constexpr int kLabelX = 9;
constexpr int kLabelGap = 5;
constexpr int kMaxLabelWidth = 90;
constexpr int kDetailRight = kTaskCounterWidth - 7;

const FontSpec kTitleFont{L"Georgia", 16, FW_BOLD, true};
const FontSpec kCountdownFont{L"Georgia", 24, FW_NORMAL, false};
const FontSpec kDetailFont{L"Tahoma", 13, FW_NORMAL, false};
constexpr TextColors kTitleColors{RGB(236, 236, 236), RGB(140, 140, 140)};
constexpr TextColors kCountdownColors{RGB(250, 250, 250), RGB(140, 140, 140)};
constexpr TextColors kLabelColors{RGB(150, 163, 180), RGB(110, 110, 110)};
constexpr TextColors kValueColors{RGB(226, 226, 226), RGB(140, 140, 140)};

// A detail value: one line, shortened at its end with an ellipsis when it does not fit; a path in
// the middle, so that it keeps its file name.
class DetailValue final : public bfStaticText {
public:
    using bfStaticText::bfStaticText;

    void SetPath(bool isPath) {
        if (isPath_ != isPath) {
            isPath_ = isPath;
            Repaint();
        }
    }

protected:
    void PaintContent(const PaintContext& paint) override {
        PaintCaption(paint, {0, 0, paint.width, paint.height},
                     DT_SINGLELINE | (isPath_ ? DT_PATH_ELLIPSIS : DT_END_ELLIPSIS));
    }

private:
    bool isPath_ = false;
};

// The width of `text` in `font`.
int TextWidth(const SharedFont& font, std::u16string_view text) {
    WindowDc screen(nullptr);
    if (!font || screen.get() == nullptr || text.empty()) {
        return 0;
    }
    SelectedObject selected(screen.get(), font->handle());
    SIZE size{};
    const std::wstring wide(text.begin(), text.end());
    ::GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

void OnTile(CaptionedControl& control, const FontSpec& font, TextColors colors) {
    control.LoadBackgroundBitmapFile(kWidgetTile);
    control.SetFont(font);
    control.SetTextColors(colors.enabled, colors.disabled);
}

void PlaceButton(bfButton& button, int y, const char16_t* icon) {
    button.SetCustomSkin(ModernButtonSkin(), skin::PieceSkin{kButtonSize, 2});
    button.Resize(kButtonSize, kButtonSize);
    button.SetIconFiles(icon);
    button.LoadBackgroundBitmapFile(kWidgetTile);
    button.Move(kButtonX, y);
    button.Show(true);
}

bool IsCommandOf(const CommandInput& command, WORD id) {
    return command.id == id && command.lParam != 0;
}

}  // namespace

bfTaskCounter::bfTaskCounter(HWND owner, WORD widgetId, SystemTaskType type, SystemActions& actions,
                             const Clock& clock)
    : bfAbstractWidget(owner, widgetId,
                       {WidgetFamily::TaskCounter, kTaskCounterWidth,
                        TaskCounterHeight(type, true, true), std::u16string(TaskCounterMenu(type))},
                       clock),
      type_(type),
      actions_(actions),
      model_(type),
      toolIcon_(LoadSkinFile(kToolIcon)),
      detailFont_(AcquireFont(kDetailFont)),
      close_(window(), kCloseButtonId, kButtonSize),
      collapse_(window(), kCollapseButtonId, kButtonSize),
      title_(window(), kTitleId, kTitleWidth),
      countdown_(window(), kCountdownId, kCountdown.right - kCountdown.left,
                 kCountdown.bottom - kCountdown.top) {
    for (int i = 0; i < 2 * kDetailLineCount; ++i) {
        const auto id = static_cast<WORD>(kFirstDetailId + i);
        const bool value = i % 2 == 1;
        details_[static_cast<std::size_t>(i)] =
            value ? std::make_unique<DetailValue>(window(), id, kDetailRight - kLabelX, kLineHeight)
                  : std::make_unique<bfStaticText>(window(), id, kMaxLabelWidth, kLineHeight);
    }
    PlaceControls();
    RefreshDetails();
    RefreshTexts();
}

bfTaskCounter::~bfTaskCounter() {
    SetRunning(false);  // the worker reads the model, which goes before the base
}

void bfTaskCounter::PlaceControls() {
    PlaceButton(close_, kCloseButtonY, kCloseIcon);
    PlaceButton(collapse_, kCollapseButtonY, kEyeIcon);

    OnTile(title_, kTitleFont, kTitleColors);
    title_.SetDisplayMode(true);
    title_.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    title_.Move(1, 1);
    title_.Show(true);
    AddDragLabel(kTitleId);

    OnTile(countdown_, kCountdownFont, kCountdownColors);
    countdown_.Move(kCountdown.left, kCountdown.top);
    countdown_.Show(true);
    AddDragLabel(kCountdownId);

    for (int i = 0; i < 2 * kDetailLineCount; ++i) {
        bfStaticText& text = *details_[static_cast<std::size_t>(i)];
        const bool value = i % 2 == 1;
        OnTile(text, kDetailFont, value ? kValueColors : kLabelColors);
        text.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
        text.Move(kLabelX, kFirstLineY + (i / 2) * kLinePitch);
        // Labels and the short values start a drag; the long values (9, 11, 13) do not.
        const auto id = static_cast<WORD>(kFirstDetailId + i);
        if (id <= 8 || id == 10 || id == 12) {
            AddDragLabel(id);
        }
    }
}

SystemTaskRecord bfTaskCounter::record() const {
    CriticalSectionLock hold(widgetLock());
    return model_.record();
}

bool bfTaskCounter::SetRecord(SystemTaskRecord record) {
    CriticalSectionLock hold(widgetLock());
    return model_.SetRecord(std::move(record));
}

void bfTaskCounter::ApplyRecord() {
    SystemTaskRecord record;
    {
        CriticalSectionLock hold(widgetLock());
        model_.Recount(clock().Now());
        record = model_.record();
    }
    bool alwaysOnTop = false;
    bool strip = false;
    int transparency = 0;
    std::visit(
        [&](const auto& task) {
            title_.SetText(task.title);
            alwaysOnTop = task.alwaysOnTop;
            strip = task.showProgressBar;
            transparency = task.transparency;
        },
        record);
    if (const auto* task = std::get_if<ApplicationTask>(&record)) {
        collapsed_ = !task->expanded;
    }
    if (const auto* task = std::get_if<PrintScreenTask>(&record)) {
        CheckChoice(menu_id::kRepeatFirst, menu_id::kRepeatLast, task->repeatChoice);
        CheckChoice(menu_id::kExecuteForFirst, menu_id::kExecuteForLast, task->executeForChoice);
        CheckChoice(menu_id::kFormatPng, menu_id::kFormatBmp, task->formatChoice);
    }
    if (const auto* task = std::get_if<PowerTask>(&record); task != nullptr && menu() != nullptr) {
        menu()->SetChecked(menu_id::kForce, task->force);
    }
    SetAlwaysOnTop(alwaysOnTop);
    SetTransparency(transparency);
    SetShowProgressBar(strip);  // resizes
    RefreshDetails();
    RefreshTexts();
    FitSize();
    Refresh();
}

void bfTaskCounter::SetRemoveAfterEnd(bool remove) {
    CriticalSectionLock hold(widgetLock());
    model_.SetRemoveAfterEnd(remove);
}

void bfTaskCounter::SetTexts(const TaskCounterTexts& texts) {
    texts_ = texts;
    if (menu() != nullptr) {
        for (const MenuText& item : TaskCounterMenuTexts(type_)) {
            menu()->SetItemText(item.place, texts_.Get(item.text));
        }
    }
    RefreshDetails();
}

void bfTaskCounter::SetCollapsed(bool collapsed) {
    collapsed_ = collapsed;
    {
        CriticalSectionLock hold(widgetLock());
        model_.SetExpanded(!collapsed);
    }
    RefreshDetails();
    FitSize();
    Refresh();
}

int bfTaskCounter::stripColumns() const {
    CriticalSectionLock hold(widgetLock());
    return model_.stripColumns();
}

int bfTaskCounter::stripY() const {
    return TaskCounterBodyHeight(type_, collapsed_);
}

void bfTaskCounter::FitSize() {
    const int height = TaskCounterHeight(type_, collapsed_, showProgressBar());
    Resize(kTaskCounterWidth, height);
    SetDragArea({0, 0, kTaskCounterWidth, height});
}

void bfTaskCounter::RefreshDetails() {
    SystemTaskRecord record;
    {
        CriticalSectionLock hold(widgetLock());
        record = model_.record();
    }
    const DetailLines lines = MakeDetailLines(record, texts_);
    int previousValueX = kLabelX;
    for (int line = 0; line < kDetailLineCount; ++line) {
        const DetailLine& detail = lines[static_cast<std::size_t>(line)];
        const bool shown = !detail.empty() && DetailLineShown(type_, line, collapsed_);
        bfStaticText& label = *details_[static_cast<std::size_t>(2 * line)];
        bfStaticText& value = *details_[static_cast<std::size_t>(2 * line + 1)];
        label.SetText(detail.label);
        value.SetText(detail.value);
        // Each value follows its own label, so that a short label leaves its value the room.
        const int labelWidth = std::min(TextWidth(detailFont_, detail.label), kMaxLabelWidth);
        const int y = kFirstLineY + line * kLinePitch;
        label.Resize(std::max(labelWidth, 1), kLineHeight);
        // A value without a label goes on under the value above it.
        const int valueX = labelWidth > 0 ? kLabelX + labelWidth + kLabelGap : previousValueX;
        previousValueX = valueX;
        value.Move(valueX, y);
        value.Resize(kDetailRight - valueX, kLineHeight);
        static_cast<DetailValue&>(value).SetPath(
            detail.longValue && detail.value.find_first_of(u"\\/") != std::u16string::npos);
        label.Show(shown);
        value.Show(shown);
    }
}

void bfTaskCounter::RefreshTexts() {
    std::u16string text;
    {
        CriticalSectionLock hold(widgetLock());
        text = model_.countdownText();
    }
    if (countdown_.Text() != std::wstring(text.begin(), text.end())) {
        countdown_.SetText(text);
    }
}

void bfTaskCounter::CheckChoice(int first, int last, std::int32_t index) {
    if (menu() == nullptr) {
        return;
    }
    if (index >= 0 && index <= last - first) {
        menu()->CheckOnly(first, last, first + index);
        return;
    }
    for (int id = first; id <= last; ++id) {
        menu()->SetChecked(id, false);
    }
}

bool bfTaskCounter::HandleCommand(const CommandInput& command) {
    const int id = command.id;
    if (IsCommandOf(command, kCloseButtonId)) {
        HideByUser();
        return true;
    }
    if (IsCommandOf(command, kCollapseButtonId)) {
        SetCollapsed(!collapsed_);
        SendWidgetChanged();
        return true;
    }
    if (IsCommandOf(command, kTitleId)) {
        {
            CriticalSectionLock hold(widgetLock());
            model_.SetTitle(title_.Text());
        }
        SendWidgetEvent(task_counter_event::kTitleEdited);
        return true;
    }
    if (command.lParam != 0) {
        return id >= kFirstDetailId && id < kFirstDetailId + 2 * kDetailLineCount;
    }
    if (id >= menu_id::kRepeatFirst && id <= menu_id::kRepeatLast) {
        if (ChangeRecord([id](TaskCounterModel& model) { return model.ChooseRepeatEvery(id); })) {
            CheckChoice(menu_id::kRepeatFirst, menu_id::kRepeatLast, id - menu_id::kRepeatFirst);
            SendWidgetChanged();
        }
        return true;
    }
    if (id >= menu_id::kExecuteForFirst && id <= menu_id::kExecuteForLast) {
        Rearm(id);
        return true;
    }
    if (id >= menu_id::kFormatPng && id <= menu_id::kFormatBmp) {
        if (ChangeRecord([id](TaskCounterModel& model) { return model.ChooseFileFormat(id); })) {
            CheckChoice(menu_id::kFormatPng, menu_id::kFormatBmp, id - menu_id::kFormatPng);
            RefreshDetails();
            SendWidgetChanged();
        }
        return true;
    }
    if (id == menu_id::kConnect || id == menu_id::kDisconnect) {
        Connect(id == menu_id::kConnect);
        return true;
    }
    if (id == menu_id::kForce) {
        bool force = false;
        const auto toggle = [&force](TaskCounterModel& model) {
            const auto* task = std::get_if<PowerTask>(&model.record());
            force = task != nullptr && !task->force;
            return model.ToggleForce();
        };
        if (ChangeRecord(toggle) && menu() != nullptr) {
            menu()->SetChecked(menu_id::kForce, force);
            RefreshDetails();
            SendWidgetChanged();
        }
        return true;
    }
    return false;
}

bool bfTaskCounter::ChangeRecord(const std::function<bool(TaskCounterModel&)>& change) {
    CriticalSectionLock hold(widgetLock());
    return change(model_);
}

void bfTaskCounter::Rearm(int menuId) {
    bool changed = false;
    {
        CriticalSectionLock hold(widgetLock());
        changed = model_.ChooseExecuteFor(menuId, clock().Now());
        model_.Recount(clock().Now());
    }
    if (!changed) {
        return;
    }
    CheckChoice(menu_id::kExecuteForFirst, menu_id::kExecuteForLast,
                menuId - menu_id::kExecuteForFirst);
    RefreshDetails();
    RefreshTexts();
    Refresh();
    // The owner may destroy the counter while it is told: nothing of it is read after this.
    const HWND ownerWindow = owner();
    const WORD id = widgetId();
    const bool report = reportChanges();
    ::SendMessageW(ownerWindow, WM_COMMAND,
                   MAKEWPARAM(static_cast<WORD>(WidgetFamily::TaskCounter), id),
                   task_counter_event::kRearmed);
    if (report) {
        ::SendMessageW(ownerWindow, WM_COMMAND, MAKEWPARAM(kWidgetChangedCode, id),
                       kSettingsChanged);
    }
}

void bfTaskCounter::Connect(bool connect) {
    std::u16string entry;
    {
        CriticalSectionLock hold(widgetLock());
        const auto* task = std::get_if<InternetTask>(&model_.record());
        if (task == nullptr) {
            return;
        }
        entry = task->entryName;
    }
    StartNetworkAction(actions_.dialUp, entry, connect);
    SendWidgetEvent(task_counter_event::kRemoveRequest);
}

void bfTaskCounter::CommonSettingChanged() {
    CriticalSectionLock hold(widgetLock());
    model_.SetAppearance(alwaysOnTop(), showProgressBar(), transparency());
}

void bfTaskCounter::ProgressBarChanged(bool) {
    FitSize();
    Refresh();
}

void bfTaskCounter::PaintWidget(const PaintContext& paint) {
    PaintBody(paint);
    DrawSkinAt(paint, toolIcon_.get(), kToolIconAt.x, kToolIconAt.y);
    if (showProgressBar()) {
        PaintProgressStrip(paint, stripY(), stripColumns());
    }
}

RECT bfTaskCounter::ProgressStripArea() const {
    if (!showProgressBar()) {
        return {};
    }
    const int y = stripY();
    return {1, y, kTaskCounterWidth - 1, y + kTaskCounterStripHeight - 1};
}

WorkerStep bfTaskCounter::EverySecond(const TimePoint& now) {
    CounterSecond second = model_.Second(now);
    WorkerStep step;
    if (second.countdownChanged) {
        step.uiWork |= worker_ui::kTexts;
    }
    if (second.stripChanged) {
        step.uiWork |= worker_ui::kStrip;
    }
    if (second.detailsChanged) {
        step.uiWork |= kDetailsWork;
    }
    if (second.action) {
        step.withoutLock = [&actions = actions_, action = std::move(second.action),
                            remove = second.removeAfterEnd](WorkerStep& done) {
            const WorkerStep end = StepAfterAction(action(actions), remove);
            for (int i = 0; i < end.eventCount; ++i) {
                done.Post(end.events[static_cast<std::size_t>(i)]);
            }
            done.end = end.end;
            if (end.end == WorkerEnd::Stop) {
                done.uiWork |= worker_ui::kHide;
            }
        };
    }
    return step;
}

void bfTaskCounter::ApplyWorkerWork(std::uint32_t work) {
    if ((work & kDetailsWork) != 0) {
        RefreshDetails();
    }
    bfAbstractWidget::ApplyWorkerWork(work & ~kDetailsWork);
}

}  // namespace tockly
