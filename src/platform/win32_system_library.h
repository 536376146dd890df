#pragma once
// Libraries of the system that the program loads while it runs come from the system folder only:
// a DLL of the same name in the program's folder or the current folder (one planted beside a
// downloaded Tockly.exe, say) is never picked up.

#include <windows.h>

#include <string_view>

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

}  // namespace tockly
