#include "execution/network_action.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_system_actions.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

InternetTask TaskOf(std::int32_t action) {
    InternetTask task;
    task.action = action;
    task.entryName = u"Modem – praca";
    return task;
}

TEST(RunNetworkStep, StartsTheTasksActionAtTheTargetThenPauses) {
    testing::FakeSystemActions fake;
    EXPECT_EQ(RunNetworkStep(fake.dialUp, fake.pause, 2, TaskOf(0)), ActionStep::Continue);
    EXPECT_THAT(fake.log.Calls(), IsEmpty());

    EXPECT_EQ(RunNetworkStep(fake.dialUp, fake.pause, 0, TaskOf(0)), ActionStep::Done);
    EXPECT_EQ(RunNetworkStep(fake.dialUp, fake.pause, 0, TaskOf(1)), ActionStep::Done);
    // Any other action starts nothing; the task is done as the others are.
    EXPECT_EQ(RunNetworkStep(fake.dialUp, fake.pause, 0, TaskOf(2)), ActionStep::Done);
    EXPECT_THAT(fake.log.Calls(),
                ElementsAre("StartDial Modem – praca", "Pause 500 ms", "StartHangUp Modem – praca",
                            "Pause 500 ms", "Pause 500 ms"));
}

}  // namespace
}  // namespace tockly
