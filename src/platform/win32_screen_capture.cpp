#include "platform/win32_screen_capture.h"

#include <string>

#include "support/gdi_handles.h"
#include "support/wide_text.h"

namespace tockly {
namespace {

constexpr int kBitsPerPixel = 24;

// PNG stays lossless at every level; the lowest level of zlib saves a full-HD screen several
// times faster than the default for a file about a fifth larger.
constexpr int kPngFlags = PNG_Z_BEST_SPEED;
constexpr int kJpegFlags = JPEG_QUALITYSUPERB;
constexpr int kBmpFlags = BMP_DEFAULT;

struct FreeImageLibrary {
    // TRUE: only the built-in formats, no search for plugin DLLs beside the program.
    FreeImageLibrary() { FreeImage_Initialise(TRUE); }
    ~FreeImageLibrary() { FreeImage_DeInitialise(); }
    FreeImageLibrary(const FreeImageLibrary&) = delete;
    FreeImageLibrary& operator=(const FreeImageLibrary&) = delete;
};

}  // namespace

void EnsureFreeImage() {
    static const FreeImageLibrary library;
}

FreeImageBitmap CaptureVirtualScreen() {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    // DeleteDC frees a display DC as it frees a memory DC.
    const UniqueMemoryDc screen(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    if (!screen) {
        return nullptr;
    }
    const UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    const UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    if (!memory || !bitmap) {
        return nullptr;
    }
    {
        const SelectedObject selected(memory.get(), bitmap.get());
        // The display DC's origin is the primary monitor's corner; monitors to its left or above
        // it lie at negative coordinates.
        if (!selected.selected() ||
            !::BitBlt(memory.get(), 0, 0, width, height, screen.get(), left, top, SRCCOPY)) {
            return nullptr;
        }
    }
    EnsureFreeImage();
    FreeImageBitmap image(FreeImage_Allocate(width, height, kBitsPerPixel));
    if (!image) {
        return nullptr;
    }
    // GetDIBits converts the bitmap (no longer selected, as it must be) into FreeImage's rows:
    // bottom-up and padded to four bytes, as a DIB's are.
    const int rows =
        ::GetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(height),
                    FreeImage_GetBits(image.get()), FreeImage_GetInfo(image.get()), DIB_RGB_COLORS);
    // GetDIBits writes colour counts into the header; a 24-bit image has no palette.
    BITMAPINFOHEADER* header = FreeImage_GetInfoHeader(image.get());
    header->biClrUsed = 0;
    header->biClrImportant = 0;
    if (rows != height) {
        return nullptr;
    }
    return image;
}

FreeImageSave FreeImageSaveOf(ScreenshotFormat format) {
    switch (format) {
        case ScreenshotFormat::Jpeg:
            return {FIF_JPEG, kJpegFlags};
        case ScreenshotFormat::Bmp:
            return {FIF_BMP, kBmpFlags};
        case ScreenshotFormat::Png:
            break;
    }
    return {FIF_PNG, kPngFlags};
}

bool SaveScreenImage(FIBITMAP* image, std::u16string_view path, ScreenshotFormat format) {
    EnsureFreeImage();
    const std::wstring file = ToWide(path);
    const FreeImageSave save = FreeImageSaveOf(format);
    if (FreeImage_SaveU(save.format, image, file.c_str(), save.flags)) {
        return true;
    }
    ::DeleteFileW(file.c_str());
    return false;
}

bool Win32ScreenCapture::SaveScreenshot(std::u16string_view path, ScreenshotFormat format) {
    const FreeImageBitmap image = CaptureVirtualScreen();
    return image && SaveScreenImage(image.get(), path, format);
}

}  // namespace tockly
