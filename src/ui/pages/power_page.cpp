#include "ui/pages/power_page.h"

namespace tockly {
namespace {

using namespace power_control;

constexpr int kLeft = 4;
constexpr int kFieldWidth = ScrollingForm::kContentWidth - kLeft;

}  // namespace

PowerTaskPage::PowerTaskPage(HWND owner, const PageServices& services,
                             std::function<void()> requestSave)
    : TaskPage(owner, TaskKind::Power, services, std::move(requestSave), {kScrollBar, kSubmit}),
      actionCaption_(&MakeCaption(kFieldWidth)),
      action_(&form_.Make<bfComboBox>(0, 0, kAction)),
      target_(form_, kAt, kFirstTimeBox, kAmPm, kIn, kFirstDelayBox, true),
      checks_(form_, kProgressBar, kRemoveAfterEnd),
      force_(&MakeMark<bfCheckBox>(form_, kForce)) {
    action_->Resize(kFieldWidth, 0);
    On(*action_, [this](int) { model_.ChooseAction(action_->SelectedIndex()); });
    OnEach(target_.Controls(),
           [this](const bfAbstractControl* control) { target_.Take(control, model_, Now()); });
    OnEach(checks_.Controls(),
           [this](const bfAbstractControl* control) { checks_.Take(control, model_.checks()); });
    On(*force_, [this](int) { model_.SetForce(force_->checked()); });
    EnterCreateMode();
}

void PowerTaskPage::ResetForm(const std::u16string& title) {
    model_.Reset(title, Now(), Defaults());
    model_.Set24Hour(twentyFourHour());
}

void PowerTaskPage::LoadForm(const StoredTask& task) {
    if (const auto* power = std::get_if<PowerTask>(&task)) {
        model_.Load(*power);
        model_.Set24Hour(twentyFourHour());
    }
}

std::optional<StoredTask> PowerTaskPage::SubmitForm(const StoredTask* current) {
    const Clock& clock = services().tasks.clock;
    return SubmitWith<PowerTask>(
        current, [&] { return model_.Create(clock, Defaults()); },
        [&](const PowerTask& task) { return model_.Change(task, clock); });
}

void PowerTaskPage::ShowForm() {
    ShowTitle(model_.title());
    if (action_->SelectedIndex() != model_.action()) {
        action_->Select(model_.action());
    }
    target_.Show(model_.target());
    checks_.Show(model_.checks());
    ShowChecked(*force_, model_.force());

    std::vector<FormRow> rows = HeadRows();
    rows.push_back({18, {{actionCaption_, kLeft}}});
    rows.push_back({action_->height(), {{action_, kLeft}}});
    for (FormRow& row : target_.Rows()) {
        rows.push_back(std::move(row));
    }
    for (FormRow& row : checks_.Rows()) {
        rows.push_back(std::move(row));
    }
    rows.push_back({20, {{force_, kLeft}}});
    rows.push_back(SubmitRow());
    form_.LayOut(rows);
    target_.Show(model_.target());
}

std::optional<RECT> PowerTaskPage::MarkedArea() {
    if (model_.mark().field() == FormField::Action) {
        bfAbstractControl* controls[] = {action_};
        return AreaOf(form_, controls);
    }
    return target_.Area(model_.mark().field());
}

void PowerTaskPage::RetranslateForm(const LanguageTexts& texts) {
    actionCaption_->SetText(texts.Text(TextId::POWER_MANAGEMENT_TASK));
    const int selected = action_->SelectedIndex();
    action_->Clear();
    for (const TextId id :
         {TextId::POWER_MANAGEMENT_LOCK, TextId::POWER_MANAGEMENT_LOG_OFF,
          TextId::POWER_MANAGEMENT_SLEEP, TextId::POWER_MANAGEMENT_RESTART,
          TextId::POWER_MANAGEMENT_HIBERNATE, TextId::POWER_MANAGEMENT_HYBRID_SHUT_DOWN,
          TextId::POWER_MANAGEMENT_SHUT_DOWN}) {
        action_->AddItem(texts.Text(id));
    }
    action_->Select(selected >= 0 ? selected : model_.action());
    target_.Retranslate(texts, TextId::POWER_MANAGEMENT_AT, TextId::POWER_MANAGEMENT_IN);
    checks_.Retranslate(texts);
    force_->SetText(texts.Text(TextId::POWER_MANAGEMENT_FORCE_TASK_EXECUTION));
}

}  // namespace tockly
