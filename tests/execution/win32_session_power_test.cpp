// Only the shutdown privilege is tried for real: no test locks, logs off, suspends or shuts down.

#include "platform/win32_session_power.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <vector>

#include "support/unique_handle.h"
#include "win32_handle_count.h"

namespace tockly {
namespace {

// Whether the process token holds SeShutdownPrivilege switched on; none when it does not hold it.
std::optional<bool> ShutdownPrivilegeEnabled() {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &raw)) {
        return std::nullopt;
    }
    const KernelHandle token(raw);
    LUID shutdown{};
    ::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdown);
    DWORD bytes = 0;
    ::GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &bytes);
    std::vector<std::uint8_t> buffer(bytes);
    if (!::GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), bytes, &bytes)) {
        return std::nullopt;
    }
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& held = privileges->Privileges[i];
        if (held.Luid.LowPart == shutdown.LowPart && held.Luid.HighPart == shutdown.HighPart) {
            return (held.Attributes & SE_PRIVILEGE_ENABLED) != 0;
        }
    }
    return std::nullopt;
}

TEST(Win32SessionPower, SwitchesTheShutdownPrivilegeOnAndOffAndKeepsNoHandle) {
    ASSERT_TRUE(ShutdownPrivilegeEnabled().has_value()) << "the token has no shutdown privilege";
    Win32SessionPower session;
    const std::uint32_t handles = testing::OwnHandleCount();
    EXPECT_TRUE(session.AdjustShutdownPrivilege(true));
    EXPECT_EQ(ShutdownPrivilegeEnabled(), true);
    EXPECT_TRUE(session.AdjustShutdownPrivilege(false));
    EXPECT_EQ(ShutdownPrivilegeEnabled(), false);
    EXPECT_EQ(testing::OwnHandleCount(), handles);
}

}  // namespace
}  // namespace tockly
