#include "toolkit/combo_list_model.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tockly {
namespace {

constexpr ScreenRect kWorkArea{0, 0, 1024, 738};

ComboListModel List(int items) {
    ComboListModel list;
    for (int i = 0; i < items; ++i) {
        list.AddItem(u"item " + std::u16string(1, static_cast<char16_t>(u'A' + i)));
    }
    return list;
}

TEST(ComboPlacement, BelowWhenItFitsElseAboveOrOnTheLargerSideAndInsideTheWorkArea) {
    struct Case {
        ScreenRect combo;
        int items;
        ScreenRect workArea;
        ListPlacement expected;
    };
    const Case cases[] = {
        // Below, overlapping the combo box's bottom row; 3 rows of 20 and the frame.
        {{100, 200, 200, 223}, 3, kWorkArea, {100, 222, 100, 62, 3, false}},
        // Exactly fitting below still opens below; one pixel lower opens above.
        {{100, 654, 200, 677}, 3, kWorkArea, {100, 676, 100, 62, 3, false}},
        {{100, 655, 200, 678}, 3, kWorkArea, {100, 655 - 62, 100, 62, 3, true}},
        // More items than rows show the maximum; an empty list one row.
        {{100, 200, 200, 223}, 30, kWorkArea, {100, 222, 100, 162, 8, false}},
        {{100, 200, 200, 223}, 0, kWorkArea, {100, 222, 100, 22, 1, false}},
        // Neither side holds it: the larger side (90 above, 38 below) scrolls.
        {{100, 90, 200, 113}, 8, {0, 0, 1024, 150}, {100, 90 - 82, 100, 82, 4, true}},
        // Sideways inside the work area.
        {{980, 200, 1080, 223}, 3, kWorkArea, {924, 222, 100, 62, 3, false}},
    };
    for (const Case& c : cases) {
        const ListPlacement placement = PlaceComboList(c.combo, c.items, 20, 8, c.workArea);
        EXPECT_EQ(std::tie(placement.x, placement.y, placement.width, placement.height,
                           placement.rows, placement.above),
                  std::tie(c.expected.x, c.expected.y, c.expected.width, c.expected.height,
                           c.expected.rows, c.expected.above))
            << c.combo.left << ", " << c.combo.top;
    }
}

TEST(ComboItems, SelectingPastTheEndFailsAndChangesNothing) {
    ComboListModel list = List(5);
    EXPECT_TRUE(list.Select(2));
    EXPECT_FALSE(list.Select(5));
    EXPECT_FALSE(list.Select(-1));
    EXPECT_EQ(list.selectedText(), u"item C");
    list.Clear();
    EXPECT_EQ(list.selected(), -1);
}

}  // namespace
}  // namespace tockly
