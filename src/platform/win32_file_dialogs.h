#pragma once

#include "platform/file_dialogs.h"

namespace tockly {

// GetOpenFileNameW and GetSaveFileNameW with a 2,048-character name buffer and long names
// (opening asks for a file that exists), SHBrowseForFolderW for folders of the file system.
class Win32FileDialogs final : public FileDialogs {
public:
    std::optional<std::u16string> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::u16string> ChooseFileToSave(const FileDialogRequest& request) override;
    std::optional<std::u16string> ChooseFolder(const FolderDialogRequest& request) override;
};

// The filter string of the common dialogs: each description and its patterns, each ended by a
// NUL, and one more NUL at the end.
std::wstring CommonDialogFilter(const std::vector<FileTypeFilter>& filters);

}  // namespace tockly
