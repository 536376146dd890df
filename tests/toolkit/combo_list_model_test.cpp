#include "toolkit/combo_list_model.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

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

TEST(ComboKeys, TheOpenListMovesItsHighlightAndKeepsItInView) {
    ComboListModel list = List(20);
    list.SetVisibleRows(8);
    list.Select(15);
    list.Open();  // the selection is highlighted and scrolled into the last row
    EXPECT_EQ(std::pair(list.highlighted(), list.topIndex()), std::pair(15, 8));
    struct Step {
        EditKey key;
        ListAction action;
        int highlighted, top;
    };
    const Step steps[] = {
        {EditKey::Down, ListAction::Moved, 16, 9},      {EditKey::End, ListAction::Moved, 19, 12},
        {EditKey::Down, ListAction::Moved, 19, 12},  // the last stays
        {EditKey::Up, ListAction::Moved, 18, 12},       {EditKey::Home, ListAction::Moved, 0, 0},
        {EditKey::Up, ListAction::Moved, 0, 0},         {EditKey::Down, ListAction::Moved, 1, 0},
        {EditKey::PageDown, ListAction::Moved, 19, 12}, {EditKey::PageUp, ListAction::Moved, 0, 0},
        {EditKey::Right, ListAction::Moved, 19, 12},    {EditKey::Left, ListAction::Moved, 0, 0},
        {EditKey::LetterA, ListAction::None, 0, 0},     {EditKey::Escape, ListAction::Cancel, 0, 0},
        {EditKey::Space, ListAction::Pick, 0, 0},       {EditKey::Enter, ListAction::Pick, 0, 0},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(list.HandleKey(step.key), step.action) << &step - steps;
        EXPECT_EQ(std::pair(list.highlighted(), list.topIndex()),
                  std::pair(step.highlighted, step.top))
            << &step - steps;
    }
    list.Highlight(12);
    list.ScrollTo(12);
    list.HandleKey(EditKey::Up);  // from the top row one row up
    EXPECT_EQ(std::pair(list.highlighted(), list.topIndex()), std::pair(11, 11));
    EXPECT_EQ(list.selected(), 15);  // keys only highlight; picking is the caller's
    list.Highlight(7);
    EXPECT_TRUE(list.PickHighlighted());
    EXPECT_EQ(list.selected(), 7);

    ComboListModel empty;
    for (const EditKey key : {EditKey::Down, EditKey::Up, EditKey::Home, EditKey::End}) {
        EXPECT_EQ(empty.HandleKey(key), ListAction::Moved);
        EXPECT_EQ(empty.highlighted(), -1);  // nothing to highlight
    }
    EXPECT_FALSE(empty.PickHighlighted());
}

TEST(ComboKeys, TheFirstLetterSearchGoesRoundToTheFirstItemAndScrollsToWhatItFinds) {
    ComboListModel list;
    for (const char16_t* item : {u"Apple", u"Banana", u"avocado", u"", u"Cherry", u"apricot"}) {
        list.AddItem(item);
    }
    list.SetVisibleRows(2);
    list.Open();
    EXPECT_EQ(list.highlighted(), -1);
    EXPECT_TRUE(list.HighlightByInitial(u'A'));  // nothing highlighted: from the first item
    EXPECT_EQ(list.highlighted(), 0);
    EXPECT_TRUE(list.HighlightByInitial(u'a'));  // the case of a letter does not matter
    EXPECT_EQ(list.highlighted(), 2);
    EXPECT_TRUE(list.HighlightByInitial(u'a'));
    EXPECT_EQ(std::pair(list.highlighted(), list.topIndex()), std::pair(5, 4));
    EXPECT_TRUE(list.HighlightByInitial(u'a'));  // round past the end to item 0
    EXPECT_EQ(std::pair(list.highlighted(), list.topIndex()), std::pair(0, 0));
    EXPECT_FALSE(list.HighlightByInitial(u'z'));
    EXPECT_EQ(list.highlighted(), 0);
    EXPECT_TRUE(list.HighlightByInitial(u'c'));
    EXPECT_EQ(std::pair(list.highlighted(), list.topIndex()), std::pair(4, 3));
}

TEST(ComboKeys, TheClosedBoxMovesItsSelectionByKeysWheelAndFirstLetter) {
    ComboListModel list = List(5);  // "item A" … "item E"
    struct Step {
        EditKey key;
        bool handled, changed;
        int selected;
    };
    const Step steps[] = {
        {EditKey::Down, true, true, 0},  // nothing selected: the first
        {EditKey::Up, true, false, 0},      {EditKey::Right, true, true, 1},
        {EditKey::End, true, true, 4},      {EditKey::Down, true, false, 4},
        {EditKey::Left, true, true, 3},     {EditKey::PageUp, true, true, 0},
        {EditKey::PageDown, true, true, 4}, {EditKey::Home, true, true, 0},
        {EditKey::Enter, false, false, 0},  {EditKey::LetterA, false, false, 0},
    };
    for (const Step& step : steps) {
        const SelectionOutcome outcome = list.MoveSelection(step.key);
        EXPECT_EQ(std::pair(outcome.handled, outcome.changed),
                  std::pair(step.handled, step.changed))
            << &step - steps;
        EXPECT_EQ(list.selected(), step.selected) << &step - steps;
    }
    EXPECT_TRUE(list.MoveSelectionByWheel(-2));  // towards the user: further down the list
    EXPECT_EQ(list.selected(), 2);
    EXPECT_TRUE(list.MoveSelectionByWheel(9));
    EXPECT_EQ(list.selected(), 0);
    EXPECT_FALSE(list.MoveSelectionByWheel(1));

    ComboListModel words;
    for (const char16_t* item : {u"Lock", u"Log off", u"Sleep", u"lid"}) {
        words.AddItem(item);
    }
    EXPECT_TRUE(words.SelectByInitial(u'l'));
    EXPECT_EQ(words.selected(), 0);
    EXPECT_TRUE(words.SelectByInitial(u'L'));
    EXPECT_EQ(words.selected(), 1);
    words.Select(3);
    EXPECT_TRUE(words.SelectByInitial(u'l'));  // round to item 0
    EXPECT_EQ(words.selected(), 0);
    EXPECT_FALSE(words.SelectByInitial(u'x'));
    words.Select(2);
    EXPECT_FALSE(words.SelectByInitial(u's'));  // the only match is the selection itself
    EXPECT_EQ(words.selected(), 2);

    ComboListModel two;
    two.AddItem(u"one");
    two.AddItem(u"two");
    EXPECT_TRUE(two.SelectByInitial(u't'));  // nothing selected: the search reaches the last item
    EXPECT_EQ(two.selected(), 1);

    ComboListModel empty;
    EXPECT_FALSE(empty.MoveSelection(EditKey::Down).changed);
    EXPECT_FALSE(empty.MoveSelectionByWheel(1));
    EXPECT_FALSE(empty.SelectByInitial(u'a'));
}

}  // namespace
}  // namespace tockly
