#pragma once
// PrintScreenTaskPage: screenshots into a folder (chosen in the system's dialog) under names that
// begin with a given text, in a format, from a clock time: once, repeated without end, or
// repeated for a span, every period.

#include <windows.h>

#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/text_edit.h"
#include "ui/forms/print_screen_form.h"
#include "ui/pages/form_boxes.h"
#include "ui/task_page.h"

namespace tockly {

namespace print_screen_control {
inline constexpr WORD kSaveIn = 502;
inline constexpr WORD kBrowse = 503;
inline constexpr WORD kFileName = 504;
inline constexpr WORD kFormat = 505;
inline constexpr WORD kFirstTimeBox = 508;
inline constexpr WORD kAmPm = 514;
inline constexpr WORD kFirstRepeatBox = 515;
inline constexpr WORD kOnce = 518;
inline constexpr WORD kAllTime = 519;
inline constexpr WORD kFor = 520;
inline constexpr WORD kFirstForBox = 521;
inline constexpr WORD kScrollBar = 524;
inline constexpr WORD kProgressBar = 525;
inline constexpr WORD kRemoveAfterEnd = 526;
inline constexpr WORD kSubmit = 527;
inline constexpr WORD kDialogGuard = 528;
}  // namespace print_screen_control

class PrintScreenTaskPage final : public TaskPage {
public:
    PrintScreenTaskPage(HWND owner, const PageServices& services,
                        std::function<void()> requestSave);

    const PrintScreenForm& model() const noexcept { return model_; }
    bfTextEdit& saveInField() noexcept { return *saveIn_; }
    bfButton& browse() noexcept { return *browse_; }
    bfTextEdit& fileNameField() noexcept { return *fileName_; }
    bfComboBox& format() noexcept { return *format_; }
    TimeBoxes& time() noexcept { return time_; }
    SpanBoxes& repeat() noexcept { return repeat_; }
    bfRadioButton& mode(RepetitionMode mode) noexcept {
        return *modes_[static_cast<std::size_t>(mode)];
    }
    SpanBoxes& executeFor() noexcept { return for_; }
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

    void Browse();

    PrintScreenForm model_;
    bfStaticText* saveInCaption_;
    bfTextEdit* saveIn_;
    bfButton* browse_;
    bfStaticText* fileNameCaption_;
    bfTextEdit* fileName_;
    bfStaticText* formatCaption_;
    bfComboBox* format_;
    bfStaticText* startCaption_;
    TimeBoxes time_;
    bfStaticText* repeatCaption_;
    SpanBoxes repeat_;
    std::array<bfRadioButton*, 3> modes_{};
    SpanBoxes for_;
    WidgetCheckBoxes checks_;
};

}  // namespace tockly
