#include "widgets/counting_widget_parts.h"

#include "widgets/abstract_widget.h"
#include "widgets/menu_ids.h"

namespace tockly {
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

}  // namespace tockly
