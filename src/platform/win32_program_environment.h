#pragma once

#include "platform/program_environment.h"

namespace tockly {

class Win32ProgramEnvironment final : public ProgramEnvironment {
public:
    std::optional<std::u16string> ModulePath() override;
    std::optional<std::u16string> LocalAppDataFolder() override;
};

}  // namespace tockly
