#include "ui/pages/note_pages.h"

namespace tockly {
namespace {

constexpr int kLeft = 4;
constexpr int kFieldWidth = ScrollingForm::kContentWidth - kLeft;
constexpr int kContentHeight = 104;
constexpr int kStopwatchSubmitWidth = 144;

// The task a form without checks makes or changes.
template <typename Task, typename Form>
std::optional<StoredTask> SubmitUnchecked(const Form& form, const StoredTask* current,
                                          const SettingsValues& settings) {
    if (current == nullptr) {
        return StoredTask(form.Create(settings));
    }
    if (const auto* task = std::get_if<Task>(current)) {
        return StoredTask(form.Change(*task));
    }
    return std::nullopt;
}

}  // namespace

// ---- Sticky note ----

StickyNotePage::StickyNotePage(HWND owner, const PageServices& services,
                               std::function<void()> requestSave)
    : TaskPage(owner, TaskKind::StickyNote, services, std::move(requestSave),
               {sticky_note_control::kScrollBar, sticky_note_control::kSubmit}),
      contentCaption_(&MakeCaption(kFieldWidth)),
      content_(&form_.Make<bfTextBox>(0, 0, sticky_note_control::kContent, kFieldWidth,
                                      kContentHeight)) {
    content_->SetBackgroundColor(RGB(0x2b, 0x2b, 0x2b));
    content_->SetTextColor(RGB(235, 235, 235));
    On(*content_, [this](int code) {
        if (code == bfTextBox::kContentChanged) {
            model_.SetContent(content_->Text());
        }
    });
    EnterCreateMode();
}

void StickyNotePage::LoadForm(const StoredTask& task) {
    if (const auto* note = std::get_if<StickyNoteTask>(&task)) {
        model_.Load(*note);
    }
}

std::optional<StoredTask> StickyNotePage::SubmitForm(const StoredTask* current) {
    return SubmitUnchecked<StickyNoteTask>(model_, current, Defaults());
}

void StickyNotePage::ShowForm() {
    ShowTitle(model_.title());
    if (content_->Text() != model_.content()) {
        content_->SetText(model_.content());
    }
    std::vector<FormRow> rows = HeadRows();
    rows.push_back({18, {{contentCaption_, kLeft}}});
    rows.push_back({kContentHeight, {{content_, kLeft}}});
    rows.push_back(SubmitRow());
    form_.LayOut(rows);
}

void StickyNotePage::RetranslateForm(const LanguageTexts& texts) {
    contentCaption_->SetText(texts.Text(TextId::STICKY_NOTES_CONTENT));
}

// ---- Stopwatch ----

StopwatchPage::StopwatchPage(HWND owner, const PageServices& services,
                             std::function<void()> requestSave)
    : TaskPage(owner, TaskKind::Stopwatch, services, std::move(requestSave),
               {stopwatch_control::kScrollBar, stopwatch_control::kSubmit}),
      startCaption_(&MakeCaption(kFieldWidth)),
      start_(form_, stopwatch_control::kFirstStartBox, false) {
    submitButton().Resize(kStopwatchSubmitWidth, submitButton().height());
    OnEach(start_.Controls(), [this](const bfAbstractControl* control) {
        start_.Take(control, model_.EditStartingTime());
    });
    EnterCreateMode();
}

void StopwatchPage::LoadForm(const StoredTask& task) {
    if (const auto* watch = std::get_if<StopwatchTask>(&task)) {
        model_.Load(*watch);
    }
}

std::optional<StoredTask> StopwatchPage::SubmitForm(const StoredTask* current) {
    return SubmitUnchecked<StopwatchTask>(model_, current, Defaults());
}

void StopwatchPage::ShowForm() {
    ShowTitle(model_.title());
    start_.Show(model_.startingTime(), true);
    std::vector<FormRow> rows = HeadRows();
    rows.push_back({18, {{startCaption_, kLeft}}});
    for (FormRow& row : start_.Rows()) {
        rows.push_back(std::move(row));
    }
    rows.push_back(SubmitRow());
    form_.LayOut(rows);
}

void StopwatchPage::RetranslateForm(const LanguageTexts& texts) {
    startCaption_->SetText(texts.Text(TextId::STOPWATCH_STARTING_TIME));
    start_.Retranslate(texts);
}

}  // namespace tockly
