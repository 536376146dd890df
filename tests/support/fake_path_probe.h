#pragma once
// A file system of the paths a test names: every other path is missing.

#include <map>
#include <string>

#include "platform/path_probe.h"

namespace tockly::testing {

class FakePathProbe final : public PathProbe {
public:
    PathKind KindOf(const std::u16string& path) const override {
        const auto found = kinds.find(path);
        return found == kinds.end() ? PathKind::Missing : found->second;
    }

    std::map<std::u16string, PathKind> kinds;
};

}  // namespace tockly::testing
