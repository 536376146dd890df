#pragma once
// What a program leaves on the machine: every file under C:\ with its size and time of last
// write, and every registry value under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE with its data,
// taken before and after a run and compared.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "support/unique_handle.h"
#include "support/win32_files.h"

namespace tockly::testing {

// Path (a file's, or a registry value's: "HKCU\Key\Name") to what it holds.
using Footprint = std::map<std::wstring, std::wstring>;

inline void AddFiles(const std::wstring& folder, Footprint& footprint) {
    ForEachEntry(folder, [&](const std::wstring& name, const WIN32_FIND_DATAW& found) {
        const std::wstring path = folder + L"\\" + name;
        // Links (Wine's "Z:" and the folders it maps to the host's) are not followed.
        if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            footprint[path] = L"link";
        } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            footprint[path] = L"folder";
            AddFiles(path, footprint);
        } else {
            const ULARGE_INTEGER written{
                {found.ftLastWriteTime.dwLowDateTime, found.ftLastWriteTime.dwHighDateTime}};
            footprint[path] = std::to_wstring(found.nFileSizeLow) + L" bytes, written " +
                              std::to_wstring(written.QuadPart);
        }
    });
}

inline void AddRegistry(HKEY root, const std::wstring& path, Footprint& footprint) {
    RegistryKey key;
    const std::wstring subKey =
        path.substr(path.find(L'\\') == std::wstring::npos ? path.size() : path.find(L'\\') + 1);
    if (::RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) {
        return;
    }
    footprint[path + L"\\"] = L"key";
    std::vector<wchar_t> name(32768);
    std::vector<BYTE> data(1 << 16);
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (::RegEnumValueW(key.get(), index, name.data(), &nameLength, nullptr, &type, data.data(),
                            &size) != ERROR_SUCCESS) {
            break;
        }
        std::wstring shown = std::to_wstring(type) + L":";
        if (type == REG_SZ || type == REG_EXPAND_SZ) {
            std::wstring text(reinterpret_cast<const wchar_t*>(data.data()),
                              size / sizeof(wchar_t));
            while (!text.empty() && text.back() == L'\0') {
                text.pop_back();
            }
            shown += text;
        } else {
            for (DWORD i = 0; i < size; ++i) {
                shown += std::to_wstring(data[i]) + L",";
            }
        }
        footprint[path + L"\\" + std::wstring(name.data(), nameLength)] = shown;
    }
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        if (::RegEnumKeyExW(key.get(), index, name.data(), &nameLength, nullptr, nullptr, nullptr,
                            nullptr) != ERROR_SUCCESS) {
            break;
        }
        AddRegistry(root, path + L"\\" + std::wstring(name.data(), nameLength), footprint);
    }
}

inline Footprint TakeFootprint() {
    Footprint footprint;
    AddFiles(L"C:", footprint);
    AddRegistry(HKEY_CURRENT_USER, L"HKCU", footprint);
    AddRegistry(HKEY_LOCAL_MACHINE, L"HKLM", footprint);
    return footprint;
}

// What `after` holds that `before` did not, or holds otherwise, and what it lost ("removed").
inline Footprint Changes(const Footprint& before, const Footprint& after) {
    Footprint changes;
    for (const auto& [path, held] : after) {
        const auto old = before.find(path);
        if (old == before.end() || old->second != held) {
            changes[path] = held;
        }
    }
    for (const auto& [path, held] : before) {
        if (!after.contains(path)) {
            changes[path] = L"removed";
        }
    }
    return changes;
}

}  // namespace tockly::testing
