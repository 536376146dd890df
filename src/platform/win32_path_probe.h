#pragma once

#include "platform/path_probe.h"

namespace tockly {

// GetFileAttributesW.
class Win32PathProbe final : public PathProbe {
public:
    PathKind KindOf(const std::u16string& path) const override;
};

}  // namespace tockly
