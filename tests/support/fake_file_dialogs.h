#pragma once
// File dialogs that answer what the test chose, without showing anything, and remember what they
// were asked.

#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

namespace tockly::testing {

class FakeFileDialogs final : public FileDialogs {
public:
    enum class Kind { Open, Save, Folder };
    struct Asked {
        Kind kind;
        void* owner;
        std::vector<FileTypeFilter> filters;
    };

    // What the next dialogs answer; nullopt: the user cancels.
    std::optional<std::u16string> openAnswer;
    std::optional<std::u16string> saveAnswer;
    std::optional<std::u16string> folderAnswer;
    std::vector<Asked> asked;

    std::optional<std::u16string> ChooseFileToOpen(const FileDialogRequest& request) override {
        asked.push_back({Kind::Open, request.owner, request.filters});
        return openAnswer;
    }
    std::optional<std::u16string> ChooseFileToSave(const FileDialogRequest& request) override {
        asked.push_back({Kind::Save, request.owner, request.filters});
        return saveAnswer;
    }
    std::optional<std::u16string> ChooseFolder(const FolderDialogRequest& request) override {
        asked.push_back({Kind::Folder, request.owner, {}});
        return folderAnswer;
    }
};

}  // namespace tockly::testing
