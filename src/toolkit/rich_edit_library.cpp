#include "toolkit/rich_edit_library.h"

#include "platform/win32_system_library.h"

namespace tockly {

bool LoadRichEditLibrary() noexcept {
    static HMODULE library = nullptr;  // UI thread only; never freed while windows may use it
    if (!library) {
        library = LoadSystemLibrary(L"riched20.dll");
    }
    return library != nullptr;
}

}  // namespace tockly
