#include "ui/task_page.h"

#include "ui/page_widgets.h"

namespace tockly {
namespace {

struct KindTexts {
    TextId pageTitle;  // the form's title in create mode
    TextId listTitle;
};

KindTexts TextsOf(TaskKind kind) {
    switch (kind) {
        case TaskKind::Application:
            return {TextId::APPLICATIONS_TYPE, TextId::TASK_ITEM_APPLICATIONS};
        case TaskKind::PrintScreen:
            return {TextId::PRINT_SCREEN_TYPE, TextId::TASK_ITEM_PRINT_SCREENS};
        case TaskKind::Internet:
            return {TextId::INTERNET_CONNECTIONS_TYPE, TextId::TASK_ITEM_INTERNET_CONNECTIONS};
        case TaskKind::Power:
            return {TextId::POWER_MANAGEMENT_TYPE, TextId::TASK_ITEM_USER_SESSIONS};
        case TaskKind::Timer:
            return {TextId::TIMER_TYPE, TextId::TASK_ITEM_TIMER};
        case TaskKind::Counter:
            return {TextId::COUNTER_TYPE, TextId::TASK_ITEM_COUNTER};
        case TaskKind::StickyNote:
            return {TextId::STICKY_NOTES_TYPE, TextId::TASK_ITEM_STICKY_NOTES};
        case TaskKind::Stopwatch:
            return {TextId::STOPWATCH_TYPE, TextId::TASK_ITEM_STOPWATCH};
    }
    return {TextId::APPLICATIONS_TYPE, TextId::TASK_ITEM_APPLICATIONS};
}

}  // namespace

TaskPage::TaskPage(HWND owner, TaskKind kind) : kind_(kind), controls_(owner) {
    title_ = &MakeTitle(controls_, 250, 12, 262);
    title_->SetFontHeight(17);
    // The list's title in the frame's top strip; the task list (bfTaskListView) takes it over.
    listTitle_ = &MakeLabel(controls_, kPageFrame.left + 6, kPageFrame.top + 3, 176, kSilentControl,
                            kMainTile);
    listTitle_->SetFontWeight(FW_BOLD);
    listTitle_->SetFontHeight(13);
}

void TaskPage::Retranslate(const LanguageTexts& texts) {
    const KindTexts kindTexts = TextsOf(kind_);
    title_->SetText(texts.Text(kindTexts.pageTitle));
    listTitle_->SetText(texts.Text(kindTexts.listTitle));
    // The form's captions and the list's (header row, remove button, its widgets) follow here.
}

bool TaskPage::HandleCommand(const PageCommand& command) {
    // The form's controls, the list notification 2000 + kind and the quick tasks are handled here
    // once the form and the list exist.
    lastCommand_ = command;
    if (kind_ == TaskKind::Stopwatch && command.id == kCommandQuickStopwatch &&
        command.parameter != 0) {
        // The sender owns the record; it lives until this command is handled.
        lastStopwatchStart_ = *reinterpret_cast<const StopwatchStart*>(command.parameter);
    }
    return true;
}

void TaskPage::ResetPositions() {
    // The list centres every widget of the kind on the primary screen.
}

void TaskPage::ShowAllWidgets(bool) {
    // The list shows or hides every widget of the kind.
}

}  // namespace tockly
