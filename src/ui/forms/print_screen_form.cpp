#include "ui/forms/print_screen_form.h"

#include "execution/task_counter_model.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

constexpr Duration kDefaultRepeatPeriod{0, 0, 0, 1};

RepetitionMode ModeOf(std::int32_t stored) {
    switch (static_cast<RepetitionMode>(stored)) {
        case RepetitionMode::Once:
        case RepetitionMode::Repeat:
            return static_cast<RepetitionMode>(stored);
        case RepetitionMode::RepeatForSpan:
            break;
    }
    // Any other mode counts as a span's, as its expiry does.
    return RepetitionMode::RepeatForSpan;
}

// The index of the first item from `first` to `last` whose span is `span`'s.
std::int32_t ItemOf(const Duration& span, int first, int last, Duration (*spanOf)(int)) {
    for (int id = first; id <= last; ++id) {
        if (TotalSeconds(spanOf(id)) == TotalSeconds(span)) {
            return id - first;
        }
    }
    return -1;
}

}  // namespace

PrintScreenForm::PrintScreenForm()
    : repeatPeriod_(SpanLayout::HoursMinutesSeconds, ZeroFallback::ChangedBox),
      executeFor_(SpanLayout::HoursMinutesSeconds, ZeroFallback::ChangedBox) {
    repeatPeriod_.SetRequired(true);
}

void PrintScreenForm::Reset(std::u16string title, std::u16string filePrefix, const TimePoint& now,
                            const SettingsValues& settings) {
    title_ = std::move(title);
    saveIn_.clear();
    filePrefix_ = std::move(filePrefix);
    format_ = 0;
    time_.SetTime(now);
    repeatPeriod_.SetSpan(kDefaultRepeatPeriod);
    mode_ = RepetitionMode::Once;
    executeFor_.SetRequired(false);
    executeFor_.Clear();
    checks_.Reset(settings);
    mark_.Clear();
}

void PrintScreenForm::Load(const PrintScreenTask& task) {
    title_ = task.title;
    saveIn_ = task.saveIn;
    filePrefix_ = task.filePrefix;
    SetFormat(task.formatChoice);
    time_.SetTime(task.target);
    repeatPeriod_.SetSpan(task.repeatPeriod);
    mode_ = ModeOf(task.repetitionMode);
    executeFor_.SetRequired(false);
    executeFor_.SetSpan(task.executeFor);
    executeFor_.SetRequired(executeForEnabled());
    checks_.Load(task);
    mark_.Clear();
}

void PrintScreenForm::SetSaveIn(std::u16string folder) {
    mark_.Changed(FormField::SaveIn);
    saveIn_ = std::move(folder);
}

void PrintScreenForm::SetFilePrefix(std::u16string prefix) {
    mark_.Changed(FormField::FilePrefix);
    filePrefix_ = std::move(prefix);
}

void PrintScreenForm::SetFormat(std::int32_t index) {
    format_ = static_cast<std::int32_t>(ScreenshotFormatOf(index));
}

TimeEntry& PrintScreenForm::EditTime() {
    mark_.Changed(FormField::Target);
    return time_;
}

SpanEntry& PrintScreenForm::EditRepeatPeriod() {
    mark_.Changed(FormField::RepeatPeriod);
    return repeatPeriod_;
}

void PrintScreenForm::SetRepetitionMode(RepetitionMode mode) {
    mark_.Changed(FormField::ExecuteFor);
    mode_ = mode;
    executeFor_.SetRequired(executeForEnabled());
}

SpanEntry& PrintScreenForm::EditExecuteFor() {
    mark_.Changed(FormField::ExecuteFor);
    return executeFor_;
}

FormOutcome<PrintScreenTask> PrintScreenForm::Create(const Clock& clock, const PathProbe& paths,
                                                     const SettingsValues& settings) {
    return Submit(mark_, NewTask<PrintScreenTask>(settings),
                  [&](PrintScreenTask& task) { return Fill(task, clock, paths); });
}

FormOutcome<PrintScreenTask> PrintScreenForm::Change(const PrintScreenTask& task,
                                                     const Clock& clock, const PathProbe& paths) {
    return Submit(mark_, task,
                  [&](PrintScreenTask& changed) { return Fill(changed, clock, paths); });
}

FormField PrintScreenForm::Fill(PrintScreenTask& task, const Clock& clock,
                                const PathProbe& paths) const {
    if (paths.KindOf(saveIn_) != PathKind::Folder) {
        return FormField::SaveIn;
    }
    if (!IsFileNamePart(filePrefix_)) {
        return FormField::FilePrefix;
    }
    const FormOutcome<StartAndTarget> times = time_.Resolve(clock);
    if (!times.accepted()) {
        return times.refused;
    }
    if (repeatPeriod_.allZero()) {
        return FormField::RepeatPeriod;
    }
    if (executeForEnabled() && executeFor_.allZero()) {
        return FormField::ExecuteFor;
    }
    task.title = title_;
    task.saveIn = saveIn_;
    task.filePrefix = filePrefix_;
    task.formatChoice = format_;
    task.start = times.record->start;
    task.target = times.record->target;
    task.repeatPeriod = repeatPeriod_.Span();
    task.repetitionMode = static_cast<std::int32_t>(mode_);
    task.executeFor = executeFor_.Span();
    task.repeatChoice = RepeatChoiceOf(task.repeatPeriod);
    task.executeForChoice = executeForEnabled() ? ExecuteForChoiceOf(task.executeFor) : -1;
    checks_.WriteInto(task);
    return FormField::None;
}

bool IsFileNamePart(std::u16string_view text) {
    if (text.empty()) {
        return false;
    }
    for (const char16_t c : text) {
        if (c < u' ' || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) {
            return false;
        }
    }
    return true;
}

std::int32_t RepeatChoiceOf(const Duration& span) {
    return ItemOf(span, menu_id::kRepeatFirst, menu_id::kRepeatLast, &RepeatPeriodOfItem);
}

std::int32_t ExecuteForChoiceOf(const Duration& span) {
    return ItemOf(span, menu_id::kExecuteForFirst, menu_id::kExecuteForLast, &ExecuteForOfItem);
}

}  // namespace tockly
