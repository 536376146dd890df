#pragma once
// PowerTaskPage: locks the computer, logs off, sleeps, restarts, hibernates or shuts down, forced
// or not, at a clock time or in a span (days, hours, minutes, seconds) from now.

#include <windows.h>

#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "ui/forms/power_form.h"
#include "ui/pages/form_boxes.h"
#include "ui/task_page.h"

namespace tockly {

namespace power_control {
inline constexpr WORD kAction = 701;
inline constexpr WORD kAt = 703;
inline constexpr WORD kFirstTimeBox = 704;
inline constexpr WORD kAmPm = 710;
inline constexpr WORD kIn = 711;
inline constexpr WORD kFirstDelayBox = 712;
inline constexpr WORD kProgressBar = 716;
inline constexpr WORD kRemoveAfterEnd = 717;
inline constexpr WORD kForce = 718;
inline constexpr WORD kScrollBar = 719;
inline constexpr WORD kSubmit = 720;
}  // namespace power_control

class PowerTaskPage final : public TaskPage {
public:
    PowerTaskPage(HWND owner, const PageServices& services, std::function<void()> requestSave);

    const PowerForm& model() const noexcept { return model_; }
    bfComboBox& action() noexcept { return *action_; }
    TargetBoxes& target() noexcept { return target_; }
    WidgetCheckBoxes& checks() noexcept { return checks_; }
    bfCheckBox& force() noexcept { return *force_; }

private:
    void ResetForm(const std::u16string& title) override;
    void LoadForm(const StoredTask& task) override;
    std::optional<StoredTask> SubmitForm(const StoredTask* current) override;
    void TitleChanged(std::u16string title) override { model_.SetTitle(std::move(title)); }
    void ShowForm() override;
    void RetranslateForm(const LanguageTexts& texts) override;
    void SetFormClock(bool twentyFourHour) override { model_.Set24Hour(twentyFourHour); }
    std::optional<RECT> MarkedArea() override;

    PowerForm model_;
    bfStaticText* actionCaption_;
    bfComboBox* action_;
    TargetBoxes target_;
    WidgetCheckBoxes checks_;
    bfCheckBox* force_;
};

}  // namespace tockly
