#pragma once
// Libraries of the system that the program loads while it runs come from the system folder only:
// a DLL of the same name in the program's folder or the current folder (one planted beside a
// downloaded Tockly.exe, say) is never picked up.

#include <windows.h>

#include <string_view>

#include "support/unique_handle.h"

namespace tockly {

// Loads `name` ("riched20.dll") from the system folder, and lets it find its own dependencies
// there only, where the system can (LOAD_LIBRARY_SEARCH_SYSTEM32: Windows 7, and Vista with
// KB2533623). Elsewhere it loads the file by its full path in the system folder. Null on failure.
[[nodiscard]] HMODULE LoadSystemLibrary(std::wstring_view name) noexcept;

// The fallback of LoadSystemLibrary: the file by its full path in the system folder.
[[nodiscard]] HMODULE LoadSystemLibraryByPath(std::wstring_view name) noexcept;

// Takes the program's folder and the current folder out of the search for the DLLs the process
// loads by name from then on, its own and those the system loads for it. Called first at start-up.
void LimitDllSearchToSystemFolder() noexcept;

// A system library that is not always in the process, loaded from the system folder for as long
// as the object lives. The program calls such libraries (winmm, rasapi32, psapi, powrprof ...)
// through this rather than through its import table: the system resolves imports before the
// program runs, looking in the program's folder first for any DLL it does not keep in its known
// list.
class SystemLibrary {
public:
    explicit SystemLibrary(std::wstring_view name) noexcept : module_(LoadSystemLibrary(name)) {}

    [[nodiscard]] bool loaded() const noexcept { return module_.valid(); }
    // The function `name` of the library as `FunctionPointer` (decltype(&::PlaySoundW)), or null.
    template <typename FunctionPointer>
    [[nodiscard]] FunctionPointer Find(const char* name) const noexcept {
        if (!module_) {
            return nullptr;
        }
        return reinterpret_cast<FunctionPointer>(
            reinterpret_cast<void*>(::GetProcAddress(module_.get(), name)));
    }

private:
    LibraryModule module_;
};

}  // namespace tockly
