#pragma once
// Controls on a window-wide grey gradient paint the part of the gradient they cover, so that they
// look transparent. Portable.

#include <cstdint>

namespace tockly {

// The gradient of the owning window, as the owner tells its controls.
struct GradientBackground {
    int extentWidth = 0;  // the area the gradient spans (the owner's client size)
    int extentHeight = 0;
    std::uint8_t startLevel = 0;  // grey level at the top (left) edge of that area
    std::uint8_t endLevel = 0;    // ...and at the bottom (right) edge
    bool horizontal = false;      // false: top to bottom

    bool operator==(const GradientBackground&) const = default;
};

// The grey levels at a control's near and far edges.
struct GradientSlice {
    std::uint8_t nearLevel = 0;
    std::uint8_t farLevel = 0;
    bool operator==(const GradientSlice&) const = default;
};

// `position` and `size` run along the gradient: y and height, or x and width when horizontal.
GradientSlice SliceGradient(const GradientBackground& gradient, int position, int size) noexcept;

}  // namespace tockly
