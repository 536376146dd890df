#include "ui/task_list_view.h"

#include <utility>

#include "execution/task_counter_model.h"
#include "support/gdi_handles.h"
#include "toolkit/skin_drawing.h"
#include "ui/page_controls.h"
#include "ui/widget_placement.h"
#include "widgets/sticky_note.h"
#include "widgets/timer_rules.h"
#include "widgets/widget_rules.h"

namespace tockly {
namespace {

// Where things are in the list (client coordinates).
constexpr RECT kTitleStrip{2, 2, kPageFrame.width() - 2, 20};
constexpr RECT kRowsFrame{2, 22, kPageFrame.width() - 2, 220};
constexpr RECT kHeaderBand{3, 23, 171, 43};
constexpr int kRowsX = 3;
constexpr int kRowsY = 44;
constexpr int kRowsHeight = kRowsFrame.bottom - 1 - kRowsY;
constexpr int kScrollX = 172;
constexpr int kScrollY = 23;
constexpr int kScrollHeight = kRowsFrame.bottom - 1 - kScrollY;
constexpr int kRemoveWidth = 63;
constexpr int kRemoveY = 222;
constexpr COLORREF kFrameFill = RGB(0x3d, 0x3d, 0x3d);
constexpr COLORREF kFrameLine = RGB(0x6d, 0x6d, 0x6d);

TextId ListTitle(TaskKind kind) {
    switch (kind) {
        case TaskKind::Application:
            return TextId::TASK_ITEM_APPLICATIONS;
        case TaskKind::PrintScreen:
            return TextId::TASK_ITEM_PRINT_SCREENS;
        case TaskKind::Internet:
            return TextId::TASK_ITEM_INTERNET_CONNECTIONS;
        case TaskKind::Power:
            return TextId::TASK_ITEM_USER_SESSIONS;
        case TaskKind::Timer:
            return TextId::TASK_ITEM_TIMER;
        case TaskKind::Counter:
            return TextId::TASK_ITEM_COUNTER;
        case TaskKind::StickyNote:
            return TextId::TASK_ITEM_STICKY_NOTES;
        case TaskKind::Stopwatch:
            return TextId::TASK_ITEM_STOPWATCH;
    }
    return TextId::TASK_ITEM_APPLICATIONS;
}

// Every kind counts once started, but the sticky note.
bool Counts(TaskKind kind) noexcept {
    return kind != TaskKind::StickyNote;
}

void PlaceHeader(bfStaticText& label, int x, HorizontalAlignment alignment) {
    label.SetBackgroundColor(kFrameFill);
    label.SetTextColors(kTextOnMainWindow.enabled, kTextOnMainWindow.disabled);
    label.SetFontHeight(13);
    label.SetFontWeight(FW_BOLD);
    label.SetAlignment(alignment, VerticalAlignment::Centre);
    label.Move(kHeaderBand.left + x, kHeaderBand.top);
    label.Show(true);
}

AreaRect PrimaryScreen() {
    return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

// The work areas of every monitor.
std::vector<AreaRect> WorkAreas() {
    std::vector<AreaRect> areas;
    ::EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM found) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof(info);
            if (::GetMonitorInfoW(monitor, &info)) {
                const RECT& work = info.rcWork;
                reinterpret_cast<std::vector<AreaRect>*>(found)->push_back(
                    {work.left, work.top, work.right, work.bottom});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&areas));
    return areas;
}

WidgetFrame FrameOf(const bfAbstractWidget& widget) {
    return {widget.x(), widget.y(), widget.width(), widget.height()};
}

}  // namespace

bfTaskListView::bfTaskListView(HWND owner, TaskKind kind, const TaskServices& services,
                               std::function<void()> requestSave)
    : bfAbstractWindow(owner, WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT),
      kind_(kind),
      family_(FamilyOf(kind)),
      services_(services),
      requestSave_(std::move(requestSave)),
      buffer_(PaintBuffer::ForThisThread()),
      frameTile_(LoadSkinFile(kFrameTile)),
      mainTile_(LoadSkinFile(kMainTile)),
      title_(window(), 0, kTitleStrip.right - kTitleStrip.left - 8, 18),
      numberHeader_(window(), 0, 25, 20),
      titleHeader_(window(), 0, 82, 20),
      showHeader_(window(), L"data\\bitmaps\\13_show_icon.bmp"),
      playHeader_(window(), L"data\\bitmaps\\13_play_icon.bmp"),
      removeHeader_(window(), L"data\\bitmaps\\13_remove_icon.bmp"),
      rows_(window(), bfTaskItem::kWidth, kRowsHeight),
      scrollBar_(window(), kScrollBarId, kScrollHeight),
      remove_(window(), kRemoveButtonId, kRemoveWidth) {
    Resize(kWidth, kHeight);
    ::SetWindowPos(window(), nullptr, kPageFrame.left, kPageFrame.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    title_.LoadBackgroundBitmapFile(kMainTile);
    title_.SetTextColors(kTextOnMainWindow.enabled, kTextOnMainWindow.disabled);
    title_.SetFontWeight(FW_BOLD);
    title_.SetFontHeight(13);
    title_.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    title_.Move(kTitleStrip.left + 4, kTitleStrip.top);
    title_.Show(true);
    PlaceHeader(numberHeader_, 1, HorizontalAlignment::Centre);
    PlaceHeader(titleHeader_, 28, HorizontalAlignment::Left);
    PlaceHeader(showHeader_, 112, HorizontalAlignment::Centre);
    PlaceHeader(playHeader_, 131, HorizontalAlignment::Centre);
    PlaceHeader(removeHeader_, 150, HorizontalAlignment::Centre);
    // The sticky note's row has only the show toggle, the stopwatch's no remove-after-end.
    playHeader_.Show(kind != TaskKind::StickyNote);
    removeHeader_.Show(kind != TaskKind::StickyNote && kind != TaskKind::Stopwatch);

    ::SetWindowPos(rows_.window(), nullptr, kRowsX, kRowsY, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    rows_.Show(true);
    model_.SetPage(kRowsHeight);

    scrollBar_.SetThemeSkin(SkinTheme::Dark);
    scrollBar_.SetLineStep(TaskListModel::kRowHeight);
    scrollBar_.SetPage(kRowsHeight);
    scrollBar_.SetContent(0);
    scrollBar_.Move(kScrollX, kScrollY);
    scrollBar_.Show(true);

    remove_.SetFontHeight(13);
    remove_.LoadBackgroundBitmapFile(kFrameTile);
    remove_.Move((kWidth - kRemoveWidth) / 2, kRemoveY);
    remove_.Show(true);

    MessageMap& map = messages();
    map.Set(WM_PAINT, this, &bfTaskListView::OnPaint);
    map.Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    map.Set(WM_COMMAND, [this](UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
        OnCommand(wParam, lParam);
        return 0;
    });
    map.Set(bfTaskItemListWindow::kRowMessage,
            [this](UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
                OnRow(wParam, lParam);
                return 0;
            });
    map.Set(WM_MOUSEWHEEL, this, &bfTaskListView::OnWheel);
    map.Set(kRemoveLaterMessage, [this](UINT, WPARAM wParam, LPARAM) -> LRESULT {
        if (const std::optional<int> number = model_.NumberOf(static_cast<TaskId>(wParam))) {
            Notify(list_event::kRemove, *number);
        }
        return 0;
    });
    map.Set(kReleaseIdMessage, [this](UINT, WPARAM wParam, LPARAM) -> LRESULT {
        model_.Release(static_cast<TaskId>(wParam));
        return 0;
    });
}

bfTaskListView::~bfTaskListView() {
    messages().Clear();
    DestroyAll();
}

LRESULT bfTaskListView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessageMap(message, wParam, lParam);
}

// ---- Tasks ----

TaskId bfTaskListView::CreateTask(const StoredTask& record) {
    if (KindOf(record) != kind_) {
        return 0;
    }
    const TaskId id = model_.Add(RowOfTask(record));
    if (id == 0) {
        return 0;
    }
    try {
        std::unique_ptr<TaskWidget> widget = MakeTaskWidget(kind_, window(), id, services_);
        widget->Apply(record);
        if (texts_ != nullptr) {
            widget->Retranslate(*texts_);
        }
        entries_[id].widget = std::move(widget);
    } catch (...) {
        model_.Remove(*model_.NumberOf(id));
        throw;
    }
    return id;
}

void bfTaskListView::StartTask(TaskId id, bool show, bool run) {
    bfAbstractWidget& widget = entries_.at(id).widget->widget();
    if (show) {
        widget.Show(true);
        // The alpha is applied only to a shown widget.
        widget.SetTransparency(widget.transparency());
    }
    if (run && Counts(kind_)) {
        widget.SetRunning(true);
    }
    widget.SetReportChanges(true);
    SyncRow(id);
}

int bfTaskListView::AddTask(const StoredTask& record, std::optional<WindowPosition> at) {
    PruneEndMessages();
    const TaskId id = CreateTask(record);
    if (id == 0) {
        return 0;
    }
    bfAbstractWidget& widget = entries_.at(id).widget->widget();
    const WindowPosition place =
        at ? *at : CentredOn(PrimaryScreen(), widget.width(), widget.height());
    widget.MoveTo(place.x, place.y);
    StartTask(id, true, true);
    // The new row at the end comes into view.
    model_.ScrollTo(model_.maxOffset());
    Relayout();
    RequestSave();
    return model_.NumberOf(id).value_or(0);
}

bool bfTaskListView::ChangeTask(int number, const StoredTask& record) {
    if (number < 1 || number > model_.count() || KindOf(record) != kind_) {
        return false;
    }
    const TaskId id = model_.row(number).id;
    Entry& entry = entries_.at(id);
    bfAbstractWidget& widget = entry.widget->widget();
    widget.SetRunning(false);
    entry.endMessage.reset();
    entry.widget->Apply(record);
    TaskRow& row = model_.row(number);
    const TaskRow stored = RowOfTask(record);
    row.title = stored.title;
    row.removeAfterEnd = stored.removeAfterEnd;
    StartTask(id, true, true);
    Relayout();
    RequestSave();
    return true;
}

std::optional<StoredTask> bfTaskListView::TaskRecord(int number) const {
    if (number < 1 || number > model_.count()) {
        return std::nullopt;
    }
    return entries_.at(model_.row(number).id).widget->Record();
}

TaskWidget* bfTaskListView::Task(int number) noexcept {
    if (number < 1 || number > model_.count()) {
        return nullptr;
    }
    return entries_.at(model_.row(number).id).widget.get();
}

bool bfTaskListView::RemoveTask(int number) {
    PruneEndMessages();
    const std::optional<TaskListModel::Removal> removal = model_.Remove(number);
    if (!removal) {
        return false;
    }
    if (auto found = entries_.find(removal->id); found != entries_.end()) {
        found->second.widget->widget().Show(false);
        entries_.erase(found);  // stops and joins the widget's worker
    }
    // Whatever the widget posted before it went is read before its id is given out again.
    ::PostMessageW(window(), kReleaseIdMessage, removal->id, 0);
    Relayout();
    RequestSave();
    Notify(list_event::kSelected, removal->selected);
    return true;
}

void bfTaskListView::SelectRow(int number) {
    model_.Select(number);
    Relayout();
    Notify(list_event::kSelected, model_.selected());
}

void bfTaskListView::ScrollTo(int offset) {
    model_.ScrollTo(offset);
    Relayout();
}

bfMessageView* bfTaskListView::endMessage(int number) noexcept {
    if (number < 1 || number > model_.count()) {
        return nullptr;
    }
    return entries_.at(model_.row(number).id).endMessage.get();
}

bfTaskListView::Entry* bfTaskListView::EntryOf(TaskId id) noexcept {
    auto found = entries_.find(id);
    return found != entries_.end() ? &found->second : nullptr;
}

void bfTaskListView::SyncRow(TaskId id) {
    TaskRow* row = model_.Find(id);
    Entry* entry = EntryOf(id);
    if (row == nullptr || entry == nullptr) {
        return;
    }
    const bfAbstractWidget& widget = entry->widget->widget();
    row->shown = widget.shown();
    row->running = row->hasPlay && widget.running();
}

void bfTaskListView::DestroyAll() {
    leftEndMessages_.clear();
    for (const TaskId id : model_.Clear()) {
        ::PostMessageW(window(), kReleaseIdMessage, id, 0);
    }
    for (auto& [id, entry] : entries_) {
        entry.widget->widget().Show(false);
    }
    entries_.clear();
}

// ---- All widgets ----

void bfTaskListView::ShowAll(bool show) {
    for (auto& [id, entry] : entries_) {
        bfAbstractWidget& widget = entry.widget->widget();
        widget.Show(show);
        if (show) {
            widget.SetTransparency(widget.transparency());
            ::SetWindowPos(widget.window(), HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        SyncRow(id);
    }
    Relayout();
}

void bfTaskListView::CentreAll() {
    const AreaRect screen = PrimaryScreen();
    for (auto& [id, entry] : entries_) {
        bfAbstractWidget& widget = entry.widget->widget();
        const WindowPosition centre = CentredOn(screen, widget.width(), widget.height());
        widget.MoveTo(centre.x, centre.y);
    }
}

// ---- Language ----

void bfTaskListView::Retranslate(const LanguageTexts& texts) {
    texts_ = &texts;
    title_.SetText(texts.Text(ListTitle(kind_)));
    numberHeader_.SetText(texts.Text(TextId::TASK_ITEM_NUMBER));
    titleHeader_.SetText(texts.Text(TextId::TASK_ITEM_TITLE));
    showHeader_.SetText(texts.Text(TextId::TASK_ITEM_SHOW));
    playHeader_.SetText(texts.Text(TextId::TASK_ITEM_PLAY));
    removeHeader_.SetText(texts.Text(TextId::TASK_ITEM_REMOVE_AFTER_END));
    rows_.SetToggleNames({texts.Text(TextId::TASK_ITEM_SHOW), texts.Text(TextId::TASK_ITEM_PLAY),
                          texts.Text(TextId::TASK_ITEM_REMOVE_AFTER_END)});
    remove_.SetText(texts.Text(TextId::TASK_ITEM_REMOVE));
    for (auto& [id, entry] : entries_) {
        entry.widget->Retranslate(texts);
        if (entry.endMessage) {
            RetranslateEndMessage(*entry.endMessage, texts);
        }
    }
    for (const auto& view : leftEndMessages_) {
        RetranslateEndMessage(*view, texts);
    }
}

// ---- The store ----

std::vector<StoredTask> bfTaskListView::SnapshotTasks() const {
    std::vector<StoredTask> tasks;
    tasks.reserve(static_cast<std::size_t>(model_.count()));
    for (int number = 1; number <= model_.count(); ++number) {
        tasks.push_back(entries_.at(model_.row(number).id).widget->Record());
    }
    return tasks;
}

void bfTaskListView::LoadTasks(std::vector<StoredTask> tasks) {
    DestroyAll();
    const std::vector<AreaRect> workAreas = WorkAreas();
    for (const StoredTask& record : tasks) {
        const TaskId id = CreateTask(record);
        if (id == 0) {
            continue;
        }
        bfAbstractWidget& widget = entries_.at(id).widget->widget();
        // A widget stored where no monitor shows it any more comes back within reach.
        const WindowPosition place = ReachablePosition(FrameOf(widget), workAreas);
        if (place.x != widget.x() || place.y != widget.y()) {
            widget.MoveTo(place.x, place.y);
        }
        const TaskRow row = RowOfTask(record);
        StartTask(id, row.shown, row.running);
    }
    Relayout();
}

void bfTaskListView::CloseTasks() {
    DestroyAll();
    Relayout();
}

// ---- Drawing and layout ----

void bfTaskListView::Relayout() {
    scrollBar_.SetContent(model_.content());
    scrollBar_.SetPosition(model_.scrollOffset());
    rows_.ShowRows(model_);
}

void bfTaskListView::OnPaint() {
    PaintDc paint(window());
    const auto draw = [this](HDC dc) {
        const RECT client{0, 0, kWidth, kHeight};
        FillTiled(dc, client, frameTile_.get(), 0, 0);
        FillTiled(dc, kTitleStrip, mainTile_.get(), 0, 0);
        FillSolid(dc, kHeaderBand, kFrameFill);
        FrameSolid(dc, client, kFrameLine);
        FrameSolid(dc, kRowsFrame, kFrameLine);
        const RECT scrollRule{kScrollX - 1, kRowsFrame.top, kScrollX, kRowsFrame.bottom};
        FillSolid(dc, scrollRule, kFrameLine);
    };
    if (PaintBuffer::Lease lease = buffer_->Acquire(kWidth, kHeight)) {
        draw(lease.dc());
        ::BitBlt(paint.get(), 0, 0, kWidth, kHeight, lease.dc(), 0, 0, SRCCOPY);
        return;
    }
    draw(paint.get());
}

// ---- Notifications ----

void bfTaskListView::Notify(int event, int number) const {
    ::SendMessageW(owner(), WM_COMMAND, MAKEWPARAM(listId(), static_cast<WORD>(number)), event);
}

void bfTaskListView::RequestSave() const {
    if (requestSave_) {
        requestSave_();
    }
}

void bfTaskListView::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (bfAbstractControl* control = bfAbstractControl::FromCommand(lParam)) {
        if (control == &remove_) {
            // Without a selection the event names row 0, which removes nothing.
            Notify(list_event::kRemove, model_.selected());
        } else if (control == &scrollBar_) {
            model_.ScrollTo(scrollBar_.position());
            rows_.ShowRows(model_);
        }
        return;
    }
    const WORD code = LOWORD(wParam);
    const auto id = static_cast<TaskId>(HIWORD(wParam));
    // The sticky note's events share the code 2 with `WidgetChanged`; its lParam tells them apart.
    if (code == kWidgetChangedCode && lParam == kSettingsChanged) {
        if (model_.NumberOf(id)) {
            RequestSave();
        }
        return;
    }
    if (code == static_cast<WORD>(family_)) {
        OnWidgetEvent(id, static_cast<int>(lParam));
    }
}

void bfTaskListView::OnWidgetEvent(TaskId id, int event) {
    const std::optional<int> number = model_.NumberOf(id);
    if (!number) {
        return;  // from a task that is gone
    }
    switch (event) {
        case widget_event::kHidden:
        case count_event::kStarted:
        case count_event::kEnded:
            SyncRow(id);
            Relayout();
            RequestSave();
            return;
        case count_event::kTitleEdited:
            if (const std::optional<StoredTask> record = TaskRecord(*number)) {
                model_.row(*number).title = RowOfTask(*record).title;
            }
            Relayout();
            RequestSave();
            return;
        case widget_event::kRemoveRequest:
            Notify(list_event::kRemove, *number);
            return;
        case task_counter_event::kRearmed:
            if (family_ == WidgetFamily::TaskCounter) {
                Notify(list_event::kRearmed, *number);
            }
            return;
        case bfStickyNote::kNewNoteEvent:
            if (family_ == WidgetFamily::StickyNote) {
                Notify(list_event::kNewNote, *number);
            }
            return;
        case count_event::kShowEndMessage:
        case count_event::kShowEndMessageAndRemove:
            ShowEndMessage(id, event == count_event::kShowEndMessageAndRemove);
            return;
        default:
            return;
    }
}

void bfTaskListView::ShowEndMessage(TaskId id, bool thenRemove) {
    PruneEndMessages();
    Entry* entry = EntryOf(id);
    if (entry == nullptr) {
        return;
    }
    std::optional<MessageInfo> info = entry->widget->EndMessage();
    if (!info) {
        return;
    }
    entry->endMessage.reset();
    auto view = std::make_unique<bfMessageView>(window(), id, services_.actions.sound);
    if (texts_ != nullptr) {
        RetranslateEndMessage(*view, *texts_);
    }
    view->ShowMessage(std::move(*info));
    const WindowPosition centre =
        CentredOn(PrimaryScreen(), bfMessageView::kWidth, bfMessageView::kHeight);
    view->MoveTo(centre.x, centre.y);
    bfMessageView& shown = *view;
    if (thenRemove) {
        // The message outlives its task, which goes once the message is up.
        leftEndMessages_.push_back(std::move(view));
        ::PostMessageW(window(), kRemoveLaterMessage, id, 0);
    } else {
        entry->endMessage = std::move(view);
    }
    shown.Show(true);
    shown.StartSound();
}

void bfTaskListView::PruneEndMessages() {
    std::erase_if(leftEndMessages_, [](const auto& view) { return !view->shown(); });
}

void bfTaskListView::OnRow(WPARAM wParam, LPARAM lParam) {
    const WORD what = LOWORD(wParam);
    const auto id = static_cast<TaskId>(HIWORD(wParam));
    const bool state = lParam != 0;
    if (what == bfTaskItem::kSelect) {
        SelectRow(model_.NumberOf(id).value_or(0));
        return;
    }
    Entry* entry = EntryOf(id);
    TaskRow* row = model_.Find(id);
    if (entry == nullptr || row == nullptr) {
        return;
    }
    bfAbstractWidget& widget = entry->widget->widget();
    switch (what) {
        case bfTaskItem::kShowToggle:
            widget.Show(state);
            if (state) {
                widget.SetTransparency(widget.transparency());
            }
            break;
        case bfTaskItem::kPlayToggle:
            if (!row->hasPlay) {
                break;
            }
            // A timer or counter started again closes the message of its last end.
            entry->endMessage.reset();
            widget.SetRunning(state);
            break;
        case bfTaskItem::kRemoveToggle:
            if (row->hasRemoveAfterEnd) {
                entry->widget->SetRemoveAfterEnd(state);
                row->removeAfterEnd = state;
            }
            break;
        default:
            return;
    }
    SyncRow(id);
    Relayout();
    RequestSave();
}

void bfTaskListView::OnWheel(const WheelInput& wheel) {
    const int notches = wheel_.Add(wheel.delta);
    if (notches == 0) {
        return;
    }
    model_.ScrollTo(model_.scrollOffset() - notches * TaskListModel::kRowHeight);
    Relayout();
}

}  // namespace tockly
