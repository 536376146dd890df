#pragma once

#include "platform/pause.h"

namespace tockly {

class Win32Pause final : public Pause {
public:
    void Wait(std::chrono::milliseconds duration) override;
};

}  // namespace tockly
