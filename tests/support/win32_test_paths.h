#pragma once
// Paths that Win32 tests need, from the environment ctest gives them.

#include <windows.h>

#include <cstdlib>
#include <string>

namespace tockly::testing {

// A host (Linux) path as Wine sees it: drive Z: is the host's root.
inline std::wstring HostPathToWindows(const char* hostPath) {
    std::wstring path = L"Z:";
    for (const char* c = hostPath; *c != '\0'; ++c) {
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    }
    return path;
}

// The folder with Tockly.exe and the build's tools.
inline std::wstring BinaryFolder() {
    const char* folder = std::getenv("TOCKLY_BIN_DIR");
    return folder ? HostPathToWindows(folder) : std::wstring(L".");
}

inline std::wstring TocklyExe() {
    return BinaryFolder() + L"\\Tockly.exe";
}

inline std::wstring InspectorExe() {
    return BinaryFolder() + L"\\tockly-inspect.exe";
}

// A new empty folder under the temporary folder, unique to this process and call.
inline std::wstring MakeScratchFolder(const wchar_t* name) {
    static int counter = 0;
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"tockly-" + name + L"-" +
                          std::to_wstring(::GetCurrentProcessId()) + L"-" +
                          std::to_wstring(++counter);
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

}  // namespace tockly::testing
