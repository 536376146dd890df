#include "platform/win32_process_enumerator.h"

#include <windows.h>

#include <psapi.h>

#include "platform/win32_system_library.h"
#include "support/unique_handle.h"
#include "support/wide_text.h"

namespace tockly {
namespace {

// Room for 1,024 ids first; a full buffer may have cut the list, so it grows until it is not.
constexpr DWORD kFirstIdCount = 1024;
constexpr DWORD kMostIdCount = 1024 * 64;
constexpr DWORD kImagePathLength = 2047;

// psapi's two functions, from the system folder while the enumeration runs.
struct Psapi {
    SystemLibrary library{L"psapi.dll"};
    decltype(&::EnumProcesses) enumProcesses =
        library.Find<decltype(&::EnumProcesses)>("EnumProcesses");
    decltype(&::GetProcessImageFileNameW) imageFileName =
        library.Find<decltype(&::GetProcessImageFileNameW)>("GetProcessImageFileNameW");
};

std::vector<DWORD> ProcessIds(const Psapi& psapi) {
    for (DWORD count = kFirstIdCount; count <= kMostIdCount; count *= 2) {
        std::vector<DWORD> ids(count);
        DWORD bytes = 0;
        if (!psapi.enumProcesses(ids.data(), count * sizeof(DWORD), &bytes)) {
            return {};
        }
        if (bytes < count * sizeof(DWORD)) {
            ids.resize(bytes / sizeof(DWORD));
            return ids;
        }
    }
    return {};
}

}  // namespace

std::vector<RunningProcess> Win32ProcessEnumerator::Enumerate() {
    std::vector<RunningProcess> processes;
    const Psapi psapi;
    if (psapi.enumProcesses == nullptr || psapi.imageFileName == nullptr) {
        return processes;
    }
    wchar_t path[kImagePathLength + 1];
    for (const DWORD id : ProcessIds(psapi)) {
        const KernelHandle process(::OpenProcess(PROCESS_ALL_ACCESS, FALSE, id));
        if (!process) {
            continue;
        }
        const DWORD length = psapi.imageFileName(process.get(), path, kImagePathLength);
        if (length > 0) {
            processes.push_back({id, FromWide(std::wstring_view(path, length))});
        }
    }
    return processes;
}

}  // namespace tockly
