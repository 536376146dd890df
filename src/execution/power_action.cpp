#include "execution/power_action.h"

namespace tockly {

std::optional<PowerActionPlan> PlanPowerAction(std::int32_t action, bool force) {
    const std::uint32_t forced = force ? kExitForce : 0;
    switch (static_cast<PowerAction>(action)) {
        case PowerAction::Lock:
            return PowerActionPlan{.call = PowerCall::Lock};
        case PowerAction::LogOff:
            return PowerActionPlan{.call = PowerCall::ExitSession,
                                   .exitFlags = kExitLogOff | forced};
        case PowerAction::Sleep:
            return PowerActionPlan{.call = PowerCall::Suspend, .needsPrivilege = true};
        case PowerAction::Hibernate:
            return PowerActionPlan{
                .call = PowerCall::Suspend, .hibernate = true, .needsPrivilege = true};
        case PowerAction::Restart:
            return PowerActionPlan{.call = PowerCall::ExitSession,
                                   .exitFlags = kExitReboot | forced,
                                   .needsPrivilege = true};
        case PowerAction::HybridShutDown:
        case PowerAction::ShutDown:
            return PowerActionPlan{.call = PowerCall::ExitSession,
                                   .exitFlags = kExitPowerOff | forced,
                                   .needsPrivilege = true};
    }
    return std::nullopt;
}

namespace {

bool Carry(SessionPower& session, const PowerActionPlan& plan, bool force) {
    switch (plan.call) {
        case PowerCall::Lock:
            return session.Lock();
        case PowerCall::ExitSession:
            return session.ExitSession(plan.exitFlags, kShutdownReasonPlanned);
        case PowerCall::Suspend:
            return session.Suspend(plan.hibernate, force, false);
    }
    return false;
}

}  // namespace

ActionStep RunPowerAction(SessionPower& session, Pause& pause, std::int64_t secondsRemaining,
                          const PowerTask& task) {
    if (secondsRemaining > 0) {
        return ActionStep::Continue;
    }
    bool carried = false;
    if (const auto plan = PlanPowerAction(task.action, task.force)) {
        if (plan->needsPrivilege) {
            // Its result is not consulted: a missing privilege shows as the call's failure.
            session.AdjustShutdownPrivilege(true);
        }
        carried = Carry(session, *plan, task.force);
        if (plan->needsPrivilege) {
            session.AdjustShutdownPrivilege(false);
        }
    }
    pause.Wait(kPauseAfterAction);
    return carried ? ActionStep::Done : ActionStep::Failed;
}

}  // namespace tockly
