#include "ui/pages/form_boxes.h"

#include <algorithm>
#include <climits>

#include "ui/page_controls.h"

namespace tockly {
namespace {

constexpr int kSmallBox = 50;
constexpr int kYearBox = 64;
constexpr int kBoxGap = 4;
constexpr int kAmPmHalf = 34;
constexpr int kLeft = 4;

bfStaticText& MakeCaption(ScrollingForm& form, int width) {
    auto& caption = form.Make<bfStaticText>(0, 0, static_cast<WORD>(0), width, kCaptionRowHeight);
    caption.SetTextColors(RGB(170, 170, 170), RGB(110, 110, 110));
    caption.SetFontHeight(12);
    caption.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    return caption;
}

bfSpinBox& MakeBox(ScrollingForm& form, WORD id, int width) {
    auto& box = form.Make<bfSpinBox>(0, 0, id, width);
    return box;
}

void ShowBox(bfSpinBox& box, const EntryRange& range, int value, bool enabled) {
    box.SetRange(range.minimum, range.maximum);
    if (box.value() != value) {
        box.SetValue(value);
    }
    box.SetEnabled(enabled);
}

}  // namespace

RECT AreaOf(const ScrollingForm& form, std::span<bfAbstractControl* const> controls) {
    RECT area{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const bfAbstractControl* control : controls) {
        if (control == nullptr || !control->visible()) {
            continue;
        }
        const POINT at = form.PlaceOf(*control);
        area.left = std::min<LONG>(area.left, at.x);
        area.top = std::min<LONG>(area.top, at.y);
        area.right = std::max<LONG>(area.right, at.x + control->width());
        area.bottom = std::max<LONG>(area.bottom, at.y + control->height());
    }
    return area.left <= area.right ? area : RECT{};
}

// ---- The clock time ----

TimeBoxes::TimeBoxes(ScrollingForm& form, WORD firstId, WORD amPmId) : form_(form) {
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        const int width = index == 2 ? kYearBox : kSmallBox;
        captions_[index] = &MakeCaption(form, width);
        boxes_[index] = &MakeBox(form, static_cast<WORD>(firstId + index), width);
        boxes_[index]->SetMaxDigits(index == 2 ? 4 : 2);
    }
    amPm_ = &form.Make<bfDoubleButton>(0, 0, amPmId, kAmPmHalf);
}

std::vector<FormRow> TimeBoxes::Rows(bool shown) const {
    std::vector<FormRow> rows;
    for (std::size_t first : {std::size_t{0}, std::size_t{3}}) {
        FormRow captions{kCaptionRowHeight, {}, shown};
        FormRow boxes{kBoxRowHeight, {}, shown};
        int x = kLeft;
        for (std::size_t index = first; index < first + 3; ++index) {
            captions.items.push_back({captions_[index], x});
            boxes.items.push_back({boxes_[index], x});
            x += boxes_[index]->width() + kBoxGap;
        }
        if (first == 3) {
            boxes.items.push_back({amPm_, x + kBoxGap, amPmShown_});
        }
        rows.push_back(std::move(captions));
        rows.push_back(std::move(boxes));
    }
    // The caption rows sit close to their boxes.
    rows[0].height -= 2;
    rows[2].height -= 2;
    return rows;
}

void TimeBoxes::Show(const TimeEntry& entry, bool enabled) {
    ShowBox(*boxes_[1], TimeEntry::monthRange(), entry.month(), enabled);
    ShowBox(*boxes_[2], TimeEntry::yearRange(), entry.year(), enabled);
    ShowBox(*boxes_[0], entry.dayRange(), entry.day(), enabled);
    ShowBox(*boxes_[3], entry.hourRange(), entry.hour(), enabled);
    ShowBox(*boxes_[4], TimeEntry::minuteRange(), entry.minute(), enabled);
    ShowBox(*boxes_[5], TimeEntry::secondRange(), entry.second(), enabled);
    amPmShown_ = entry.amPmShown();
    const ButtonHalf half = entry.pm() ? ButtonHalf::Right : ButtonHalf::Left;
    if (amPm_->selected() != half) {
        amPm_->Select(half);
    }
    amPm_->SetEnabled(enabled);
    if (amPm_->visible() != (amPmShown_ && boxes_[3]->visible())) {
        amPm_->Show(amPmShown_ && boxes_[3]->visible());
    }
}

std::vector<bfAbstractControl*> TimeBoxes::Controls() const {
    std::vector<bfAbstractControl*> controls(boxes_.begin(), boxes_.end());
    controls.push_back(amPm_);
    return controls;
}

bool TimeBoxes::Owns(const bfAbstractControl* control) const {
    return control == amPm_ || std::find(boxes_.begin(), boxes_.end(), control) != boxes_.end();
}

bool TimeBoxes::Take(const bfAbstractControl* control, TimeEntry& entry) const {
    if (control == amPm_) {
        entry.SetPm(amPm_->selected() == ButtonHalf::Right);
        return true;
    }
    const auto found = std::find(boxes_.begin(), boxes_.end(), control);
    if (found == boxes_.end()) {
        return false;
    }
    const int value = (*found)->value();
    switch (found - boxes_.begin()) {
        case 0:
            entry.SetDay(value);
            break;
        case 1:
            entry.SetMonth(value);
            break;
        case 2:
            entry.SetYear(value);
            break;
        case 3:
            entry.SetHour(value);
            break;
        case 4:
            entry.SetMinute(value);
            break;
        default:
            entry.SetSecond(value);
            break;
    }
    return true;
}

void TimeBoxes::Retranslate(const LanguageTexts& texts) {
    const TextId ids[] = {TextId::TASKS_DAY,  TextId::TASKS_MONTH,   TextId::TASKS_YEAR,
                          TextId::TASKS_HOUR, TextId::TASKS_MINUTES, TextId::TASKS_SECONDS};
    for (std::size_t index = 0; index < captions_.size(); ++index) {
        captions_[index]->SetText(texts.Text(ids[index]));
    }
    amPm_->SetCaptions(texts.Text(TextId::TASKS_AM), texts.Text(TextId::TASKS_PM));
}

RECT TimeBoxes::Area() const {
    return AreaOf(form_, Controls());
}

// ---- Spans ----

SpanBoxes::SpanBoxes(ScrollingForm& form, WORD firstId, bool days) : form_(form), days_(days) {
    const int count = days ? 4 : 3;
    for (int index = 0; index < count; ++index) {
        captions_.push_back(&MakeCaption(form, kSmallBox));
        bfSpinBox& box = MakeBox(form, static_cast<WORD>(firstId + index), kSmallBox);
        // Days and, without a days box, hours go to 999.
        box.SetMaxDigits(index == 0 ? 3 : 2);
        boxes_.push_back(&box);
    }
}

SpanPart SpanBoxes::PartOf(std::size_t index) const noexcept {
    return static_cast<SpanPart>(index + (days_ ? 0 : 1));
}

std::vector<FormRow> SpanBoxes::Rows(bool shown) const {
    FormRow captions{kCaptionRowHeight - 2, {}, shown};
    FormRow boxes{kBoxRowHeight, {}, shown};
    int x = kLeft;
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        captions.items.push_back({captions_[index], x});
        boxes.items.push_back({boxes_[index], x});
        x += kSmallBox + kBoxGap;
    }
    return {captions, boxes};
}

void SpanBoxes::Show(const SpanEntry& entry, bool enabled) {
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        const SpanPart part = PartOf(index);
        ShowBox(*boxes_[index], entry.Range(part), entry.Get(part), enabled);
    }
}

std::vector<bfAbstractControl*> SpanBoxes::Controls() const {
    return {boxes_.begin(), boxes_.end()};
}

bool SpanBoxes::Owns(const bfAbstractControl* control) const {
    return std::find(boxes_.begin(), boxes_.end(), control) != boxes_.end();
}

bool SpanBoxes::Take(const bfAbstractControl* control, SpanEntry& entry) const {
    const auto found = std::find(boxes_.begin(), boxes_.end(), control);
    if (found == boxes_.end()) {
        return false;
    }
    entry.Set(PartOf(static_cast<std::size_t>(found - boxes_.begin())), (*found)->value());
    return true;
}

void SpanBoxes::Retranslate(const LanguageTexts& texts) {
    const TextId ids[] = {TextId::TASKS_DAYS, TextId::TASKS_HOURS, TextId::TASKS_MINUTES,
                          TextId::TASKS_SECONDS};
    for (std::size_t index = 0; index < captions_.size(); ++index) {
        captions_[index]->SetText(texts.Text(ids[index + (days_ ? 0 : 1)]));
    }
}

RECT SpanBoxes::Area() const {
    return AreaOf(form_, Controls());
}

}  // namespace tockly

namespace tockly {

void ShowText(bfTextEdit& field, const std::u16string& text, bool enabled) {
    if (field.Text() != text) {
        field.SetText(std::u16string_view(text));
    }
    if (field.enabled() != enabled) {
        field.SetEnabled(enabled);
    }
}

void ShowChecked(bfCheckBox& mark, bool checked, bool enabled) {
    if (mark.checked() != checked) {
        mark.SetChecked(checked);
    }
    if (mark.enabled() != enabled) {
        mark.SetEnabled(enabled);
    }
}

TargetBoxes::TargetBoxes(ScrollingForm& form, WORD atId, WORD firstTimeId, WORD amPmId, WORD inId,
                         WORD firstSpanId, bool days)
    : at_(&MakeMark<bfRadioButton>(form, atId)),
      time_(form, firstTimeId, amPmId),
      in_(&MakeMark<bfRadioButton>(form, inId)),
      span_(form, firstSpanId, days) {}

std::vector<FormRow> TargetBoxes::Rows(bool spanFirst) const {
    std::vector<FormRow> clock{{20, {{at_, kLeft}}}};
    for (FormRow& row : time_.Rows()) {
        clock.push_back(std::move(row));
    }
    std::vector<FormRow> span{{20, {{in_, kLeft}}}};
    for (FormRow& row : span_.Rows()) {
        span.push_back(std::move(row));
    }
    std::vector<FormRow>& first = spanFirst ? span : clock;
    std::vector<FormRow>& second = spanFirst ? clock : span;
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

void TargetBoxes::Show(const TargetEntry& target) {
    ShowChecked(*at_, target.mode() == TargetMode::ClockTime);
    ShowChecked(*in_, target.mode() == TargetMode::Span);
    time_.Show(target.time(), target.timeEnabled());
    span_.Show(target.span(), target.spanEnabled());
}

bool TargetBoxes::Take(const bfAbstractControl* control, TargetForm& form,
                       const TimePoint& now) const {
    if (control == at_) {
        form.ChooseClockTime();
        return true;
    }
    if (control == in_) {
        form.ChooseSpan(now);
        return true;
    }
    if (time_.Owns(control)) {
        return time_.Take(control, form.EditTime());
    }
    if (span_.Owns(control)) {
        return span_.Take(control, form.EditSpan());
    }
    return false;
}

std::vector<bfAbstractControl*> TargetBoxes::Controls() const {
    std::vector<bfAbstractControl*> controls{at_, in_};
    for (const std::vector<bfAbstractControl*>& group : {time_.Controls(), span_.Controls()}) {
        controls.insert(controls.end(), group.begin(), group.end());
    }
    return controls;
}

void TargetBoxes::Retranslate(const LanguageTexts& texts, TextId at, TextId in) {
    at_->SetText(texts.Text(at));
    in_->SetText(texts.Text(in));
    time_.Retranslate(texts);
    span_.Retranslate(texts);
}

std::optional<RECT> TargetBoxes::Area(FormField field) const {
    switch (field) {
        case FormField::Target:
            return time_.Area();
        case FormField::Delay:
            return span_.Area();
        default:
            return std::nullopt;
    }
}

WidgetCheckBoxes::WidgetCheckBoxes(ScrollingForm& form, WORD progressBarId, WORD removeAfterEndId)
    : progressBar_(&MakeMark<bfCheckBox>(form, progressBarId)),
      removeAfterEnd_(&MakeMark<bfCheckBox>(form, removeAfterEndId)) {}

std::vector<FormRow> WidgetCheckBoxes::Rows() const {
    return {{20, {{progressBar_, kLeft}}}, {20, {{removeAfterEnd_, kLeft}}}};
}

void WidgetCheckBoxes::Show(const WidgetChecks& checks, bool removeEnabled) {
    ShowChecked(*progressBar_, checks.showProgressBar);
    ShowChecked(*removeAfterEnd_, checks.removeAfterEnd, removeEnabled);
}

bool WidgetCheckBoxes::Take(const bfAbstractControl* control, WidgetChecks& checks) const {
    if (control == progressBar_) {
        checks.showProgressBar = progressBar_->checked();
        return true;
    }
    if (control == removeAfterEnd_) {
        checks.removeAfterEnd = removeAfterEnd_->checked();
        return true;
    }
    return false;
}

void WidgetCheckBoxes::Retranslate(const LanguageTexts& texts) {
    progressBar_->SetText(texts.Text(TextId::TASKS_SHOW_WIDGETS_PROGRESS_BAR));
    removeAfterEnd_->SetText(texts.Text(TextId::TASKS_REMOVE_TASK_AFTER_END));
}

}  // namespace tockly
