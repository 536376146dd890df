// The task lists without windows: rows, numbers and task ids, removal, selection and scrolling;
// where widgets go on the screen; the quick tasks' records.

#include <gtest/gtest.h>

#include <vector>

#include "tasks/task_registry.h"
#include "ui/quick_tasks.h"
#include "ui/task_list_model.h"
#include "ui/widget_placement.h"

namespace tockly {
namespace {

TaskRow Row(const char16_t* title) {
    TaskRow row;
    row.title = title;
    return row;
}

TaskListModel ThreeRows() {
    TaskListModel model;
    model.SetPage(100);
    model.Add(Row(u"A"));
    model.Add(Row(u"B"));
    model.Add(Row(u"C"));
    return model;
}

TEST(TaskListModelTest, RowsAreNumberedByPositionAndKeepTheirIdsWhenARowAboveGoes) {
    TaskListModel model = ThreeRows();
    const TaskId a = model.row(1).id;
    const TaskId b = model.row(2).id;
    const TaskId c = model.row(3).id;
    EXPECT_NE(a, 0);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);

    const auto removed = model.Remove(1);
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->id, a);
    // B and C move up one number; their ids stay, and A's id names no row any more.
    EXPECT_EQ(model.count(), 2);
    EXPECT_EQ(model.NumberOf(b), 1);
    EXPECT_EQ(model.NumberOf(c), 2);
    EXPECT_EQ(model.row(1).title, u"B");
    EXPECT_FALSE(model.NumberOf(a));
    EXPECT_EQ(model.Find(a), nullptr);
    EXPECT_FALSE(model.NumberOf(0));
}

TEST(TaskListModelTest, ARemovedTasksIdIsNotGivenOutUntilReleasedAndThenOnlyAfterTheOthers) {
    TaskListModel model;
    const TaskId first = model.Add(Row(u"A"));
    model.Remove(1);
    EXPECT_TRUE(model.retired(first));
    // Every other id comes first; the retired one is skipped while retired.
    std::vector<TaskId> given;
    for (int i = 0; i < 70000 && given.size() < 65535; ++i) {
        const TaskId id = model.Add(Row(u"x"));
        if (id == 0) {
            break;
        }
        given.push_back(id);
    }
    EXPECT_EQ(given.size(), 65534u) << "all ids but the retired one";
    EXPECT_EQ(model.Add(Row(u"full")), 0) << "no id is free";
    model.Release(first);
    EXPECT_EQ(model.Add(Row(u"back")), first);
}

TEST(TaskListModelTest, RemovalSelectsTheRowAboveAndScrollsBackOneRow) {
    TaskListModel model = ThreeRows();
    model.Select(3);
    const auto middle = model.Remove(2);
    ASSERT_TRUE(middle);
    EXPECT_EQ(middle->selected, 1);
    EXPECT_EQ(model.selected(), 1);

    const auto first = model.Remove(1);
    EXPECT_EQ(first->selected, 0) << "no row above the first";
    EXPECT_EQ(model.selected(), 0);
    model.Remove(1);
    EXPECT_EQ(model.count(), 0);
    EXPECT_FALSE(model.Remove(1)) << "nothing to remove";
    EXPECT_FALSE(model.Remove(0));

    // Scrolled to the end of ten rows in a page of four: a removal scrolls back one row.
    TaskListModel many;
    many.SetPage(4 * TaskListModel::kRowHeight);
    for (int i = 0; i < 10; ++i) {
        many.Add(Row(u"r"));
    }
    many.ScrollTo(10000);
    EXPECT_EQ(many.scrollOffset(), 6 * TaskListModel::kRowHeight);
    many.Remove(10);
    EXPECT_EQ(many.scrollOffset(), 5 * TaskListModel::kRowHeight);
    many.ScrollTo(10);
    many.Remove(1);
    EXPECT_EQ(many.scrollOffset(), 10) << "not scrolled back below 0";
}

TEST(TaskListModelTest, TheSelectionFollowsItsTaskAndClearingRetiresEveryId) {
    TaskListModel model = ThreeRows();
    model.Select(3);
    const TaskId c = model.row(3).id;
    model.Remove(1);  // selects the row above the removed one: none
    EXPECT_EQ(model.selected(), 0);
    model.Select(2);
    EXPECT_EQ(model.row(model.selected()).id, c);
    model.Select(7);
    EXPECT_EQ(model.selected(), 0) << "no such row: nothing selected";

    const std::vector<TaskId> cleared = model.Clear();
    EXPECT_EQ(cleared.size(), 2u);
    EXPECT_EQ(model.count(), 0);
    for (const TaskId id : cleared) {
        EXPECT_TRUE(model.retired(id));
    }
}

TEST(TaskListModelTest, TheViewShowsTheRowsThatReachIntoThePage) {
    TaskListModel model;
    model.SetPage(175);
    EXPECT_EQ(model.Visible().rows, 0);
    for (int i = 0; i < 20; ++i) {
        model.Add(Row(u"r"));
    }
    EXPECT_EQ(model.content(), 480);
    EXPECT_EQ(model.maxOffset(), 305);
    EXPECT_EQ(model.Visible(), (TaskListModel::View{1, 0, 8}));
    model.ScrollTo(30);
    EXPECT_EQ(model.Visible(), (TaskListModel::View{2, -6, 8}));
    EXPECT_EQ(model.RowAt(0), 2);
    EXPECT_EQ(model.RowAt(17), 2);
    EXPECT_EQ(model.RowAt(18), 3);
    model.ScrollTo(1000);
    EXPECT_EQ(model.scrollOffset(), 305);
    const TaskListModel::View end = model.Visible();
    EXPECT_EQ(end.firstNumber + end.rows - 1, 20);
    model.ScrollTo(-5);
    EXPECT_EQ(model.scrollOffset(), 0);

    TaskListModel single;
    single.SetPage(175);
    single.Add(Row(u"only"));
    EXPECT_EQ(single.Visible(), (TaskListModel::View{1, 0, 1}));
    EXPECT_EQ(single.RowAt(30), 0) << "below the last row";
    EXPECT_EQ(single.maxOffset(), 0);
}

TEST(TaskListModelTest, ARowTakesItsTitleAndTogglesFromTheRecordAndItsTogglesFromTheKind) {
    TimerTask timer;
    timer.title = u"Tea";
    timer.shown = true;
    timer.running = true;
    timer.removeAfterEnd = true;
    const TaskRow timerRow = RowOfTask(timer);
    EXPECT_EQ(timerRow.title, u"Tea");
    EXPECT_TRUE(timerRow.shown && timerRow.running && timerRow.removeAfterEnd);
    EXPECT_TRUE(timerRow.hasPlay && timerRow.hasRemoveAfterEnd);

    StickyNoteTask note;
    note.shown = true;
    const TaskRow noteRow = RowOfTask(note);
    EXPECT_TRUE(noteRow.shown);
    EXPECT_FALSE(noteRow.hasPlay || noteRow.hasRemoveAfterEnd || noteRow.running);

    StopwatchTask watch;
    watch.running = true;
    const TaskRow watchRow = RowOfTask(watch);
    EXPECT_TRUE(watchRow.hasPlay && watchRow.running);
    EXPECT_FALSE(watchRow.hasRemoveAfterEnd);
}

// ---- Where widgets go ----

TEST(WidgetPlacementTest, AWidgetThatCanBeReachedStaysWhereItIs) {
    const AreaRect areas[] = {{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};
    // Wholly on a screen, partly off its edge, on the second screen.
    EXPECT_EQ(ReachablePosition({100, 100, 200, 99}, areas), (WindowPosition{100, 100}));
    EXPECT_EQ(ReachablePosition({-150, 500, 200, 99}, areas), (WindowPosition{-150, 500}));
    EXPECT_EQ(ReachablePosition({2500, 900, 200, 99}, areas), (WindowPosition{2500, 900}));
    // Across the border of two screens.
    EXPECT_EQ(ReachablePosition({1850, 10, 200, 99}, areas), (WindowPosition{1850, 10}));
}

TEST(WidgetPlacementTest, AWidgetNoScreenShowsComesWhollyIntoTheNearestWorkArea) {
    const AreaRect areas[] = {{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};
    // Where a removed third monitor was: right of the second one.
    EXPECT_EQ(ReachablePosition({3500, 300, 200, 99}, areas), (WindowPosition{3000, 300}));
    // Above and left of everything: into the first one's corner.
    EXPECT_EQ(ReachablePosition({-900, -700, 200, 99}, areas), (WindowPosition{0, 0}));
    // Below the task bar of a lowered resolution.
    EXPECT_EQ(ReachablePosition({400, 1500, 200, 99}, areas), (WindowPosition{400, 941}));
    // Only a sliver shows: too little to grab.
    EXPECT_EQ(ReachablePosition({1910, 1035, 200, 99}, {areas, 1}), (WindowPosition{1720, 941}));
    // A widget larger than the area: its top-left corner in it.
    EXPECT_EQ(ReachablePosition({5000, 5000, 2500, 1200}, {areas, 1}), (WindowPosition{0, 0}));
    // Without work areas (none reported), it stays.
    EXPECT_EQ(ReachablePosition({5000, 5000, 200, 99}, {}), (WindowPosition{5000, 5000}));
}

TEST(WidgetPlacementTest, CentredAndNewNotesBesideTheirNote) {
    EXPECT_EQ(CentredOn({0, 0, 1920, 1080}, 185, 175), (WindowPosition{867, 452}));
    EXPECT_EQ(NewNoteBeside({600, 300, 185, 175}), (WindowPosition{410, 300}));
    EXPECT_EQ(NewNoteBeside({191, 20, 185, 175}), (WindowPosition{1, 20}));
    // Too near the left edge: 5 pixels right of the note instead.
    EXPECT_EQ(NewNoteBeside({190, 20, 185, 175}), (WindowPosition{380, 20}));
}

TEST(QuickTasksTest, QuickTasksTakeTheWidgetDefaultsOfTheSettings) {
    SettingsValues settings;
    settings.widgetTransparency = 40;
    settings.widgetsAlwaysOnTop = true;
    settings.stickyNoteTheme = 1;
    const StickyNoteTask note = QuickStickyNote(settings, u"Quick note");
    EXPECT_EQ(note.title, u"Quick note");
    EXPECT_TRUE(note.content.empty());
    EXPECT_EQ(note.theme, 1);
    EXPECT_EQ(note.transparency, 40);
    EXPECT_TRUE(note.alwaysOnTop && note.shown);
    EXPECT_EQ(note.width, 185);
    EXPECT_EQ(note.height, 175);

    const StopwatchTask watch =
        QuickStopwatch(settings, u"Quick stopwatch", StopwatchStart::At(1, 2, 3));
    EXPECT_EQ(watch.elapsed, (Duration{0, 1, 2, 3}));
    EXPECT_TRUE(watch.running && watch.shown && watch.listCollapsed && watch.alwaysOnTop);
    EXPECT_EQ(watch.transparency, 40);
    EXPECT_TRUE(watch.checkpoints.empty());
}

}  // namespace
}  // namespace tockly
