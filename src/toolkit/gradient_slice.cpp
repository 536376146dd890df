#include "toolkit/gradient_slice.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tockly {
namespace {

std::uint8_t LevelAt(const GradientBackground& gradient, int extent, long long position) noexcept {
    const int start = gradient.startLevel;
    const int end = gradient.endLevel;
    // An owner that has not told its size yet (extent 0) gets the start level, not a division by
    // zero; controls outside the area keep the level of the nearer edge.
    if (extent <= 0 || start == end) {
        return gradient.startLevel;
    }
    const double fraction = static_cast<double>(position) / extent;
    const long long step = std::llround(fraction * std::abs(end - start));
    const long long level = end < start ? start - step : start + step;
    return static_cast<std::uint8_t>(
        std::clamp<long long>(level, std::min(start, end), std::max(start, end)));
}

}  // namespace

GradientSlice SliceGradient(const GradientBackground& gradient, int position, int size) noexcept {
    const int extent = gradient.horizontal ? gradient.extentWidth : gradient.extentHeight;
    GradientSlice slice;
    slice.nearLevel = LevelAt(gradient, extent, position);
    slice.farLevel = LevelAt(gradient, extent, static_cast<long long>(position) + size);
    return slice;
}

}  // namespace tockly
