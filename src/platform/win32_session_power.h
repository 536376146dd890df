#pragma once

#include "platform/session_power.h"

namespace tockly {

// LockWorkStation, ExitWindowsEx, SetSuspendState and the process token's SeShutdownPrivilege.
class Win32SessionPower final : public SessionPower {
public:
    bool Lock() override;
    bool ExitSession(std::uint32_t flags, std::uint32_t reason) override;
    bool Suspend(bool hibernate, bool force, bool wakeupEventsDisabled) override;
    bool AdjustShutdownPrivilege(bool enable) override;
};

}  // namespace tockly
