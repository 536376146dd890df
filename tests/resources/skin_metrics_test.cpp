// The toolkit draws the skin with the sizes of skin_metrics.h; the art is cut to the sizes of the
// inventory. These tests keep the two in step, so that a changed piece width or height shows up
// here rather than as a torn button on screen.

#include "toolkit/skin_metrics.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

struct Size {
    int width = 0;
    int height = 0;
};

std::map<std::string, Size> ReadSizes() {
    const char* source = std::getenv("TOCKLY_SOURCE_DIR");
    std::ifstream file(std::string(source ? source : ".") + "/resources/skin/inventory.txt");
    std::map<std::string, Size> sizes;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream columns(line.substr(0, line.find('#')));
        std::string kind, name, size;
        if (!(columns >> kind >> name >> size) || kind == "icon") {
            continue;
        }
        std::string::size_type x = size.find('x');
        sizes[name] = {std::stoi(size.substr(0, x)), std::stoi(size.substr(x + 1))};
    }
    return sizes;
}

class SkinMetrics : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sizes_ = ReadSizes(); }

    static Size Of(const std::string& name) {
        auto found = sizes_.find(name);
        EXPECT_NE(found, sizes_.end()) << name << " is not in the inventory";
        return found == sizes_.end() ? Size{} : found->second;
    }

    // Left and right pieces as wide as the piece width, a one-pixel centre, all as high as the
    // skin.
    static void ExpectThreePiece(const std::string& left, const std::string& centre,
                                 const std::string& right, tockly::skin::PieceSkin skin) {
        for (const std::string& side : {left, right}) {
            SCOPED_TRACE(side);
            EXPECT_EQ(Of(side).width, skin.pieceWidth);
            EXPECT_EQ(Of(side).height, skin.height);
        }
        SCOPED_TRACE(centre);
        EXPECT_GE(Of(centre).width, 1);
        EXPECT_EQ(Of(centre).height, skin.height);
    }

    static inline std::map<std::string, Size> sizes_;
};

TEST_F(SkinMetrics, BuiltInButtonStylesMatchTheirPieces) {
    const std::pair<const char*, tockly::skin::PieceSkin> styles[] = {
        {"Normal", tockly::skin::kButtonNormal},
        {"Round", tockly::skin::kButtonRound},
        {"Green", tockly::skin::kButtonGreen},
        {"Red", tockly::skin::kButtonRed}};
    for (const auto& [style, skin] : styles) {
        std::string base = std::string("Button_") + style;
        ExpectThreePiece(base + "_Left", base + "_Center", base + "_Right", skin);
        ExpectThreePiece(base + "_Clicked_Left", base + "_Clicked_Center", base + "_Clicked_Right",
                         skin);
    }
    EXPECT_EQ(Of("Button_Round").width, tockly::skin::kRoundIconButtonSize);
    EXPECT_EQ(Of("Button_Clicked_Round").height, tockly::skin::kRoundIconButtonSize);
    for (const char* icon :
         {"Button_Delete_Icon", "Button_Gray_Refresh_Button", "Button_Gray_Callendar_Button"}) {
        EXPECT_EQ(Of(icon).width, tockly::skin::kRoundIconButtonIconSize) << icon;
    }
}

TEST_F(SkinMetrics, ChoiceControlsAndPlatesMatch) {
    for (const char* box : {"CheckBox_Unchecked", "CheckBox_Checked", "CheckBox_Hovered_Unchecked",
                            "CheckBox_Hovered_Checked"}) {
        EXPECT_EQ(Of(box).width, tockly::skin::kCheckBoxSize);
        EXPECT_EQ(Of(box).height, tockly::skin::kCheckBoxSize);
    }
    for (const char* box : {"RadioButton_Unchecked", "RadioButton_Hovered_Checked"}) {
        EXPECT_EQ(Of(box).width, tockly::skin::kRadioButtonSize);
    }
    ExpectThreePiece("DoubleButton_Left", "DoubleButton_Center", "DoubleButton_Right",
                     tockly::skin::kDoubleButton);
    ExpectThreePiece("DoubleButton_Clicked_Left", "DoubleButton_Clicked_Center",
                     "DoubleButton_Clicked_Right", tockly::skin::kDoubleButton);
    EXPECT_EQ(Of("DoubleButton_Center_Line").width, tockly::skin::kDoubleButtonLineWidth);
    EXPECT_EQ(Of("DoubleButton_Center_Line").height, tockly::skin::kDoubleButton.height);
    for (const char* colour : {"Gray", "Green", "Red"}) {
        std::string base = std::string("Label_") + colour;
        ExpectThreePiece(base + "_Left", base + "_Center", base + "_Right",
                         tockly::skin::kColorLabel);
    }
    ExpectThreePiece("TextEdit_Left", "TextEdit_Center", "TextEdit_Right", tockly::skin::kTextEdit);
}

TEST_F(SkinMetrics, SpinBoxArrowsFitTheArrowColumn) {
    using namespace tockly::skin;
    ExpectThreePiece("SpinBox_Left", "SpinBox_Center", "SpinBox_Right", kSpinBox);
    for (const char* arrow :
         {"SpinBox_Up", "SpinBox_Clicked_Up", "SpinBox_Down", "SpinBox_Clicked_Down"}) {
        EXPECT_EQ(Of(arrow).width, kSpinBoxArrowWidth) << arrow;
        EXPECT_EQ(Of(arrow).height, kSpinBoxArrowHeight) << arrow;
    }
    EXPECT_EQ(Of("SpinBox_Center_Line").height, kSpinBoxCenterLineHeight);
    EXPECT_EQ(Of("SpinBox_Horizontal_Line").width, kSpinBoxArrowWidth);
    // Up arrow, line and down arrow stack inside the plate's one-pixel border.
    EXPECT_EQ(kSpinBoxHorizontalLineY, kSpinBoxUpArrowY + kSpinBoxArrowHeight);
    EXPECT_EQ(kSpinBoxDownArrowY, kSpinBoxHorizontalLineY + 1);
    EXPECT_LE(kSpinBoxDownArrowY + kSpinBoxArrowHeight, kSpinBox.height - 1);
    // The arrow column: the separator line, the arrows, the plate's right border.
    EXPECT_EQ(kSpinBoxArrowColumnWidth, 1 + kSpinBoxArrowWidth + 1);
    EXPECT_EQ(kSpinBoxArrowLeftFromRight, kSpinBoxArrowWidth + 1);
    // The click areas of the arrows (y 2 to 10 and 12 to 19) lie on their bitmaps.
    EXPECT_LE(kSpinBoxUpArrowY, 2);
    EXPECT_GE(kSpinBoxUpArrowY + kSpinBoxArrowHeight - 1, 10);
    EXPECT_LE(kSpinBoxDownArrowY, 12);
    EXPECT_GE(kSpinBoxDownArrowY + kSpinBoxArrowHeight - 1, 19);
}

TEST_F(SkinMetrics, ComboBoxButtonFitsItsColumn) {
    using namespace tockly::skin;
    ExpectThreePiece("ComboBox_Left", "ComboBox_Center", "ComboBox_Right", kComboBox);
    ExpectThreePiece("ComboBox_Clicked_Left", "ComboBox_Clicked_Center", "ComboBox_Clicked_Right",
                     kComboBox);
    EXPECT_EQ(Of("ComboBox_Button").width, kComboBoxButtonWidth);
    EXPECT_EQ(Of("ComboBox_Clicked_Button").height, kComboBoxButtonHeight);
    EXPECT_EQ(Of("ComboBox_Vertical_Line").height, kComboBoxLineHeight);
    EXPECT_EQ(kComboBoxButtonColumnWidth, 1 + kComboBoxButtonWidth + 1);
    EXPECT_EQ(kComboBoxLineY + kComboBoxButtonHeight, kComboBox.height - 1);
    // The flag of a language item fits the field between the plate's border and the button.
    EXPECT_LE(Of("Language_ComboBox_English").height, kComboBox.height - 2);
}

TEST_F(SkinMetrics, ScrollBarsMatchTheirWidthAndArrows) {
    using namespace tockly::skin;
    for (const char* name : {"VScrollBar_Up_Button", "VScrollBar_Clicked_Down_Button"}) {
        EXPECT_EQ(Of(name).width, kVScrollBar.width) << name;
        EXPECT_EQ(Of(name).height, kVScrollBar.arrowHeight) << name;
    }
    for (const char* name : {"VScrollBar_Center", "VScrollBar_Grip", "VScrollBar_Clicked_Grip",
                             "VScrollBar_Grip_Border"}) {
        EXPECT_EQ(Of(name).width, kVScrollBar.width) << name;
        EXPECT_EQ(Of(name).height, 1) << name;
    }
    for (const char* theme : {"", "light_", "yellow_"}) {
        std::string up = std::string("data/bitmaps/13x11_") + theme + "vscroll_up_button.bmp";
        std::string grip = std::string("data/bitmaps/13x1_") + theme + "vscroll_grip.bmp";
        EXPECT_EQ(Of(up).width, kSmallVScrollBar.width) << up;
        EXPECT_EQ(Of(up).height, kSmallVScrollBar.arrowHeight) << up;
        EXPECT_EQ(Of(grip).width, kSmallVScrollBar.width) << grip;
    }
}

TEST_F(SkinMetrics, WidgetAndMenuButtonFilesMatch) {
    using namespace tockly::skin;
    const std::string b = "data/bitmaps/";
    ExpectThreePiece(b + "2x20_button_modern_hovered_left.bmp",
                     b + "1x20_button_modern_hovered_center.bmp",
                     b + "2x20_button_modern_hovered_right.bmp", kModernButton);
    ExpectThreePiece(b + "2x13_button_small_modern_clicked_left.bmp",
                     b + "1x13_button_small_modern_clicked_center.bmp",
                     b + "2x13_button_small_modern_clicked_right.bmp", kSmallModernButton);
    for (const char* theme : {"dark", "light", "yellow"}) {
        std::string t = b + "1x10_" + theme + "_button_tiny_";
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
    // The main window's buttons: 91 x 70 (set 1, 2) and 41 x 36 (set 4) are two pieces and a
    // centre.
    EXPECT_EQ(2 * kMenuButtonSet1.pieceWidth + 1, 91);
    EXPECT_EQ(2 * kMenuButtonSet4.pieceWidth + 1, 41);
    EXPECT_EQ(Of(m + "172x85_button_gray_lr_5.bmp").width, kMenuButtonGrayFaceWidth);
    EXPECT_EQ(Of(m + "1x85_button_gray_c_5.bmp").height, kMenuButtonGray.height);
    EXPECT_LE(2 * kMenuButtonGray.pieceWidth + 1, kMenuButtonGrayFaceWidth);
}

}  // namespace
