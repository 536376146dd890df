#pragma once
// The names of the built-in skin bitmaps (resources of the program) of the buttons and labels, and
// the sizes they are drawn at. Portable.

#include <string>

#include "toolkit/skin_metrics.h"

namespace tockly {

enum class ButtonStyle {
    Normal = 0,
    Round = 1,
    Green = 2,
    Red = 3,
    RoundIcon = 4,  // a round plate with one of the icons below
    Custom = 5,     // pieces and icons loaded from files
};

// The icons of the round icon button, each with its gray disabled twin.
enum class RoundIcon { Delete, Add, Schedule, CountDown, Task, Cross, Refresh, Calendar };

enum class LabelColor { Gray, Green, Red };

struct ThreePieceNames {
    const char16_t* left;
    const char16_t* centre;
    const char16_t* right;
};

struct ButtonSkinNames {
    ThreePieceNames normal;
    ThreePieceNames pressed;
};

struct IconNames {
    const char16_t* icon;
    const char16_t* disabledIcon;
};

// Styles Normal to Red; the built-in styles have no hovered pieces.
ButtonSkinNames BuiltInButtonSkin(ButtonStyle style) noexcept;
IconNames RoundIconSkin(RoundIcon icon) noexcept;
ThreePieceNames LabelSkin(LabelColor color) noexcept;

inline constexpr const char16_t* kRoundPlate = u"Button_Round";
inline constexpr const char16_t* kRoundPlatePressed = u"Button_Clicked_Round";

// Check boxes and radio buttons: unchecked, checked, and the two with the cursor over them.
struct CheckSkinNames {
    const char16_t* unchecked;
    const char16_t* checked;
    const char16_t* hoveredUnchecked;
    const char16_t* hoveredChecked;
};
inline constexpr CheckSkinNames kCheckBoxSkin{u"CheckBox_Unchecked", u"CheckBox_Checked",
                                              u"CheckBox_Hovered_Unchecked",
                                              u"CheckBox_Hovered_Checked"};
inline constexpr CheckSkinNames kRadioButtonSkin{u"RadioButton_Unchecked", u"RadioButton_Checked",
                                                 u"RadioButton_Hovered_Unchecked",
                                                 u"RadioButton_Hovered_Checked"};

inline constexpr ThreePieceNames kDoubleButtonNormal{u"DoubleButton_Left", u"DoubleButton_Center",
                                                     u"DoubleButton_Right"};
inline constexpr ThreePieceNames kDoubleButtonPressed{
    u"DoubleButton_Clicked_Left", u"DoubleButton_Clicked_Center", u"DoubleButton_Clicked_Right"};
inline constexpr const char16_t* kDoubleButtonLine = u"DoubleButton_Center_Line";

// The colour themes of the widgets' file skins, in the sticky note's order.
enum class SkinTheme { Dark = 0, Light = 1, Yellow = 2 };

// A vertical scroll bar's bitmaps: the arrows and their pressed looks, the track tile, the grip
// tile and its pressed look, and the grip's border row.
struct VScrollSkinNames {
    std::u16string up;
    std::u16string upPressed;
    std::u16string down;
    std::u16string downPressed;
    std::u16string track;
    std::u16string grip;
    std::u16string gripPressed;
    std::u16string gripBorder;

    bool operator==(const VScrollSkinNames&) const = default;
};
// The built-in bar's resources ("VScrollBar_*"), drawn at skin::kVScrollBar.
VScrollSkinNames BuiltInVScrollSkin();
// The widgets' narrow bar in a theme's colours: files under data\bitmaps, drawn at
// skin::kSmallVScrollBar.
VScrollSkinNames ThemedVScrollSkin(SkinTheme theme);

// The piece sizes of a built-in style; the round icon button's plate is square.
skin::PieceSkin BuiltInButtonMetrics(ButtonStyle style) noexcept;

}  // namespace tockly
