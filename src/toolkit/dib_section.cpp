#include "toolkit/dib_section.h"

namespace tockly {

DibSection CreateDibSection32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: the top row comes first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    DibSection section;
    // With DIB_RGB_COLORS no DC is needed.
    section.bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (section.bitmap) {
        section.pixels = static_cast<std::uint32_t*>(bits);
    }
    return section;
}

}  // namespace tockly
