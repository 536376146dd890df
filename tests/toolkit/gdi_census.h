#pragma once
// Counts what controls make and free: GDI objects, window DCs and menus through the program's own
// calls to gdi32 and user32 (its import table is patched at start-up), the thread's windows and
// the process's GDI objects. The calls also show what a total cannot: an object deleted twice or
// never ours. Only kinds the toolkit makes are counted; a new kind is a stray delete until added.

#include <windows.h>

#include <cstdint>
#include <ostream>
#include <set>
#include <type_traits>

#include "support/critical_section.h"

namespace tockly::testing {

struct CensusCounts {
    long objects = 0;         // bitmaps, brushes, fonts and memory DCs alive
    long windowDcs = 0;       // GetDC without ReleaseDC
    long menus = 0;           // LoadMenuW or CreatePopupMenu without DestroyMenu
    long strayDeletes = 0;    // deletes of handles never seen made, or seen twice
    long windows = 0;         // windows of this thread, children included
    long processObjects = 0;  // the process's GDI objects as the platform keeps them
    bool operator==(const CensusCounts&) const = default;
};

inline void PrintTo(const CensusCounts& c, std::ostream* out) {
    *out << "{objects " << c.objects << ", window DCs " << c.windowDcs << ", menus " << c.menus
         << ", stray deletes " << c.strayDeletes << ", windows " << c.windows
         << ", process GDI objects " << c.processObjects << "}";
}

class GdiCensus {
public:
    static CensusCounts Now() {
        CensusCounts counts{.windows = ThreadWindows(), .processObjects = ProcessObjects()};
        CriticalSectionLock hold(lock_);
        counts.objects = static_cast<long>(objects_.size());
        counts.windowDcs = static_cast<long>(windowDcs_.size());
        counts.menus = static_cast<long>(menus_.size());
        counts.strayDeletes = strayDeletes_;
        return counts;
    }

private:
    inline static CriticalSection lock_;
    inline static std::set<HANDLE> objects_;
    inline static std::set<HANDLE> windowDcs_;
    inline static std::set<HANDLE> menus_;
    inline static long strayDeletes_ = 0;

    // Hooks for a function that makes what `live` holds, and for one that deletes it.
    template <typename Function>
    struct Hook;
    template <typename Result, typename... Arguments>
    struct Hook<Result(WINAPI*)(Arguments...)> {
        template <auto& original, std::set<HANDLE>& live>
        static Result WINAPI Making(Arguments... arguments) {
            Result made = original(arguments...);
            CriticalSectionLock hold(lock_);
            if (made != nullptr) {
                live.insert(made);
            }
            return made;
        }
        template <auto& original, std::set<HANDLE>& live>
        static Result WINAPI Deleting(Arguments... handle) {
            Gone(live, handle...);
            return original(handle...);
        }
    };
    static void Gone(std::set<HANDLE>& live, HANDLE handle) {
        CriticalSectionLock hold(lock_);
        strayDeletes_ += live.erase(handle) == 0 ? 1 : 0;
    }
    enum Role { kMakes, kDeletes };
    template <auto& original, Role role, std::set<HANDLE>& live = objects_>
    static void Count(const char* dll, const char* name) {
        using Function = std::remove_reference_t<decltype(original)>;
        if constexpr (role == kMakes) {
            Patch(dll, name, &Hook<Function>::template Making<original, live>, original);
        } else {
            Patch(dll, name, &Hook<Function>::template Deleting<original, live>, original);
        }
    }

    // The originals, filled when the import table is patched.
    inline static decltype(&::CreateCompatibleDC) createCompatibleDc_ = nullptr;
    inline static decltype(&::CreateDIBSection) createDibSection_ = nullptr;
    inline static decltype(&::CreatePatternBrush) createPatternBrush_ = nullptr;
    inline static decltype(&::CreateSolidBrush) createSolidBrush_ = nullptr;
    inline static decltype(&::CreateFontW) createFont_ = nullptr;
    inline static decltype(&::LoadImageW) loadImage_ = nullptr;  // bitmaps only, in the toolkit
    inline static decltype(&::DeleteDC) deleteDc_ = nullptr;
    inline static decltype(&::DeleteObject) deleteObject_ = nullptr;
    inline static decltype(&::GetDC) getDc_ = nullptr;
    inline static decltype(&::ReleaseDC) releaseDc_ = nullptr;
    inline static decltype(&::LoadMenuW) loadMenu_ = nullptr;
    inline static decltype(&::CreatePopupMenu) createPopupMenu_ = nullptr;
    inline static decltype(&::DestroyMenu) destroyMenu_ = nullptr;

    static int WINAPI ReleaseDcHook(HWND window, HDC dc) {
        Gone(windowDcs_, dc);
        return releaseDc_(window, dc);
    }

    // Points the program's imports of `name` at `hook`. A function the program does not import
    // cannot make anything, so a missing import is no failure; the census's own test shows that
    // the patching works.
    template <typename Function>
    static void Patch(const char* dll, const char* name, Function hook, Function& original) {
        original = reinterpret_cast<Function>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA(dll), name)));
        auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
            base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
        for (; entry->Name != 0; ++entry) {
            for (auto* slot = reinterpret_cast<ULONG_PTR*>(base + entry->FirstThunk); *slot != 0;
                 ++slot) {
                if (*slot == reinterpret_cast<ULONG_PTR>(original)) {
                    DWORD protection = 0;
                    ::VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
                    *slot = reinterpret_cast<ULONG_PTR>(hook);
                    ::VirtualProtect(slot, sizeof(*slot), protection, &protection);
                }
            }
        }
    }

    static bool Install() {
        Count<createCompatibleDc_, kMakes>("gdi32.dll", "CreateCompatibleDC");
        Count<createDibSection_, kMakes>("gdi32.dll", "CreateDIBSection");
        Count<createPatternBrush_, kMakes>("gdi32.dll", "CreatePatternBrush");
        Count<createSolidBrush_, kMakes>("gdi32.dll", "CreateSolidBrush");
        Count<createFont_, kMakes>("gdi32.dll", "CreateFontW");
        Count<loadImage_, kMakes>("user32.dll", "LoadImageW");
        Count<deleteDc_, kDeletes>("gdi32.dll", "DeleteDC");
        Count<deleteObject_, kDeletes>("gdi32.dll", "DeleteObject");
        Count<getDc_, kMakes, windowDcs_>("user32.dll", "GetDC");
        Patch("user32.dll", "ReleaseDC", &ReleaseDcHook, releaseDc_);
        Count<loadMenu_, kMakes, menus_>("user32.dll", "LoadMenuW");
        Count<createPopupMenu_, kMakes, menus_>("user32.dll", "CreatePopupMenu");
        Count<destroyMenu_, kDeletes, menus_>("user32.dll", "DestroyMenu");
        return true;
    }
    inline static const bool patched_ = Install();  // when the program starts

    static long ThreadWindows() {
        long count = 0;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND window, LPARAM counter) -> BOOL {
                ++*reinterpret_cast<long*>(counter);
                ::EnumChildWindows(
                    window,
                    [](HWND, LPARAM inner) -> BOOL {
                        ++*reinterpret_cast<long*>(inner);
                        return TRUE;
                    },
                    counter);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count;
    }

    // GetGuiResources where the platform answers it; Wine answers 0 but keeps the GDI handle
    // table that the PEB points to like Windows (64-bit layout), holding this process's objects.
    static long ProcessObjects() {
        if (const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) {
            return static_cast<long>(reported);
        }
        struct Entry {
            std::uint64_t kernelObject;
            std::uint16_t processId, count, unique;
            std::uint8_t type, flags;
            std::uint64_t userPointer;
        };
        static_assert(sizeof(Entry) == 24);
        using GetPeb = const BYTE*(WINAPI*)();
        const auto getPeb = reinterpret_cast<GetPeb>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetCurrentPeb")));
        const Entry* table =
            getPeb != nullptr ? *reinterpret_cast<const Entry* const*>(getPeb() + 0xF8) : nullptr;
        const auto self = static_cast<std::uint16_t>(::GetCurrentProcessId());
        long count = 0;
        for (int i = 0; table != nullptr && i < 0x10000; ++i) {
            count += table[i].type != 0 && (table[i].processId == 0 || table[i].processId == self);
        }
        return count;
    }
};

}  // namespace tockly::testing
