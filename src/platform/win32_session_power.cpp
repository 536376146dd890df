#include "platform/win32_session_power.h"

#include <windows.h>

#include <powrprof.h>

#include "platform/win32_system_library.h"
#include "support/unique_handle.h"

namespace tockly {

static_assert(kExitLogOff == EWX_LOGOFF && kExitReboot == EWX_REBOOT && kExitForce == EWX_FORCE &&
              kExitPowerOff == EWX_POWEROFF);
static_assert(kShutdownReasonPlanned == SHTDN_REASON_FLAG_PLANNED);

bool Win32SessionPower::Lock() {
    return ::LockWorkStation() != FALSE;
}

bool Win32SessionPower::ExitSession(std::uint32_t flags, std::uint32_t reason) {
    return ::ExitWindowsEx(flags, reason) != FALSE;
}

bool Win32SessionPower::Suspend(bool hibernate, bool force, bool wakeupEventsDisabled) {
    const SystemLibrary powrprof(L"powrprof.dll");
    const auto suspend = powrprof.Find<decltype(&::SetSuspendState)>("SetSuspendState");
    return suspend != nullptr && suspend(hibernate, force, wakeupEventsDisabled) != FALSE;
}

bool Win32SessionPower::AdjustShutdownPrivilege(bool enable) {
    HANDLE raw_token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                            &raw_token)) {
        return false;
    }
    const KernelHandle token(raw_token);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    if (!::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        return false;
    }
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    // A token without the privilege succeeds with ERROR_NOT_ALL_ASSIGNED: the call that needs it
    // fails instead.
    return ::AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) != FALSE;
}

}  // namespace tockly
