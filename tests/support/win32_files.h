#pragma once
// File and folder helpers for Win32 tests: they check what the program wrote.

#include <shellapi.h>
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "support/unique_handle.h"

namespace tockly::testing {

inline bool PathExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::optional<std::vector<std::uint8_t>> FileBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Calls `visit` with the name and find data of each file and folder in `folder` (not "." and "..").
inline void ForEachEntry(
    const std::wstring& folder,
    const std::function<void(const std::wstring&, const WIN32_FIND_DATAW&)>& visit) {
    WIN32_FIND_DATAW found{};
    const FindHandle search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!search) {
        return;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            visit(name, found);
        }
    } while (::FindNextFileW(search.get(), &found));
}

// Deletes a folder and everything in it.
inline void RemoveTree(const std::wstring& folder) {
    std::wstring from = folder;
    from.push_back(L'\0');  // SHFileOperation takes a double-terminated list
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&operation);
}

}  // namespace tockly::testing
