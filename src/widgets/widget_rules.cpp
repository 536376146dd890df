#include "widgets/widget_rules.h"

#include <algorithm>
#include <cmath>

#include "widgets/menu_ids.h"

namespace tockly {

std::uint8_t TransparencyAlpha(int percent) noexcept {
    const int clamped = std::clamp(percent, 0, 100);
    return static_cast<std::uint8_t>((100 - clamped) / 100.0 * 255.0);
}

bool IsTransparencyItem(int menuId) noexcept {
    return menuId >= menu_id::kTransparency90 && menuId <= menu_id::kTransparency0;
}

int TransparencyOfItem(int menuId) noexcept {
    return IsTransparencyItem(menuId) ? (menu_id::kTransparency0 - menuId) * 10 : -1;
}

int TransparencyItem(int percent) noexcept {
    return menu_id::kTransparency0 - std::clamp(percent, 0, 90) / 10;
}

int ProgressStripWidth(std::int64_t remainingSeconds, std::int64_t totalSeconds,
                       int fullWidth) noexcept {
    const auto remaining = static_cast<std::uint32_t>(remainingSeconds);
    const auto total = static_cast<std::uint32_t>(totalSeconds);
    if (total == 0 || fullWidth <= 0) {
        return 0;
    }
    const double fraction = static_cast<double>(remaining) / static_cast<double>(total);
    return static_cast<int>(std::min(fraction, 1.0) * fullWidth);
}

}  // namespace tockly
