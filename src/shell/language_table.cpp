#include "shell/language_table.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "shell/language_file.h"
#include "support/unique_handle.h"
#include "support/wide_text.h"

namespace tockly {
namespace {

constexpr std::u16string_view kLanguageFolderName = u"\\language";

enum class LongerFile { kCut, kRefuse };

// At most the first `limit` bytes of a file; nullopt when it cannot be opened or read, or when it
// is longer and such a file is refused.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::u16string& path,
                                                       std::size_t limit, LongerFile longer) {
    FileHandle file(::CreateFileW(AsWide(path), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size)) {
        return std::nullopt;
    }
    const auto fileSize = static_cast<std::uint64_t>(size.QuadPart);
    if (longer == LongerFile::kRefuse && fileSize > limit) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, limit)));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), bytes.data() + filled,
                        static_cast<DWORD>(bytes.size() - filled), &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            break;  // the file shrank since its size was taken
        }
        filled += read;
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace

std::optional<std::u16string> LanguageTable::LanguageFolder() const {
    const std::optional<std::u16string> program = program_.ProgramFolder();
    if (!program) {
        return std::nullopt;
    }
    return *program + std::u16string(kLanguageFolderName);
}

void LanguageTable::Load() {
    if (settings_ == nullptr) {
        return;
    }
    Scan();
    Select(settings_->language());
    LoadSelected();
}

void LanguageTable::Scan() {
    ForgetScan();
    const std::optional<std::u16string> folder = LanguageFolder();
    if (!folder) {
        return;
    }
    WIN32_FIND_DATAW entry{};
    FindHandle search(::FindFirstFileW(AsWide(*folder + u"\\*"), &entry));
    if (!search) {
        return;
    }
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            continue;
        }
        const std::u16string name = FromWide(entry.cFileName);
        if (IsLanguagePictureName(name)) {
            AddPicture(name);
        }
        if (IsLanguageFileName(name)) {
            if (const auto head =
                    ReadFileStart(*folder + u"\\" + name, kLanguageHeadBytes, LongerFile::kCut)) {
                AddLanguageFile(name, *head);
            }
        }
    } while (::FindNextFileW(search.get(), &entry));
}

void LanguageTable::LoadSelected() {
    const std::optional<std::u16string> file = SelectedFile();
    const std::optional<std::u16string> folder = LanguageFolder();
    if (!file || !folder) {
        LoadSelectedFrom(std::nullopt);
        return;
    }
    LoadSelectedFrom(
        ReadFileStart(*folder + u"\\" + *file, kMaxLanguageFileBytes, LongerFile::kRefuse));
}

}  // namespace tockly
