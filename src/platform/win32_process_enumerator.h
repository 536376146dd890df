#pragma once

#include "platform/process_enumerator.h"

namespace tockly {

// EnumProcesses, OpenProcess and GetProcessImageFileNameW.
class Win32ProcessEnumerator final : public ProcessEnumerator {
public:
    std::vector<RunningProcess> Enumerate() override;
};

}  // namespace tockly
