#include "ui/pages/internet_page.h"

namespace tockly {
namespace {

using namespace internet_control;

constexpr int kLeft = 4;
constexpr int kFieldWidth = ScrollingForm::kContentWidth - kLeft;

}  // namespace

InternetTaskPage::InternetTaskPage(HWND owner, const PageServices& services,
                                   std::function<void()> requestSave)
    : TaskPage(owner, TaskKind::Internet, services, std::move(requestSave), {kScrollBar, kSubmit}),
      connect_(&MakeMark<bfRadioButton>(form_, kConnect)),
      disconnect_(&MakeMark<bfRadioButton>(form_, kDisconnect)),
      entryCaption_(&MakeCaption(kFieldWidth)),
      entry_(&form_.Make<bfComboBox>(0, 0, kEntry)),
      target_(form_, kAt, kFirstTimeBox, kAmPm, kIn, kFirstDelayBox, false),
      checks_(form_, kProgressBar, kRemoveAfterEnd) {
    entry_->Resize(kFieldWidth, 0);
    On(*connect_, [this](int) { model_.SetAction(NetworkAction::Connect); });
    On(*disconnect_, [this](int) { model_.SetAction(NetworkAction::Disconnect); });
    On(*entry_, [this](int) { model_.ChooseEntry(entry_->SelectedIndex()); });
    OnEach(target_.Controls(),
           [this](const bfAbstractControl* control) { target_.Take(control, model_, Now()); });
    OnEach(checks_.Controls(),
           [this](const bfAbstractControl* control) { checks_.Take(control, model_.checks()); });
    ReadEntries();
    EnterCreateMode();
}

void InternetTaskPage::Show(bool show) {
    if (show) {
        // Entries made or removed since the page was last open.
        ReadEntries();
        Refresh();
    }
    TaskPage::Show(show);
}

void InternetTaskPage::ReadEntries() {
    std::vector<std::u16string> names;
    for (const PhoneBookEntry& entry : services().tasks.actions.dialUp.Entries()) {
        names.push_back(entry.name);
    }
    if (names == model_.entries()) {
        return;
    }
    model_.SetEntries(names);
    if (!changeMode() && model_.chosenEntry() < 0) {
        // A new task takes the first entry, as when the form is reset.
        model_.ChooseEntry(0);
    }
    entry_->Clear();
    for (const std::u16string& name : names) {
        entry_->AddItem(name);
    }
}

void InternetTaskPage::ResetForm(const std::u16string& title) {
    model_.Reset(title, Now(), Defaults());
    model_.Set24Hour(twentyFourHour());
}

void InternetTaskPage::LoadForm(const StoredTask& task) {
    if (const auto* internet = std::get_if<InternetTask>(&task)) {
        model_.Load(*internet);
        model_.Set24Hour(twentyFourHour());
    }
}

std::optional<StoredTask> InternetTaskPage::SubmitForm(const StoredTask* current) {
    const Clock& clock = services().tasks.clock;
    return SubmitWith<InternetTask>(
        current, [&] { return model_.Create(clock, Defaults()); },
        [&](const InternetTask& task) { return model_.Change(task, clock); });
}

void InternetTaskPage::ShowForm() {
    ShowTitle(model_.title());
    ShowChecked(*connect_, model_.action() == NetworkAction::Connect);
    ShowChecked(*disconnect_, model_.action() == NetworkAction::Disconnect);
    if (entry_->SelectedIndex() != model_.chosenEntry()) {
        if (!entry_->Select(model_.chosenEntry())) {
            // No entry chosen: the list shows none.
            entry_->Clear();
            for (const std::u16string& name : model_.entries()) {
                entry_->AddItem(name);
            }
        }
    }
    target_.Show(model_.target());
    checks_.Show(model_.checks());

    std::vector<FormRow> rows = HeadRows();
    rows.push_back({20, {{connect_, kLeft}}});
    rows.push_back({20, {{disconnect_, kLeft}}});
    rows.push_back({18, {{entryCaption_, kLeft}}});
    rows.push_back({entry_->height(), {{entry_, kLeft}}});
    for (FormRow& row : target_.Rows()) {
        rows.push_back(std::move(row));
    }
    for (FormRow& row : checks_.Rows()) {
        rows.push_back(std::move(row));
    }
    rows.push_back(SubmitRow());
    form_.LayOut(rows);
    target_.Show(model_.target());
}

std::optional<RECT> InternetTaskPage::MarkedArea() {
    if (model_.mark().field() == FormField::Entry) {
        bfAbstractControl* controls[] = {entry_};
        return AreaOf(form_, controls);
    }
    return target_.Area(model_.mark().field());
}

void InternetTaskPage::RetranslateForm(const LanguageTexts& texts) {
    connect_->SetText(texts.Text(TextId::INTERNET_CONNECTIONS_CONNECT));
    disconnect_->SetText(texts.Text(TextId::INTERNET_CONNECTIONS_DISCONNECT));
    entryCaption_->SetText(texts.Text(TextId::INTERNET_CONNECTIONS_INTERNET_NAME));
    target_.Retranslate(texts, TextId::INTERNET_CONNECTIONS_AT, TextId::INTERNET_CONNECTIONS_IN);
    checks_.Retranslate(texts);
}

}  // namespace tockly
