#pragma once
// Writes a picture of 0x00RRGGBB pixels as a 24-bit BMP file, which every image tool reads.

#include <cstdint>
#include <span>
#include <string>

namespace tockly::gallery {

bool WriteBmp(const std::wstring& path, int width, int height,
              std::span<const std::uint32_t> topDownPixels);

}  // namespace tockly::gallery
