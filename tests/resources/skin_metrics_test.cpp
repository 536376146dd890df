// The toolkit draws the skin with the sizes of skin_metrics.h; the art is cut to the sizes of the
// inventory. These tests keep the two in step, so that a changed piece width or height shows up
// here rather than as a torn button on screen.

#include "toolkit/skin_metrics.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "skin_inventory.h"

namespace tockly::skin {
namespace {

class SkinMetrics : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const auto& entry : testing::ReadInventory()) {
            sizes_[entry.name] = {entry.width, entry.height};
        }
    }

    // A width or height of 0 is one the toolkit does not fix.
    static void ExpectSize(const std::string& name, int width, int height) {
        const auto found = sizes_.find(name);
        ASSERT_NE(found, sizes_.end()) << name << " is not in the inventory";
        EXPECT_EQ(width ? found->second.first : 0, width) << name;
        EXPECT_EQ(height ? found->second.second : 0, height) << name;
    }
    // Sides as wide as the piece width, a centre of any width, all as high as the skin.
    static void ExpectThreePiece(const std::string& left, const std::string& centre,
                                 const std::string& right, PieceSkin skin) {
        ExpectSize(left, skin.pieceWidth, skin.height);
        ExpectSize(centre, 0, skin.height);
        ExpectSize(right, skin.pieceWidth, skin.height);
    }
    static void ExpectThreePiece(const std::string& base, PieceSkin skin) {
        ExpectThreePiece(base + "_Left", base + "_Center", base + "_Right", skin);
    }

    static inline std::map<std::string, std::pair<int, int>> sizes_;
};

TEST_F(SkinMetrics, ButtonsLabelsAndBoxesMatchTheirPieces) {
    const std::pair<std::string, PieceSkin> buttons[] = {
        {"Button_Normal", kButtonNormal}, {"Button_Round", kButtonRound},
        {"Button_Green", kButtonGreen},   {"Button_Red", kButtonRed},
        {"DoubleButton", kDoubleButton},  {"Label_Gray", kColorLabel},
        {"Label_Green", kColorLabel},     {"Label_Red", kColorLabel},
        {"TextEdit", kTextEdit},          {"SpinBox", kSpinBox},
        {"ComboBox", kComboBox}};
    for (const auto& [base, skin] : buttons) {
        ExpectThreePiece(base, skin);
        if (base.starts_with("Button") || base == "DoubleButton" || base == "ComboBox") {
            ExpectThreePiece(base + "_Clicked", skin);
        }
    }
    ExpectSize("Button_Round", kRoundIconButtonSize, kRoundIconButtonSize);
    ExpectSize("Button_Clicked_Round", kRoundIconButtonSize, kRoundIconButtonSize);
    for (const char* icon :
         {"Button_Delete_Icon", "Button_Gray_Refresh_Button", "Button_Gray_Callendar_Button"}) {
        ExpectSize(icon, kRoundIconButtonIconSize, 0);
    }
    for (const char* box : {"CheckBox_Unchecked", "CheckBox_Checked", "CheckBox_Hovered_Unchecked",
                            "CheckBox_Hovered_Checked"}) {
        ExpectSize(box, kCheckBoxSize, kCheckBoxSize);
    }
    ExpectSize("RadioButton_Unchecked", kRadioButtonSize, kRadioButtonSize);
    ExpectSize("RadioButton_Hovered_Checked", kRadioButtonSize, kRadioButtonSize);
    ExpectSize("DoubleButton_Center_Line", kDoubleButtonLineWidth, kDoubleButton.height);
}

TEST_F(SkinMetrics, SpinBoxArrowsAndComboBoxButtonFitTheirColumns) {
    for (const char* arrow :
         {"SpinBox_Up", "SpinBox_Clicked_Up", "SpinBox_Down", "SpinBox_Clicked_Down"}) {
        ExpectSize(arrow, kSpinBoxArrowWidth, kSpinBoxArrowHeight);
    }
    ExpectSize("SpinBox_Center_Line", 0, kSpinBoxCenterLineHeight);
    ExpectSize("SpinBox_Horizontal_Line", kSpinBoxArrowWidth, 0);
    // Up arrow, line and down arrow stack inside the plate's one-pixel border, in a column of the
    // separator line, the arrows and the border; the click areas (y 2 to 10 and 12 to 19) lie on
    // the arrows.
    EXPECT_EQ(kSpinBoxHorizontalLineY, kSpinBoxUpArrowY + kSpinBoxArrowHeight);
    EXPECT_EQ(kSpinBoxDownArrowY, kSpinBoxHorizontalLineY + 1);
    EXPECT_LE(kSpinBoxDownArrowY + kSpinBoxArrowHeight, kSpinBox.height - 1);
    EXPECT_EQ(kSpinBoxArrowColumnWidth, 1 + kSpinBoxArrowWidth + 1);
    EXPECT_EQ(kSpinBoxArrowLeftFromRight, kSpinBoxArrowWidth + 1);
    EXPECT_TRUE(kSpinBoxUpArrowY <= 2 && kSpinBoxUpArrowY + kSpinBoxArrowHeight - 1 >= 10);
    EXPECT_TRUE(kSpinBoxDownArrowY <= 12 && kSpinBoxDownArrowY + kSpinBoxArrowHeight - 1 >= 19);

    ExpectSize("ComboBox_Button", kComboBoxButtonWidth, kComboBoxButtonHeight);
    ExpectSize("ComboBox_Clicked_Button", kComboBoxButtonWidth, kComboBoxButtonHeight);
    ExpectSize("ComboBox_Vertical_Line", 0, kComboBoxLineHeight);
    EXPECT_EQ(kComboBoxButtonColumnWidth, 1 + kComboBoxButtonWidth + 1);
    EXPECT_EQ(kComboBoxLineY + kComboBoxButtonHeight, kComboBox.height - 1);
    // The flag of a language item fits the field between the plate's border and the button.
    EXPECT_LE(sizes_["Language_ComboBox_English"].second, kComboBox.height - 2);
}

TEST_F(SkinMetrics, ScrollBarsAndTheWidgetAndMenuButtonFilesMatch) {
    for (const char* name : {"VScrollBar_Up_Button", "VScrollBar_Clicked_Down_Button"}) {
        ExpectSize(name, kVScrollBar.width, kVScrollBar.arrowHeight);
    }
    for (const char* name : {"VScrollBar_Center", "VScrollBar_Grip", "VScrollBar_Clicked_Grip",
                             "VScrollBar_Grip_Border"}) {
        ExpectSize(name, kVScrollBar.width, 1);
    }
    const std::string b = "data/bitmaps/";
    for (const std::string theme : {"", "light_", "yellow_"}) {
        ExpectSize(b + "13x11_" + theme + "vscroll_up_button.bmp", kSmallVScrollBar.width,
                   kSmallVScrollBar.arrowHeight);
        ExpectSize(b + "13x1_" + theme + "vscroll_grip.bmp", kSmallVScrollBar.width, 0);
    }
    ExpectThreePiece(b + "2x20_button_modern_hovered_left.bmp",
                     b + "1x20_button_modern_hovered_center.bmp",
                     b + "2x20_button_modern_hovered_right.bmp", kModernButton);
    ExpectThreePiece(b + "2x13_button_small_modern_clicked_left.bmp",
                     b + "1x13_button_small_modern_clicked_center.bmp",
                     b + "2x13_button_small_modern_clicked_right.bmp", kSmallModernButton);
    for (const std::string theme : {"dark", "light", "yellow"}) {
        const std::string t = b + "1x10_" + theme + "_button_tiny_";
        ExpectThreePiece(t + "left.bmp", t + "center.bmp", t + "right.bmp", kTinyButton);
    }
    const std::string m = "data/bitmaps_menu/";
    ExpectThreePiece(m + "45x70_button_lr_1.bmp", m + "45x70_button_c_1.bmp",
                     m + "45x70_button_clicked_right_1.bmp", kMenuButtonSet1);
    ExpectThreePiece(m + "45x70_button_hovered_lr_2.bmp", m + "1x70_button_hovered_c_2.bmp",
                     m + "45x70_button_clicked_left_2.bmp", kMenuButtonSet2);
    ExpectThreePiece(m + "72x36_button_lr_3.bmp", m + "1x36_button_c_3.bmp",
                     m + "72x36_button_clicked_right_3.bmp", kMenuButtonSet3);
    ExpectThreePiece(m + "20x36_button_lr_4.bmp", m + "1x36_button_clicked_c_4.bmp",
                     m + "20x36_button_clicked_left_4.bmp", kMenuButtonSet4);
    // The main window's buttons, 91 x 70 and 41 x 36, are two pieces and a centre.
    EXPECT_EQ(2 * kMenuButtonSet1.pieceWidth + 1, 91);
    EXPECT_EQ(2 * kMenuButtonSet4.pieceWidth + 1, 41);
    ExpectSize(m + "172x85_button_gray_lr_5.bmp", kMenuButtonGrayFaceWidth, 0);
    ExpectSize(m + "1x85_button_gray_c_5.bmp", 0, kMenuButtonGray.height);
    EXPECT_LE(2 * kMenuButtonGray.pieceWidth + 1, kMenuButtonGrayFaceWidth);
}

}  // namespace
}  // namespace tockly::skin
