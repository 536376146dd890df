#pragma once
// GDI and USER object counts of this process, to show that controls free what they make.
// GetGuiResources gives them on Windows; Wine answers 0 there, so the counts are then taken from
// the process's GDI handle table (which Wine keeps like Windows) and by probing the USER handle
// range for live windows and menus of this process.

#include <windows.h>

#include <cstdint>

namespace tockly::testing {

struct GuiCounts {
    long gdi = 0;
    long user = 0;
};

namespace detail {

// One entry of the GDI handle table that PEB.GdiSharedHandleTable points to (64-bit layout).
struct GdiHandleEntry {
    std::uint64_t kernelObject;
    std::uint16_t processId;
    std::uint16_t count;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr std::size_t kGdiTableOffsetInPeb = 0xF8;
constexpr int kGdiTableEntries = 0x10000;

inline long CountGdiTable() {
    using GetPeb = void*(WINAPI*)();
    const auto getPeb = reinterpret_cast<GetPeb>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetCurrentPeb")));
    if (getPeb == nullptr) {
        return -1;
    }
    const auto* peb = static_cast<const unsigned char*>(getPeb());
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kGdiTableOffsetInPeb);
    if (table == nullptr) {
        return -1;
    }
    const auto self = static_cast<std::uint16_t>(::GetCurrentProcessId());
    long count = 0;
    for (int i = 0; i < kGdiTableEntries; ++i) {
        // Wine leaves the owner at 0: its table holds this process's objects only.
        if (table[i].type != 0 && (table[i].processId == 0 || table[i].processId == self)) {
            ++count;
        }
    }
    return count;
}

inline long ProbeUserHandles() {
    // Wine accepts a handle whose high word is 0 for any generation of that slot.
    constexpr UINT_PTR kFirst = 0x20;
    constexpr UINT_PTR kLast = 0xFFF0;
    long count = 0;
    for (UINT_PTR value = kFirst; value < kLast; value += 2) {
        HWND window = reinterpret_cast<HWND>(value);
        if (::IsWindow(window)) {
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            count += process == ::GetCurrentProcessId() ? 1 : 0;
        } else if (::IsMenu(reinterpret_cast<HMENU>(value))) {
            ++count;
        }
    }
    return count;
}

}  // namespace detail

inline GuiCounts CountGuiObjects() {
    GuiCounts counts;
    counts.gdi = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    counts.user = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
    if (counts.gdi == 0) {
        counts.gdi = detail::CountGdiTable();
    }
    if (counts.user == 0) {
        counts.user = detail::ProbeUserHandles();
    }
    return counts;
}

}  // namespace tockly::testing
