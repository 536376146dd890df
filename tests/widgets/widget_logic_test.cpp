// The widgets' arithmetic without windows: the alpha of each transparency, the transparency menu
// items, the progress strip's width and the owner-drawn menu's measuring rules.

#include <gtest/gtest.h>

#include <vector>

#include "widgets/menu_ids.h"
#include "widgets/menu_layout.h"
#include "widgets/widget_rules.h"

namespace tockly {
namespace {

TEST(Transparency, AlphaIsTheTruncatedShareOf255AndEveryMenuItemGivesItsPercent) {
    // (100 - percent) / 100 x 255 truncated: 50% is 127, not the rounded 128.
    const int expected[] = {255, 229, 204, 178, 153, 127, 102, 76, 51, 25};
    for (int step = 0; step < 10; ++step) {
        EXPECT_EQ(TransparencyAlpha(step * 10), expected[step]) << step * 10 << "%";
    }
    EXPECT_EQ(TransparencyAlpha(100), 0);
    EXPECT_EQ(TransparencyAlpha(-20), 255);  // a damaged store's value stays on the scale
    EXPECT_EQ(TransparencyAlpha(250), 0);

    EXPECT_EQ(TransparencyOfItem(menu_id::kTransparency90), 90);
    EXPECT_EQ(TransparencyOfItem(TOCKLY_MENU_TRANSPARENCY_50), 50);
    EXPECT_EQ(TransparencyOfItem(menu_id::kTransparency0), 0);
    EXPECT_EQ(TransparencyOfItem(menu_id::kAlwaysOnTop), -1);
    EXPECT_EQ(TransparencyOfItem(menu_id::kDarkTheme), -1);
    for (int id = menu_id::kTransparency90; id <= menu_id::kTransparency0; ++id) {
        EXPECT_EQ(TransparencyItem(TransparencyOfItem(id)), id);
    }
    EXPECT_EQ(TransparencyItem(35), TOCKLY_MENU_TRANSPARENCY_30);
    EXPECT_EQ(TransparencyItem(100), menu_id::kTransparency90);
}

TEST(ProgressStrip, ShrinksFromFullToEmptyTruncatingAndNeverOutgrowsItsWidth) {
    EXPECT_EQ(ProgressStripWidth(60, 60, kProgressStripWidth), 196);
    EXPECT_EQ(ProgressStripWidth(30, 60, kProgressStripWidth), 98);
    EXPECT_EQ(ProgressStripWidth(1, 3, kProgressStripWidth), 65);   // 65.33
    EXPECT_EQ(ProgressStripWidth(2, 3, kProgressStripWidth), 130);  // 130.67, not 131
    EXPECT_EQ(ProgressStripWidth(0, 60, kProgressStripWidth), 0);
    EXPECT_EQ(ProgressStripWidth(1, 3, 198), 66);
    // A count with no length draws no strip; nor does a strip of no width.
    EXPECT_EQ(ProgressStripWidth(0, 0, kProgressStripWidth), 0);
    EXPECT_EQ(ProgressStripWidth(10, 60, 0), 0);
    // A clock set back leaves more than the whole count: the strip stays full.
    EXPECT_EQ(ProgressStripWidth(90, 60, kProgressStripWidth), 196);
    // The counts are taken as unsigned 32-bit values, as the widgets always did: a span of more
    // than 2^31 seconds still divides correctly.
    EXPECT_EQ(ProgressStripWidth(3'000'000'000LL, 4'000'000'000LL, 200), 150);
}

MenuItemMeasure Text(int width, int height = 14) {
    return {MenuItemKind::Command, {width, height}, {}, false, false, {}};
}

MenuItemMeasure Separator() {
    return {MenuItemKind::Separator, {}, {}, false, false, {}};
}

TEST(MenuMeasuring, AnIconColumnOnlyWhereAnItemIsCheckableOrHasAnIconThatLoaded) {
    std::vector<MenuItemMeasure> plain = {Text(40), Separator(), Text(60)};
    EXPECT_EQ(MeasureColumns(plain, {}, kDefaultMenuMetrics).iconColumn, 0);

    std::vector<MenuItemMeasure> withIcon = plain;
    withIcon[2].hasIcon = true;
    EXPECT_EQ(MeasureColumns(withIcon, {}, kDefaultMenuMetrics).iconColumn, 16 + 2 * 3);

    std::vector<MenuItemMeasure> checkable = plain;
    checkable[0].checkable = true;
    EXPECT_EQ(MeasureColumns(checkable, {}, kDefaultMenuMetrics).iconColumn, 22);
    // The submenu's own icon size and gap make the column.
    const MenuMetrics bigIcons{.iconWidth = 24, .iconGap = 5};
    EXPECT_EQ(MeasureColumns(checkable, bigIcons, kDefaultMenuMetrics).iconColumn, 34);
}

TEST(MenuMeasuring, EveryItemIsAsWideAsTheColumnsAndTheWidestTextOfItsSubmenu) {
    std::vector<MenuItemMeasure> items = {Text(40), Separator(), Text(73)};
    items[0].checkable = true;
    const MenuColumns columns = MeasureColumns(items, {}, kDefaultMenuMetrics);
    EXPECT_EQ(columns.textWidth, 73);
    // icon column 22, left margin 8, text 73, right margin 4.
    for (const MenuItemMeasure& item : items) {
        EXPECT_EQ(MeasureItem(item, columns, kDefaultMenuMetrics).width, 22 + 8 + 73 + 4);
    }

    // Text after a tab: the gap of 17 and the widest of those texts come before the margin.
    items[2].shortcut = {30, 14};
    const MenuColumns withShortcut = MeasureColumns(items, {}, kDefaultMenuMetrics);
    EXPECT_EQ(MeasureItem(items[0], withShortcut, kDefaultMenuMetrics).width,
              22 + 8 + 73 + 17 + 30 + 4);

    // An item that opens a submenu keeps the gap for its arrow.
    std::vector<MenuItemMeasure> opener = {Text(50)};
    opener[0].kind = MenuItemKind::Submenu;
    const MenuColumns arrow = MeasureColumns(opener, {}, kDefaultMenuMetrics);
    EXPECT_TRUE(arrow.arrow);
    EXPECT_EQ(MeasureItem(opener[0], arrow, kDefaultMenuMetrics).width, 8 + 50 + 17 + 4);
}

TEST(MenuMeasuring, TextItemsAreAsHighAsTheirIconOrTheirPaddedTextAndSeparatorsFive) {
    const MenuColumns columns{22, 60, 0, false};
    // The icon with its gaps (22) against the text with its padding (14 + 8).
    EXPECT_EQ(MeasureItem(Text(60, 14), columns, kDefaultMenuMetrics).height, 22);
    EXPECT_EQ(MeasureItem(Text(60, 20), columns, kDefaultMenuMetrics).height, 28);
    EXPECT_EQ(MeasureItem(Text(60, 10), columns, kDefaultMenuMetrics).height, 22);
    EXPECT_EQ(MeasureItem(Separator(), columns, kDefaultMenuMetrics).height, 5);
}

TEST(MenuMeasuring, AMetricComesFromTheItemElseItsSubmenuElseTheMenuElseTheDefault) {
    const MenuMetrics item{.leftMargin = 1};
    const MenuMetrics submenu{.leftMargin = 2, .rightMargin = 12};
    const MenuMetrics menu{.leftMargin = 3, .rightMargin = 13, .separatorHeight = 9};
    const MenuMetrics resolved = ResolveMetrics(item, submenu, menu);
    EXPECT_EQ(resolved.leftMargin, 1);
    EXPECT_EQ(resolved.rightMargin, 12);
    EXPECT_EQ(resolved.separatorHeight, 9);
    EXPECT_EQ(resolved.shortcutGap, 17);  // set nowhere: the default
    EXPECT_EQ(ResolveMetrics({}, {}, {}), kDefaultMenuMetrics);
    // kUnsetMetric at a level passes the question on.
    EXPECT_EQ(ResolveMetrics({.iconGap = kUnsetMetric}, {.iconGap = 6}, {}).iconGap, 6);

    const MenuColumns columns{0, 50, 0, false};
    EXPECT_EQ(MeasureItem(Text(50), columns, resolved).width, 1 + 50 + 12);
    EXPECT_EQ(MeasureItem(Separator(), columns, resolved).height, 9);
}

TEST(MenuPlaces, IconCentredInItsColumnTextAfterTheMarginShortcutAgainstTheRightMargin) {
    const MenuColumns columns{22, 80, 30, false};
    const MenuItemPlaces places = PlaceItem(180, 24, columns, kDefaultMenuMetrics);
    EXPECT_EQ(places.icon, (PixelRect{3, 4, 16, 16}));
    EXPECT_EQ(places.text.x, 22 + 8);
    EXPECT_EQ(places.shortcut.right(), 180 - 4);
    EXPECT_EQ(places.shortcut.width, 30);
    EXPECT_LE(places.text.right(), places.shortcut.x - 17);
    EXPECT_EQ(places.highlight, (PixelRect{4, 0, 172, 24}));
    EXPECT_EQ(places.roundedHighlight, (PixelRect{2, 0, 176, 24}));

    const MenuColumns opener{0, 80, 0, true};
    const MenuItemPlaces arrow = PlaceItem(120, 24, opener, kDefaultMenuMetrics);
    EXPECT_GT(arrow.arrow.x, arrow.text.x + 80);
    EXPECT_LE(arrow.arrow.right(), 120 - 4);
    EXPECT_EQ(arrow.arrow.y + arrow.arrow.height / 2, (24 - 1) / 2);  // the middle row
}

}  // namespace
}  // namespace tockly
