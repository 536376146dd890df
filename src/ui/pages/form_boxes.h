#pragma once
// The groups of boxes the editor forms share: the clock-time entry (day, month, year, hour,
// minute, second and, on the 12-hour clock, AM/PM) and the span boxes (days, hours, minutes,
// seconds), each with small captions above its boxes. A group reads a changed box into its form
// entry and shows the entry's values, ranges and enabled state.

#include <windows.h>

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "shell/language_texts.h"
#include "toolkit/check_box.h"
#include "toolkit/double_button.h"
#include "toolkit/spin_box.h"
#include "toolkit/static_text.h"
#include "toolkit/text_edit.h"
#include "ui/forms/span_entry.h"
#include "ui/forms/target_form.h"
#include "ui/forms/time_entry.h"
#include "ui/forms/widget_options.h"
#include "ui/pages/scrolling_form.h"

namespace tockly {

inline constexpr int kCaptionRowHeight = 14;
inline constexpr int kBoxRowHeight = 23;

class TimeBoxes {
public:
    // Boxes `firstId` to `firstId` + 5 and the AM/PM choice `amPmId`.
    TimeBoxes(ScrollingForm& form, WORD firstId, WORD amPmId);

    // The caption rows and box rows: date, then time.
    std::vector<FormRow> Rows(bool shown = true) const;
    // The entry's values and ranges, AM/PM shown on the 12-hour clock, all enabled or not.
    void Show(const TimeEntry& entry, bool enabled);
    // A box or the AM/PM choice of this group changed: into `entry`. False for another control.
    bool Take(const bfAbstractControl* control, TimeEntry& entry) const;
    bool Owns(const bfAbstractControl* control) const;
    std::vector<bfAbstractControl*> Controls() const;
    void Retranslate(const LanguageTexts& texts);
    // The boxes' area in the form, for the mark of a refused time.
    RECT Area() const;

    bfSpinBox& box(int index) noexcept { return *boxes_[static_cast<std::size_t>(index)]; }
    bfDoubleButton& amPm() noexcept { return *amPm_; }

private:
    ScrollingForm& form_;
    std::array<bfStaticText*, 6> captions_{};
    std::array<bfSpinBox*, 6> boxes_{};
    bfDoubleButton* amPm_;
    bool amPmShown_ = false;
};

class SpanBoxes {
public:
    // Boxes `firstId` onwards: days (with `days`), hours, minutes, seconds.
    SpanBoxes(ScrollingForm& form, WORD firstId, bool days);

    std::vector<FormRow> Rows(bool shown = true) const;
    void Show(const SpanEntry& entry, bool enabled);
    bool Take(const bfAbstractControl* control, SpanEntry& entry) const;
    bool Owns(const bfAbstractControl* control) const;
    std::vector<bfAbstractControl*> Controls() const;
    void Retranslate(const LanguageTexts& texts);
    RECT Area() const;

    int count() const noexcept { return static_cast<int>(boxes_.size()); }
    bfSpinBox& box(int index) noexcept { return *boxes_[static_cast<std::size_t>(index)]; }

private:
    SpanPart PartOf(std::size_t index) const noexcept;

    ScrollingForm& form_;
    bool days_;
    std::vector<bfStaticText*> captions_;
    std::vector<bfSpinBox*> boxes_;
};

// The two ways to give a target: a clock time ("at", "count to") with its boxes, or a span from
// now ("in", "count for") with its boxes; each choice enables its own boxes.
class TargetBoxes {
public:
    TargetBoxes(ScrollingForm& form, WORD atId, WORD firstTimeId, WORD amPmId, WORD inId,
                WORD firstSpanId, bool days);

    // The clock time first (`spanFirst`: the span first, as the counter has it).
    std::vector<FormRow> Rows(bool spanFirst = false) const;
    void Show(const TargetEntry& target);
    // A choice or a box of this group changed: into `form`. False for another control.
    bool Take(const bfAbstractControl* control, TargetForm& form, const TimePoint& now) const;
    std::vector<bfAbstractControl*> Controls() const;
    void Retranslate(const LanguageTexts& texts, TextId at, TextId in);
    // The boxes of a refused target (Target) or span (Delay).
    std::optional<RECT> Area(FormField field) const;

    bfRadioButton& atChoice() noexcept { return *at_; }
    bfRadioButton& inChoice() noexcept { return *in_; }
    TimeBoxes& time() noexcept { return time_; }
    SpanBoxes& span() noexcept { return span_; }

private:
    bfRadioButton* at_;
    TimeBoxes time_;
    bfRadioButton* in_;
    SpanBoxes span_;
};

// The two check boxes of the counting tasks: show the progress bar, remove the task after its end.
class WidgetCheckBoxes {
public:
    WidgetCheckBoxes(ScrollingForm& form, WORD progressBarId, WORD removeAfterEndId);

    std::vector<FormRow> Rows() const;
    void Show(const WidgetChecks& checks, bool removeEnabled = true);
    bool Take(const bfAbstractControl* control, WidgetChecks& checks) const;
    std::vector<bfAbstractControl*> Controls() const { return {progressBar_, removeAfterEnd_}; }
    void Retranslate(const LanguageTexts& texts);

    bfCheckBox& progressBar() noexcept { return *progressBar_; }
    bfCheckBox& removeAfterEnd() noexcept { return *removeAfterEnd_; }

private:
    bfCheckBox* progressBar_;
    bfCheckBox* removeAfterEnd_;
};

// A check box or radio button of a form, in the main window's light text.
template <typename Mark>
Mark& MakeMark(ScrollingForm& form, WORD id, int width = ScrollingForm::kContentWidth - 8) {
    auto& mark = form.Make<Mark>(0, 0, id, width, 20);
    mark.SetTextColors(RGB(228, 228, 228), RGB(130, 130, 130));
    return mark;
}
// A text field showing `text` (set only when it differs, so the caret stays while the user types).
void ShowText(bfTextEdit& field, const std::u16string& text, bool enabled = true);

// Checked or not, without telling anyone.
void ShowChecked(bfCheckBox& mark, bool checked, bool enabled = true);

// The area in the form that `controls` cover together (their shown ones).
RECT AreaOf(const ScrollingForm& form, std::span<bfAbstractControl* const> controls);

}  // namespace tockly
