#pragma once
// The file names of the widgets' three-piece button skins under "data\bitmaps". Portable.

#include <string_view>

#include "toolkit/button_skin_files.h"
#include "toolkit/skin_names.h"

namespace tockly {

// The pieces of a skin whose files are named "<sides>left.bmp", "<sides>hovered_left.bmp",
// "<sides>clicked_left.bmp" (and right) and "<centre>center.bmp" with the same states.
ButtonSkinFiles PieceSkinFiles(std::u16string_view sides, std::u16string_view centre);

// The modern plates of the timer and the stopwatch ("2x20_button_modern_*"), their small ones
// ("2x13_button_small_modern_*"), and the sticky note's tiny ones in a theme's colours
// ("1x10_dark_button_tiny_*").
ButtonSkinFiles ModernButtonSkin();
ButtonSkinFiles SmallModernButtonSkin();
ButtonSkinFiles TinyButtonSkin(SkinTheme theme);

}  // namespace tockly
