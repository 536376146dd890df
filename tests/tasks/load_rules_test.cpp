#include "tasks/load_rules.h"

#include <gtest/gtest.h>

#include "task_samples.h"

namespace tockly {
namespace {

using testing::SampleStore;

constexpr TimePoint kNow{2024, 6, 15, 12, 0, 0, 0};
constexpr TimePoint kHourAgo{2024, 6, 15, 11, 0, 0, 0};
constexpr TimePoint kHourAhead{2024, 6, 15, 13, 0, 0, 0};

TEST(LoadRules, TasksEndWhenTheirTargetIsNotLater) {
    const FixedClock clock(kNow);
    ApplicationTask application = SampleStore().application[0];
    application.target = kHourAhead;
    EXPECT_EQ(OutcomeAtLoad(application, clock), LoadOutcome::Keep);
    application.target = kNow;
    EXPECT_EQ(OutcomeAtLoad(application, clock), LoadOutcome::Stop) << "now is not later";
    application.removeAfterEnd = true;
    EXPECT_EQ(OutcomeAtLoad(application, clock), LoadOutcome::Drop);
    PowerTask power = SampleStore().power[0];
    power.target = {2024, 6, 31, 0, 0, 0, 0};  // no such day
    EXPECT_EQ(OutcomeAtLoad(power, clock), LoadOutcome::Stop);

    PrintScreenTask shots = SampleStore().printScreen[0];  // removed after its end
    shots.target = kHourAgo;
    shots.executeFor = {0, 1, 0, 1};
    EXPECT_EQ(OutcomeAtLoad(shots, clock), LoadOutcome::Keep) << "one second of the span left";
    shots.repetitionMode = 0;
    EXPECT_EQ(OutcomeAtLoad(shots, clock), LoadOutcome::Drop);
}

TEST(LoadRules, AtTheLastMomentOnlyEndlessShotsTimersNotesAndStopwatchesKeepRunning) {
    TaskStore store = SampleStore();
    store.printScreen[0].repetitionMode = 1;  // repeats without end
    store.timer[0].showMessageAfterEnd = false;
    store.counter[0].playSoundAfterEnd = false;
    const LoadOutcomes outcomes =
        ApplyLoadRules(store, FixedClock({30827, 12, 31, 23, 59, 59, 999}));
    using enum LoadOutcome;
    const LoadOutcome expected[] = {Stop, Keep, Drop, Stop, Keep, Stop, Keep, Keep};
    for (std::size_t kind = 0; kind < kTaskKindCount; ++kind) {
        EXPECT_EQ(outcomes[kind], std::vector{expected[kind]}) << TaskKindName(TaskKind(kind));
    }
    EXPECT_EQ(store.stickyNote, SampleStore().stickyNote);
    EXPECT_EQ(store.stopwatch, SampleStore().stopwatch);
    EXPECT_TRUE(store.timer[0].shown) << "a timer is not stopped";

    // The message text is kept only when the message is shown, the sound only when it is played.
    EXPECT_EQ(store.timer[0].messageText, u"");
    EXPECT_EQ(store.timer[0].soundFile, SampleStore().timer[0].soundFile);
    EXPECT_EQ(store.timer[0].soundRepetition, 1);
    EXPECT_EQ(store.counter[0].messageText, SampleStore().counter[0].messageText);
    EXPECT_EQ(store.counter[0].soundFile, u"");
    EXPECT_EQ(store.counter[0].soundRepetition, 0);
}

TEST(LoadRules, EndedTasksAreStoppedAndHiddenOrDroppedAndTheRestKeepTheirOrder) {
    TaskStore store;
    const TimePoint targets[] = {kHourAhead, kHourAgo, kHourAgo, kHourAhead};
    for (int i = 0; i < 4; ++i) {
        store.application.push_back(SampleStore().application[0]);
        store.application.back().title = std::u16string(1, static_cast<char16_t>(u'1' + i));
        store.application.back().target = targets[i];
    }
    store.application[1].removeAfterEnd = true;

    const LoadOutcomes outcomes = ExpireAtLoad(store, FixedClock(kNow));
    EXPECT_EQ(outcomes[0], (std::vector{LoadOutcome::Keep, LoadOutcome::Drop, LoadOutcome::Stop,
                                        LoadOutcome::Keep}));
    ASSERT_EQ(store.application.size(), 3u);
    EXPECT_EQ(store.application[0].title + store.application[1].title + store.application[2].title,
              u"134");
    EXPECT_FALSE(store.application[1].shown || store.application[1].running);
    EXPECT_TRUE(store.application[1].expanded) << "only the row toggles change";
    EXPECT_TRUE(store.application[0].shown && store.application[0].running);
}

TEST(LoadRules, OnlyATaskThatStartsAProgramKeepsItsDetailsShown) {
    TaskStore store = SampleStore();  // its application task ends a program and is expanded
    store.application.push_back(store.application[0]);
    store.application[1].action = 0;
    NormaliseLoadedTasks(store);
    EXPECT_FALSE(store.application[0].expanded) << "its widget starts collapsed";
    EXPECT_TRUE(store.application[1].expanded);
}

}  // namespace
}  // namespace tockly
