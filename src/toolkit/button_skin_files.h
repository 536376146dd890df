#pragma once
// The file names of a custom button skin, and how each of its bitmaps is loaded. Portable.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tockly {

// The twelve bitmaps of a button, in the order the button keeps them.
enum class ButtonBitmap : std::size_t {
    NormalLeft,
    NormalRight,
    NormalCentre,
    HoveredLeft,
    HoveredRight,
    HoveredCentre,
    PressedLeft,
    PressedRight,
    PressedCentre,
    Icon,
    DisabledIcon,
    PressedIcon,
};
inline constexpr std::size_t kButtonBitmapCount = 12;

// File names relative to the program's folder (for example
// "data\bitmaps\2x20_button_modern_left.bmp") or full paths; empty where the skin has no such
// bitmap.
struct ButtonSkinFiles {
    std::array<std::u16string, kButtonBitmapCount> names;

    std::u16string& operator[](ButtonBitmap which) {
        return names[static_cast<std::size_t>(which)];
    }
    const std::u16string& operator[](ButtonBitmap which) const {
        return names[static_cast<std::size_t>(which)];
    }
};

struct SkinFileLoad {
    std::u16string name;  // empty: nothing to load
    bool mirrored = false;

    bool operator==(const SkinFileLoad&) const = default;
};

// A left piece whose name holds "_lr_" also serves as the right piece, mirrored.
bool IsLeftAndRightPiece(std::u16string_view name) noexcept;

// What to load for each bitmap: a right piece that is missing, or names the same "_lr_" file as its
// left piece, is that left piece mirrored.
std::array<SkinFileLoad, kButtonBitmapCount> PlanSkinFileLoads(const ButtonSkinFiles& files);

}  // namespace tockly
