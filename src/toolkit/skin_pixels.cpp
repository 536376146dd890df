#include "toolkit/skin_pixels.h"

#include <algorithm>
#include <cstddef>

namespace tockly {

void MirrorPixelRows(std::span<std::uint32_t> pixels, int width, int height) noexcept {
    if (width <= 0 || height <= 0 ||
        pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    for (int row = 0; row < height; ++row) {
        auto first = pixels.begin() + static_cast<std::ptrdiff_t>(row) * width;
        std::reverse(first, first + width);
    }
}

}  // namespace tockly
