#pragma once
// InternetTaskPage: connects or disconnects a dial-up entry of the phone book at a clock time or
// in a span from now. The entry list is read from the phone book each time the page opens.

#include <windows.h>

#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "ui/forms/internet_form.h"
#include "ui/pages/form_boxes.h"
#include "ui/task_page.h"

namespace tockly {

namespace internet_control {
inline constexpr WORD kConnect = 602;
inline constexpr WORD kDisconnect = 603;
inline constexpr WORD kEntry = 604;
inline constexpr WORD kAt = 606;
inline constexpr WORD kFirstTimeBox = 607;
inline constexpr WORD kAmPm = 613;
inline constexpr WORD kIn = 614;
inline constexpr WORD kFirstDelayBox = 615;
inline constexpr WORD kProgressBar = 618;
inline constexpr WORD kRemoveAfterEnd = 619;
inline constexpr WORD kScrollBar = 620;
inline constexpr WORD kSubmit = 621;
}  // namespace internet_control

class InternetTaskPage final : public TaskPage {
public:
    InternetTaskPage(HWND owner, const PageServices& services, std::function<void()> requestSave);

    void Show(bool show) override;

    const InternetForm& model() const noexcept { return model_; }
    bfRadioButton& connectChoice() noexcept { return *connect_; }
    bfRadioButton& disconnectChoice() noexcept { return *disconnect_; }
    bfComboBox& entries() noexcept { return *entry_; }
    TargetBoxes& target() noexcept { return target_; }
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

    // The phone book's entries into the form and the list.
    void ReadEntries();

    InternetForm model_;
    bfRadioButton* connect_;
    bfRadioButton* disconnect_;
    bfStaticText* entryCaption_;
    bfComboBox* entry_;
    TargetBoxes target_;
    WidgetCheckBoxes checks_;
};

}  // namespace tockly
