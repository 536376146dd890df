#include "widgets/timer_rules.h"

#include <algorithm>
#include <string>

#include "support/time_point.h"
#include "widgets/widget_rules.h"

namespace tockly {
namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;

// A field of the text: decimal, with a "0" in front below 10.
void AppendField(std::u16string& text, std::int64_t value) {
    const std::string digits = std::to_string(value);
    if (value < 10) {
        text.push_back(u'0');
    }
    text.append(digits.begin(), digits.end());
}

}  // namespace

std::u16string CountdownText(std::int64_t seconds) {
    const CountdownParts parts = SplitCountdown(seconds);
    std::u16string text;
    AppendField(text, parts.hours);
    text += u" : ";
    AppendField(text, parts.minutes);
    text += u" : ";
    AppendField(text, parts.seconds);
    return text;
}

TimerCountdown::Second TimerCountdown::Tick(std::int64_t elapsedMilliseconds, int lateness,
                                            std::int32_t& remaining) noexcept {
    // When the second began: a worker that looked late (a busy machine) counts from there.
    const std::int64_t secondBegan =
        elapsedMilliseconds - std::clamp<std::int64_t>(lateness, 0, kMillisecondsPerSecond - 1);
    if (!anchored_ || remaining != stored_) {
        anchored_ = true;
        anchorMilliseconds_ = secondBegan;
        anchorRemaining_ = remaining;
        secondsCounted_ = 0;
    } else {
        // Rounded to the nearest second: the two clocks' readings never quite agree.
        const std::int64_t passed = (std::max<std::int64_t>(secondBegan - anchorMilliseconds_, 0) +
                                     kMillisecondsPerSecond / 2) /
                                    kMillisecondsPerSecond;
        secondsCounted_ = std::max(secondsCounted_, passed);
    }
    Second second;
    const std::int64_t left = static_cast<std::int64_t>(anchorRemaining_) - secondsCounted_;
    if (left <= 0) {
        second.ended = true;
        remaining = 0;
    } else {
        second.shown = static_cast<std::int32_t>(left);
        remaining = second.shown - 1;
    }
    stored_ = remaining;
    return second;
}

CountEnd PlanCountEnd(const CountEndFlags& flags) noexcept {
    CountEnd end;
    end.step.pauseMilliseconds = CountEnd::kPauseMilliseconds;
    if (!flags.removeAfterEnd) {
        end.hide = true;
        end.step.Post(widget_event::kHidden).Post(count_event::kEnded);
        if (flags.showMessage) {
            end.step.Post(count_event::kShowEndMessage);
        } else {
            end.playSound = flags.playSound;
        }
        end.step.end = WorkerEnd::Stop;
        return end;
    }
    if (flags.showMessage) {
        end.step.Post(count_event::kShowEndMessageAndRemove);
    } else {
        end.playSound = flags.playSound;
        end.step.Post(widget_event::kRemoveRequest);
    }
    end.step.end = WorkerEnd::AwaitRemoval;
    return end;
}

}  // namespace tockly
