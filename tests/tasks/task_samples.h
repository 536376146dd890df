#pragma once
// Stored tasks with every field set to something other than its default, for round trips, the
// file tests and the benchmark.

#include <cstddef>
#include <string>

#include "tasks/task_records.h"

namespace tockly::testing {

inline ApplicationTask SampleApplication() {
    ApplicationTask task;
    task.title = u"Backup \u00e9t\u00e9";
    task.action = 1;
    task.start = {2024, 2, 28, 22, 15, 0, 0};
    task.target = {2024, 2, 29, 1, 30, 45, 0};
    task.programPath = u"C:\\Tools\\backup.exe";
    task.parameters = u"--all \"D:\\\"";
    task.startIn = u"C:\\Tools";
    task.processId = u"4242";
    task.showProgressBar = true;
    task.removeAfterEnd = false;
    task.shown = true;
    task.running = true;
    task.expanded = true;
    task.alwaysOnTop = false;
    task.x = -120;
    task.y = 640;
    task.transparency = 30;
    return task;
}

inline PrintScreenTask SamplePrintScreen() {
    PrintScreenTask task;
    task.title = u"Shots";
    task.saveIn = u"D:\\Pictures";
    task.filePrefix = u"screen_";
    task.repeatChoice = 2;
    task.executeForChoice = -1;
    task.formatChoice = 1;
    task.start = {2023, 12, 31, 23, 59, 0, 0};
    task.target = {2024, 1, 1, 0, 5, 0, 0};
    task.repeatPeriod = {0, 0, 1, 30};
    task.repetitionMode = 2;
    task.executeFor = {0, 1, 15, 0};
    task.showProgressBar = false;
    task.removeAfterEnd = true;
    task.shown = true;
    task.running = false;
    task.alwaysOnTop = true;
    task.x = 10;
    task.y = 20;
    task.transparency = 0;
    task.shotCounter = 17;
    return task;
}

inline InternetTask SampleInternet() {
    InternetTask task;
    task.title = u"Dial";
    task.action = 0;
    task.entryName = u"Office \u260e";
    task.atInChoice = 1;
    task.start = {2025, 6, 1, 8, 0, 0, 0};
    task.target = {2025, 6, 1, 9, 30, 15, 0};
    task.delay = {0, 1, 30, 15};
    task.showProgressBar = true;
    task.removeAfterEnd = true;
    task.shown = false;
    task.running = true;
    task.alwaysOnTop = true;
    task.x = 1900;
    task.y = -5;
    task.transparency = 90;
    return task;
}

inline PowerTask SamplePower() {
    PowerTask task;
    task.title = u"Night";
    task.action = 6;
    task.atInChoice = 0;
    task.start = {2024, 11, 3, 1, 0, 0, 0};
    task.target = {2024, 11, 5, 3, 4, 5, 0};
    task.delay = {2, 2, 4, 5};
    task.force = true;
    task.showProgressBar = true;
    task.removeAfterEnd = false;
    task.shown = true;
    task.running = true;
    task.alwaysOnTop = false;
    task.x = 300;
    task.y = 400;
    task.transparency = 50;
    return task;
}

inline TimerTask SampleTimer() {
    TimerTask task;
    task.title = u"Tea";
    task.duration = {1, 2, 3, 4};
    task.remainingSeconds = 93784;
    task.showMessageAfterEnd = true;
    task.messageText = u"Tea is ready.\r\nEnjoy!";
    task.playSoundAfterEnd = true;
    task.soundFile = u"C:\\Windows\\Media\\chimes.wav";
    task.soundRepetition = 1;
    task.showProgressBar = true;
    task.removeAfterEnd = true;
    task.shown = true;
    task.running = false;
    task.alwaysOnTop = true;
    task.x = 5;
    task.y = 6;
    task.transparency = 10;
    return task;
}

inline CounterTask SampleCounter() {
    CounterTask task;
    task.title = u"Holidays";
    task.modeChoice = 1;
    task.start = {2024, 7, 1, 0, 0, 0, 0};
    task.target = {2024, 8, 15, 18, 0, 0, 0};
    task.period = {45, 18, 0, 0};
    task.showMessageAfterEnd = true;
    task.messageText = u"Off we go";
    task.playSoundAfterEnd = true;
    task.soundFile = u"bell.wav";
    task.soundRepetition = 1;
    task.showProgressBar = false;
    task.removeAfterEnd = false;
    task.shown = true;
    task.running = true;
    task.alwaysOnTop = false;
    task.x = 700;
    task.y = 80;
    task.transparency = 20;
    return task;
}

inline StickyNoteTask SampleStickyNote() {
    StickyNoteTask task;
    task.title = u"Note";
    task.content = u"Buy milk\r\n\U0001F95B and bread";
    task.theme = 2;
    task.shown = true;
    task.alwaysOnTop = true;
    task.x = 50;
    task.y = 60;
    task.width = 220;
    task.height = 180;
    task.transparency = 40;
    return task;
}

inline StopwatchTask SampleStopwatch() {
    StopwatchTask task;
    task.title = u"Run";
    task.elapsed = {0, 1, 2, 3};
    task.checkpoints = {{0, 0, 10, 5}, {0, 0, 21, 40}, {0, 1, 2, 3}};
    task.running = true;
    task.shown = false;
    task.listCollapsed = true;
    task.alwaysOnTop = false;
    task.x = 11;
    task.y = 12;
    task.transparency = 60;
    return task;
}

// One task of each kind.
inline TaskStore SampleStore() {
    TaskStore store;
    store.application.push_back(SampleApplication());
    store.printScreen.push_back(SamplePrintScreen());
    store.internet.push_back(SampleInternet());
    store.power.push_back(SamplePower());
    store.timer.push_back(SampleTimer());
    store.counter.push_back(SampleCounter());
    store.stickyNote.push_back(SampleStickyNote());
    store.stopwatch.push_back(SampleStopwatch());
    return store;
}

// `count` tasks, the kinds taking turns, each title with a letter added.
inline TaskStore MixedStore(std::size_t count) {
    TaskStore store;
    for (std::size_t i = 0; i < count; ++i) {
        const std::u16string number(1, static_cast<char16_t>(u'A' + i % 26));
        switch (i % 8) {
            case 0:
                store.application.push_back(SampleApplication());
                store.application.back().title += number;
                break;
            case 1:
                store.printScreen.push_back(SamplePrintScreen());
                store.printScreen.back().title += number;
                break;
            case 2:
                store.internet.push_back(SampleInternet());
                store.internet.back().title += number;
                break;
            case 3:
                store.power.push_back(SamplePower());
                store.power.back().title += number;
                break;
            case 4:
                store.timer.push_back(SampleTimer());
                store.timer.back().title += number;
                break;
            case 5:
                store.counter.push_back(SampleCounter());
                store.counter.back().title += number;
                break;
            case 6:
                store.stickyNote.push_back(SampleStickyNote());
                store.stickyNote.back().title += number;
                break;
            default:
                store.stopwatch.push_back(SampleStopwatch());
                store.stopwatch.back().title += number;
                break;
        }
    }
    return store;
}

}  // namespace tockly::testing
