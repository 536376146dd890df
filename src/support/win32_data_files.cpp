#include "support/win32_data_files.h"

#include <windows.h>

#include <algorithm>

#include "support/unique_handle.h"
#include "support/wide_text.h"

namespace tockly {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::u16string& path,
                                                       std::uint64_t mostBytes) {
    FileHandle file(::CreateFileW(AsWide(path), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > std::min(mostBytes, kMostWholeFileBytes)) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

namespace {

// The complete file goes to "<path>.tmp" first and is then moved to `path` with `moveFlags`.
bool WriteThroughTemporary(const std::u16string& path, std::span<const std::uint8_t> bytes,
                           DWORD moveFlags) {
    const std::u16string temporary = path + u".tmp";
    {
        FileHandle file(::CreateFileW(AsWide(temporary), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return false;
        }
        DWORD written = 0;
        const bool complete = bytes.size() < MAXDWORD &&
                              ::WriteFile(file.get(), bytes.data(),
                                          static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                              written == bytes.size() && ::FlushFileBuffers(file.get());
        if (!complete) {
            file.reset();
            ::DeleteFileW(AsWide(temporary));
            return false;
        }
    }
    if (!::MoveFileExW(AsWide(temporary), AsWide(path), moveFlags | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(AsWide(temporary));
        return false;
    }
    return true;
}

}  // namespace

bool ReplaceWholeFile(const std::u16string& path, std::span<const std::uint8_t> bytes) {
    return WriteThroughTemporary(path, bytes, MOVEFILE_REPLACE_EXISTING);
}

bool CreateWholeFile(const std::u16string& path, std::span<const std::uint8_t> bytes) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when `path` exists.
    return WriteThroughTemporary(path, bytes, 0);
}

bool CreateFolder(const std::u16string& path) {
    return ::CreateDirectoryW(AsWide(path), nullptr) != 0;
}

bool FolderExists(const std::u16string& path) {
    const DWORD attributes = ::GetFileAttributesW(AsWide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace tockly
