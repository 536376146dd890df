// Loads a system DLL the way the program does and says whose it got: exit code 0 for the system's,
// 1 for a planted copy, 2 when nothing was loaded. Run from a folder that holds planted copies.
//
//   dll_search_probe plain NAME     LoadLibraryW(NAME), as the system searches by default
//   dll_search_probe limited NAME   the start-up's limit first, then LoadLibraryW(NAME)
//   dll_search_probe system NAME    LoadSystemLibrary(NAME)
//   dll_search_probe path NAME      LoadSystemLibraryByPath(NAME)
//   dll_search_probe richedit -     LoadRichEditLibrary(), then the module named riched20.dll
//   dll_search_probe sound -        the sound player stops; its winmm.dll
//   dll_search_probe processes -    the process list (psapi.dll): 0 when it lists any process
//   dll_search_probe dialup -       the dial-up functions (rasapi32.dll): 0 when all are found
// The last three answer 1 whenever a planted DLL was loaded into the probe at all.

#include <windows.h>

#include <string_view>

#include "platform/win32_dial_up.h"
#include "platform/win32_process_enumerator.h"
#include "platform/win32_sound_player.h"
#include "platform/win32_system_library.h"
#include "toolkit/rich_edit_library.h"

namespace {

bool PlantedDllLoaded() {
    wchar_t value[2];
    return ::GetEnvironmentVariableW(L"TOCKLY_PLANTED_DLL_LOADED", value, 2) > 0;
}

// What the seam's real implementations load: 0, 1 or 2 as above, or -1 for another mode.
int SeamLoads(std::wstring_view mode) {
    bool works = false;
    if (mode == L"sound") {
        tockly::Win32SoundPlayer sound;
        sound.Stop();
        works = ::GetModuleHandleW(L"winmm.dll") != nullptr;
    } else if (mode == L"processes") {
        works = !tockly::Win32ProcessEnumerator().Enumerate().empty();
    } else if (mode == L"dialup") {
        works = tockly::RasFunctions::System().complete();
    } else {
        return -1;
    }
    return PlantedDllLoaded() ? 1 : works ? 0 : 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 3;
    }
    const std::wstring_view mode = argv[1];
    const wchar_t* name = argv[2];
    if (const int seam = SeamLoads(mode); seam >= 0) {
        return seam;
    }
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
