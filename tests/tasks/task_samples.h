#pragma once
// Stored tasks with every field other than its default, for the round trips, the file tests and
// the benchmark. The records are written field by field in file order, as the bytes are.

#include <cstddef>
#include <string>

#include "tasks/task_records.h"

namespace tockly::testing {

inline TimePoint At(int day, int month, int year, int hour, int minute, int second) {
    return {year, month, day, hour, minute, second, 0};
}

inline Duration Span(int days, int hours, int minutes, int seconds) {
    return {days, hours, minutes, seconds};
}

// One task of each kind.
inline TaskStore SampleStore() {
    TaskStore s;
    s.application.push_back({u"Backup \u00e9t\u00e9", 1, At(28, 2, 2024, 22, 15, 0),
                             At(29, 2, 2024, 1, 30, 45), u"C:\\Tools\\backup.exe",
                             u"--all \"D:\\\"", u"C:\\Tools", u"4242", true, false, true, true,
                             true, false, -120, 640, 30});
    s.printScreen.push_back({u"Shots",
                             u"D:\\Pictures",
                             u"screen_",
                             2,
                             -1,
                             1,
                             At(31, 12, 2023, 23, 59, 0),
                             At(1, 1, 2024, 0, 5, 0),
                             Span(0, 0, 1, 30),
                             2,
                             Span(0, 1, 15, 0),
                             false,
                             true,
                             true,
                             false,
                             true,
                             10,
                             20,
                             0,
                             17});
    s.internet.push_back({u"Dial", 0, u"Office \u260e", 1, At(1, 6, 2025, 8, 0, 0),
                          At(1, 6, 2025, 9, 30, 15), Span(0, 1, 30, 15), true, true, false, true,
                          true, 1900, -5, 90});
    s.power.push_back({u"Night", 6, 0, At(3, 11, 2024, 1, 0, 0), At(5, 11, 2024, 3, 4, 5),
                       Span(2, 2, 4, 5), true, true, false, true, true, false, 300, 400, 50});
    s.timer.push_back({u"Tea", Span(1, 2, 3, 4), 93784, true, u"Tea is ready.\r\nEnjoy!", true,
                       u"C:\\Windows\\Media\\chimes.wav", 1, true, true, true, false, true, 5, 6,
                       10});
    s.counter.push_back({u"Holidays", 1, At(1, 7, 2024, 0, 0, 0), At(15, 8, 2024, 18, 0, 0),
                         Span(45, 18, 0, 0), true, u"Off we go", true, u"bell.wav", 1, false, false,
                         true, true, false, 700, 80, 20});
    s.stickyNote.push_back(
        {u"Note", u"Buy milk\r\n\U0001F95B and bread", 2, true, true, 50, 60, 220, 180, 40});
    s.stopwatch.push_back({u"Run", Span(0, 1, 2, 3), {}, true, false, true, false, 11, 12, 60});
    s.stopwatch[0].checkpoints = {Span(0, 0, 10, 5), Span(0, 0, 21, 40), Span(0, 1, 2, 3)};
    return s;
}

// SampleStore() with `count` tasks of each kind; the titles of the copies end in a letter.
inline TaskStore ManyTasks(std::size_t count) {
    TaskStore store = SampleStore();
    ForEachSection(store, [count](TaskKind, auto& tasks) {
        for (std::size_t i = 1; i < count; ++i) {
            tasks.push_back(tasks[0]);
            tasks.back().title += static_cast<char16_t>(u'A' + i % 26);
        }
    });
    return store;
}

}  // namespace tockly::testing
