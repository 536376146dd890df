#include "widgets/stopwatch.h"

#include <utility>

#include "platform/win32_file_dialogs.h"
#include "platform/win32_monotonic_clock.h"
#include "toolkit/skin_metrics.h"
#include "widgets/menu_ids.h"
#include "widgets/owner_notices.h"
#include "widgets/times_list.h"
#include "widgets/widget_skin_files.h"
#include "widgets/win32_times_list_file.h"

namespace tockly {
namespace {

constexpr COLORREF kTextColor = RGB(255, 255, 255);
const FontSpec kTitleFont{L"Georgia", 16, 500, false};
const FontSpec kElapsedFont{L"Georgia", 22, 500, false};
const FontSpec kRowFont{L"Georgia", 14, FW_NORMAL, false};
constexpr const char16_t* kPlayIcon = u"data\\bitmaps\\18_play_icon.bmp";
constexpr const char16_t* kPauseIcon = u"data\\bitmaps\\18_pause_icon.bmp";

// Where the controls go: the title line with the list and hide buttons, the reading beside the
// three large buttons, and below them, while the list is open, its rows beside up, down and Save.
constexpr PixelRect kTitle{6, 4, 142, skin::kTextEdit.height};
constexpr PixelRect kListButton{154, 7, 16, 16};
constexpr PixelRect kHideButton{176, 7, 16, 16};
constexpr PixelRect kElapsed{6, 36, 112, 28};
constexpr int kLargeButtonsX = 120;
constexpr int kLargeButtonsY = 40;
constexpr int kLargeButtonWidth = 22;
constexpr int kLargeButtonStep = 25;
constexpr int kRowX = 10;
constexpr int kFirstRowY = 81;
constexpr int kRowStep = 19;
constexpr int kRowWidth = 130;
constexpr int kRowHeight = 18;
constexpr PixelRect kUpButton{146, 84, 22, skin::kSmallModernButton.height};
constexpr PixelRect kDownButton{170, 84, 22, skin::kSmallModernButton.height};
constexpr PixelRect kSaveButton{146, 122, 46, skin::kSmallModernButton.height};

void Place(bfAbstractControl& control, const PixelRect& rect) {
    control.Move(rect.x, rect.y);
    control.Resize(rect.width, rect.height);
}

void IconButton(bfButton& button, const PixelRect& rect, const char16_t* icon) {
    ButtonSkinFiles files;
    files[ButtonBitmap::Icon] = icon;
    button.SetCustomSkin(files);
    Place(button, rect);
}

void PlateButton(bfButton& button, const ButtonSkinFiles& skin, const skin::PieceSkin& metrics,
                 const PixelRect& rect, const char16_t* icon) {
    button.SetCustomSkin(skin, metrics);
    if (icon != nullptr) {
        button.SetIconFiles(icon);
    }
    Place(button, rect);
}

void Label(bfStaticText& label, const PixelRect& rect, const FontSpec& font,
           HorizontalAlignment alignment) {
    label.LoadBackgroundBitmapFile(kWidgetTile);
    label.SetFont(font);
    label.SetTextColors(kTextColor, kTextColor);
    label.SetAlignment(alignment, VerticalAlignment::Centre);
    Place(label, rect);
}

}  // namespace

StopwatchWorld ProgramStopwatchWorld() {
    static const Win32MonotonicClock clock;
    static Win32FileDialogs dialogs;
    return {clock, dialogs};
}

bfStopwatch::bfStopwatch(HWND owner, WORD widgetId, StopwatchWorld world)
    : bfStopwatch(owner, widgetId, world, std::make_unique<StopwatchPace>(world.clock)) {}

bfStopwatch::bfStopwatch(HWND owner, WORD widgetId, StopwatchWorld world,
                         std::unique_ptr<StopwatchPace> pace)
    // The pace is made before the base, which keeps it for the worker; the worker starts later.
    : bfAbstractWidget(owner, widgetId,
                       {WidgetFamily::Stopwatch, kWidth, kCollapsedHeight, u"StopWatch_PopupMenu"},
                       *pace),
      clock_(world.clock),
      dialogs_(world.dialogs),
      pace_(std::move(pace)),
      checkpointButton_(window(), kCheckpointButtonId, kLargeButtonWidth),
      playButton_(window(), kPlayButtonId, kLargeButtonWidth),
      resetButton_(window(), kResetButtonId, kLargeButtonWidth),
      hideButton_(window(), kHideButtonId, kHideButton.width),
      listButton_(window(), kListButtonId, kListButton.width),
      upButton_(window(), kUpButtonId, kUpButton.width),
      downButton_(window(), kDownButtonId, kDownButton.width),
      saveButton_(window(), kSaveButtonId, kSaveButton.width),
      elapsed_(window(), kElapsedId, kElapsed.width, kElapsed.height),
      title_(window(), kTitleId, kTitle.width),
      rows_{{{window(), kFirstRowId, kRowWidth, kRowHeight},
             {window(), kFirstRowId + 1, kRowWidth, kRowHeight},
             {window(), kFirstRowId + 2, kRowWidth, kRowHeight}}} {
    // "Always on top" is no setting the store is told of.
    SetCommonReports({.alwaysOnTop = false, .hide = true});
    messages().Set(WM_TIMER, [](UINT, WPARAM, LPARAM) -> LRESULT { return 0; });

    const ButtonSkinFiles modern = ModernButtonSkin();
    const char16_t* largeIcons[] = {u"data\\bitmaps\\18_checkpoint_icon.bmp", kPlayIcon,
                                    u"data\\bitmaps\\18_reset_icon.bmp"};
    bfButton* large[] = {&checkpointButton_, &playButton_, &resetButton_};
    for (int i = 0; i < 3; ++i) {
        PlateButton(*large[i], modern, skin::kModernButton,
                    {kLargeButtonsX + i * kLargeButtonStep, kLargeButtonsY, kLargeButtonWidth,
                     skin::kModernButton.height},
                    largeIcons[i]);
    }
    IconButton(hideButton_, kHideButton, u"data\\bitmaps\\16_exit_icon.bmp");
    IconButton(listButton_, kListButton, u"data\\bitmaps\\16_eye_icon.bmp");
    const ButtonSkinFiles small = SmallModernButtonSkin();
    PlateButton(upButton_, small, skin::kSmallModernButton, kUpButton,
                u"data\\bitmaps\\10x7_button_up_arrow.bmp");
    PlateButton(downButton_, small, skin::kSmallModernButton, kDownButton,
                u"data\\bitmaps\\10x7_button_down_arrow.bmp");
    PlateButton(saveButton_, small, skin::kSmallModernButton, kSaveButton, nullptr);
    saveButton_.SetText(u"Save");
    saveButton_.SetFont({L"Tahoma", 12, FW_NORMAL, false});
    saveButton_.SetTextColors(kTextColor, RGB(140, 140, 140));
    for (bfButton* button : {&checkpointButton_, &playButton_, &resetButton_, &hideButton_,
                             &listButton_, &upButton_, &downButton_, &saveButton_}) {
        button->LoadBackgroundBitmapFile(kWidgetTile);
    }

    title_.SetDisplayMode(true);
    title_.SetFont(kTitleFont);
    title_.LoadBackgroundBitmapFile(kWidgetTile);
    title_.SetTextColors(kTextColor, kTextColor);
    Place(title_, kTitle);
    Label(elapsed_, kElapsed, kElapsedFont, HorizontalAlignment::Centre);
    for (int i = 0; i < kStopwatchRows; ++i) {
        Label(rows_[static_cast<std::size_t>(i)],
              {kRowX, kFirstRowY + i * kRowStep, kRowWidth, kRowHeight}, kRowFont,
              HorizontalAlignment::Left);
        AddDragLabel(static_cast<WORD>(kFirstRowId + i));
    }
    AddDragLabel(kElapsedId);
    AddDragLabel(kTitleId);

    for (bfAbstractControl* control : std::initializer_list<bfAbstractControl*>{
             &checkpointButton_, &playButton_, &resetButton_, &hideButton_, &listButton_, &elapsed_,
             &title_}) {
        control->Show(true);
    }
    RefreshTexts();
    ShowRows();
    SetListCollapsed(true);
}

bfStopwatch::~bfStopwatch() {
    // The worker reads this class's members.
    bfAbstractWidget::SetRunning(false);
}

void bfStopwatch::ApplyRecord(const StopwatchTask& record) {
    {
        CriticalSectionLock hold(widgetLock());
        record_ = record;
        record_.elapsed = NormalStopwatchTime(record.elapsed);
        for (Duration& checkpoint : record_.checkpoints) {
            checkpoint = NormalStopwatchTime(checkpoint);
        }
        reading_.Set(StopwatchSeconds(record_.elapsed) * 1000, clock_.Milliseconds());
        ReadingChanged();
        listPosition_ = 0;
    }
    title_.SetText(record.title);
    RefreshTexts();
    ShowRows();
    SetListCollapsed(record.listCollapsed);
    MoveTo(record.x, record.y);
    SetAlwaysOnTop(record.alwaysOnTop);
    SetTransparency(record.transparency);
}

StopwatchTask bfStopwatch::Record() const {
    StopwatchTask record;
    {
        CriticalSectionLock hold(widgetLock());
        record = record_;
        record.elapsed = ReadingNow();
    }
    record.title = title_.Text();
    record.running = running();
    record.shown = shown();
    record.listCollapsed = listCollapsed_;
    record.alwaysOnTop = alwaysOnTop();
    record.x = x();
    record.y = y();
    record.transparency = transparency();
    return record;
}

void bfStopwatch::SetRunning(bool run) {
    if (run) {
        {
            CriticalSectionLock hold(widgetLock());
            reading_.Start(clock_.Milliseconds());
            ReadingChanged();
        }
        bfAbstractWidget::SetRunning(true);
    } else {
        bfAbstractWidget::SetRunning(false);
    }
    if (!running()) {
        // Paused, or the worker could not start: the reading stands still either way.
        CriticalSectionLock hold(widgetLock());
        reading_.Stop(clock_.Milliseconds());
        record_.elapsed = ReadingNow();
    }
    RefreshTexts();
    ShowPlayIcon();
}

void bfStopwatch::SetTexts(const StopwatchTexts& texts) {
    saveButton_.SetText(texts.save);
    OwnerDrawnMenu* popup = menu();
    if (popup == nullptr) {
        return;
    }
    popup->SetItemText(MenuPlace::Command(menu_id::kAlwaysOnTop), texts.alwaysOnTop);
    popup->SetItemText(MenuPlace::Position({1}), texts.transparency);  // a submenu: by place
    popup->SetItemText(MenuPlace::Command(menu_id::kLoadTimesList), texts.loadTimesList);
    popup->SetItemText(MenuPlace::Command(menu_id::kSaveTimesList), texts.saveTimesList);
    popup->SetItemText(MenuPlace::Command(menu_id::kHide), texts.hide);
    popup->SetItemText(MenuPlace::Command(menu_id::kRemove), texts.remove);
}

bfButton& bfStopwatch::button(WORD id) {
    bfButton* buttons[] = {&checkpointButton_, &playButton_, &resetButton_, &hideButton_,
                           &listButton_,       &upButton_,   &downButton_,  &saveButton_};
    return *buttons[id < 8 ? id : 0];
}

bool bfStopwatch::HandleCommand(const CommandInput& command) {
    if (command.lParam != 0) {
        switch (command.id) {
            case kCheckpointButtonId:
                TakeCheckpoint();
                SendWidgetChanged();
                return true;
            case kPlayButtonId: {
                const bool wasRunning = running();
                SetRunning(!wasRunning);
                SendEventThenChanged(*this, wasRunning ? kEndedEvent : kStartedEvent, true);
                return true;
            }
            case kResetButtonId:
                Reset();
                SendWidgetChanged();
                return true;
            case kHideButtonId:
                HideByUser();
                return true;
            case kListButtonId:
                SetListCollapsed(!listCollapsed_);
                SendWidgetChanged();
                return true;
            case kUpButtonId:
            case kDownButtonId:
                MoveList(command.id == kUpButtonId);
                return true;
            case kSaveButtonId:
                SaveTimesList();
                return true;
            case kTitleId:
                SendEventThenChanged(*this, kTitleEditedEvent, true);
                return true;
            default:
                return true;  // the labels' clicks start drags before they come here
        }
    }
    switch (command.id) {
        case menu_id::kSaveTimesList:
            SaveTimesList();
            return true;
        case menu_id::kLoadTimesList:
            LoadTimesList();
            return true;
        default:
            return command.id > menu_id::kSaveTimesList;  // not the stopwatch's
    }
}

void bfStopwatch::PaintWidget(const PaintContext& paint) {
    PaintBody(paint);
    if (!listCollapsed_) {
        // The list below its own line.
        FillSolid(paint.dc, {1, kCollapsedHeight - 1, paint.width - 1, kCollapsedHeight},
                  kWidgetFrameColor);
    }
}

WorkerStep bfStopwatch::EverySecond(const TimePoint&) {
    record_.elapsed = ReadingNow();
    return {.uiWork = worker_ui::kTexts};
}

void bfStopwatch::RefreshTexts() {
    Duration elapsed;
    {
        CriticalSectionLock hold(widgetLock());
        elapsed = record_.elapsed;
    }
    elapsed_.SetText(ElapsedText(elapsed));
}

void bfStopwatch::ReadingChanged() {
    pace_->Follow(reading_);
}

Duration bfStopwatch::ReadingNow() const {
    return StopwatchTime(reading_.Milliseconds(clock_.Milliseconds()) / 1000);
}

void bfStopwatch::ShowRows() {
    std::array<std::u16string, kStopwatchRows> texts;
    {
        CriticalSectionLock hold(widgetLock());
        texts = CheckpointRows(record_.checkpoints, listPosition_);
    }
    for (int i = 0; i < kStopwatchRows; ++i) {
        rows_[static_cast<std::size_t>(i)].SetText(texts[static_cast<std::size_t>(i)]);
    }
}

void bfStopwatch::ShowPlayIcon() {
    playButton_.SetIconFiles(running() ? kPauseIcon : kPlayIcon);
}

void bfStopwatch::SetListCollapsed(bool collapsed) {
    listCollapsed_ = collapsed;
    Resize(kWidth, collapsed ? kCollapsedHeight : kExpandedHeight);
    for (bfAbstractControl* control : std::initializer_list<bfAbstractControl*>{
             &upButton_, &downButton_, &saveButton_, &rows_[0], &rows_[1], &rows_[2]}) {
        control->Show(!collapsed);
    }
    SetDragArea({0, 0, kWidth, height()});
    Refresh();
}

void bfStopwatch::MoveList(bool up) {
    {
        CriticalSectionLock hold(widgetLock());
        listPosition_ = up ? ListPositionUp(listPosition_)
                           : ListPositionDown(listPosition_, record_.checkpoints.size());
    }
    ShowRows();
}

void bfStopwatch::TakeCheckpoint() {
    {
        CriticalSectionLock hold(widgetLock());
        if (record_.checkpoints.size() >= kMostCheckpoints) {
            return;  // a longer list could not be loaded back from its file
        }
        record_.elapsed = ReadingNow();
        record_.checkpoints.push_back(record_.elapsed);
    }
    RefreshTexts();
    ShowRows();
}

void bfStopwatch::Reset() {
    {
        CriticalSectionLock hold(widgetLock());
        record_.checkpoints.clear();
        listPosition_ = 0;
        reading_.Set(0, clock_.Milliseconds());
        ReadingChanged();
        record_.elapsed = {};
    }
    RefreshTexts();
    ShowRows();
}

FileDialogRequest bfStopwatch::TimesListDialog() const {
    return {window(), {{u"Text Files (*.txt)", u"*.txt"}}, {}};
}

void bfStopwatch::SaveTimesList() {
    std::vector<Duration> checkpoints;
    {
        CriticalSectionLock hold(widgetLock());
        checkpoints = record_.checkpoints;
    }
    if (checkpoints.empty()) {
        return;
    }
    const std::weak_ptr<char> alive = alive_;
    const std::optional<std::u16string> chosen = dialogs_.ChooseFileToSave(TimesListDialog());
    if (alive.expired() || !chosen) {
        return;  // destroyed while the dialog was open, or cancelled
    }
    // A file that cannot be written is not reported, as the user chose it.
    static_cast<void>(SaveTimesListFile(TimesListFileName(*chosen), checkpoints));
    SendWidgetChanged();
}

void bfStopwatch::LoadTimesList() {
    const std::weak_ptr<char> alive = alive_;
    const std::optional<std::u16string> chosen = dialogs_.ChooseFileToOpen(TimesListDialog());
    if (alive.expired() || !chosen) {
        return;
    }
    std::optional<std::vector<Duration>> checkpoints = LoadTimesListFile(*chosen);
    if (!checkpoints) {
        return;  // no times list as a whole: the stopwatch stays as it was
    }
    {
        CriticalSectionLock hold(widgetLock());
        record_.checkpoints = std::move(*checkpoints);
        if (!record_.checkpoints.empty()) {
            // The reading goes on from the last checkpoint; an empty list keeps the reading.
            record_.elapsed = record_.checkpoints.back();
            reading_.Set(StopwatchSeconds(record_.elapsed) * 1000, clock_.Milliseconds());
            ReadingChanged();
        }
        listPosition_ = 0;
    }
    RefreshTexts();
    ShowRows();
    Refresh();
    SendWidgetChanged();
}

}  // namespace tockly
