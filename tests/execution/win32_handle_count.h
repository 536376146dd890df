#pragma once
// How many kernel handles this process holds, to show that an action leaves none open.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace tockly::testing {

// GetProcessHandleCount, or, where it counts nothing (Wine 8 answers 0), this process's entries
// in the system's handle table (NtQuerySystemInformation, SystemHandleInformation).
inline std::uint32_t OwnHandleCount() {
    DWORD count = 0;
    if (::GetProcessHandleCount(::GetCurrentProcess(), &count) && count != 0) {
        return count;
    }
    struct HandleEntry {
        ULONG processId;
        BYTE objectType;
        BYTE flags;
        USHORT handle;
        void* object;
        ACCESS_MASK access;
    };
    struct HandleTable {
        ULONG count;
        HandleEntry entries[1];
    };
    using Query = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    constexpr int kSystemHandleInformation = 16;
    constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) {
        return 0;
    }
    std::vector<std::uint8_t> buffer(1 << 16);
    ULONG needed = 0;
    LONG status = kInfoLengthMismatch;
    while ((status = query(kSystemHandleInformation, buffer.data(),
                           static_cast<ULONG>(buffer.size()), &needed)) == kInfoLengthMismatch) {
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0) {
        return 0;
    }
    const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
    std::uint32_t own = 0;
    for (ULONG i = 0; i < table->count; ++i) {
        own += table->entries[i].processId == ::GetCurrentProcessId() ? 1 : 0;
    }
    return own;
}

}  // namespace tockly::testing
