#pragma once
// What a control draws, read back: it paints itself into a 32-bit bitmap (WM_PRINTCLIENT runs the
// same painting as WM_PAINT).

#include <windows.h>

#include <cstdint>
#include <vector>

namespace tockly::testing {

struct Snapshot {
    int width = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, top row first

    COLORREF At(int x, int y) const {
        const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    bool operator==(const Snapshot&) const = default;
};

inline Snapshot Render(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    ::SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ::GdiFlush();
    Snapshot shot{client.right, {}};
    if (const auto* first = static_cast<const std::uint32_t*>(bits)) {
        shot.pixels.assign(first, first + static_cast<std::size_t>(client.right) * client.bottom);
    }
    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return shot;
}

}  // namespace tockly::testing
