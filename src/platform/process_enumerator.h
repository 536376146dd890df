#pragma once
// The processes running on the computer that this user may open, for the process chooser.

#include <cstdint>
#include <string>
#include <vector>

namespace tockly {

struct RunningProcess {
    std::uint32_t id = 0;
    // The image's full path as the platform names it (a device path such as
    // "\Device\HarddiskVolume2\Windows\notepad.exe" on Windows).
    std::u16string imagePath;

    bool operator==(const RunningProcess&) const = default;
};

class ProcessEnumerator {
public:
    virtual ~ProcessEnumerator() = default;

    // EnumProcesses, then OpenProcess(PROCESS_ALL_ACCESS) and GetProcessImageFileNameW for each
    // id, in the platform's order. A process that cannot be opened or has no image path is left
    // out; empty when the enumeration fails.
    virtual std::vector<RunningProcess> Enumerate() = 0;
};

}  // namespace tockly
