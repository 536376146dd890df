#pragma once
// ApplicationTaskPage: starts a program (its path, parameters and working folder, each program
// and folder chosen in the system's dialog) or ends a process (its id, typed or chosen in the
// process chooser) at a clock time. The rows of the mode not chosen are hidden.

#include <windows.h>

#include <memory>

#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/text_edit.h"
#include "ui/forms/application_form.h"
#include "ui/pages/form_boxes.h"
#include "ui/process_list_window.h"
#include "ui/task_page.h"

namespace tockly {

namespace application_control {
inline constexpr WORD kExecute = 402;
inline constexpr WORD kKill = 403;
inline constexpr WORD kFirstTimeBox = 404;
inline constexpr WORD kAmPm = 410;
inline constexpr WORD kBrowseProgram = 412;
inline constexpr WORD kParameters = 413;
inline constexpr WORD kStartIn = 414;
inline constexpr WORD kBrowseFolder = 415;
inline constexpr WORD kProcessId = 416;
inline constexpr WORD kProcessList = 417;
inline constexpr WORD kChosen = 418;
inline constexpr WORD kScrollBar = 419;
inline constexpr WORD kProgressBar = 420;
inline constexpr WORD kRemoveAfterEnd = 421;
inline constexpr WORD kSubmit = 422;
inline constexpr WORD kDialogGuard = 423;
}  // namespace application_control

class ApplicationTaskPage final : public TaskPage {
public:
    ApplicationTaskPage(HWND owner, const PageServices& services,
                        std::function<void()> requestSave);

    const ApplicationForm& model() const noexcept { return model_; }
    bfRadioButton& executeChoice() noexcept { return *execute_; }
    bfRadioButton& killChoice() noexcept { return *kill_; }
    TimeBoxes& time() noexcept { return time_; }
    bfTextEdit& pathField() noexcept { return *path_; }
    bfTextEdit& parametersField() noexcept { return *parameters_; }
    bfTextEdit& startInField() noexcept { return *startIn_; }
    bfTextEdit& processIdField() noexcept { return *processId_; }
    bfButton& browseProgram() noexcept { return *browseProgram_; }
    bfButton& browseFolder() noexcept { return *browseFolder_; }
    bfButton& processListButton() noexcept { return *processList_; }
    bfProcessListWindow& chooser() noexcept { return *chooser_; }
    WidgetCheckBoxes& checks() noexcept { return checks_; }

private:
    void ResetForm(const std::u16string& title) override;
    void LoadForm(const StoredTask& task) override;
    std::optional<StoredTask> SubmitForm(const StoredTask* current) override;
    void TitleChanged(std::u16string title) override { model_.SetTitle(std::move(title)); }
    void ShowForm() override;
    void RetranslateForm(const LanguageTexts& texts) override;
    void SetFormClock(bool twentyFourHour) override { model_.Set24Hour(twentyFourHour); }
    std::optional<RECT> MarkedArea() override;
    bool HandleOther(const PageCommand& command) override;

    void BrowseProgram();
    void BrowseFolder();
    void OpenChooser();

    ApplicationForm model_;
    bfRadioButton* execute_;
    bfRadioButton* kill_;
    bfStaticText* atCaption_;
    TimeBoxes time_;
    bfStaticText* pathCaption_;
    bfTextEdit* path_;
    bfButton* browseProgram_;
    bfStaticText* parametersCaption_;
    bfTextEdit* parameters_;
    bfStaticText* startInCaption_;
    bfTextEdit* startIn_;
    bfButton* browseFolder_;
    bfStaticText* processIdCaption_;
    bfTextEdit* processId_;
    bfButton* processList_;
    WidgetCheckBoxes checks_;
    std::unique_ptr<bfProcessListWindow> chooser_;
};

}  // namespace tockly
