#pragma once
// StickyNotePage: a note's title and content. StopwatchPage: a stopwatch's title and the reading
// it starts from. Neither form refuses anything. The quick note and the quick stopwatch of the
// home page and the tray are the task page's (commands 1201 and 1202).

#include <windows.h>

#include "toolkit/text_box.h"
#include "ui/forms/note_forms.h"
#include "ui/pages/form_boxes.h"
#include "ui/task_page.h"

namespace tockly {

namespace sticky_note_control {
inline constexpr WORD kContent = 801;
inline constexpr WORD kSubmit = 802;
inline constexpr WORD kScrollBar = 803;
}  // namespace sticky_note_control

namespace stopwatch_control {
inline constexpr WORD kFirstStartBox = 1101;
inline constexpr WORD kSubmit = 1104;
inline constexpr WORD kScrollBar = 1105;
}  // namespace stopwatch_control

class StickyNotePage final : public TaskPage {
public:
    StickyNotePage(HWND owner, const PageServices& services, std::function<void()> requestSave);

    const StickyNoteForm& model() const noexcept { return model_; }
    bfTextBox& content() noexcept { return *content_; }

private:
    void ResetForm(const std::u16string& title) override { model_.Reset(title); }
    void LoadForm(const StoredTask& task) override;
    std::optional<StoredTask> SubmitForm(const StoredTask* current) override;
    void TitleChanged(std::u16string title) override { model_.SetTitle(std::move(title)); }
    void ShowForm() override;
    void RetranslateForm(const LanguageTexts& texts) override;

    StickyNoteForm model_;
    bfStaticText* contentCaption_;
    bfTextBox* content_;
};

class StopwatchPage final : public TaskPage {
public:
    StopwatchPage(HWND owner, const PageServices& services, std::function<void()> requestSave);

    const StopwatchForm& model() const noexcept { return model_; }
    SpanBoxes& startingTime() noexcept { return start_; }

private:
    void ResetForm(const std::u16string& title) override { model_.Reset(title); }
    void LoadForm(const StoredTask& task) override;
    std::optional<StoredTask> SubmitForm(const StoredTask* current) override;
    void TitleChanged(std::u16string title) override { model_.SetTitle(std::move(title)); }
    void ShowForm() override;
    void RetranslateForm(const LanguageTexts& texts) override;

    StopwatchForm model_;
    bfStaticText* startCaption_;
    SpanBoxes start_;
};

}  // namespace tockly
