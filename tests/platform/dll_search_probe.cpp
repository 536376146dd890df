// Loads a system DLL the way the program does and says whose it got: exit code 0 for the system's,
// 1 for a planted copy, 2 when nothing was loaded. Run from a folder that holds planted copies.
//
//   dll_search_probe plain NAME     LoadLibraryW(NAME), as the system searches by default
//   dll_search_probe limited NAME   the start-up's limit first, then LoadLibraryW(NAME)
//   dll_search_probe system NAME    LoadSystemLibrary(NAME)
//   dll_search_probe path NAME      LoadSystemLibraryByPath(NAME)
//   dll_search_probe richedit -     LoadRichEditLibrary(), then the module named riched20.dll

#include <windows.h>

#include <string_view>

#include "platform/win32_system_library.h"
#include "toolkit/rich_edit_library.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 3;
    }
    const std::wstring_view mode = argv[1];
    const wchar_t* name = argv[2];
    HMODULE module = nullptr;
    if (mode == L"plain") {
        module = ::LoadLibraryW(name);
    } else if (mode == L"limited") {
        tockly::LimitDllSearchToSystemFolder();
        module = ::LoadLibraryW(name);
    } else if (mode == L"system") {
        module = tockly::LoadSystemLibrary(name);
    } else if (mode == L"path") {
        module = tockly::LoadSystemLibraryByPath(name);
    } else if (mode == L"richedit" && tockly::LoadRichEditLibrary()) {
        module = ::GetModuleHandleW(L"riched20.dll");
    }
    if (module == nullptr) {
        return 2;
    }
    return ::GetProcAddress(module, "TocklyPlantedDll") != nullptr ? 1 : 0;
}
