#include "execution/print_screen_action.h"

#include <limits>
#include <string>

namespace tockly {

ScreenshotFormat ScreenshotFormatOf(std::int32_t formatChoice) {
    switch (static_cast<ScreenshotFormat>(formatChoice)) {
        case ScreenshotFormat::Png:
        case ScreenshotFormat::Jpeg:
        case ScreenshotFormat::Bmp:
            return static_cast<ScreenshotFormat>(formatChoice);
    }
    return ScreenshotFormat::Png;
}

std::u16string_view ScreenshotExtension(ScreenshotFormat format) {
    switch (format) {
        case ScreenshotFormat::Jpeg:
            return u".jpeg";
        case ScreenshotFormat::Bmp:
            return u".bmp";
        case ScreenshotFormat::Png:
            break;
    }
    return u".png";
}

std::u16string ScreenshotPath(std::u16string_view folder, std::u16string_view prefix,
                              std::int32_t number, ScreenshotFormat format) {
    std::u16string path(folder);
    if (!path.empty() && path.back() != u'\\' && path.back() != u'/') {
        path += u'\\';
    }
    path += prefix;
    path += u'_';
    const std::string digits = std::to_string(number);
    path.append(digits.begin(), digits.end());
    path += ScreenshotExtension(format);
    return path;
}

std::int64_t RepeatPeriodSeconds(const PrintScreenTask& task) {
    const auto& period = task.repeatPeriod;
    return (std::int64_t{period.hours} * 60 + period.minutes) * 60 + period.seconds;
}

ShotDecision ScheduleShot(std::int32_t repetitionMode, std::int64_t periodSeconds,
                          std::int64_t secondsSinceTarget, std::int64_t secondsRemaining) {
    if (secondsSinceTarget < 0) {
        return {};
    }
    const auto mode = static_cast<RepetitionMode>(repetitionMode);
    const bool repeats = mode == RepetitionMode::Repeat || mode == RepetitionMode::RepeatForSpan;
    if (mode == RepetitionMode::Once || (repeats && periodSeconds <= 0)) {
        return {.takeShot = true, .finished = true};
    }
    if (!repeats) {
        return {};
    }
    return {.takeShot = secondsSinceTarget % periodSeconds == 0,
            .finished = mode == RepetitionMode::RepeatForSpan && secondsRemaining <= 0};
}

bool TakeScreenshot(ScreenCapture& screen, PrintScreenTask& task) {
    const ScreenshotFormat format = ScreenshotFormatOf(task.formatChoice);
    const std::u16string path =
        ScreenshotPath(task.saveIn, task.filePrefix, task.shotCounter, format);
    if (task.shotCounter < std::numeric_limits<std::int32_t>::max()) {
        ++task.shotCounter;
    }
    return screen.SaveScreenshot(path, format);
}

ActionStep RunPrintScreenStep(ScreenCapture& screen, PrintScreenTask& task,
                              std::int64_t secondsSinceTarget, std::int64_t secondsRemaining) {
    const ShotDecision decision = ScheduleShot(task.repetitionMode, RepeatPeriodSeconds(task),
                                               secondsSinceTarget, secondsRemaining);
    if (decision.takeShot) {
        TakeScreenshot(screen, task);
    }
    return decision.finished ? ActionStep::Done : ActionStep::Continue;
}

}  // namespace tockly
