#include "platform/win32_system_library.h"

#include <string>

namespace tockly {
namespace {

// kernel32's own function, if this system has it; kernel32 is always loaded.
template <typename Function>
Function* Kernel32Function(const char* name) noexcept {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), name)));
}

// The LOAD_LIBRARY_SEARCH_ flags came with these functions (KB2533623); older loaders refuse them.
bool HasSearchFlags() noexcept {
    return Kernel32Function<BOOL WINAPI(DWORD)>("SetDefaultDllDirectories") != nullptr;
}

}  // namespace

HMODULE LoadSystemLibrary(std::wstring_view name) noexcept {
    if (HasSearchFlags()) {
        const std::wstring file(name);
        return ::LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    return LoadSystemLibraryByPath(name);
}

HMODULE LoadSystemLibraryByPath(std::wstring_view name) noexcept {
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    std::wstring path(folder, length);
    path += L'\\';
    path += name;
    return ::LoadLibraryW(path.c_str());
}

void LimitDllSearchToSystemFolder() noexcept {
    const auto setDefault = Kernel32Function<BOOL WINAPI(DWORD)>("SetDefaultDllDirectories");
    if (setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return;
    }
    // Without it the program's folder stays in the search, but the current folder goes.
    ::SetDllDirectoryW(L"");
}

}  // namespace tockly
