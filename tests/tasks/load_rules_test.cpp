#include "tasks/load_rules.h"

#include <gtest/gtest.h>

#include "task_samples.h"
#include "tasks/store_codec.h"

namespace tockly {
namespace {

using testing::SampleStore;

constexpr TimePoint kNow{2024, 6, 15, 12, 0, 0, 0};
constexpr TimePoint kHourAgo{2024, 6, 15, 11, 0, 0, 0};
constexpr TimePoint kHourAhead{2024, 6, 15, 13, 0, 0, 0};

TEST(LoadRules, MessageAndSoundAreKeptOnlyWhenSwitchedOn) {
    TimerTask timer = testing::SampleTimer();
    NormaliseMessageAndSound(timer);
    EXPECT_EQ(timer, testing::SampleTimer()) << "both on: nothing changes";

    timer.showMessageAfterEnd = false;
    NormaliseMessageAndSound(timer);
    EXPECT_EQ(timer.messageText, u"");
    EXPECT_EQ(timer.soundFile, testing::SampleTimer().soundFile);
    EXPECT_EQ(timer.soundRepetition, 1);

    CounterTask counter = testing::SampleCounter();
    counter.playSoundAfterEnd = false;
    NormaliseMessageAndSound(counter);
    EXPECT_EQ(counter.messageText, testing::SampleCounter().messageText);
    EXPECT_EQ(counter.soundFile, u"");
    EXPECT_EQ(counter.soundRepetition, 0);
}

TEST(LoadRules, SystemTasksAndCountersEndWhenTheirTargetIsNotLater) {
    const FixedClock clock(kNow);
    ApplicationTask application = testing::SampleApplication();
    application.target = kHourAhead;
    EXPECT_EQ(OutcomeAtLoad(application, clock), LoadOutcome::Keep);
    application.target = kNow;
    EXPECT_EQ(OutcomeAtLoad(application, clock), LoadOutcome::Stop) << "now is not later";
    application.removeAfterEnd = true;
    EXPECT_EQ(OutcomeAtLoad(application, clock), LoadOutcome::Drop);

    InternetTask internet = testing::SampleInternet();  // removed after its end
    internet.target = kHourAgo;
    EXPECT_EQ(OutcomeAtLoad(internet, clock), LoadOutcome::Drop);
    PowerTask power = testing::SamplePower();
    power.target = {2024, 6, 31, 0, 0, 0, 0};  // no such day
    EXPECT_EQ(OutcomeAtLoad(power, clock), LoadOutcome::Stop);
    CounterTask counter = testing::SampleCounter();
    counter.target = kHourAgo;
    EXPECT_EQ(OutcomeAtLoad(counter, clock), LoadOutcome::Stop);
}

TEST(LoadRules, PrintScreenTasksEndByTheirRepetitionMode) {
    const FixedClock clock(kNow);
    PrintScreenTask task = testing::SamplePrintScreen();  // removed after its end
    task.removeAfterEnd = false;
    task.target = {2019, 1, 1, 0, 0, 0, 0};
    task.repetitionMode = 1;
    EXPECT_EQ(OutcomeAtLoad(task, clock), LoadOutcome::Keep) << "repeats without end";
    task.repetitionMode = 0;
    EXPECT_EQ(OutcomeAtLoad(task, clock), LoadOutcome::Stop);
    task.target = kHourAgo;
    task.repetitionMode = 2;
    task.executeFor = {0, 1, 0, 1};
    EXPECT_EQ(OutcomeAtLoad(task, clock), LoadOutcome::Keep) << "one second of the span left";
    task.executeFor = {0, 1, 0, 0};
    EXPECT_EQ(OutcomeAtLoad(task, clock), LoadOutcome::Stop);
}

TEST(LoadRules, TimersNotesAndStopwatchesNeverEndAtLoad) {
    const FixedClock clock({30827, 12, 31, 23, 59, 59, 999});
    TaskStore store = SampleStore();
    store.timer[0].remainingSeconds = 0;
    const LoadOutcomes outcomes = ExpireAtLoad(store, clock);
    EXPECT_EQ(outcomes[4], std::vector{LoadOutcome::Keep});
    EXPECT_EQ(outcomes[6], std::vector{LoadOutcome::Keep});
    EXPECT_EQ(outcomes[7], std::vector{LoadOutcome::Keep});
    EXPECT_EQ(store.timer[0].running, SampleStore().timer[0].running);
    EXPECT_EQ(store.stopwatch[0], SampleStore().stopwatch[0]);
    EXPECT_EQ(store.stickyNote[0], SampleStore().stickyNote[0]);
}

TEST(LoadRules, EndedTasksAreStoppedAndHiddenOrDroppedAndTheRestKeepTheirOrder) {
    const FixedClock clock(kNow);
    TaskStore store;
    for (int i = 0; i < 4; ++i) {
        store.application.push_back(testing::SampleApplication());
        store.application.back().title = std::u16string(1, static_cast<char16_t>(u'1' + i));
    }
    store.application[0].target = kHourAhead;
    store.application[1].target = kHourAgo;
    store.application[1].removeAfterEnd = true;
    store.application[2].target = kHourAgo;
    store.application[3].target = kHourAhead;

    const LoadOutcomes outcomes = ExpireAtLoad(store, clock);
    EXPECT_EQ(outcomes[0], (std::vector{LoadOutcome::Keep, LoadOutcome::Drop, LoadOutcome::Stop,
                                        LoadOutcome::Keep}));
    ASSERT_EQ(store.application.size(), 3u);
    EXPECT_EQ(store.application[0].title, u"1");
    EXPECT_EQ(store.application[1].title, u"3");
    EXPECT_EQ(store.application[2].title, u"4");
    EXPECT_FALSE(store.application[1].shown);
    EXPECT_FALSE(store.application[1].running);
    EXPECT_TRUE(store.application[1].expanded) << "only the row toggles change";
    EXPECT_TRUE(store.application[0].shown && store.application[0].running);
}

TEST(LoadRules, TheFileSavedAfterLoadingLeavesOutDroppedTasksAndTidiedText) {
    TaskStore store = SampleStore();
    store.timer[0].showMessageAfterEnd = false;
    store.internet[0].target = kHourAgo;  // removed after its end
    store.power[0].target = kHourAgo;     // kept, stopped
    store.counter[0].target = kHourAhead;

    TaskStore loaded = DecodeTaskStore(EncodeTaskStore(store)).store.value();
    ApplyLoadRules(loaded, FixedClock(kNow));
    const TaskStore reloaded = DecodeTaskStore(EncodeTaskStore(loaded)).store.value();
    EXPECT_TRUE(reloaded.internet.empty());
    ASSERT_EQ(reloaded.power.size(), 1u);
    EXPECT_FALSE(reloaded.power[0].shown || reloaded.power[0].running);
    EXPECT_EQ(reloaded.timer.at(0).messageText, u" ") << "empty text is saved as one space";
    EXPECT_TRUE(reloaded.counter.at(0).running);
}

}  // namespace
}  // namespace tockly
