#pragma once
// Session and power transitions of the computer: lock, log off, restart, shut down, sleep and
// hibernate, and the shutdown privilege that the power transitions need. The real ones end the
// user's work; tests hand in a recording fake, so no test locks or shuts down anything.

#include <cstdint>

namespace tockly {

// The flag words of ExitSession, the platform's own values (EWX_*).
inline constexpr std::uint32_t kExitLogOff = 0x0;
inline constexpr std::uint32_t kExitReboot = 0x2;
inline constexpr std::uint32_t kExitForce = 0x4;
inline constexpr std::uint32_t kExitPowerOff = 0x8;
// The reason given with every exit: a planned one (SHTDN_REASON_FLAG_PLANNED).
inline constexpr std::uint32_t kShutdownReasonPlanned = 0x80000000;

class SessionPower {
public:
    virtual ~SessionPower() = default;

    // LockWorkStation: true when the lock was started.
    virtual bool Lock() = 0;

    // ExitWindowsEx(flags, reason): true when the log-off, restart or shut-down was started.
    virtual bool ExitSession(std::uint32_t flags, std::uint32_t reason) = 0;

    // SetSuspendState(hibernate, force, wakeupEventsDisabled). It returns after the computer has
    // woken up again: true when the suspension took place.
    virtual bool Suspend(bool hibernate, bool force, bool wakeupEventsDisabled) = 0;

    // Switches SeShutdownPrivilege of the program's own process token on or off. True when the
    // adjustment call succeeded, also when the token does not hold the privilege at all (the
    // following restart, shut-down or suspension then fails instead).
    virtual bool AdjustShutdownPrivilege(bool enable) = 0;
};

}  // namespace tockly
