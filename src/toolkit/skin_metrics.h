#pragma once
// Pixel sizes of the skin bitmaps and how the toolkit assembles them. The artwork in resources/skin
// is drawn to exactly these sizes (its build checks them), so this header is the one place the
// toolkit takes them from. Portable: no <windows.h>.
//
// Assembly rules shared by every three-piece skin:
// - left piece at x = 0, right piece at x = width - piece width, the centre piece repeated for
//   every column between them. Only column 0 of a centre bitmap is used; centre files wider than
//   one pixel (for example "45x70_button_c_1.bmp") repeat that same column across their width.
// - A piece bitmap wider than the piece width (only the gray 172 x 85 face) gives the left piece
//   its first piece-width columns and the right piece its last ones.
// - All skin bitmaps are 32 bpp with premultiplied alpha: draw with AlphaBlend, AC_SRC_ALPHA.
// - Files whose name holds "_lr_" are the left piece; the right piece is the same bitmap mirrored
//   horizontally (flip the pixels once at load time). The pressed states have separate
//   "_clicked_left_" and "_clicked_right_" files because their inset shading is lit from the top
//   left and therefore not symmetric.

namespace tockly::skin {

// A three-piece skin: the height of every piece and the width of the left and right pieces.
struct PieceSkin {
    int height;
    int pieceWidth;
};

// A pressed-state or right-hand piece that is the left piece mirrored.
inline constexpr bool kLrRightPieceIsMirrored = true;

// ---- Built-in button styles (bitmap resources) ----
inline constexpr PieceSkin kButtonNormal{25, 5};  // style 0, "Button_Normal_*"
inline constexpr PieceSkin kButtonRound{25, 12};  // style 1, "Button_Round_*": half-round caps
inline constexpr PieceSkin kButtonGreen{25, 5};   // style 2, "Button_Green_*"
inline constexpr PieceSkin kButtonRed{25, 5};     // style 3, "Button_Red_*"

// Style 4: a round plate ("Button_Round", "Button_Clicked_Round") with a centred icon
// ("Button_*_Icon" and its gray disabled variant).
inline constexpr int kRoundIconButtonSize = 28;  // plate is 28 x 28
inline constexpr int kRoundIconButtonIconSize = 16;
inline constexpr int kRoundIconButtonIconOffset =
    (kRoundIconButtonSize - kRoundIconButtonIconSize) / 2;

// ---- Check box and radio button ----
inline constexpr int kCheckBoxSize = 15;     // "CheckBox_*" are 15 x 15
inline constexpr int kRadioButtonSize = 15;  // "RadioButton_*" are 15 x 15
inline constexpr int kCheckTextGap = 5;      // between the box and its caption

// ---- Double button: two halves with a one-pixel line between them ----
inline constexpr PieceSkin kDoubleButton{25, 5};  // "DoubleButton_*"
inline constexpr int kDoubleButtonLineWidth = 1;  // "DoubleButton_Center_Line" is 1 x 25

// ---- Colour label plates ("Label_Gray_*", "Label_Green_*", "Label_Red_*") ----
inline constexpr PieceSkin kColorLabel{25, 5};

// ---- Text edit plate ("TextEdit_*") ----
inline constexpr PieceSkin kTextEdit{23, 4};

// ---- Spin box ----
// Plate "SpinBox_Left/Center/Right" across the whole width; on top of it, in the arrow column
// (the last kSpinBoxArrowColumnWidth pixels): "SpinBox_Center_Line" (1 x 21) at
// (width - 17, 1), "SpinBox_Up"/"SpinBox_Clicked_Up" (15 x 10) at (width - 16, 1),
// "SpinBox_Horizontal_Line" (15 x 1) at (width - 16, 11), "SpinBox_Down"/"SpinBox_Clicked_Down"
// (15 x 10) at (width - 16, 12). The plate's right border stays visible at x = width - 1.
inline constexpr PieceSkin kSpinBox{23, 4};
inline constexpr int kSpinBoxArrowColumnWidth = 17;
inline constexpr int kSpinBoxArrowWidth = 15;
inline constexpr int kSpinBoxArrowHeight = 10;
inline constexpr int kSpinBoxArrowLeftFromRight = 16;  // arrow x = width - 16
inline constexpr int kSpinBoxUpArrowY = 1;
inline constexpr int kSpinBoxHorizontalLineY = 11;
inline constexpr int kSpinBoxDownArrowY = 12;
inline constexpr int kSpinBoxCenterLineY = 1;
inline constexpr int kSpinBoxCenterLineHeight = 21;

// ---- Combo box ----
// Plate "ComboBox_Left/Center/Right" (or the "_Clicked_" plate) across the whole width;
// "ComboBox_Vertical_Line" (1 x 21) at (width - 17, 1); "ComboBox_Button"/"ComboBox_Clicked_Button"
// (15 x 21) at (width - 16, 1).
inline constexpr PieceSkin kComboBox{23, 6};
inline constexpr int kComboBoxButtonColumnWidth = 17;
inline constexpr int kComboBoxButtonWidth = 15;
inline constexpr int kComboBoxButtonHeight = 21;
inline constexpr int kComboBoxButtonLeftFromRight = 16;  // button x = width - 16
inline constexpr int kComboBoxLineY = 1;
inline constexpr int kComboBoxLineHeight = 21;

// ---- Vertical scroll bars ----
// Arrows at the top and bottom; the track tile ("…Center", width x 1) fills the rows between
// them; the thumb is the grip tile repeated over its height with the one-row grip border drawn
// over its first and its last row.
struct ScrollBarSkin {
    int width;
    int arrowHeight;
};
inline constexpr ScrollBarSkin kVScrollBar{21, 18};  // built-in "VScrollBar_*" resources
// The widget files "13x11_vscroll_*" and "13x1_vscroll_*" (dark, light, yellow themes).
inline constexpr ScrollBarSkin kSmallVScrollBar{13, 11};

// ---- Widget button files under data\bitmaps ----
inline constexpr PieceSkin kModernButton{20, 2};       // "2x20_button_modern_*"
inline constexpr PieceSkin kSmallModernButton{13, 2};  // "2x13_button_small_modern_*"
inline constexpr PieceSkin kTinyButton{10, 1};         // "1x10_<theme>_button_tiny_*"

// ---- Main window menu button sets under data\bitmaps_menu ----
inline constexpr PieceSkin kMenuButtonSet1{70, 45};  // "45x70_button_*_1.bmp", 91 x 70 buttons
inline constexpr PieceSkin kMenuButtonSet2{70, 45};  // "45x70_button_*_2.bmp"
inline constexpr PieceSkin kMenuButtonSet3{36, 72};  // "72x36_button_*_3.bmp", at least 145 wide
inline constexpr PieceSkin kMenuButtonSet4{36, 20};  // "20x36_button_*_4.bmp", 41 x 36
// The gray 172 x 85 face: "172x85_button_gray_lr_5.bmp" is the whole symmetric face of a
// 172-pixel button. Drawn as pieces it uses its first 85 columns as the left piece (mirrored for
// the right); both ways of drawing give the same picture because its middle columns equal the
// centre piece.
inline constexpr PieceSkin kMenuButtonGray{85, 85};
inline constexpr int kMenuButtonGrayFaceWidth = 172;

}  // namespace tockly::skin
