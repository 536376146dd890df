#include "toolkit/rich_edit_library.h"

#include <string>

namespace tockly {

bool LoadRichEditLibrary() noexcept {
    static HMODULE library = nullptr;  // UI thread only; never freed while windows may use it
    if (library) {
        return true;
    }
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }
    // A full path: the loader takes exactly this file.
    const std::wstring path = std::wstring(folder, length) + L"\\riched20.dll";
    library = ::LoadLibraryW(path.c_str());
    return library != nullptr;
}

}  // namespace tockly
