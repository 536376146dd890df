#include "ui/forms/note_forms.h"

#include "ui/forms/widget_options.h"
#include "widgets/note_resize.h"

namespace tockly {
namespace {

constexpr std::int32_t kThemeCount = 3;

}  // namespace

void StickyNoteForm::Reset(std::u16string title) {
    title_ = std::move(title);
    content_.clear();
}

void StickyNoteForm::Load(const StickyNoteTask& task) {
    title_ = task.title;
    content_ = task.content;
}

StickyNoteTask StickyNoteForm::Create(const SettingsValues& settings) const {
    StickyNoteTask task = NewTask<StickyNoteTask>(settings);
    const std::int32_t theme = settings.stickyNoteTheme;
    task.theme = theme >= 0 && theme < kThemeCount ? theme : 0;
    task.width = kStickyNoteMinWidth;
    task.height = kStickyNoteMinHeight;
    return Change(task);
}

StickyNoteTask StickyNoteForm::Change(const StickyNoteTask& task) const {
    StickyNoteTask changed = task;
    changed.title = title_;
    changed.content = content_;
    return changed;
}

void StopwatchForm::Reset(std::u16string title) {
    title_ = std::move(title);
    start_.Clear();
}

void StopwatchForm::Load(const StopwatchTask& task) {
    title_ = task.title;
    start_.SetSpan(task.elapsed);
}

StopwatchTask StopwatchForm::Create(const SettingsValues& settings) const {
    return Change(NewTask<StopwatchTask>(settings));
}

StopwatchTask StopwatchForm::Change(const StopwatchTask& task) const {
    StopwatchTask changed = task;
    changed.title = title_;
    changed.elapsed = start_.Span();
    return changed;
}

}  // namespace tockly
