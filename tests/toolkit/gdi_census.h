#pragma once
// Counts the GDI objects and device contexts this program makes and frees, by routing its own
// calls to gdi32 and user32 through counters (the program's import table is patched once). Wine
// does not count GUI resources (GetGuiResources answers 0), and the census also catches what
// GetGuiResources cannot: an object deleted twice, or one that was never ours. Only the kinds of
// object the toolkit makes are counted; a new kind shows up as a stray delete until it is added.

#include <windows.h>

#include <cstring>
#include <set>

namespace tockly::testing {

class GdiCensus {
public:
    struct Counts {
        long objects = 0;       // GDI objects alive (bitmaps, pattern brushes, fonts, memory DCs)
        long windowDcs = 0;     // GetDC without ReleaseDC
        long strayDeletes = 0;  // deletes of handles the census never saw made, or seen twice
        bool operator==(const Counts&) const = default;
    };

    static GdiCensus& Instance() {
        static GdiCensus census;
        return census;
    }

    Counts Now() {
        Lock hold;
        return {static_cast<long>(live_.size()), windowDcs_, strayDeletes_};
    }
    bool installed() const { return installed_; }

private:
    struct Lock {
        Lock() { ::EnterCriticalSection(&Section()); }
        ~Lock() { ::LeaveCriticalSection(&Section()); }
    };
    static CRITICAL_SECTION& Section() {
        static CRITICAL_SECTION section = [] {
            CRITICAL_SECTION made;
            ::InitializeCriticalSection(&made);
            return made;
        }();
        return section;
    }

    template <typename Handle>
    static Handle Made(Handle handle) {
        if (handle != nullptr) {
            Lock hold;
            Instance().live_.insert(handle);
        }
        return handle;
    }
    static void Gone(HGDIOBJ handle) {
        Lock hold;
        if (Instance().live_.erase(handle) == 0) {
            ++Instance().strayDeletes_;
        }
    }

    // The originals, filled when the import table is patched.
    inline static decltype(&::CreateCompatibleDC) createCompatibleDc_ = nullptr;
    inline static decltype(&::DeleteDC) deleteDc_ = nullptr;
    inline static decltype(&::CreateDIBSection) createDibSection_ = nullptr;
    inline static decltype(&::CreatePatternBrush) createPatternBrush_ = nullptr;
    inline static decltype(&::CreateFontW) createFont_ = nullptr;
    inline static decltype(&::DeleteObject) deleteObject_ = nullptr;
    inline static decltype(&::LoadImageW) loadImage_ = nullptr;
    inline static decltype(&::GetDC) getDc_ = nullptr;
    inline static decltype(&::ReleaseDC) releaseDc_ = nullptr;

    static HDC WINAPI CreateCompatibleDcHook(HDC dc) { return Made(createCompatibleDc_(dc)); }
    static BOOL WINAPI DeleteDcHook(HDC dc) {
        Gone(dc);
        return deleteDc_(dc);
    }
    static HBITMAP WINAPI CreateDibSectionHook(HDC dc, const BITMAPINFO* info, UINT usage,
                                               void** bits, HANDLE section, DWORD offset) {
        return Made(createDibSection_(dc, info, usage, bits, section, offset));
    }
    static HBRUSH WINAPI CreatePatternBrushHook(HBITMAP bitmap) {
        return Made(createPatternBrush_(bitmap));
    }
    static HFONT WINAPI CreateFontHook(int height, int width, int escapement, int orientation,
                                       int weight, DWORD italic, DWORD underline, DWORD strikeOut,
                                       DWORD charset, DWORD precision, DWORD clip, DWORD quality,
                                       DWORD pitch, LPCWSTR face) {
        return Made(createFont_(height, width, escapement, orientation, weight, italic, underline,
                                strikeOut, charset, precision, clip, quality, pitch, face));
    }
    static BOOL WINAPI DeleteObjectHook(HGDIOBJ object) {
        Gone(object);
        return deleteObject_(object);
    }
    static HANDLE WINAPI LoadImageHook(HINSTANCE instance, LPCWSTR name, UINT type, int width,
                                       int height, UINT flags) {
        HANDLE image = loadImage_(instance, name, type, width, height, flags);
        return type == IMAGE_BITMAP ? Made(image) : image;
    }
    static HDC WINAPI GetDcHook(HWND window) {
        HDC dc = getDc_(window);
        if (dc != nullptr) {
            Lock hold;
            ++Instance().windowDcs_;
        }
        return dc;
    }
    static int WINAPI ReleaseDcHook(HWND window, HDC dc) {
        const int released = releaseDc_(window, dc);
        if (released != 0) {
            Lock hold;
            --Instance().windowDcs_;
        }
        return released;
    }

    template <typename Function>
    static bool Patch(const char* dll, const char* name, Function hook, Function& original) {
        auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports =
            nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
        for (; entry->Name != 0; ++entry) {
            if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) {
                continue;
            }
            auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
            auto* named = reinterpret_cast<IMAGE_THUNK_DATA*>(
                base +
                (entry->OriginalFirstThunk != 0 ? entry->OriginalFirstThunk : entry->FirstThunk));
            for (; named->u1.AddressOfData != 0; ++named, ++slot) {
                if (IMAGE_SNAP_BY_ORDINAL(named->u1.Ordinal)) {
                    continue;
                }
                const auto* byName =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + named->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) != 0) {
                    continue;
                }
                DWORD protection = 0;
                ::VirtualProtect(&slot->u1.Function, sizeof(slot->u1.Function), PAGE_READWRITE,
                                 &protection);
                original = reinterpret_cast<Function>(slot->u1.Function);
                slot->u1.Function = reinterpret_cast<ULONG_PTR>(hook);
                ::VirtualProtect(&slot->u1.Function, sizeof(slot->u1.Function), protection,
                                 &protection);
                return true;
            }
        }
        return false;
    }

    GdiCensus() {
        installed_ =
            Patch("gdi32.dll", "CreateCompatibleDC", &CreateCompatibleDcHook,
                  createCompatibleDc_) &&
            Patch("gdi32.dll", "DeleteDC", &DeleteDcHook, deleteDc_) &&
            Patch("gdi32.dll", "CreateDIBSection", &CreateDibSectionHook, createDibSection_) &&
            Patch("gdi32.dll", "CreatePatternBrush", &CreatePatternBrushHook,
                  createPatternBrush_) &&
            Patch("gdi32.dll", "CreateFontW", &CreateFontHook, createFont_) &&
            Patch("gdi32.dll", "DeleteObject", &DeleteObjectHook, deleteObject_) &&
            Patch("user32.dll", "LoadImageW", &LoadImageHook, loadImage_) &&
            Patch("user32.dll", "GetDC", &GetDcHook, getDc_) &&
            Patch("user32.dll", "ReleaseDC", &ReleaseDcHook, releaseDc_);
    }

    bool installed_ = false;
    std::set<HANDLE> live_;
    long windowDcs_ = 0;
    long strayDeletes_ = 0;
};

// Windows of this thread, top-level and children: the USER objects the toolkit makes.
inline long CountThreadWindows() {
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

}  // namespace tockly::testing
