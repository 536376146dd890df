#include "platform/win32_path_probe.h"

#include <windows.h>

#include "support/wide_text.h"

namespace tockly {

PathKind Win32PathProbe::KindOf(const std::u16string& path) const {
    if (path.empty()) {
        return PathKind::Missing;
    }
    const DWORD attributes = ::GetFileAttributesW(AsWide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return PathKind::Missing;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

}  // namespace tockly
