#include "widgets/counting_widget_parts.h"

#include "widgets/abstract_widget.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

ButtonSkinFiles ThreePieceSkin(std::u16string_view prefix, std::u16string_view side,
                               std::u16string_view centre) {
    using enum ButtonBitmap;
    const std::u16string folder = u"data\\bitmaps\\";
    const auto name = [&](std::u16string_view size, std::u16string_view state,
                          std::u16string_view piece) {
        return folder + std::u16string(size) + std::u16string(prefix) + std::u16string(state) +
               std::u16string(piece) + u".bmp";
    };
    ButtonSkinFiles files;
    const std::u16string_view states[] = {u"", u"hovered_", u"clicked_"};
    const ButtonBitmap lefts[] = {NormalLeft, HoveredLeft, PressedLeft};
    const ButtonBitmap rights[] = {NormalRight, HoveredRight, PressedRight};
    const ButtonBitmap centres[] = {NormalCentre, HoveredCentre, PressedCentre};
    for (std::size_t i = 0; i < 3; ++i) {
        files[lefts[i]] = name(side, states[i], u"left");
        files[rights[i]] = name(side, states[i], u"right");
        files[centres[i]] = name(centre, states[i], u"center");
    }
    return files;
}

}  // namespace

ButtonSkinFiles ModernButtonSkin() {
    return ThreePieceSkin(u"button_modern_", u"2x20_", u"1x20_");
}

ButtonSkinFiles TinyDarkButtonSkin() {
    return ThreePieceSkin(u"dark_button_tiny_", u"1x10_", u"1x10_");
}

void SkinIconButton(bfButton& button, const ButtonSkinFiles& skin, std::u16string_view icon,
                    int width, std::optional<skin::PieceSkin> metrics) {
    button.SetCustomSkin(skin, metrics);
    button.SetIconFiles(icon);
    button.Resize(width, button.skinMetrics().height);
}

void PlaceWidgetLabel(CaptionedControl& label, int x, int y, const FontSpec& font) {
    label.Move(x, y);
    label.LoadBackgroundBitmapFile(kWidgetTile);
    label.SetFont(font);
    label.SetTextColors(kCountingTextColor, kCountingDimTextColor);
}

void SetWidgetMenuTexts(OwnerDrawnMenu* menu, const WidgetMenuTexts& texts,
                        int transparencyPosition) {
    if (menu == nullptr) {
        return;
    }
    const auto set = [menu](const MenuPlace& place, const std::u16string& text) {
        if (!text.empty()) {
            menu->SetItemText(place, text);
        }
    };
    set(MenuPlace::Command(menu_id::kAlwaysOnTop), texts.alwaysOnTop);
    set(MenuPlace::Command(menu_id::kShowProgressBar), texts.showProgressBar);
    set(MenuPlace::Position({transparencyPosition}), texts.transparency);
    set(MenuPlace::Command(menu_id::kHide), texts.hide);
    set(MenuPlace::Command(menu_id::kRemove), texts.remove);
}

void OwnerNotices::SendEvent(int eventCode) const {
    if (family != WidgetFamily::None) {
        ::SendMessageW(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(family), widgetId),
                       eventCode);
    }
}

void OwnerNotices::SendChanged() const {
    if (reportChanges && family != WidgetFamily::None) {
        ::SendMessageW(owner, WM_COMMAND, MAKEWPARAM(kWidgetChangedCode, widgetId),
                       kSettingsChanged);
    }
}

}  // namespace tockly
