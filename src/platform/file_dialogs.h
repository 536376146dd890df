#pragma once
// The system's dialogs that ask the user for a file or a folder: a file to open (the stopwatch's
// times list, a program, a sound), a file name to save under, a folder. The program uses the real
// ones (Win32FileDialogs); tests choose the answer, so that no dialog waits for a person.

#include <optional>
#include <string>
#include <vector>

namespace tockly {

// One entry of a dialog's file type list: the text shown ("Text Files (*.txt)") and the patterns
// it stands for, separated by ';' ("*.txt", "*.exe;*.msi").
struct FileTypeFilter {
    std::u16string description;
    std::u16string patterns;

    bool operator==(const FileTypeFilter&) const = default;
};

struct FileDialogRequest {
    // The window the dialog belongs to (an HWND; null for none): it is disabled while the dialog
    // is open.
    void* owner = nullptr;
    std::vector<FileTypeFilter> filters;
    // Empty: the system's own title.
    std::u16string title;
};

struct FolderDialogRequest {
    void* owner = nullptr;
    // The line above the folder tree; empty for none.
    std::u16string title;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The full path of an existing file the user chose, or nullopt when the dialog was cancelled
    // or failed.
    virtual std::optional<std::u16string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
    // The full path the user chose to save under (the file may or may not exist), or nullopt.
    virtual std::optional<std::u16string> ChooseFileToSave(const FileDialogRequest& request) = 0;
    // A folder of the file system, or nullopt.
    virtual std::optional<std::u16string> ChooseFolder(const FolderDialogRequest& request) = 0;
};

}  // namespace tockly
