#include "widgets/stopwatch_time.h"

#include <algorithm>
#include <string>

namespace tockly {
namespace {

constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kMillisecondsPerSecond = 1000;

void AppendNumber(std::u16string& text, std::int64_t value, std::size_t digits) {
    const std::string number = std::to_string(value);
    text.append(number.size() < digits ? digits - number.size() : 0, u'0');
    text.append(number.begin(), number.end());
}

std::u16string ClockText(const Duration& time, std::u16string_view separator) {
    const Duration normal = NormalStopwatchTime(time);
    std::u16string text;
    AppendNumber(text, normal.hours, 2);
    text += separator;
    AppendNumber(text, normal.minutes, 2);
    text += separator;
    AppendNumber(text, normal.seconds, 2);
    return text;
}

}  // namespace

Duration StopwatchTime(std::int64_t seconds) noexcept {
    seconds = std::clamp<std::int64_t>(seconds, 0, kMostStopwatchSeconds);
    return {0, static_cast<std::int32_t>(seconds / kSecondsPerHour),
            static_cast<std::int32_t>(seconds % kSecondsPerHour / 60),
            static_cast<std::int32_t>(seconds % 60)};
}

std::int64_t StopwatchSeconds(const Duration& time) noexcept {
    return std::clamp<std::int64_t>(TotalSeconds(time), 0, kMostStopwatchSeconds);
}

Duration NormalStopwatchTime(const Duration& time) noexcept {
    return StopwatchTime(StopwatchSeconds(time));
}

std::u16string ElapsedText(const Duration& time) {
    return ClockText(time, u" : ");
}

std::u16string CheckpointText(std::size_t number, const Duration& time) {
    std::u16string text;
    AppendNumber(text, static_cast<std::int64_t>(number), 1);
    text += u".  ";
    return text + ClockText(time, u":");
}

std::array<std::u16string, kStopwatchRows> CheckpointRows(std::span<const Duration> checkpoints,
                                                          int listPosition) {
    std::array<std::u16string, kStopwatchRows> rows;
    const auto count = static_cast<std::int64_t>(checkpoints.size());
    for (int row = 0; row < kStopwatchRows; ++row) {
        // The newest is the last taken; the position counts how many of the newest are passed.
        const std::int64_t index = count - 1 - std::max(listPosition, 0) - row;
        rows[static_cast<std::size_t>(row)] =
            index >= 0 && index < count
                ? CheckpointText(static_cast<std::size_t>(index) + 1,
                                 checkpoints[static_cast<std::size_t>(index)])
                : std::u16string(kNoCheckpointText);
    }
    return rows;
}

int ListPositionUp(int position) noexcept {
    return position >= 1 ? position - 1 : position;
}

int ListPositionDown(int position, std::size_t checkpoints) noexcept {
    return static_cast<std::int64_t>(position) + 1 < static_cast<std::int64_t>(checkpoints)
               ? position + 1
               : position;
}

std::int64_t StopwatchReading::Milliseconds(std::int64_t now) const noexcept {
    if (!running_) {
        return base_;
    }
    // A clock never goes back; should one, the reading does not either.
    const std::int64_t passed = std::max<std::int64_t>(now - since_, 0);
    return passed >= kMostMilliseconds - base_ ? kMostMilliseconds : base_ + passed;
}

void StopwatchReading::Start(std::int64_t now) noexcept {
    if (!running_) {
        since_ = now;
        running_ = true;
    }
}

void StopwatchReading::Stop(std::int64_t now) noexcept {
    if (running_) {
        base_ = Milliseconds(now);
        since_ = now;
        running_ = false;
    }
}

void StopwatchReading::Set(std::int64_t milliseconds, std::int64_t now) noexcept {
    base_ = std::clamp<std::int64_t>(milliseconds, 0, kMostMilliseconds);
    since_ = now;
}

TimePoint StopwatchPace::Now() const {
    const std::int64_t reading = std::max<std::int64_t>(clock_.Milliseconds() + offset_.load(), 0);
    // Any time point whose seconds change with the reading's does; the worker looks at nothing
    // else. The days only need to differ from one day to the next.
    const std::int64_t seconds = reading / kMillisecondsPerSecond;
    TimePoint time;
    time.day = static_cast<std::int32_t>(seconds / 86'400 % 1'000'000'000);
    time.hour = static_cast<std::int32_t>(seconds / kSecondsPerHour % 24);
    time.minute = static_cast<std::int32_t>(seconds / 60 % 60);
    time.second = static_cast<std::int32_t>(seconds % 60);
    time.millisecond = static_cast<std::int32_t>(reading % kMillisecondsPerSecond);
    return time;
}

}  // namespace tockly
