#pragma once
// What the task store holds for each task: the task's record together with the state of its list
// row (shown, running) and of its widget (position, menu choices ...), field for field in the
// order of the file. Choices marked "stored inverted" are 0 or 1 here; the file turns them round.

#include <cstdint>
#include <string>
#include <vector>

#include "support/time_point.h"
#include "tasks/task_kind.h"

namespace tockly {

// The 0/1 choices whose meaning the records leave open, as the editors, the widgets and the store
// take them. The "at"/"in" choice of internet and power tasks is kTargetEnteredAt/In
// (execution/task_counter_model.h).
inline constexpr std::int32_t kSoundOnce = 0;
inline constexpr std::int32_t kSoundMultipleTimes = 1;
inline constexpr std::int32_t kCountFor = 0;
inline constexpr std::int32_t kCountTo = 1;

struct ApplicationTask {
    std::u16string title;
    std::int32_t action = 0;  // 0 start a program, 1 end one; stored inverted
    TimePoint start;
    TimePoint target;
    std::u16string programPath;
    std::u16string parameters;
    std::u16string startIn;
    std::u16string processId;
    bool showProgressBar = false;
    bool removeAfterEnd = false;
    bool shown = false;
    bool running = false;
    bool expanded = false;  // the widget shows its details
    bool alwaysOnTop = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t transparency = 0;  // percent, 0 opaque

    bool operator==(const ApplicationTask&) const = default;
};

struct PrintScreenTask {
    std::u16string title;
    std::u16string saveIn;
    std::u16string filePrefix;
    // Checked items of the widget's "Repeat every", "Execute for" and file format menus, -1 none.
    std::int32_t repeatChoice = -1;
    std::int32_t executeForChoice = -1;
    std::int32_t formatChoice = -1;
    TimePoint start;
    TimePoint target;                 // the first shot
    Duration repeatPeriod;            // hours, minutes, seconds
    std::int32_t repetitionMode = 0;  // 0 once, 1 repeat without end, 2 repeat for a span
    Duration executeFor;              // hours, minutes, seconds; the days are not stored
    bool showProgressBar = false;
    bool removeAfterEnd = false;
    bool shown = false;
    bool running = false;
    bool alwaysOnTop = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t transparency = 0;
    std::int32_t shotCounter = 0;

    bool operator==(const PrintScreenTask&) const = default;
};

struct InternetTask {
    std::u16string title;
    std::int32_t action = 0;      // 0 connect, 1 disconnect; stored inverted
    std::u16string entryName;     // the phone-book entry, looked up again by name at load
    std::int32_t atInChoice = 0;  // how the target was entered; stored inverted
    TimePoint start;
    TimePoint target;
    Duration delay;  // hours, minutes, seconds
    bool showProgressBar = false;
    bool removeAfterEnd = false;
    bool shown = false;
    bool running = false;
    bool alwaysOnTop = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t transparency = 0;

    bool operator==(const InternetTask&) const = default;
};

struct PowerTask {
    std::u16string title;
    // 0 lock, 1 log off, 2 sleep, 3 restart, 4 hibernate, 5 hybrid shut down, 6 shut down
    std::int32_t action = 0;
    std::int32_t atInChoice = 0;  // stored inverted
    TimePoint start;
    TimePoint target;
    Duration delay;  // days, hours, minutes, seconds
    bool force = false;
    bool showProgressBar = false;
    bool removeAfterEnd = false;
    bool shown = false;
    bool running = false;
    bool alwaysOnTop = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t transparency = 0;

    bool operator==(const PowerTask&) const = default;
};

// How a timer's or counter's end sound plays (soundRepetition): once, or over and over until its
// end-of-count message is closed.
inline constexpr std::int32_t kSoundRepeated = kSoundMultipleTimes;

struct TimerTask {
    std::u16string title;
    Duration duration;  // days, hours, minutes, seconds
    std::int32_t remainingSeconds = 0;
    bool showMessageAfterEnd = false;
    std::u16string messageText;
    bool playSoundAfterEnd = false;
    std::u16string soundFile;
    std::int32_t soundRepetition = 0;  // once or several times; stored inverted
    bool showProgressBar = false;
    bool removeAfterEnd = false;
    bool shown = false;
    bool running = false;
    bool alwaysOnTop = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t transparency = 0;

    bool operator==(const TimerTask&) const = default;
};

struct CounterTask {
    std::u16string title;
    std::int32_t modeChoice = 0;  // "count for" or "count to"; stored inverted
    TimePoint start;
    TimePoint target;
    Duration period;  // days, hours, minutes, seconds
    bool showMessageAfterEnd = false;
    std::u16string messageText;
    bool playSoundAfterEnd = false;
    std::u16string soundFile;
    std::int32_t soundRepetition = 0;  // stored inverted
    bool showProgressBar = false;
    bool removeAfterEnd = false;
    bool shown = false;
    bool running = false;
    bool alwaysOnTop = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t transparency = 0;

    bool operator==(const CounterTask&) const = default;
};

struct StickyNoteTask {
    std::u16string title;
    std::u16string content;
    std::int32_t theme = 0;  // 0 dark, 1 light, 2 yellow
    bool shown = false;
    bool alwaysOnTop = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t transparency = 0;

    bool operator==(const StickyNoteTask&) const = default;
};

struct StopwatchTask {
    std::u16string title;
    Duration elapsed;                   // hours, minutes, seconds
    std::vector<Duration> checkpoints;  // hours, minutes, seconds each, in the order taken
    bool running = false;
    bool shown = false;
    bool listCollapsed = false;
    bool alwaysOnTop = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t transparency = 0;

    bool operator==(const StopwatchTask&) const = default;
};

// Every task of every kind; within a kind, the task at index i has sequence number i + 1.
struct TaskStore {
    std::vector<ApplicationTask> application;
    std::vector<PrintScreenTask> printScreen;
    std::vector<InternetTask> internet;
    std::vector<PowerTask> power;
    std::vector<TimerTask> timer;
    std::vector<CounterTask> counter;
    std::vector<StickyNoteTask> stickyNote;
    std::vector<StopwatchTask> stopwatch;

    bool operator==(const TaskStore&) const = default;
};

// Calls `f(kind, tasks)` for each section in TaskKind order; `Store` is TaskStore or const
// TaskStore.
template <typename Store, typename F>
void ForEachSection(Store& store, F&& f) {
    f(TaskKind::Application, store.application);
    f(TaskKind::PrintScreen, store.printScreen);
    f(TaskKind::Internet, store.internet);
    f(TaskKind::Power, store.power);
    f(TaskKind::Timer, store.timer);
    f(TaskKind::Counter, store.counter);
    f(TaskKind::StickyNote, store.stickyNote);
    f(TaskKind::Stopwatch, store.stopwatch);
}

}  // namespace tockly
