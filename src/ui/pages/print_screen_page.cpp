#include "ui/pages/print_screen_page.h"

namespace tockly {
namespace {

using namespace print_screen_control;

constexpr int kLeft = 4;
constexpr int kBrowseWidth = 34;
constexpr int kFieldWidth = ScrollingForm::kContentWidth - kLeft;
constexpr int kFormatCaptionWidth = 120;

}  // namespace

PrintScreenTaskPage::PrintScreenTaskPage(HWND owner, const PageServices& services,
                                         std::function<void()> requestSave)
    : TaskPage(owner, TaskKind::PrintScreen, services, std::move(requestSave),
               {kScrollBar, kSubmit}),
      saveInCaption_(&MakeCaption(kFieldWidth)),
      saveIn_(&form_.Make<bfTextEdit>(0, 0, kSaveIn, kFieldWidth - kBrowseWidth - 4)),
      browse_(&form_.Make<bfButton>(0, 0, kBrowse, kBrowseWidth)),
      fileNameCaption_(&MakeCaption(kFieldWidth)),
      fileName_(&form_.Make<bfTextEdit>(0, 0, kFileName, kFieldWidth)),
      formatCaption_(&MakeCaption(kFormatCaptionWidth)),
      format_(&form_.Make<bfComboBox>(0, 0, kFormat)),
      startCaption_(&MakeCaption(kFieldWidth)),
      time_(form_, kFirstTimeBox, kAmPm),
      repeatCaption_(&MakeCaption(kFieldWidth)),
      repeat_(form_, kFirstRepeatBox, false),
      for_(form_, kFirstForBox, false),
      checks_(form_, kProgressBar, kRemoveAfterEnd) {
    browse_->SetText(std::wstring_view(L"..."));
    format_->Resize(90, 0);
    for (const char16_t* name : {u"png", u"jpg", u"bmp"}) {
        format_->AddItem(name);
    }
    const WORD modeIds[] = {kOnce, kAllTime, kFor};
    for (std::size_t mode = 0; mode < modes_.size(); ++mode) {
        modes_[mode] = &MakeMark<bfRadioButton>(form_, modeIds[mode]);
        On(*modes_[mode],
           [this, mode](int) { model_.SetRepetitionMode(static_cast<RepetitionMode>(mode)); });
    }

    On(*saveIn_, [this](int) { model_.SetSaveIn(saveIn_->Text()); });
    On(*browse_, [this](int) { Browse(); });
    On(*fileName_, [this](int) { model_.SetFilePrefix(fileName_->Text()); });
    On(*format_, [this](int) { model_.SetFormat(format_->SelectedIndex()); });
    OnEach(time_.Controls(),
           [this](const bfAbstractControl* control) { time_.Take(control, model_.EditTime()); });
    OnEach(repeat_.Controls(), [this](const bfAbstractControl* control) {
        repeat_.Take(control, model_.EditRepeatPeriod());
    });
    OnEach(for_.Controls(), [this](const bfAbstractControl* control) {
        for_.Take(control, model_.EditExecuteFor());
    });
    OnEach(checks_.Controls(),
           [this](const bfAbstractControl* control) { checks_.Take(control, model_.checks()); });
    EnterCreateMode();
}

void PrintScreenTaskPage::ResetForm(const std::u16string& title) {
    model_.Reset(title, Text(TextId::PRINT_SCREEN_FILE_NAME_VALUE), Now(), Defaults());
    model_.Set24Hour(twentyFourHour());
}

void PrintScreenTaskPage::LoadForm(const StoredTask& task) {
    if (const auto* shot = std::get_if<PrintScreenTask>(&task)) {
        model_.Load(*shot);
        model_.Set24Hour(twentyFourHour());
    }
}

std::optional<StoredTask> PrintScreenTaskPage::SubmitForm(const StoredTask* current) {
    const Clock& clock = services().tasks.clock;
    return SubmitWith<PrintScreenTask>(
        current, [&] { return model_.Create(clock, services().paths, Defaults()); },
        [&](const PrintScreenTask& task) { return model_.Change(task, clock, services().paths); });
}

void PrintScreenTaskPage::ShowForm() {
    ShowTitle(model_.title());
    ShowText(*saveIn_, model_.saveIn());
    ShowText(*fileName_, model_.filePrefix());
    if (format_->SelectedIndex() != model_.format()) {
        format_->Select(model_.format());
    }
    time_.Show(model_.time(), true);
    repeat_.Show(model_.repeatPeriod(), true);
    for (std::size_t mode = 0; mode < modes_.size(); ++mode) {
        ShowChecked(*modes_[mode], static_cast<std::size_t>(model_.repetitionMode()) == mode);
    }
    for_.Show(model_.executeFor(), model_.executeForEnabled());
    checks_.Show(model_.checks(), model_.removeAfterEndEnabled());

    std::vector<FormRow> rows = HeadRows();
    rows.push_back({18, {{saveInCaption_, kLeft}}});
    rows.push_back(
        {saveIn_->height(), {{saveIn_, kLeft}, {browse_, kLeft + kFieldWidth - kBrowseWidth}}});
    rows.push_back({18, {{fileNameCaption_, kLeft}}});
    rows.push_back({fileName_->height(), {{fileName_, kLeft}}});
    rows.push_back(
        {format_->height(), {{formatCaption_, kLeft}, {format_, kLeft + kFormatCaptionWidth + 4}}});
    rows.push_back({18, {{startCaption_, kLeft}}});
    for (FormRow& row : time_.Rows()) {
        rows.push_back(std::move(row));
    }
    rows.push_back({18, {{repeatCaption_, kLeft}}});
    for (FormRow& row : repeat_.Rows()) {
        rows.push_back(std::move(row));
    }
    for (bfRadioButton* mode : modes_) {
        rows.push_back({20, {{mode, kLeft}}});
    }
    for (FormRow& row : for_.Rows()) {
        rows.push_back(std::move(row));
    }
    for (FormRow& row : checks_.Rows()) {
        rows.push_back(std::move(row));
    }
    rows.push_back(SubmitRow());
    form_.LayOut(rows);
    time_.Show(model_.time(), true);
}

std::optional<RECT> PrintScreenTaskPage::MarkedArea() {
    switch (model_.mark().field()) {
        case FormField::Target:
            return time_.Area();
        case FormField::SaveIn: {
            bfAbstractControl* controls[] = {saveIn_, browse_};
            return AreaOf(form_, controls);
        }
        case FormField::FilePrefix: {
            bfAbstractControl* controls[] = {fileName_};
            return AreaOf(form_, controls);
        }
        case FormField::RepeatPeriod:
            return repeat_.Area();
        case FormField::ExecuteFor:
            return for_.Area();
        default:
            return std::nullopt;
    }
}

void PrintScreenTaskPage::RetranslateForm(const LanguageTexts& texts) {
    saveInCaption_->SetText(texts.Text(TextId::PRINT_SCREEN_SAVE_IN));
    fileNameCaption_->SetText(texts.Text(TextId::PRINT_SCREEN_FILE_NAME));
    formatCaption_->SetText(texts.Text(TextId::PRINT_SCREEN_FILE_FORMAT));
    startCaption_->SetText(texts.Text(TextId::PRINT_SCREEN_START_AT));
    time_.Retranslate(texts);
    repeatCaption_->SetText(texts.Text(TextId::PRINT_SCREEN_REPEAT_EVERY));
    repeat_.Retranslate(texts);
    modes_[0]->SetText(texts.Text(TextId::PRINT_SCREEN_ONCE));
    modes_[1]->SetText(texts.Text(TextId::PRINT_SCREEN_ALL_TIME));
    modes_[2]->SetText(texts.Text(TextId::PRINT_SCREEN_FOR));
    for_.Retranslate(texts);
    checks_.Retranslate(texts);
}

void PrintScreenTaskPage::Browse() {
    const std::optional<std::u16string> folder = ChooseFolder(kDialogGuard);
    if (folder) {
        model_.SetSaveIn(*folder);
    }
}

}  // namespace tockly
