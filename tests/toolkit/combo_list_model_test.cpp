#include "toolkit/combo_list_model.h"

#include <gtest/gtest.h>

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

TEST(ComboPlacement, OpensBelowOverlappingTheBottomRowWhenItFits) {
    const ScreenRect combo{100, 200, 200, 223};
    const ListPlacement placement = PlaceComboList(combo, 3, 20, 8, kWorkArea);
    EXPECT_FALSE(placement.above);
    EXPECT_EQ(placement.x, 100);
    EXPECT_EQ(placement.y, 222);
    EXPECT_EQ(placement.width, 100);
    EXPECT_EQ(placement.rows, 3);
    EXPECT_EQ(placement.height, 62);
}

TEST(ComboPlacement, NearTheBottomOfTheScreenItOpensUpwards) {
    const ScreenRect combo{100, 700, 200, 723};
    const ListPlacement placement = PlaceComboList(combo, 3, 20, 8, kWorkArea);
    EXPECT_TRUE(placement.above);
    EXPECT_EQ(placement.y, 700 - 62);
    EXPECT_EQ(placement.rows, 3);

    // Exactly fitting below still opens below.
    const ScreenRect exact{100, 738 - 62 - 22, 200, 738 - 62 + 1};
    EXPECT_FALSE(PlaceComboList(exact, 3, 20, 8, kWorkArea).above);
    const ScreenRect onePixelLower{100, exact.top + 1, 200, exact.bottom + 1};
    EXPECT_TRUE(PlaceComboList(onePixelLower, 3, 20, 8, kWorkArea).above);
}

TEST(ComboPlacement, MoreItemsThanRowsShowTheMaximumAndAnEmptyListOneRow) {
    const ScreenRect combo{100, 200, 200, 223};
    EXPECT_EQ(PlaceComboList(combo, 30, 20, 8, kWorkArea).rows, 8);
    EXPECT_EQ(PlaceComboList(combo, 0, 20, 8, kWorkArea).rows, 1);
}

TEST(ComboPlacement, WhenNeitherSideHoldsItTheLargerSideScrolls) {
    const ScreenRect shortArea{0, 0, 1024, 150};
    const ScreenRect combo{100, 90, 200, 113};  // 90 above, 38 below
    const ListPlacement placement = PlaceComboList(combo, 8, 20, 8, shortArea);
    EXPECT_TRUE(placement.above);
    EXPECT_EQ(placement.rows, 4);
    EXPECT_EQ(placement.y, 90 - 82);
    EXPECT_GE(placement.y, 0);
}

TEST(ComboPlacement, StaysInsideTheWorkAreaSideways) {
    const ScreenRect atRightEdge{980, 200, 1080, 223};
    EXPECT_EQ(PlaceComboList(atRightEdge, 3, 20, 8, kWorkArea).x, 924);
    const ScreenRect leftOfSecondArea{-50, 200, 50, 223};
    const ScreenRect secondArea{0, 0, 800, 600};
    EXPECT_EQ(PlaceComboList(leftOfSecondArea, 3, 20, 8, secondArea).x, 0);
}

TEST(ComboItems, SelectingPastTheEndFailsAndChangesNothing) {
    ComboListModel list = List(5);
    EXPECT_TRUE(list.Select(2));
    EXPECT_FALSE(list.Select(5));
    EXPECT_FALSE(list.Select(-1));
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(list.selectedText(), u"item C");
    list.Clear();
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.selectedText(), u"");
}

TEST(ComboKeys, ArrowsPagesAndPick) {
    ComboListModel list = List(5);
    list.Select(1);
    list.Open();
    EXPECT_EQ(list.highlighted(), 1);
    EXPECT_EQ(list.HandleKey(EditKey::Up), ListAction::Moved);
    EXPECT_EQ(list.HandleKey(EditKey::Up), ListAction::Moved);
    EXPECT_EQ(list.highlighted(), 0);  // no item before the first
    list.HandleKey(EditKey::Right);
    EXPECT_EQ(list.highlighted(), 4);
    list.HandleKey(EditKey::Down);
    EXPECT_EQ(list.highlighted(), 4);
    list.HandleKey(EditKey::PageUp);
    EXPECT_EQ(list.highlighted(), 0);
    list.HandleKey(EditKey::PageDown);
    list.HandleKey(EditKey::Left);
    EXPECT_EQ(list.highlighted(), 0);
    list.HandleKey(EditKey::Down);
    EXPECT_EQ(list.HandleKey(EditKey::Space), ListAction::Pick);
    EXPECT_TRUE(list.PickHighlighted());
    EXPECT_EQ(list.selected(), 1);
    EXPECT_EQ(list.HandleKey(EditKey::Escape), ListAction::Cancel);
    EXPECT_EQ(list.HandleKey(EditKey::LetterA), ListAction::None);
}

TEST(ComboKeys, WithoutASelectionDownStartsAtTheFirstAndAnEmptyListPicksNothing) {
    ComboListModel list = List(3);
    list.Open();
    EXPECT_EQ(list.highlighted(), -1);
    EXPECT_FALSE(list.PickHighlighted());
    list.HandleKey(EditKey::Down);
    EXPECT_EQ(list.highlighted(), 0);

    ComboListModel empty;
    empty.Open();
    empty.HandleKey(EditKey::Down);
    empty.HandleKey(EditKey::End);
    EXPECT_EQ(empty.highlighted(), -1);
    EXPECT_FALSE(empty.PickHighlighted());
}

TEST(ComboScrolling, TheHighlightIsKeptInViewAndItemsAreFoundUnderTheScroll) {
    ComboListModel list = List(20);
    list.SetItemHeight(20);
    list.SetVisibleRows(8);
    EXPECT_TRUE(list.scrolls());
    list.Select(15);
    list.Open();
    EXPECT_EQ(list.topIndex(), 8);  // 15 is the last visible row
    EXPECT_EQ(list.ItemAt(1 + 7 * 20), 15);
    EXPECT_EQ(list.ItemTop(15), 1 + 7 * 20);
    list.HandleKey(EditKey::End);
    EXPECT_EQ(list.topIndex(), 12);
    list.HandleKey(EditKey::Home);
    EXPECT_EQ(list.topIndex(), 0);
    EXPECT_EQ(list.ItemAt(0), -1);  // the frame
    EXPECT_EQ(list.ItemAt(1), 0);
    EXPECT_EQ(list.ItemAt(1 + 8 * 20), -1);  // below the last row

    list.ScrollTo(100);
    EXPECT_EQ(list.topIndex(), 12);
    EXPECT_TRUE(list.scroll().Wheel(120));
    EXPECT_EQ(list.topIndex(), 10);
}

TEST(ComboScrolling, FewItemsLeaveNothingToScrollAndItemAtStopsAtTheLast) {
    ComboListModel list = List(3);
    list.SetVisibleRows(8);
    EXPECT_FALSE(list.scrolls());
    EXPECT_EQ(list.ItemAt(1 + 2 * 20), 2);
    EXPECT_EQ(list.ItemAt(1 + 3 * 20), -1);
}

TEST(ComboKeys, TypeAheadCyclesThroughItemsWithThatInitial) {
    ComboListModel list;
    for (const char16_t* name : {u"png", u"jpg", u"bmp", u"Jpeg"}) {
        list.AddItem(name);
    }
    list.Open();
    EXPECT_TRUE(list.HighlightByInitial(u'j'));
    EXPECT_EQ(list.highlighted(), 1);
    EXPECT_TRUE(list.HighlightByInitial(u'J'));
    EXPECT_EQ(list.highlighted(), 3);
    EXPECT_TRUE(list.HighlightByInitial(u'j'));
    EXPECT_EQ(list.highlighted(), 1);
    EXPECT_FALSE(list.HighlightByInitial(u'x'));
    EXPECT_EQ(list.highlighted(), 1);
}

}  // namespace
}  // namespace tockly
