#pragma once
// Pixel work on skin bitmaps at load time. Portable.

#include <cstdint>
#include <span>

namespace tockly {

// Flips every row of a 32-bit image left to right: the right piece of a "_lr_" skin is its left
// piece mirrored. Rows are `width` pixels; a short buffer is left alone.
void MirrorPixelRows(std::span<std::uint32_t> pixels, int width, int height) noexcept;

}  // namespace tockly
