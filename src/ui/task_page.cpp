#include "ui/task_page.h"

#include <utility>

#include "ui/forms/form_basics.h"
#include "ui/page_controls.h"
#include "ui/quick_tasks.h"
#include "ui/widget_placement.h"

namespace tockly {
namespace {

constexpr WORD kSilent = 0;
constexpr int kLeft = 4;
constexpr int kTitleCaptionWidth = 62;
constexpr int kSubmitWidth = 160;
const FontSpec kPageTitleFont{L"Georgia", 17, FW_BOLD, false};
constexpr int kSmallestPageTitleHeight = 12;

PageTexts TextsOf(TaskKind kind) {
    switch (kind) {
        case TaskKind::Application:
            return {TextId::APPLICATIONS_TYPE, TextId::APPLICATIONS_TYPE_CHANGE,
                    TextId::APPLICATIONS_TITLE_VALUE, TextId::APPLICATIONS_CREATE_TASK,
                    TextId::APPLICATIONS_CHANGE_TASK};
        case TaskKind::PrintScreen:
            return {TextId::PRINT_SCREEN_TYPE, TextId::PRINT_SCREEN_TYPE_CHANGE,
                    TextId::PRINT_SCREEN_TITLE_VALUE, TextId::PRINT_SCREEN_CREATE_TASK,
                    TextId::PRINT_SCREEN_CHANGE_TASK};
        case TaskKind::Internet:
            return {TextId::INTERNET_CONNECTIONS_TYPE, TextId::INTERNET_CONNECTIONS_TYPE_CHANGE,
                    TextId::INTERNET_CONNECTIONS_TITLE_VALUE,
                    TextId::INTERNET_CONNECTIONS_CREATE_TASK,
                    TextId::INTERNET_CONNECTIONS_CHANGE_TASK};
        case TaskKind::Power:
            return {TextId::POWER_MANAGEMENT_TYPE, TextId::POWER_MANAGEMENT_TYPE_CHANGE,
                    TextId::POWER_MANAGEMENT_TITLE_VALUE, TextId::POWER_MANAGEMENT_CREATE_TASK,
                    TextId::POWER_MANAGEMENT_CHANGE_TASK};
        case TaskKind::Timer:
            return {TextId::TIMER_TYPE, TextId::TIMER_TYPE_CHANGE, TextId::TIMER_TITLE_VALUE,
                    TextId::TIMER_CREATE_TASK, TextId::TIMER_CHANGE_TASK};
        case TaskKind::Counter:
            return {TextId::COUNTER_TYPE, TextId::COUNTER_TYPE_CHANGE, TextId::COUNTER_TITLE_VALUE,
                    TextId::COUNTER_CREATE_TASK, TextId::COUNTER_CHANGE_TASK};
        case TaskKind::StickyNote:
            return {TextId::STICKY_NOTES_TYPE, TextId::STICKY_NOTES_TYPE_CHANGE,
                    TextId::STICKY_NOTES_TITLE_VALUE, TextId::STICKY_NOTES_CREATE_TASK,
                    TextId::STICKY_NOTES_CHANGE_TASK};
        case TaskKind::Stopwatch:
            return {TextId::STOPWATCH_TYPE, TextId::STOPWATCH_TYPE_CHANGE,
                    TextId::STOPWATCH_TITLE_VALUE, TextId::STOPWATCH_CREATE_TASK,
                    TextId::STOPWATCH_CHANGE_TASK};
    }
    return TextsOf(TaskKind::Application);
}

}  // namespace

TaskPage::TaskPage(HWND owner, TaskKind kind, const PageServices& services,
                   std::function<void()> requestSave, FormIds ids)
    : form_(owner, ids.scrollBar),
      kind_(kind),
      owner_(owner),
      services_(services),
      texts_(TextsOf(kind)),
      list_(owner, kind, services.tasks, std::move(requestSave)) {
    pageTitle_ = &form_.Make<bfStaticText>(0, 0, kSilent, ScrollingForm::kContentWidth - kLeft, 26);
    pageTitle_->SetFont(kPageTitleFont);
    pageTitle_->SetTextColors(RGB(240, 240, 240), kTextOnMainWindow.disabled);
    pageTitle_->SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    titleCaption_ = &MakeCaption(kTitleCaptionWidth);
    titleField_ = &form_.Make<bfTextEdit>(
        0, 0, kSilent, ScrollingForm::kContentWidth - kLeft - kTitleCaptionWidth);
    submit_ = &form_.Make<bfButton>(0, 0, ids.submit, kSubmitWidth, ButtonStyle::Green);
    On(*titleField_, [this](int) { TitleChanged(titleField_->Text()); });
    On(*submit_, [this](int) { Submit(); });
    form_.SetCommandHandler([this](const PageCommand& command) { HandleCommand(command); });
}

TaskPage::~TaskPage() = default;

void TaskPage::SetSettings(const AppSettings* settings) {
    settings_ = settings;
    if (!changeMode_) {
        EnterCreateMode();
    }
}

bfStaticText& TaskPage::MakeCaption(int width) {
    auto& caption = form_.Make<bfStaticText>(0, 0, kSilent, width, 20);
    caption.SetTextColors(kTextOnMainWindow.enabled, kTextOnMainWindow.disabled);
    caption.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    return caption;
}

std::vector<FormRow> TaskPage::HeadRows() const {
    return {{26, {{pageTitle_, kLeft}}},
            {titleField_->height(),
             {{titleCaption_, kLeft}, {titleField_, kLeft + kTitleCaptionWidth}}}};
}

FormRow TaskPage::SubmitRow() const {
    return {submit_->height() + 6, {{submit_, kLeft}}};
}

void TaskPage::Show(bool show) {
    // Tab takes the controls in the order of the windows: the submit button, made before the
    // kind's own fields, goes last, as it stands.
    ::SetWindowPos(submit_->window(), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    form_.Show(show);
    list_.Show(show);
}

void TaskPage::Retranslate(const LanguageTexts& texts) {
    const bool fresh = languageTexts_ == nullptr;
    languageTexts_ = &texts;
    titleCaption_->SetText(texts.Text(TextId::TASKS_TITLE));
    RetranslateForm(texts);
    ShowModeTexts();
    list_.Retranslate(texts);
    if (fresh && !changeMode_) {
        // The default title comes from the language.
        EnterCreateMode();
    }
    Refresh();
}

void TaskPage::ShowModeTexts() {
    pageTitle_->SetText(Text(changeMode_ ? texts_.changeTitle : texts_.createTitle));
    FitPageTitle();
    submit_->SetText(Text(changeMode_ ? texts_.changeButton : texts_.createButton));
}

void TaskPage::FitPageTitle() {
    // Long titles ("Change internet connection task", most translations) get a smaller size
    // rather than losing their end under the form's scroll bar.
    FontSpec font = kPageTitleFont;
    pageTitle_->SetFont(font);
    while (font.height > kSmallestPageTitleHeight &&
           pageTitle_->MeasureTextWidth() > pageTitle_->width()) {
        --font.height;
        pageTitle_->SetFont(font);
    }
}

void TaskPage::Set24HourClock(bool twentyFourHour) {
    twentyFourHour_ = twentyFourHour;
    SetFormClock(twentyFourHour);
    Refresh();
}

void TaskPage::On(bfAbstractControl& control, Handler handler) {
    handlers_[&control] = std::move(handler);
}

void TaskPage::ShowTitle(const std::u16string& title) {
    if (titleField_->Text() != title) {
        titleField_->SetText(std::u16string_view(title));
    }
}

void TaskPage::Refresh() {
    ShowForm();
    const std::optional<RECT> marked = MarkedArea();
    std::vector<RECT> marks;
    if (marked && !::IsRectEmpty(&*marked)) {
        marks.push_back(*marked);
    }
    if (marks.size() != form_.marks().size() ||
        (!marks.empty() && !::EqualRect(&marks[0], &form_.marks()[0]))) {
        form_.SetMarks(std::move(marks));
    }
}

bool TaskPage::HandleCommand(const PageCommand& command) {
    lastCommand_ = command;
    if (command.id == list_.listId()) {
        OnListEvent(static_cast<int>(command.parameter), command.code);
        return true;
    }
    if (kind_ == TaskKind::StickyNote && command.id == kCommandQuickStickyNote) {
        QuickStickyNote(command.code);
        return true;
    }
    if (kind_ == TaskKind::Stopwatch && command.id == kCommandQuickStopwatch) {
        // The sender owns the record; it lives until this command is handled.
        if (command.parameter != 0) {
            QuickStopwatch(*reinterpret_cast<const StopwatchStart*>(command.parameter));
        }
        return true;
    }
    const bfAbstractControl* control = bfAbstractControl::FromCommand(command.parameter);
    if (const auto found = handlers_.find(control);
        control != nullptr && found != handlers_.end()) {
        // A copy: the handler may change the form's handlers.
        const Handler handler = found->second;
        handler(command.code);
        Refresh();
        return true;
    }
    if (HandleOther(command)) {
        Refresh();
        return true;
    }
    return false;
}

void TaskPage::OnListEvent(int event, int number) {
    switch (event) {
        case list_event::kSelected:
            if (number == 0) {
                EnterCreateMode();
            } else {
                EnterChangeMode(number);
            }
            return;
        case list_event::kRemove:
            list_.RemoveTask(number);
            return;
        case list_event::kNewNote:
            if (kind_ == TaskKind::StickyNote) {
                QuickStickyNote(number);
            }
            return;
        default:
            // A re-armed print screen: the widget has already restarted its span and saved.
            return;
    }
}

void TaskPage::EnterCreateMode() {
    changeMode_ = false;
    // The next task's number: the rows with the header row counted.
    const std::u16string title = DefaultTitle(Text(texts_.defaultTitle), list_.taskCount() + 1);
    ResetForm(title);
    ShowTitle(title);
    ShowModeTexts();
    form_.ScrollTo(0);
    Refresh();
}

void TaskPage::EnterChangeMode(int number) {
    const std::optional<StoredTask> task = list_.TaskRecord(number);
    if (!task) {
        return;
    }
    changeMode_ = true;
    LoadForm(*task);
    ShowModeTexts();
    Refresh();
    ShowTitle(titleField_->Text());
}

void TaskPage::Submit() {
    if (!changeMode_) {
        if (const std::optional<StoredTask> task = SubmitForm(nullptr)) {
            list_.AddTask(*task);
            Refresh();
            ::SetFocus(owner_);
        } else {
            Refresh();
        }
        return;
    }
    const int number = list_.selectedRow();
    const std::optional<StoredTask> current = list_.TaskRecord(number);
    if (!current) {
        return;
    }
    const std::optional<StoredTask> changed = SubmitForm(&*current);
    Refresh();
    if (changed) {
        list_.ChangeTask(number, *changed);
    }
}

SettingsValues TaskPage::Defaults() const {
    return settings_ != nullptr ? settings_->values() : SettingsValues{};
}

std::optional<std::u16string> TaskPage::ChooseFile(WORD guard, FileTypeFilter filter) {
    return Guarded(guard, [&] {
        return services_.tasks.dialogs.ChooseFileToOpen({owner_, {std::move(filter)}, {}});
    });
}

std::optional<std::u16string> TaskPage::ChooseFolder(WORD guard) {
    return Guarded(guard, [&] { return services_.tasks.dialogs.ChooseFolder({owner_, {}}); });
}

TimePoint TaskPage::Now() const {
    return FormNow(services_.tasks.clock);
}

std::u16string TaskPage::Text(TextId id) const {
    return languageTexts_ != nullptr ? languageTexts_->Text(id) : LanguageTexts{}.Text(id);
}

void TaskPage::QuickStickyNote(int besideNumber) {
    const StickyNoteTask note =
        tockly::QuickStickyNote(Defaults(), Text(TextId::STICKY_NOTES_QUICK_TITLE));
    std::optional<WindowPosition> at;
    if (TaskWidget* beside = list_.Task(besideNumber)) {
        const bfAbstractWidget& widget = beside->widget();
        at = NewNoteBeside({widget.x(), widget.y(), widget.width(), widget.height()});
    }
    list_.AddTask(note, at);
}

void TaskPage::QuickStopwatch(const StopwatchStart& start) {
    list_.AddTask(tockly::QuickStopwatch(Defaults(), Text(TextId::STOPWATCH_QUICK_TITLE), start));
}

}  // namespace tockly
