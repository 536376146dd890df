#pragma once
// Screenshots through GDI and FreeImage. The capture and the save are offered one by one for the
// capture benchmark and the tests.

#include <windows.h>

#include <FreeImage.h>

#include <memory>
#include <string_view>

#include "platform/screen_capture.h"

namespace tockly {

struct FreeImageUnloader {
    void operator()(FIBITMAP* image) const noexcept { FreeImage_Unload(image); }
};
using FreeImageBitmap = std::unique_ptr<FIBITMAP, FreeImageUnloader>;

// Initialises the static FreeImage library once for the process; any thread may call it.
void EnsureFreeImage();

// The virtual screen (every monitor, from its top-left corner) as a 24-bit image, so that every
// pixel is opaque whatever the screen's depth; null when the capture failed.
FreeImageBitmap CaptureVirtualScreen();

// FreeImage's format and save flags for a screenshot format.
struct FreeImageSave {
    FREE_IMAGE_FORMAT format;
    int flags;
};
FreeImageSave FreeImageSaveOf(ScreenshotFormat format);

// Saves `image` under the wide-character `path` exactly (FreeImage_SaveU). A failed save removes
// what it may have begun to write.
bool SaveScreenImage(FIBITMAP* image, std::u16string_view path, ScreenshotFormat format);

class Win32ScreenCapture final : public ScreenCapture {
public:
    bool SaveScreenshot(std::u16string_view path, ScreenshotFormat format) override;
};

}  // namespace tockly
