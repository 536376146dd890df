#pragma once
// The forms of a sticky note (title and content) and of a stopwatch (title and the reading it
// starts from). Neither checks anything. A new note takes the settings' theme (the dark one when
// the settings page left none) at its smallest size; a change keeps the note's theme, size and
// place, and the stopwatch's checkpoints.

#include <string>

#include "shell/settings_file.h"
#include "tasks/task_records.h"
#include "ui/forms/form_basics.h"
#include "ui/forms/span_entry.h"

namespace tockly {

class StickyNoteForm {
public:
    // Create mode: `title`, no content.
    void Reset(std::u16string title);
    void Load(const StickyNoteTask& task);

    void SetTitle(std::u16string title) { title_ = std::move(title); }
    void SetContent(std::u16string content) { content_ = std::move(content); }

    const std::u16string& title() const noexcept { return title_; }
    const std::u16string& content() const noexcept { return content_; }

    StickyNoteTask Create(const SettingsValues& settings) const;
    StickyNoteTask Change(const StickyNoteTask& task) const;

private:
    std::u16string title_;
    std::u16string content_;
};

class StopwatchForm {
public:
    StopwatchForm() : start_(SpanLayout::HoursMinutesSeconds, ZeroFallback::ChangedBox) {}

    // Create mode: `title`, from 0:00:00.
    void Reset(std::u16string title);
    // The stopwatch's reading as it was saved.
    void Load(const StopwatchTask& task);

    void SetTitle(std::u16string title) { title_ = std::move(title); }
    // Hours, minutes and seconds of the reading it starts from.
    SpanEntry& EditStartingTime() noexcept { return start_; }

    const std::u16string& title() const noexcept { return title_; }
    const SpanEntry& startingTime() const noexcept { return start_; }

    StopwatchTask Create(const SettingsValues& settings) const;
    StopwatchTask Change(const StopwatchTask& task) const;

private:
    std::u16string title_;
    SpanEntry start_;
};

}  // namespace tockly
