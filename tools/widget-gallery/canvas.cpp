#include "canvas.h"

#include <algorithm>

#include "widgets/gradient_fill.h"

namespace tockly::gallery {
namespace {

std::uint32_t Blend(std::uint32_t below, std::uint32_t above, std::uint8_t alpha) noexcept {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t a = (above >> shift) & 0xFF;
        const std::uint32_t b = (below >> shift) & 0xFF;
        result |= ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
    }
    return result;
}

}  // namespace

Canvas::Canvas(int width, int height, COLORREF background)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      bitmap_(CreateDibSection32(width_, height_)),
      dc_(::CreateCompatibleDC(nullptr)) {
    if (dc_ && bitmap_.bitmap) {
        previous_ = ::SelectObject(dc_.get(), bitmap_.bitmap.get());
    }
    Fill({0, 0, width_, height_}, background);
}

Canvas::~Canvas() {
    if (dc_ && previous_ != nullptr) {
        ::SelectObject(dc_.get(), previous_);
    }
}

Canvas Canvas::Capture(HWND window, bool withFrame) {
    RECT area{};
    if (withFrame) {
        ::GetWindowRect(window, &area);
        ::OffsetRect(&area, -area.left, -area.top);
    } else {
        ::GetClientRect(window, &area);
    }
    Canvas picture(area.right, area.bottom);
    const HDC source = withFrame ? ::GetWindowDC(window) : ::GetDC(window);
    ::BitBlt(picture.dc(), 0, 0, area.right, area.bottom, source, 0, 0, SRCCOPY);
    ::ReleaseDC(window, source);
    ::GdiFlush();
    return picture;
}

std::span<const std::uint32_t> Canvas::pixels() const noexcept {
    if (bitmap_.pixels == nullptr) {
        return {};
    }
    ::GdiFlush();
    return {bitmap_.pixels, static_cast<std::size_t>(width_) * height_};
}

bool Canvas::Blank() const noexcept {
    const std::span<const std::uint32_t> all = pixels();
    return all.empty() || std::all_of(all.begin(), all.end(), [&all](std::uint32_t pixel) {
               return (pixel & 0xFFFFFF) == (all.front() & 0xFFFFFF);
           });
}

void Canvas::Fill(const RECT& area, COLORREF color) {
    const COLORREF previous = ::SetDCBrushColor(dc(), color);
    ::FillRect(dc(), &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    ::SetDCBrushColor(dc(), previous);
}

void Canvas::VerticalGradient(const RECT& area, COLORREF top, COLORREF bottom) {
    FillTwoColorGradient(dc(), area, top, bottom, GRADIENT_FILL_RECT_V);
}

int Canvas::Text(int x, int y, std::wstring_view text, const FontSpec& font, COLORREF color) {
    const SharedFont shared = AcquireFont(font);
    SelectedObject selected(dc(), shared ? shared->handle() : nullptr);
    const int previousMode = ::SetBkMode(dc(), TRANSPARENT);
    const COLORREF previousColor = ::SetTextColor(dc(), color);
    ::TextOutW(dc(), x, y, text.data(), static_cast<int>(text.size()));
    SIZE size{};
    ::GetTextExtentPoint32W(dc(), text.data(), static_cast<int>(text.size()), &size);
    ::SetTextColor(dc(), previousColor);
    ::SetBkMode(dc(), previousMode);
    return size.cx;
}

void Canvas::Paste(const Canvas& picture, int x, int y, std::uint8_t alpha) {
    ::GdiFlush();
    const std::span<const std::uint32_t> source = picture.pixels();
    for (int row = 0; row < picture.height(); ++row) {
        const int targetY = y + row;
        if (targetY < 0 || targetY >= height_ || source.empty()) {
            continue;
        }
        for (int column = 0; column < picture.width(); ++column) {
            const int targetX = x + column;
            if (targetX < 0 || targetX >= width_) {
                continue;
            }
            std::uint32_t& below =
                bitmap_.pixels[static_cast<std::size_t>(targetY) * width_ + targetX];
            below = Blend(below, source[static_cast<std::size_t>(row) * picture.width() + column],
                          alpha);
        }
    }
}

}  // namespace tockly::gallery
