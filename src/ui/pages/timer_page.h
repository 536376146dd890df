#pragma once
// TimerTaskPage: a countdown (days, hours, minutes, seconds) and what happens at its end.
// CounterTaskPage: a count for a span from now or to a clock time, with the same end options.

#include <windows.h>

#include "ui/forms/counter_form.h"
#include "ui/forms/timer_form.h"
#include "ui/pages/end_option_boxes.h"
#include "ui/pages/form_boxes.h"
#include "ui/task_page.h"

namespace tockly {

namespace timer_control {
inline constexpr WORD kFirstCountdownBox = 901;
inline constexpr EndOptionIds kEndOptions{905, 906, 907, 908, 909};
inline constexpr WORD kProgressBar = 910;
inline constexpr WORD kRemoveAfterEnd = 911;
inline constexpr WORD kScrollBar = 912;
inline constexpr WORD kSubmit = 913;
inline constexpr WORD kDialogGuard = 914;
}  // namespace timer_control

namespace counter_control {
inline constexpr WORD kCountFor = 1001;
inline constexpr WORD kFirstSpanBox = 1002;
inline constexpr WORD kCountTo = 1006;
inline constexpr WORD kFirstTimeBox = 1007;
inline constexpr WORD kAmPm = 1013;
inline constexpr EndOptionIds kEndOptions{1014, 1015, 1016, 1017, 1018};
inline constexpr WORD kProgressBar = 1019;
inline constexpr WORD kRemoveAfterEnd = 1020;
inline constexpr WORD kScrollBar = 1021;
inline constexpr WORD kSubmit = 1022;
inline constexpr WORD kDialogGuard = 1023;
}  // namespace counter_control

class TimerTaskPage final : public TaskPage {
public:
    TimerTaskPage(HWND owner, const PageServices& services, std::function<void()> requestSave);

    const TimerForm& model() const noexcept { return model_; }
    SpanBoxes& countdown() noexcept { return countdown_; }
    EndOptionBoxes& endOptions() noexcept { return end_; }
    WidgetCheckBoxes& checks() noexcept { return checks_; }

private:
    void ResetForm(const std::u16string& title) override;
    void LoadForm(const StoredTask& task) override;
    std::optional<StoredTask> SubmitForm(const StoredTask* current) override;
    void TitleChanged(std::u16string title) override { model_.SetTitle(std::move(title)); }
    void ShowForm() override;
    void RetranslateForm(const LanguageTexts& texts) override;
    std::optional<RECT> MarkedArea() override;

    TimerForm model_;
    bfStaticText* countdownCaption_;
    SpanBoxes countdown_;
    EndOptionBoxes end_;
    WidgetCheckBoxes checks_;
};

class CounterTaskPage final : public TaskPage {
public:
    CounterTaskPage(HWND owner, const PageServices& services, std::function<void()> requestSave);

    const CounterForm& model() const noexcept { return model_; }
    TargetBoxes& target() noexcept { return target_; }
    EndOptionBoxes& endOptions() noexcept { return end_; }
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

    CounterForm model_;
    TargetBoxes target_;
    EndOptionBoxes end_;
    WidgetCheckBoxes checks_;
};

}  // namespace tockly
