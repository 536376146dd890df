#include "ui/pages/application_page.h"

#include <charconv>

#include "support/utf16.h"

namespace tockly {
namespace {

using namespace application_control;

constexpr WORD kSilent = 400;
constexpr int kLeft = 4;
constexpr int kBrowseWidth = 34;
constexpr int kFieldWidth = ScrollingForm::kContentWidth - kLeft;
constexpr int kProcessListWidth = 118;

}  // namespace

ApplicationTaskPage::ApplicationTaskPage(HWND owner, const PageServices& services,
                                         std::function<void()> requestSave)
    : TaskPage(owner, TaskKind::Application, services, std::move(requestSave),
               {kScrollBar, kSubmit}),
      execute_(&MakeMark<bfRadioButton>(form_, kExecute)),
      kill_(&MakeMark<bfRadioButton>(form_, kKill)),
      atCaption_(&MakeCaption(kFieldWidth)),
      time_(form_, kFirstTimeBox, kAmPm),
      pathCaption_(&MakeCaption(kFieldWidth)),
      path_(&form_.Make<bfTextEdit>(0, 0, kSilent, kFieldWidth - kBrowseWidth - 4)),
      browseProgram_(&form_.Make<bfButton>(0, 0, kBrowseProgram, kBrowseWidth)),
      parametersCaption_(&MakeCaption(kFieldWidth)),
      parameters_(&form_.Make<bfTextEdit>(0, 0, kParameters, kFieldWidth)),
      startInCaption_(&MakeCaption(kFieldWidth)),
      startIn_(&form_.Make<bfTextEdit>(0, 0, kStartIn, kFieldWidth - kBrowseWidth - 4)),
      browseFolder_(&form_.Make<bfButton>(0, 0, kBrowseFolder, kBrowseWidth)),
      processIdCaption_(&MakeCaption(kFieldWidth)),
      processId_(&form_.Make<bfTextEdit>(0, 0, kProcessId, kFieldWidth - kProcessListWidth - 4)),
      processList_(&form_.Make<bfButton>(0, 0, kProcessList, kProcessListWidth)),
      checks_(form_, kProgressBar, kRemoveAfterEnd),
      chooser_(std::make_unique<bfProcessListWindow>(owner, services.processes)) {
    browseProgram_->SetText(std::wstring_view(L"..."));
    browseFolder_->SetText(std::wstring_view(L"..."));
    processList_->SetFontHeight(13);

    On(*execute_, [this](int) { model_.SetMode(ApplicationAction::StartProgram); });
    On(*kill_, [this](int) { model_.SetMode(ApplicationAction::EndProcess); });
    OnEach(time_.Controls(),
           [this](const bfAbstractControl* control) { time_.Take(control, model_.EditTime()); });
    On(*path_, [this](int) { model_.SetProgramPath(path_->Text()); });
    On(*parameters_, [this](int) { model_.SetParameters(parameters_->Text()); });
    On(*startIn_, [this](int) { model_.SetStartIn(startIn_->Text()); });
    On(*processId_, [this](int) { model_.SetProcessId(processId_->Text()); });
    On(*browseProgram_, [this](int) { BrowseProgram(); });
    On(*browseFolder_, [this](int) { BrowseFolder(); });
    On(*processList_, [this](int) { OpenChooser(); });
    OnEach(checks_.Controls(),
           [this](const bfAbstractControl* control) { checks_.Take(control, model_.checks()); });
    EnterCreateMode();
}

void ApplicationTaskPage::ResetForm(const std::u16string& title) {
    model_.Reset(title, Now(), Defaults());
    model_.Set24Hour(twentyFourHour());
}

void ApplicationTaskPage::LoadForm(const StoredTask& task) {
    if (const auto* application = std::get_if<ApplicationTask>(&task)) {
        model_.Load(*application);
        model_.Set24Hour(twentyFourHour());
    }
}

std::optional<StoredTask> ApplicationTaskPage::SubmitForm(const StoredTask* current) {
    const Clock& clock = services().tasks.clock;
    return SubmitWith<ApplicationTask>(
        current, [&] { return model_.Create(clock, services().paths, Defaults()); },
        [&](const ApplicationTask& task) { return model_.Change(task, clock, services().paths); });
}

void ApplicationTaskPage::ShowForm() {
    ShowTitle(model_.title());
    ShowChecked(*execute_, model_.mode() == ApplicationAction::StartProgram);
    ShowChecked(*kill_, model_.mode() == ApplicationAction::EndProcess);
    time_.Show(model_.time(), true);
    ShowText(*path_, model_.programPath());
    ShowText(*parameters_, model_.parameters());
    ShowText(*startIn_, model_.startIn());
    ShowText(*processId_, model_.processId());
    checks_.Show(model_.checks());

    const bool program = model_.programRowsShown();
    const bool process = model_.processRowShown();
    std::vector<FormRow> rows = HeadRows();
    rows.push_back({20, {{execute_, kLeft}}});
    rows.push_back({20, {{kill_, kLeft}}});
    rows.push_back({18, {{atCaption_, kLeft}}});
    for (FormRow& row : time_.Rows()) {
        rows.push_back(std::move(row));
    }
    rows.push_back({18, {{pathCaption_, kLeft}}, program});
    rows.push_back({path_->height(),
                    {{path_, kLeft}, {browseProgram_, kLeft + kFieldWidth - kBrowseWidth}},
                    program});
    rows.push_back({18, {{parametersCaption_, kLeft}}, program});
    rows.push_back({parameters_->height(), {{parameters_, kLeft}}, program});
    rows.push_back({18, {{startInCaption_, kLeft}}, program});
    rows.push_back({startIn_->height(),
                    {{startIn_, kLeft}, {browseFolder_, kLeft + kFieldWidth - kBrowseWidth}},
                    program});
    rows.push_back({18, {{processIdCaption_, kLeft}}, process});
    rows.push_back({processList_->height(),
                    {{processId_, kLeft}, {processList_, kLeft + kFieldWidth - kProcessListWidth}},
                    process});
    for (FormRow& row : checks_.Rows()) {
        rows.push_back(std::move(row));
    }
    rows.push_back(SubmitRow());
    form_.LayOut(rows);
    // The AM/PM choice follows the clock once its row is placed.
    time_.Show(model_.time(), true);
}

std::optional<RECT> ApplicationTaskPage::MarkedArea() {
    switch (model_.mark().field()) {
        case FormField::Target:
            return time_.Area();
        case FormField::ProgramPath: {
            bfAbstractControl* controls[] = {path_, browseProgram_};
            return AreaOf(form_, controls);
        }
        case FormField::StartIn: {
            bfAbstractControl* controls[] = {startIn_, browseFolder_};
            return AreaOf(form_, controls);
        }
        case FormField::ProcessId: {
            bfAbstractControl* controls[] = {processId_};
            return AreaOf(form_, controls);
        }
        default:
            return std::nullopt;
    }
}

void ApplicationTaskPage::RetranslateForm(const LanguageTexts& texts) {
    execute_->SetText(texts.Text(TextId::APPLICATIONS_EXECUTE_PROGRAM));
    kill_->SetText(texts.Text(TextId::APPLICATIONS_KILL_PROGRAM));
    atCaption_->SetText(texts.Text(TextId::APPLICATIONS_AT));
    time_.Retranslate(texts);
    pathCaption_->SetText(texts.Text(TextId::APPLICATIONS_PATH));
    parametersCaption_->SetText(texts.Text(TextId::APPLICATIONS_PARAMETERS));
    startInCaption_->SetText(texts.Text(TextId::APPLICATIONS_START_IN));
    processIdCaption_->SetText(texts.Text(TextId::APPLICATIONS_PID));
    processList_->SetText(texts.Text(TextId::APPLICATIONS_PROCESS_LIST_BUTTON));
    checks_.Retranslate(texts);
    chooser_->SetTexts(texts.Text(TextId::APPLICATIONS_PROCESS_LIST_TITLE),
                       texts.Text(TextId::APPLICATIONS_PROCESS_LIST_BUTTON));
}

bool ApplicationTaskPage::HandleOther(const PageCommand& command) {
    if (command.id != kChosen) {
        return false;
    }
    if (const std::optional<std::uint32_t> id = chooser_->SelectedProcessId()) {
        model_.ProcessChosen(*id);
    }
    return true;
}

void ApplicationTaskPage::BrowseProgram() {
    const std::optional<std::u16string> program =
        ChooseFile(kDialogGuard, {u"Executable Files (*.exe *.msi)", u"*.exe;*.msi"});
    if (program) {
        model_.ProgramChosen(*program);
    }
}

void ApplicationTaskPage::BrowseFolder() {
    const std::optional<std::u16string> folder = ChooseFolder(kDialogGuard);
    if (folder) {
        model_.SetStartIn(*folder);
    }
}

void ApplicationTaskPage::OpenChooser() {
    RECT button{};
    ::GetWindowRect(processList_->window(), &button);
    chooser_->Place(button.left, button.top);
    chooser_->Show(true);
}

}  // namespace tockly
