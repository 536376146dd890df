#pragma once

#include "platform/autostart_registry.h"

namespace tockly {

class Win32AutostartRegistry final : public AutostartRegistry {
public:
    bool SetRunValue(std::u16string_view name, std::u16string_view data) override;
    bool DeleteRunValue(std::u16string_view name) override;
};

}  // namespace tockly
