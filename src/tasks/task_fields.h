#pragma once
// The fields of each stored task in file order, with their names and encodings. The encoder, the
// decoder and the inspector all walk this one list, so the order is written down once.
//
// A visitor offers, each taking the field's name and the field (const for readers of a task):
//   String, Int, Bool, InvertedChoice (a 0/1 int32 kept in one byte turned round), Time,
//   HoursMinutesSeconds and DaysHoursMinutesSeconds (durations of three or four int32) and
//   Checkpoints (an int32 count, then three int32 each).

#include <concepts>
#include <type_traits>

#include "tasks/task_records.h"

namespace tockly {

template <typename T, typename Task>
concept TaskOf = std::same_as<std::remove_const_t<T>, Task>;

template <typename V, TaskOf<ApplicationTask> T>
void VisitFields(V& v, T& task) {
    v.String("title", task.title);
    v.InvertedChoice("action", task.action);
    v.Time("start", task.start);
    v.Time("target", task.target);
    v.String("programPath", task.programPath);
    v.String("parameters", task.parameters);
    v.String("startIn", task.startIn);
    v.String("processId", task.processId);
    v.Bool("showProgressBar", task.showProgressBar);
    v.Bool("removeAfterEnd", task.removeAfterEnd);
    v.Bool("shown", task.shown);
    v.Bool("running", task.running);
    v.Bool("expanded", task.expanded);
    v.Bool("alwaysOnTop", task.alwaysOnTop);
    v.Int("x", task.x);
    v.Int("y", task.y);
    v.Int("transparency", task.transparency);
}

template <typename V, TaskOf<PrintScreenTask> T>
void VisitFields(V& v, T& task) {
    v.String("title", task.title);
    v.String("saveIn", task.saveIn);
    v.String("filePrefix", task.filePrefix);
    v.Int("repeatChoice", task.repeatChoice);
    v.Int("executeForChoice", task.executeForChoice);
    v.Int("formatChoice", task.formatChoice);
    v.Time("start", task.start);
    v.Time("target", task.target);
    v.HoursMinutesSeconds("repeatPeriod", task.repeatPeriod);
    v.Int("repetitionMode", task.repetitionMode);
    v.HoursMinutesSeconds("executeFor", task.executeFor);
    v.Bool("showProgressBar", task.showProgressBar);
    v.Bool("removeAfterEnd", task.removeAfterEnd);
    v.Bool("shown", task.shown);
    v.Bool("running", task.running);
    v.Bool("alwaysOnTop", task.alwaysOnTop);
    v.Int("x", task.x);
    v.Int("y", task.y);
    v.Int("transparency", task.transparency);
    v.Int("shotCounter", task.shotCounter);
}

template <typename V, TaskOf<InternetTask> T>
void VisitFields(V& v, T& task) {
    v.String("title", task.title);
    v.InvertedChoice("action", task.action);
    v.String("entryName", task.entryName);
    v.InvertedChoice("atInChoice", task.atInChoice);
    v.Time("start", task.start);
    v.Time("target", task.target);
    v.HoursMinutesSeconds("delay", task.delay);
    v.Bool("showProgressBar", task.showProgressBar);
    v.Bool("removeAfterEnd", task.removeAfterEnd);
    v.Bool("shown", task.shown);
    v.Bool("running", task.running);
    v.Bool("alwaysOnTop", task.alwaysOnTop);
    v.Int("x", task.x);
    v.Int("y", task.y);
    v.Int("transparency", task.transparency);
}

template <typename V, TaskOf<PowerTask> T>
void VisitFields(V& v, T& task) {
    v.String("title", task.title);
    v.Int("action", task.action);
    v.InvertedChoice("atInChoice", task.atInChoice);
    v.Time("start", task.start);
    v.Time("target", task.target);
    v.DaysHoursMinutesSeconds("delay", task.delay);
    v.Bool("force", task.force);
    v.Bool("showProgressBar", task.showProgressBar);
    v.Bool("removeAfterEnd", task.removeAfterEnd);
    v.Bool("shown", task.shown);
    v.Bool("running", task.running);
    v.Bool("alwaysOnTop", task.alwaysOnTop);
    v.Int("x", task.x);
    v.Int("y", task.y);
    v.Int("transparency", task.transparency);
}

template <typename V, TaskOf<TimerTask> T>
void VisitFields(V& v, T& task) {
    v.String("title", task.title);
    v.DaysHoursMinutesSeconds("duration", task.duration);
    v.Int("remainingSeconds", task.remainingSeconds);
    v.Bool("showMessageAfterEnd", task.showMessageAfterEnd);
    v.String("messageText", task.messageText);
    v.Bool("playSoundAfterEnd", task.playSoundAfterEnd);
    v.String("soundFile", task.soundFile);
    v.InvertedChoice("soundRepetition", task.soundRepetition);
    v.Bool("showProgressBar", task.showProgressBar);
    v.Bool("removeAfterEnd", task.removeAfterEnd);
    v.Bool("shown", task.shown);
    v.Bool("running", task.running);
    v.Bool("alwaysOnTop", task.alwaysOnTop);
    v.Int("x", task.x);
    v.Int("y", task.y);
    v.Int("transparency", task.transparency);
}

template <typename V, TaskOf<CounterTask> T>
void VisitFields(V& v, T& task) {
    v.String("title", task.title);
    v.InvertedChoice("modeChoice", task.modeChoice);
    v.Time("start", task.start);
    v.Time("target", task.target);
    v.DaysHoursMinutesSeconds("period", task.period);
    v.Bool("showMessageAfterEnd", task.showMessageAfterEnd);
    v.String("messageText", task.messageText);
    v.Bool("playSoundAfterEnd", task.playSoundAfterEnd);
    v.String("soundFile", task.soundFile);
    v.InvertedChoice("soundRepetition", task.soundRepetition);
    v.Bool("showProgressBar", task.showProgressBar);
    v.Bool("removeAfterEnd", task.removeAfterEnd);
    v.Bool("shown", task.shown);
    v.Bool("running", task.running);
    v.Bool("alwaysOnTop", task.alwaysOnTop);
    v.Int("x", task.x);
    v.Int("y", task.y);
    v.Int("transparency", task.transparency);
}

template <typename V, TaskOf<StickyNoteTask> T>
void VisitFields(V& v, T& task) {
    v.String("title", task.title);
    v.String("content", task.content);
    v.Int("theme", task.theme);
    v.Bool("shown", task.shown);
    v.Bool("alwaysOnTop", task.alwaysOnTop);
    v.Int("x", task.x);
    v.Int("y", task.y);
    v.Int("width", task.width);
    v.Int("height", task.height);
    v.Int("transparency", task.transparency);
}

template <typename V, TaskOf<StopwatchTask> T>
void VisitFields(V& v, T& task) {
    v.String("title", task.title);
    v.HoursMinutesSeconds("elapsed", task.elapsed);
    v.Checkpoints("checkpoints", task.checkpoints);
    v.Bool("running", task.running);
    v.Bool("shown", task.shown);
    v.Bool("listCollapsed", task.listCollapsed);
    v.Bool("alwaysOnTop", task.alwaysOnTop);
    v.Int("x", task.x);
    v.Int("y", task.y);
    v.Int("transparency", task.transparency);
}

}  // namespace tockly
