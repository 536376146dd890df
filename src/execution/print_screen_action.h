#pragma once
// The action step of a print screen task: when a shot is due (once at the target, or every
// period after it, without end or for a span), the screen is saved under the task's folder and
// prefix with a running shot number.

#include <cstdint>
#include <string>
#include <string_view>

#include "execution/action_step.h"
#include "platform/screen_capture.h"
#include "tasks/task_records.h"

namespace tockly {

// The record's repetition modes.
enum class RepetitionMode : std::int32_t { Once = 0, Repeat = 1, RepeatForSpan = 2 };

// The record's format choice; png for a choice outside 0-2 (none made, or a damaged store).
ScreenshotFormat ScreenshotFormatOf(std::int32_t formatChoice);
// ".png", ".jpeg" or ".bmp".
std::u16string_view ScreenshotExtension(ScreenshotFormat format);

// folder + "\" (unless it already ends in "\" or "/") + prefix + "_" + number + extension. An
// empty folder is the working folder: the name alone.
std::u16string ScreenshotPath(std::u16string_view folder, std::u16string_view prefix,
                              std::int32_t number, ScreenshotFormat format);

// The seconds between shots: (hours × 60 + minutes) × 60 + seconds of the repeat period, exact
// for any parts (the days are not part of a period).
std::int64_t RepeatPeriodSeconds(const PrintScreenTask& task);

struct ShotDecision {
    bool takeShot = false;
    bool finished = false;  // the task has taken its last shot

    bool operator==(const ShotDecision&) const = default;
};

// The schedule at one check. `secondsSinceTarget` is negative while the target is ahead;
// `secondsRemaining` is 0 once the target (in mode 2 the end of the span) is reached. Once: one
// shot, finished. Repeat: a shot whenever the seconds since the target are a whole multiple of
// the period, never finished. Repeat for a span: the same, finished once the span is over. A
// period that is not positive (only a damaged or hand-made store holds one) repeats nothing:
// the task takes one shot as in mode once. Any other mode does nothing and never finishes.
ShotDecision ScheduleShot(std::int32_t repetitionMode, std::int64_t periodSeconds,
                          std::int64_t secondsSinceTarget, std::int64_t secondsRemaining);

// Saves a shot under ScreenshotPath with the task's shot counter, which goes up by one (it stays
// at its largest value rather than wrapping). True when the file was written.
bool TakeScreenshot(ScreenCapture& screen, PrintScreenTask& task);

// The print screen step: takes the shot the schedule asks for; Done once finished, else
// Continue. A failed save is not reported: the counter has advanced and the task goes on.
ActionStep RunPrintScreenStep(ScreenCapture& screen, PrintScreenTask& task,
                              std::int64_t secondsSinceTarget, std::int64_t secondsRemaining);

}  // namespace tockly
