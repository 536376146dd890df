#include "toolkit/skin_names.h"

namespace tockly {

ButtonSkinNames BuiltInButtonSkin(ButtonStyle style) noexcept {
    switch (style) {
        case ButtonStyle::Round:
            return {{u"Button_Round_Left", u"Button_Round_Center", u"Button_Round_Right"},
                    {u"Button_Round_Clicked_Left", u"Button_Round_Clicked_Center",
                     u"Button_Round_Clicked_Right"}};
        case ButtonStyle::Green:
            return {{u"Button_Green_Left", u"Button_Green_Center", u"Button_Green_Right"},
                    {u"Button_Green_Clicked_Left", u"Button_Green_Clicked_Center",
                     u"Button_Green_Clicked_Right"}};
        case ButtonStyle::Red:
            return {{u"Button_Red_Left", u"Button_Red_Center", u"Button_Red_Right"},
                    {u"Button_Red_Clicked_Left", u"Button_Red_Clicked_Center",
                     u"Button_Red_Clicked_Right"}};
        case ButtonStyle::Normal:
        case ButtonStyle::RoundIcon:
        case ButtonStyle::Custom:
            break;
    }
    return {{u"Button_Normal_Left", u"Button_Normal_Center", u"Button_Normal_Right"},
            {u"Button_Normal_Clicked_Left", u"Button_Normal_Clicked_Center",
             u"Button_Normal_Clicked_Right"}};
}

IconNames RoundIconSkin(RoundIcon icon) noexcept {
    switch (icon) {
        case RoundIcon::Delete:
            return {u"Button_Delete_Icon", u"Button_Gray_Delete_Icon"};
        case RoundIcon::Add:
            return {u"Button_Add_Icon", u"Button_Gray_Add_Icon"};
        case RoundIcon::Schedule:
            return {u"Button_Schedule_Icon", u"Button_Gray_Schedule_Icon"};
        case RoundIcon::CountDown:
            return {u"Button_CountDown_Icon", u"Button_Gray_CountDown_Icon"};
        case RoundIcon::Task:
            return {u"Button_Task_Icon", u"Button_Gray_Task_Icon"};
        case RoundIcon::Cross:
            return {u"Button_Cross_Icon", u"Button_Gray_Cross_Icon"};
        // The gray twins of these two carry "_Button" in their resource names.
        case RoundIcon::Refresh:
            return {u"Button_Refresh_Icon", u"Button_Gray_Refresh_Button"};
        case RoundIcon::Calendar:
            return {u"Button_Callendar_Icon", u"Button_Gray_Callendar_Button"};
    }
    return {u"Button_Delete_Icon", u"Button_Gray_Delete_Icon"};
}

ThreePieceNames LabelSkin(LabelColor color) noexcept {
    switch (color) {
        case LabelColor::Green:
            return {u"Label_Green_Left", u"Label_Green_Center", u"Label_Green_Right"};
        case LabelColor::Red:
            return {u"Label_Red_Left", u"Label_Red_Center", u"Label_Red_Right"};
        case LabelColor::Gray:
            break;
    }
    return {u"Label_Gray_Left", u"Label_Gray_Center", u"Label_Gray_Right"};
}

skin::PieceSkin BuiltInButtonMetrics(ButtonStyle style) noexcept {
    switch (style) {
        case ButtonStyle::Round:
            return skin::kButtonRound;
        case ButtonStyle::Green:
            return skin::kButtonGreen;
        case ButtonStyle::Red:
            return skin::kButtonRed;
        case ButtonStyle::RoundIcon:
            return {skin::kRoundIconButtonSize, 0};
        case ButtonStyle::Normal:
        case ButtonStyle::Custom:
            break;
    }
    return skin::kButtonNormal;
}

}  // namespace tockly
