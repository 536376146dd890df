#include "platform/win32_program_environment.h"

#include <shlobj.h>
#include <windows.h>

#include "support/wide_text.h"

namespace tockly {
namespace {
constexpr DWORD kModulePathCapacity = 2048;
}

std::optional<std::u16string> Win32ProgramEnvironment::ModulePath() {
    wchar_t path[kModulePathCapacity];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, kModulePathCapacity);
    // A full buffer means the path was cut short; a cut path is no path.
    if (length == 0 || length >= kModulePathCapacity) {
        return std::nullopt;
    }
    return FromWide(std::wstring_view(path, length));
}

std::optional<std::u16string> Win32ProgramEnvironment::LocalAppDataFolder() {
    wchar_t folder[MAX_PATH];
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder))) {
        return std::nullopt;
    }
    return FromWide(folder);
}

}  // namespace tockly
