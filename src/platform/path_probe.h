#pragma once
// What the file system holds at a path: the editors check that a program, a working folder or a
// screenshot folder is there before they create a task that needs it.

#include <string>

namespace tockly {

enum class PathKind { Missing, File, Folder };

class PathProbe {
public:
    virtual ~PathProbe() = default;

    // GetFileAttributesW: Missing when the path cannot be read (also an empty path).
    virtual PathKind KindOf(const std::u16string& path) const = 0;
};

}  // namespace tockly
