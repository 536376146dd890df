#include "execution/power_action.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_system_actions.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kPause = "Pause 500 ms";
constexpr const char* kPrivilegeOn = "ShutdownPrivilege on";
constexpr const char* kPrivilegeOff = "ShutdownPrivilege off";

struct PowerCase {
    PowerAction action;
    bool force;
    std::vector<std::string> calls;  // what reaches the platform, pause included
};

std::vector<std::string> Privileged(const std::string& call) {
    return {kPrivilegeOn, call, kPrivilegeOff, kPause};
}

const PowerCase kCases[] = {
    {PowerAction::Lock, false, {"Lock", kPause}},
    {PowerAction::Lock, true, {"Lock", kPause}},
    {PowerAction::LogOff, false, {"ExitSession flags 0x0 reason 0x80000000", kPause}},
    {PowerAction::LogOff, true, {"ExitSession flags 0x4 reason 0x80000000", kPause}},
    {PowerAction::Sleep, false,
     Privileged("Suspend hibernate off force off wake-up events disabled off")},
    {PowerAction::Sleep, true,
     Privileged("Suspend hibernate off force on wake-up events disabled off")},
    {PowerAction::Restart, false, Privileged("ExitSession flags 0x2 reason 0x80000000")},
    {PowerAction::Restart, true, Privileged("ExitSession flags 0x6 reason 0x80000000")},
    {PowerAction::Hibernate, false,
     Privileged("Suspend hibernate on force off wake-up events disabled off")},
    {PowerAction::Hibernate, true,
     Privileged("Suspend hibernate on force on wake-up events disabled off")},
    // A hybrid shut down passes exactly the shut down's flags.
    {PowerAction::HybridShutDown, false, Privileged("ExitSession flags 0x8 reason 0x80000000")},
    {PowerAction::HybridShutDown, true, Privileged("ExitSession flags 0xC reason 0x80000000")},
    {PowerAction::ShutDown, false, Privileged("ExitSession flags 0x8 reason 0x80000000")},
    {PowerAction::ShutDown, true, Privileged("ExitSession flags 0xC reason 0x80000000")},
};

PowerTask TaskOf(PowerAction action, bool force) {
    PowerTask task;
    task.action = static_cast<std::int32_t>(action);
    task.force = force;
    return task;
}

// Each action, forced or not, with the platform succeeding and failing: the calls, their flag
// words and the privilege around them stay the same, the pause follows every outcome, and the
// result is the platform's (sleep and hibernate included: they are Done when they took place).
TEST(RunPowerAction, CallsThePlatformAndReportsItsResult) {
    for (const PowerCase& c : kCases) {
        for (const bool succeeds : {true, false}) {
            SCOPED_TRACE(::testing::Message()
                         << "action " << static_cast<int>(c.action) << (c.force ? " forced" : "")
                         << (succeeds ? " succeeding" : " failing"));
            testing::FakeSystemActions fake;
            fake.session.result = succeeds;
            // The privilege's own result is not consulted.
            fake.session.privilegeResult = false;
            EXPECT_EQ(RunPowerAction(fake.session, fake.pause, 0, TaskOf(c.action, c.force)),
                      succeeds ? ActionStep::Done : ActionStep::Failed);
            EXPECT_EQ(fake.log.Calls(), c.calls);
        }
    }
}

TEST(RunPowerAction, WaitsForTheTargetAndFailsAnUnknownActionAfterThePause) {
    testing::FakeSystemActions fake;
    EXPECT_EQ(RunPowerAction(fake.session, fake.pause, 1, TaskOf(PowerAction::ShutDown, true)),
              ActionStep::Continue);
    EXPECT_THAT(fake.log.Calls(), IsEmpty());

    for (const std::int32_t unknown : {-1, 7, 1'000'000}) {
        PowerTask task;
        task.action = unknown;
        EXPECT_EQ(RunPowerAction(fake.session, fake.pause, 0, task), ActionStep::Failed);
    }
    EXPECT_THAT(fake.log.Calls(), ElementsAre(kPause, kPause, kPause));
}

}  // namespace
}  // namespace tockly
