#include "platform/win32_file_dialogs.h"

#include <windows.h>

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include "support/wide_text.h"

namespace tockly {
namespace {

constexpr DWORD kFileNameBuffer = 2048;

// An item id list the shell allocated.
struct ShellItemList {
    PIDLIST_ABSOLUTE list = nullptr;
    ~ShellItemList() { ::CoTaskMemFree(list); }
};

template <typename Show>
std::optional<std::u16string> ChooseFile(const FileDialogRequest& request, DWORD flags, Show show) {
    const std::wstring filter = CommonDialogFilter(request.filters);
    const std::wstring title = ToWide(request.title);
    std::wstring name(kFileNameBuffer, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = static_cast<HWND>(request.owner);
    dialog.lpstrFilter = filter.size() > 1 ? filter.c_str() : nullptr;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = kFileNameBuffer;
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.Flags = flags;
    if (!show(&dialog)) {
        return std::nullopt;
    }
    name.resize(name.find(L'\0'));
    if (name.empty()) {
        return std::nullopt;
    }
    return FromWide(name);
}

}  // namespace

std::wstring CommonDialogFilter(const std::vector<FileTypeFilter>& filters) {
    std::wstring filter;
    for (const FileTypeFilter& entry : filters) {
        filter += ToWide(entry.description);
        filter += L'\0';
        filter += ToWide(entry.patterns);
        filter += L'\0';
    }
    filter += L'\0';
    return filter;
}

std::optional<std::u16string> Win32FileDialogs::ChooseFileToOpen(const FileDialogRequest& request) {
    return ChooseFile(request,
                      OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_LONGNAMES,
                      [](OPENFILENAMEW* dialog) { return ::GetOpenFileNameW(dialog) != FALSE; });
}

std::optional<std::u16string> Win32FileDialogs::ChooseFileToSave(const FileDialogRequest& request) {
    return ChooseFile(request, OFN_HIDEREADONLY | OFN_LONGNAMES,
                      [](OPENFILENAMEW* dialog) { return ::GetSaveFileNameW(dialog) != FALSE; });
}

std::optional<std::u16string> Win32FileDialogs::ChooseFolder(const FolderDialogRequest& request) {
    // The new dialog style needs COM on this thread; a thread that has it already keeps it.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::optional<std::u16string> folder;
    {
        const std::wstring title = ToWide(request.title);
        BROWSEINFOW browse{};
        browse.hwndOwner = static_cast<HWND>(request.owner);
        browse.lpszTitle = title.empty() ? nullptr : title.c_str();
        browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
        ShellItemList chosen{::SHBrowseForFolderW(&browse)};
        wchar_t path[MAX_PATH] = {};
        if (chosen.list != nullptr && ::SHGetPathFromIDListW(chosen.list, path)) {
            folder = FromWide(path);
        }
    }
    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    return folder;
}

}  // namespace tockly
