#include "toolkit/skin_names.h"

#include <cstddef>

namespace tockly {
namespace {

// Each table follows the order of its enumeration.
constexpr ButtonSkinNames kButtonSkins[] = {
    {{u"Button_Normal_Left", u"Button_Normal_Center", u"Button_Normal_Right"},
     {u"Button_Normal_Clicked_Left", u"Button_Normal_Clicked_Center",
      u"Button_Normal_Clicked_Right"}},
    {{u"Button_Round_Left", u"Button_Round_Center", u"Button_Round_Right"},
     {u"Button_Round_Clicked_Left", u"Button_Round_Clicked_Center", u"Button_Round_Clicked_Right"}},
    {{u"Button_Green_Left", u"Button_Green_Center", u"Button_Green_Right"},
     {u"Button_Green_Clicked_Left", u"Button_Green_Clicked_Center", u"Button_Green_Clicked_Right"}},
    {{u"Button_Red_Left", u"Button_Red_Center", u"Button_Red_Right"},
     {u"Button_Red_Clicked_Left", u"Button_Red_Clicked_Center", u"Button_Red_Clicked_Right"}},
};

// Styles Normal to RoundIcon; a custom skin measures its own pieces.
constexpr skin::PieceSkin kButtonMetrics[] = {
    skin::kButtonNormal,
    skin::kButtonRound,
    skin::kButtonGreen,
    skin::kButtonRed,
    {skin::kRoundIconButtonSize, 0},
};

constexpr IconNames kRoundIcons[] = {
    {u"Button_Delete_Icon", u"Button_Gray_Delete_Icon"},
    {u"Button_Add_Icon", u"Button_Gray_Add_Icon"},
    {u"Button_Schedule_Icon", u"Button_Gray_Schedule_Icon"},
    {u"Button_CountDown_Icon", u"Button_Gray_CountDown_Icon"},
    {u"Button_Task_Icon", u"Button_Gray_Task_Icon"},
    {u"Button_Cross_Icon", u"Button_Gray_Cross_Icon"},
    // The gray twins of these two carry "_Button" in their resource names.
    {u"Button_Refresh_Icon", u"Button_Gray_Refresh_Button"},
    {u"Button_Callendar_Icon", u"Button_Gray_Callendar_Button"},
};

constexpr ThreePieceNames kLabelSkins[] = {
    {u"Label_Gray_Left", u"Label_Gray_Center", u"Label_Gray_Right"},
    {u"Label_Green_Left", u"Label_Green_Center", u"Label_Green_Right"},
    {u"Label_Red_Left", u"Label_Red_Center", u"Label_Red_Right"},
};

// The entry for `key`; a value the table does not reach gets its first entry.
template <typename Entry, std::size_t Count, typename Key>
constexpr const Entry& Lookup(const Entry (&table)[Count], Key key) noexcept {
    const auto index = static_cast<std::size_t>(key);
    return index < Count ? table[index] : table[0];
}

}  // namespace

ButtonSkinNames BuiltInButtonSkin(ButtonStyle style) noexcept {
    return Lookup(kButtonSkins, style);
}

IconNames RoundIconSkin(RoundIcon icon) noexcept {
    return Lookup(kRoundIcons, icon);
}

ThreePieceNames LabelSkin(LabelColor color) noexcept {
    return Lookup(kLabelSkins, color);
}

skin::PieceSkin BuiltInButtonMetrics(ButtonStyle style) noexcept {
    return Lookup(kButtonMetrics, style);
}

VScrollSkinNames BuiltInVScrollSkin() {
    return {u"VScrollBar_Up_Button",    u"VScrollBar_Clicked_Up_Button",
            u"VScrollBar_Down_Button",  u"VScrollBar_Clicked_Down_Button",
            u"VScrollBar_Center",       u"VScrollBar_Grip",
            u"VScrollBar_Clicked_Grip", u"VScrollBar_Grip_Border"};
}

VScrollSkinNames ThemedVScrollSkin(SkinTheme theme) {
    // The dark files carry no theme word: "13x11_vscroll_up_button.bmp",
    // "13x11_light_vscroll_up_button.bmp", "13x11_yellow_vscroll_up_button.bmp".
    std::u16string word;
    if (theme == SkinTheme::Light) {
        word = u"light_";
    } else if (theme == SkinTheme::Yellow) {
        word = u"yellow_";
    }
    const std::u16string arrow = u"data\\bitmaps\\13x11_" + word + u"vscroll_";
    const std::u16string tile = u"data\\bitmaps\\13x1_" + word + u"vscroll_";
    return {arrow + u"up_button.bmp",   arrow + u"clicked_up_button.bmp",
            arrow + u"down_button.bmp", arrow + u"clicked_down_button.bmp",
            tile + u"center.bmp",       tile + u"grip.bmp",
            tile + u"clicked_grip.bmp", tile + u"grip_border.bmp"};
}

}  // namespace tockly
