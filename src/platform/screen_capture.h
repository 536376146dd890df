#pragma once
// Screenshots: the whole virtual screen (every monitor), saved as a picture file.

#include <cstdint>
#include <string_view>

namespace tockly {

// The values the print screen record keeps.
enum class ScreenshotFormat : std::int32_t { Png = 0, Jpeg = 1, Bmp = 2 };

class ScreenCapture {
public:
    virtual ~ScreenCapture() = default;

    // Captures the screen as it is now and saves it under `path` (any characters) in `format`.
    // The pixels saved are opaque. True when the file was written; a failure (folder missing,
    // no rights, disk full) leaves no file.
    virtual bool SaveScreenshot(std::u16string_view path, ScreenshotFormat format) = 0;
};

}  // namespace tockly
