#include "bitmap_file.h"

#include <windows.h>

#include <vector>

#include "support/unique_handle.h"

namespace tockly::gallery {

bool WriteBmp(const std::wstring& path, int width, int height,
              std::span<const std::uint32_t> topDownPixels) {
    if (width <= 0 || height <= 0 ||
        topDownPixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return false;
    }
    const int rowBytes = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(rowBytes) * height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = pixels.data() + static_cast<std::size_t>(height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = topDownPixels[static_cast<std::size_t>(y) * width + x];
            row[x * 3 + 0] = static_cast<std::uint8_t>(pixel);
            row[x * 3 + 1] = static_cast<std::uint8_t>(pixel >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(pixel >> 16);
        }
    }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(pixels.size());
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(header) + sizeof(info);
    header.bfSize = header.bfOffBits + info.biSizeImage;

    FileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    auto write = [&file](const void* data, std::size_t size) {
        DWORD written = 0;
        return ::WriteFile(file.get(), data, static_cast<DWORD>(size), &written, nullptr) !=
                   FALSE &&
               written == size;
    };
    return write(&header, sizeof(header)) && write(&info, sizeof(info)) &&
           write(pixels.data(), pixels.size());
}

}  // namespace tockly::gallery
