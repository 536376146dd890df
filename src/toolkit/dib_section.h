#pragma once
// A 32-bit top-down DIB section: the same pixel layout on every screen, so that AlphaBlend and
// GradientFill behave alike everywhere and the pixels can be read back in order.

#include <windows.h>

#include <cstdint>

#include "support/gdi_handles.h"

namespace tockly {

struct DibSection {
    UniqueBitmap bitmap;              // null when the platform refuses the memory
    std::uint32_t* pixels = nullptr;  // width x height, top row first, while the bitmap lives
};

DibSection CreateDibSection32(int width, int height);

}  // namespace tockly
