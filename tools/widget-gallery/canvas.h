#pragma once
// A picture the gallery composes: a 32-bit bitmap with a DC to draw into, and what a desktop
// compositor would do with the windows captured onto it (Xvfb has none, so the gallery blends a
// layered window's pixels with its alpha itself).

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "support/gdi_handles.h"
#include "toolkit/dib_section.h"
#include "toolkit/font_cache.h"

namespace tockly::gallery {

class Canvas {
public:
    Canvas(int width, int height, COLORREF background = RGB(232, 232, 232));
    Canvas(Canvas&&) noexcept = default;
    ~Canvas();

    // What `window` shows on the screen (its whole window with the frame when `withFrame`).
    static Canvas Capture(HWND window, bool withFrame = false);

    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }
    HDC dc() const noexcept { return dc_.get(); }
    // 0x00RRGGBB, top row first.
    std::span<const std::uint32_t> pixels() const noexcept;
    // True when every pixel is the same: nothing was shown.
    bool Blank() const noexcept;

    void Fill(const RECT& area, COLORREF color);
    void VerticalGradient(const RECT& area, COLORREF top, COLORREF bottom);
    // Text in the font, left-aligned from (x, y); its width.
    int Text(int x, int y, std::wstring_view text, const FontSpec& font, COLORREF color);
    // `picture` at (x, y), `alpha` of 255 covering what is below.
    void Paste(const Canvas& picture, int x, int y, std::uint8_t alpha = 255);

private:
    int width_;
    int height_;
    DibSection bitmap_;
    UniqueMemoryDc dc_;
    HGDIOBJ previous_ = nullptr;
};

// The gallery's headings and captions.
inline const FontSpec kHeadingFont{L"Georgia", 22, FW_BOLD, false};
inline const FontSpec kSectionFont{L"Georgia", 17, FW_BOLD, false};
inline const FontSpec kCaptionFont{L"Tahoma", 13, FW_NORMAL, false};
inline constexpr COLORREF kHeadingColor = RGB(40, 60, 90);
inline constexpr COLORREF kCaptionColor = RGB(60, 60, 60);

}  // namespace tockly::gallery
