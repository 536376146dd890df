#include "ui/task_page.h"

#include <utility>

#include "ui/page_widgets.h"
#include "ui/quick_tasks.h"
#include "ui/widget_placement.h"

namespace tockly {
namespace {

// The form's title in create mode.
TextId PageTitle(TaskKind kind) {
    switch (kind) {
        case TaskKind::Application:
            return TextId::APPLICATIONS_TYPE;
        case TaskKind::PrintScreen:
            return TextId::PRINT_SCREEN_TYPE;
        case TaskKind::Internet:
            return TextId::INTERNET_CONNECTIONS_TYPE;
        case TaskKind::Power:
            return TextId::POWER_MANAGEMENT_TYPE;
        case TaskKind::Timer:
            return TextId::TIMER_TYPE;
        case TaskKind::Counter:
            return TextId::COUNTER_TYPE;
        case TaskKind::StickyNote:
            return TextId::STICKY_NOTES_TYPE;
        case TaskKind::Stopwatch:
            return TextId::STOPWATCH_TYPE;
    }
    return TextId::APPLICATIONS_TYPE;
}

}  // namespace

TaskPage::TaskPage(HWND owner, TaskKind kind, const TaskServices& services,
                   std::function<void()> requestSave)
    : kind_(kind), controls_(owner), list_(owner, kind, services, std::move(requestSave)) {
    title_ = &MakeTitle(controls_, 250, 12, 262);
    title_->SetFontHeight(17);
}

void TaskPage::Show(bool show) {
    controls_.Show(show);
    list_.Show(show);
}

void TaskPage::Retranslate(const LanguageTexts& texts) {
    texts_ = &texts;
    title_->SetText(texts.Text(PageTitle(kind_)));
    list_.Retranslate(texts);
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
    // The form's controls are handled here once the form exists.
    return true;
}

void TaskPage::OnListEvent(int event, int number) {
    switch (event) {
        case list_event::kRemove:
            list_.RemoveTask(number);
            return;
        case list_event::kNewNote:
            if (kind_ == TaskKind::StickyNote) {
                QuickStickyNote(number);
            }
            return;
        default:
            // Selection (the form's create and change modes) and a re-armed print screen (the
            // widget has already restarted its span and saved) are the form's.
            return;
    }
}

SettingsValues TaskPage::Defaults() const {
    return settings_ != nullptr ? settings_->values() : SettingsValues{};
}

std::u16string TaskPage::Text(TextId id) const {
    return texts_ != nullptr ? texts_->Text(id) : LanguageTexts{}.Text(id);
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
    list_.AddTask(
        tockly::QuickStopwatch(Defaults(), Text(TextId::STOPWATCH_QUICK_TITLE), start));
}

}  // namespace tockly
