#pragma once
// The action step of a session and power task: lock, log off, sleep, restart, hibernate, hybrid
// shut down or shut down, optionally forced, once the countdown has reached its target.

#include <cstdint>
#include <optional>

#include "execution/action_step.h"
#include "platform/pause.h"
#include "platform/session_power.h"
#include "tasks/task_records.h"

namespace tockly {

// The record's action values.
enum class PowerAction : std::int32_t {
    Lock = 0,
    LogOff = 1,
    Sleep = 2,
    Restart = 3,
    Hibernate = 4,
    HybridShutDown = 5,
    ShutDown = 6,
};

enum class PowerCall { Lock, ExitSession, Suspend };

// How one action is carried out. Every call is judged alike: true from the platform is Done,
// false is Failed (sleep and hibernate too: their call returns after the wake-up, true when the
// suspension took place).
struct PowerActionPlan {
    PowerCall call = PowerCall::Lock;
    std::uint32_t exitFlags = 0;  // ExitSession: kExit* with kExitForce when forced
    bool hibernate = false;       // Suspend: hibernate rather than sleep
    bool needsPrivilege = false;  // SeShutdownPrivilege on before the call, off after it

    bool operator==(const PowerActionPlan&) const = default;
};

// The plan of an action value; none for a value outside 0-6. A hybrid shut down passes exactly
// the shut down's flags.
std::optional<PowerActionPlan> PlanPowerAction(std::int32_t action, bool force);

// Not yet (Continue) while `secondsRemaining` is above 0. Then carries out the task's action
// (the privilege switched on before and off after the call, whatever it returned), pauses
// kPauseAfterAction, also after a failure or an unknown action, and reports Done or Failed.
ActionStep RunPowerAction(SessionPower& session, Pause& pause, std::int64_t secondsRemaining,
                          const PowerTask& task);

}  // namespace tockly
