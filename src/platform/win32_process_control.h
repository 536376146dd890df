#pragma once

#include "platform/process_control.h"

namespace tockly {

// CreateProcessW, and OpenProcess with TerminateProcess.
class Win32ProcessControl final : public ProcessControl {
public:
    bool StartProgram(const ProgramStart& start) override;
    bool EndProcess(std::uint32_t processId) override;
};

}  // namespace tockly
