#pragma once
// The page of one task kind: its editor form (ScrollingForm) on the left of the page area and, in
// the page frame on the right, the task list of the kind (bfTaskListView, list id 2000 + kind),
// which owns the kind's tasks and their widgets. The eight editor pages (src/ui/pages/) derive from
// it and add their form's controls; what they share is here:
// - create and change mode: the list's event 0 without a row resets the form to the create-mode
//   defaults, with a row loads the row's task into it; the create/change button creates a task
//   from the form (its widget and row through the list, which centres, shows and starts it and
//   saves the store; then the main window takes the focus back) or changes the selected one
//   (stopped, changed, shown and started again, saved);
// - a refused create or change changes nothing and shows no message: the field the form names is
//   framed until the user changes it;
// - the title field and the page title and button texts of the mode;
// - the list's other events: a removal asked for removes the row and its task and saves; a sticky
//   note's request for a note beside it (event 4) is the quick sticky note;
// - the quick tasks: command 1201 (sticky note page) adds an empty note, centred, or beside the
//   note whose row number is in the high word; command 1202 (stopwatch page) adds a running
//   stopwatch from the StopwatchStart in lParam;
// - the tray's widget-wide commands go to the list.

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/path_probe.h"
#include "platform/process_enumerator.h"
#include "shell/app_settings.h"
#include "tasks/task_kind.h"
#include "toolkit/button.h"
#include "toolkit/static_text.h"
#include "toolkit/text_edit.h"
#include "ui/main_window_layout.h"
#include "ui/page.h"
#include "ui/pages/scrolling_form.h"
#include "ui/task_list_view.h"
#include "ui/task_services.h"

namespace tockly {

// What the editor pages use besides what their lists give the widgets.
struct PageServices {
    TaskServices tasks;
    // Whether a program, a working folder or a screenshot folder is there.
    const PathProbe& paths;
    // The application page's process chooser.
    ProcessEnumerator& processes;
};

// The texts of a page that follow its mode and its kind.
struct PageTexts {
    TextId createTitle;
    TextId changeTitle;
    TextId defaultTitle;
    TextId createButton;
    TextId changeButton;
};

// The task a form's create (`create()`, no current task) or change (`change(task)`) makes, or
// nullopt when the form refused it.
template <typename Task, typename Create, typename Change>
std::optional<StoredTask> SubmitWith(const StoredTask* current, Create&& create, Change&& change) {
    std::optional<Task> made;
    if (current == nullptr) {
        made = create().record;
    } else if (const auto* task = std::get_if<Task>(current)) {
        made = change(*task).record;
    }
    if (!made) {
        return std::nullopt;
    }
    return StoredTask(std::move(*made));
}

class TaskPage : public Page {
public:
    // The page's form ids: its scroll bar and its create/change button.
    struct FormIds {
        WORD scrollBar;
        WORD submit;
    };

    TaskPage(HWND owner, TaskKind kind, const PageServices& services,
             std::function<void()> requestSave, FormIds ids = {0, 0});
    ~TaskPage() override;

    TaskKind kind() const noexcept { return kind_; }
    bfTaskListView& list() noexcept { return list_; }
    // The widget defaults of new tasks and the form defaults.
    void SetSettings(const AppSettings* settings);

    void Show(bool show) override;
    bool visible() const override { return form_.shown(); }
    void Retranslate(const LanguageTexts& texts) override;
    bool HandleCommand(const PageCommand& command) override;
    void Set24HourClock(bool twentyFourHour) override;
    void ResetPositions() override { list_.CentreAll(); }
    void ShowAllWidgets(bool show) override { list_.ShowAll(show); }

    // Presses the create/change button: the mode's sequence, as a click does.
    void Submit();
    bool changeMode() const noexcept { return changeMode_; }

    // For tests and the screenshot tool.
    ScrollingForm& form() noexcept { return form_; }
    bfStaticText& pageTitle() noexcept { return *pageTitle_; }
    bfTextEdit& titleField() noexcept { return *titleField_; }
    bfButton& submitButton() noexcept { return *submit_; }
    // What reached the page last.
    const std::optional<PageCommand>& lastCommand() const noexcept { return lastCommand_; }
    bool twentyFourHour() const noexcept { return twentyFourHour_; }

protected:
    using Handler = std::function<void(int code)>;

    // ---- What a page adds ----
    // The form to its create-mode defaults, its title `title`.
    virtual void ResetForm(const std::u16string& title) { static_cast<void>(title); }
    // The form loaded from a task of the list.
    virtual void LoadForm(const StoredTask& task) { static_cast<void>(task); }
    // The task the form makes (a create) or `current` changed as the form says; nullopt when the
    // form refuses it (the form keeps the refused field as its mark).
    virtual std::optional<StoredTask> SubmitForm(const StoredTask* current) {
        static_cast<void>(current);
        return std::nullopt;
    }
    // The form's title changed in its field.
    virtual void TitleChanged(std::u16string title) { static_cast<void>(title); }
    // The form's values and states into the controls, and the rows laid out.
    virtual void ShowForm() {}
    virtual void RetranslateForm(const LanguageTexts& texts) { static_cast<void>(texts); }
    // The clock the form's time boxes follow.
    virtual void SetFormClock(bool twentyFourHour) { static_cast<void>(twentyFourHour); }
    // The form area of the refused field, none when nothing is refused.
    virtual std::optional<RECT> MarkedArea() { return std::nullopt; }
    // A command without a control of the form (the process chooser's choice).
    virtual bool HandleOther(const PageCommand& command) {
        static_cast<void>(command);
        return false;
    }

    // ---- For the pages ----
    // `handler` runs when `control` tells its parent something (its code in the high word); the
    // form is shown again after it.
    void On(bfAbstractControl& control, Handler handler);
    // `take(control)` runs when any of `controls` tells its parent something.
    template <typename Take>
    void OnEach(const std::vector<bfAbstractControl*>& controls, Take take) {
        for (bfAbstractControl* control : controls) {
            On(*control, [take, control](int) { take(control); });
        }
    }
    // The shared rows at the top: the page title, and the title caption with its field.
    std::vector<FormRow> HeadRows() const;
    // The row of the create/change button.
    FormRow SubmitRow() const;
    // The title field shows `title` (without reporting it back).
    void ShowTitle(const std::u16string& title);
    // The form shown again and the refused field framed.
    void Refresh();
    // A caption of the form, in the main window's light text.
    bfStaticText& MakeCaption(int width);
    std::u16string Text(TextId id) const;
    SettingsValues Defaults() const;
    // The present as the forms take it.
    TimePoint Now() const;
    const PageServices& services() const noexcept { return services_; }
    HWND owner() const noexcept { return owner_; }
    // A file or folder dialog held by the main window's dialog guard (`guard`, high word 1
    // before, 0 after), so that the window stays while it is open.
    template <typename Dialog>
    auto Guarded(WORD guard, Dialog&& dialog) {
        ::SendMessageW(owner_, WM_COMMAND, MAKEWPARAM(guard, 1), 0);
        auto answer = dialog();
        ::SendMessageW(owner_, WM_COMMAND, MAKEWPARAM(guard, 0), 0);
        return answer;
    }

    // A file to open chosen in the system's dialog held by the dialog guard `guard`.
    std::optional<std::u16string> ChooseFile(WORD guard, FileTypeFilter filter);
    std::optional<std::u16string> ChooseFolder(WORD guard);

    ScrollingForm form_;

    // Create mode with the form reset (the end of a page's construction, and event 0 without a
    // row).
    void EnterCreateMode();

private:
    void OnListEvent(int event, int number);
    void EnterChangeMode(int number);
    void QuickStickyNote(int besideNumber);
    void QuickStopwatch(const StopwatchStart& start);
    void ShowModeTexts();
    void FitPageTitle();

    TaskKind kind_;
    HWND owner_;
    PageServices services_;
    PageTexts texts_;
    bfStaticText* pageTitle_;
    bfStaticText* titleCaption_;
    bfTextEdit* titleField_;
    bfButton* submit_;
    bfTaskListView list_;
    std::map<const bfAbstractControl*, Handler> handlers_;
    const AppSettings* settings_ = nullptr;
    const LanguageTexts* languageTexts_ = nullptr;
    bool twentyFourHour_ = true;
    bool changeMode_ = false;
    std::optional<PageCommand> lastCommand_;
};

}  // namespace tockly
