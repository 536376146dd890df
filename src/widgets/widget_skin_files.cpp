#include "widgets/widget_skin_files.h"

#include <string>

namespace tockly {

ButtonSkinFiles PieceSkinFiles(std::u16string_view sides, std::u16string_view centre) {
    using enum ButtonBitmap;
    const std::u16string side(sides);
    const std::u16string middle(centre);
    ButtonSkinFiles files;
    files[NormalLeft] = side + u"left.bmp";
    files[NormalRight] = side + u"right.bmp";
    files[NormalCentre] = middle + u"center.bmp";
    files[HoveredLeft] = side + u"hovered_left.bmp";
    files[HoveredRight] = side + u"hovered_right.bmp";
    files[HoveredCentre] = middle + u"hovered_center.bmp";
    files[PressedLeft] = side + u"clicked_left.bmp";
    files[PressedRight] = side + u"clicked_right.bmp";
    files[PressedCentre] = middle + u"clicked_center.bmp";
    return files;
}

ButtonSkinFiles ModernButtonSkin() {
    return PieceSkinFiles(u"data\\bitmaps\\2x20_button_modern_",
                          u"data\\bitmaps\\1x20_button_modern_");
}

ButtonSkinFiles SmallModernButtonSkin() {
    return PieceSkinFiles(u"data\\bitmaps\\2x13_button_small_modern_",
                          u"data\\bitmaps\\1x13_button_small_modern_");
}

ButtonSkinFiles TinyButtonSkin(SkinTheme theme) {
    std::u16string prefix = u"data\\bitmaps\\1x10_dark_button_tiny_";
    if (theme == SkinTheme::Light) {
        prefix = u"data\\bitmaps\\1x10_light_button_tiny_";
    } else if (theme == SkinTheme::Yellow) {
        prefix = u"data\\bitmaps\\1x10_yellow_button_tiny_";
    }
    return PieceSkinFiles(prefix, prefix);
}

}  // namespace tockly
