// OwnerDrawnMenu over the program's real menu resources: the walk into an owner-drawn item tree,
// measuring in its fonts by the rules, new texts measured again, metrics and fonts from the item,
// its submenu or the menu, check marks, and what the drawing puts where.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "support/gdi_handles.h"
#include "support/win32_test_paths.h"
#include "toolkit/dib_section.h"
#include "widgets/menu_ids.h"
#include "widgets/owner_drawn_menu.h"

namespace tockly {
namespace {

constexpr std::uint32_t kTile = 0x373737;  // "Tray_Bkg"

struct Tree {
    int items = 0;
    int submenus = 0;
};

// Every item of `menu` and its submenus.
void ForEachItem(HMENU menu, const std::function<void(HMENU, int, const MENUITEMINFOW&)>& visit) {
    for (int position = 0; position < ::GetMenuItemCount(menu); ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
        ASSERT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
        visit(menu, position, info);
        if (info.hSubMenu != nullptr) {
            ForEachItem(info.hSubMenu, visit);
        }
    }
}

std::unique_ptr<OwnerDrawnMenu> LoadWidgetMenu(std::u16string_view resource) {
    return OwnerDrawnMenu::Load(WidgetMenuSetup(resource));
}

// What the system asks of an item: the item data it gave it.
MENUITEMINFOW ItemInfo(HMENU menu, int position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_ID | MIIM_SUBMENU;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return info;
}

// One item drawn at its measured size (or `width`) into a bitmap of 0x00RRGGBB pixels.
struct DrawnItem {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool answered = false;

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF;
    }
    // Whether anything but the tile is drawn in the rectangle.
    bool DrawnIn(int left, int top, int right, int bottom) const {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (At(x, y) != kTile) {
                    return true;
                }
            }
        }
        return false;
    }
};

DrawnItem Draw(const OwnerDrawnMenu& menu, HMENU parent, int position, UINT state, int width = 0) {
    const MENUITEMINFOW info = ItemInfo(parent, position);
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, info.wID, 0, 0, info.dwItemData};
    menu.Measure(measure);
    DrawnItem drawn;
    drawn.width = width > 0 ? width : static_cast<int>(measure.itemWidth);
    drawn.height = static_cast<int>(measure.itemHeight);
    const DibSection target = CreateDibSection32(drawn.width, drawn.height);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    {
        SelectedObject selected(dc.get(), target.bitmap.get());
        const DRAWITEMSTRUCT draw{ODT_MENU,       0,
                                  info.wID,       ODA_DRAWENTIRE,
                                  state,          reinterpret_cast<HWND>(parent),
                                  dc.get(),       {0, 0, drawn.width, drawn.height},
                                  info.dwItemData};
        drawn.answered = menu.Draw(draw);
        ::GdiFlush();
    }
    drawn.pixels.assign(target.pixels,
                        target.pixels + static_cast<std::size_t>(drawn.width) * drawn.height);
    return drawn;
}

HFONT MenuFont() {
    static const SharedFont font = AcquireFont({L"Tahoma", 14, FW_NORMAL, false});
    return font->handle();
}

SIZE TextExtent(const wchar_t* text, HFONT font = MenuFont()) {
    WindowDc screen(nullptr);
    SelectedObject selected(screen.get(), font);
    SIZE size{};
    ::GetTextExtentPoint32W(screen.get(), text, static_cast<int>(wcslen(text)), &size);
    return size;
}

int Width(const OwnerDrawnMenu& menu, const MenuPlace& place) {
    return menu.MeasuredSize(place)->width;
}

int Height(const OwnerDrawnMenu& menu, const MenuPlace& place) {
    return menu.MeasuredSize(place)->height;
}

class OwnerDrawnMenus : public ::testing::Test {
protected:
    void SetUp() override {
        menu = LoadWidgetMenu(u"Universal_PopupMenu");
        ASSERT_NE(menu, nullptr);
    }
    std::unique_ptr<OwnerDrawnMenu> menu;
};

TEST(OwnerDrawnMenuLoading, EveryWidgetMenuWalksIntoATreeOfOwnerDrawnItemsWithTheirTexts) {
    struct Expected {
        std::u16string_view resource;
        Tree tree;
    };
    const Expected menus[] = {
        {u"Universal_PopupMenu", {16, 2}},       {u"StopWatch_PopupMenu", {17, 2}},
        {u"StickyNote_PopupMenu", {19, 3}},      {u"Message_Popupmenu", {14, 2}},
        {u"PrintScreen_PopupMenu", {33, 5}},     {u"Networks_PopupMenu", {18, 2}},
        {u"PowerManagement_PopupMenu", {17, 2}},
    };
    ASSERT_EQ(WidgetMenuResources().size(), std::size(menus));
    for (const Expected& expected : menus) {
        SCOPED_TRACE(std::string(expected.resource.begin(), expected.resource.end()));
        const auto menu = LoadWidgetMenu(expected.resource);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->itemCount(), static_cast<std::size_t>(expected.tree.items));
        EXPECT_EQ(menu->submenuCount(), static_cast<std::size_t>(expected.tree.submenus));
        std::set<ULONG_PTR> keys;
        int items = 0;
        ForEachItem(menu->handle(), [&](HMENU, int, const MENUITEMINFOW& info) {
            EXPECT_NE(info.fType & MFT_OWNERDRAW, 0u);
            keys.insert(info.dwItemData);
            ++items;
        });
        EXPECT_EQ(items, expected.tree.items);
        EXPECT_EQ(keys.size(), static_cast<std::size_t>(items));  // every item its own data
        EXPECT_EQ(menu->ItemText(MenuPlace::Command(menu_id::kAlwaysOnTop)), u"Always on top");
        EXPECT_EQ(menu->ItemText(MenuPlace::Command(menu_id::kHide)), u"Hide");
    }
    const auto universal = LoadWidgetMenu(u"Universal_PopupMenu");
    EXPECT_EQ(universal->ItemText(MenuPlace::Position({2})), u"Transparency");
    EXPECT_EQ(universal->ItemText(MenuPlace::Position({2, 4})), u"50%");
    EXPECT_EQ(universal->ItemText(MenuPlace::Position({2, 10})), u"");  // no such item
    EXPECT_EQ(LoadWidgetMenu(u"No_Such_Menu"), nullptr);
}

TEST_F(OwnerDrawnMenus, AnswersForItsOwnItemsOnlyWithTheSizesOfTheRules) {
    const MENUITEMINFOW first = ItemInfo(menu->handle(), 0);
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, first.wID, 0, 0, first.dwItemData};
    ASSERT_TRUE(menu->Measure(measure));
    // The icon column (3 + 16 + 3), the left margin, the widest text, the gap before the
    // Transparency submenu's arrow, the right margin.
    const SIZE widest = TextExtent(L"Show progress bar");
    EXPECT_EQ(static_cast<int>(measure.itemWidth), 22 + 8 + widest.cx + 17 + 4);
    EXPECT_EQ(static_cast<int>(measure.itemHeight), std::max(22, static_cast<int>(widest.cy) + 8));
    EXPECT_EQ(Height(*menu, MenuPlace::Position({3})), 5);  // the separator
    EXPECT_EQ(Width(*menu, MenuPlace::Position({3})), static_cast<int>(measure.itemWidth));

    // The Transparency submenu: its own widest text, no arrow, all checkable.
    EXPECT_EQ(Width(*menu, MenuPlace::Position({2, 0})), 22 + 8 + TextExtent(L"90%").cx + 4);

    // Another menu's item, or a control's, is not its business.
    const auto other = LoadWidgetMenu(u"Universal_PopupMenu");
    const MENUITEMINFOW foreign = ItemInfo(other->handle(), 0);
    MEASUREITEMSTRUCT alien{ODT_MENU, 0, foreign.wID, 0, 0, foreign.dwItemData};
    EXPECT_FALSE(menu->Measure(alien));
    MEASUREITEMSTRUCT button{ODT_BUTTON, 0, first.wID, 0, 0, first.dwItemData};
    EXPECT_FALSE(menu->Measure(button));
    EXPECT_FALSE(Draw(*menu, other->handle(), 0, 0, 100).answered);
}

TEST_F(OwnerDrawnMenus, ANewTextIsMeasuredAgainAndTheTextAfterATabGetsAColumn) {
    const int before = Width(*menu, MenuPlace::Command(menu_id::kAlwaysOnTop));
    const wchar_t* longText = L"Hide this widget until it is shown again";
    ASSERT_TRUE(menu->SetItemText(MenuPlace::Command(menu_id::kHide),
                                  u"Hide this widget until it is shown again"));
    EXPECT_EQ(menu->ItemText(MenuPlace::Command(menu_id::kHide)),
              u"Hide this widget until it is shown again");
    const int longer = Width(*menu, MenuPlace::Command(menu_id::kAlwaysOnTop));
    EXPECT_EQ(longer, 22 + 8 + TextExtent(longText).cx + 17 + 4);
    EXPECT_EQ(Width(*menu, MenuPlace::Position({3})), longer);  // all items of the submenu
    wchar_t system[128] = {};
    ::GetMenuStringW(menu->handle(), menu_id::kHide, system, 128, MF_BYCOMMAND);
    EXPECT_STREQ(system, longText);  // the system's copy follows

    // Text after a tab: its own column after the gap.
    ASSERT_TRUE(menu->SetItemText(MenuPlace::Command(menu_id::kHide), u"Hide\tCtrl+H"));
    EXPECT_EQ(menu->ItemText(MenuPlace::Command(menu_id::kHide)), u"Hide\tCtrl+H");
    EXPECT_EQ(Width(*menu, MenuPlace::Command(menu_id::kRemove)),
              22 + 8 + TextExtent(L"Show progress bar").cx + 17 + TextExtent(L"Ctrl+H").cx + 4);

    // The Transparency submenu has no command: it is reached by its place.
    ASSERT_TRUE(menu->SetItemText(MenuPlace::Position({2}), u"Transparenz"));
    EXPECT_EQ(menu->ItemText(MenuPlace::Position({2})), u"Transparenz");
    EXPECT_FALSE(menu->SetItemText(MenuPlace::Position({3}), u"separator"));
    EXPECT_FALSE(menu->SetItemText(MenuPlace::Command(4242), u"nothing"));
    EXPECT_NE(before, longer);
}

TEST_F(OwnerDrawnMenus, MetricsAndFontsComeFromTheItemElseItsSubmenuElseTheMenu) {
    const MenuPlace separator = MenuPlace::Position({3});
    const MenuPlace topLevel{};
    menu->SetMenuMetrics({.separatorHeight = 7});
    EXPECT_EQ(Height(*menu, separator), 7);
    ASSERT_TRUE(menu->SetSubmenuMetrics(topLevel, {.separatorHeight = 9}));
    EXPECT_EQ(Height(*menu, separator), 9);
    ASSERT_TRUE(menu->SetItemMetrics(separator, {.separatorHeight = 2}));
    EXPECT_EQ(Height(*menu, separator), 2);
    ASSERT_TRUE(menu->SetItemMetrics(separator, {}));
    EXPECT_EQ(Height(*menu, separator), 9);
    EXPECT_FALSE(menu->SetSubmenuMetrics(MenuPlace::Command(menu_id::kHide), {}));  // no submenu

    // A bigger font for one item: that item grows, and with its text the whole column.
    const int itemHeight = Height(*menu, MenuPlace::Command(menu_id::kRemove));
    const FontSpec big{L"Tahoma", 30, FW_BOLD, false};
    ASSERT_TRUE(menu->SetItemFont(MenuPlace::Command(menu_id::kHide), big));
    EXPECT_EQ(Height(*menu, MenuPlace::Command(menu_id::kHide)),
              TextExtent(L"Hide", AcquireFont(big)->handle()).cy + 8);
    EXPECT_EQ(Height(*menu, MenuPlace::Command(menu_id::kRemove)), itemHeight);
    // The submenu's font for all its items.
    ASSERT_TRUE(menu->SetSubmenuFont(MenuPlace::Position({2}), big));
    EXPECT_GT(Height(*menu, MenuPlace::Command(menu_id::kTransparency0)), itemHeight);
    EXPECT_EQ(Height(*menu, MenuPlace::Command(menu_id::kRemove)), itemHeight);
}

TEST_F(OwnerDrawnMenus, CheckMarksAreKeptByCommand) {
    menu->SetChecked(menu_id::kAlwaysOnTop, true);
    EXPECT_NE(::GetMenuState(menu->handle(), menu_id::kAlwaysOnTop, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_TRUE(menu->IsChecked(menu_id::kAlwaysOnTop));
    menu->CheckOnly(menu_id::kTransparency90, menu_id::kTransparency0, TOCKLY_MENU_TRANSPARENCY_50);
    for (int id = menu_id::kTransparency90; id <= menu_id::kTransparency0; ++id) {
        EXPECT_EQ(menu->IsChecked(id), id == TOCKLY_MENU_TRANSPARENCY_50) << id;
    }
    menu->SetChecked(menu_id::kAlwaysOnTop, false);
    EXPECT_FALSE(menu->IsChecked(menu_id::kAlwaysOnTop));
    EXPECT_FALSE(menu->IsChecked(4242));
}

TEST_F(OwnerDrawnMenus, DrawsTheCheckedIconOrTheCheckMarkTheIconTheHotItemAndTheSeparator) {
    SetSkinFileFolder(testing::BinaryFolder());
    const HMENU top = menu->handle();
    const HMENU transparency = ItemInfo(top, 2).hSubMenu;
    const int iconLeft = 3;
    const int iconRight = 19;

    // "Always on top": a checkable item without icons shows the check mark only when checked.
    const DrawnItem unchecked = Draw(*menu, top, 0, 0);
    ASSERT_TRUE(unchecked.answered);
    EXPECT_FALSE(unchecked.DrawnIn(iconLeft, 0, iconRight, unchecked.height));
    EXPECT_TRUE(unchecked.DrawnIn(30, 0, unchecked.width - 4, unchecked.height));  // its text
    const DrawnItem checked = Draw(*menu, top, 0, ODS_CHECKED);
    EXPECT_TRUE(checked.DrawnIn(iconLeft, 0, iconRight, checked.height));

    // "50%": its own checked icon instead of the check mark; nothing while unchecked.
    const DrawnItem level = Draw(*menu, transparency, 4, ODS_CHECKED, checked.width);
    EXPECT_TRUE(level.DrawnIn(iconLeft, 0, iconRight, level.height));
    bool differs = false;
    for (int y = 0; y < level.height; ++y) {
        for (int x = iconLeft; x < iconRight; ++x) {
            differs = differs || level.At(x, y) != checked.At(x, y);
        }
    }
    EXPECT_TRUE(differs);
    EXPECT_FALSE(Draw(*menu, transparency, 4, 0).DrawnIn(iconLeft, 0, iconRight, level.height));

    // "Transparency": its icon by position, and an arrow in the room before the right margin.
    const DrawnItem opener = Draw(*menu, top, 2, 0);
    EXPECT_TRUE(opener.DrawnIn(iconLeft, 0, iconRight, opener.height));
    EXPECT_TRUE(opener.DrawnIn(opener.width - 4 - 17, 0, opener.width - 4, opener.height));
    EXPECT_EQ(opener.At(opener.width - 4 - 17 + 6, opener.height / 2), 0xDEDEDEu);

    // The hot item: the selection gradient from 4 pixels in, top colour to bottom colour.
    const DrawnItem hot = Draw(*menu, top, 4, ODS_SELECTED);
    EXPECT_EQ(hot.At(2, hot.height / 2), kTile);
    EXPECT_EQ(hot.At(hot.width - 2, hot.height / 2), kTile);
    const std::uint32_t topColour = hot.At(6, 0);
    const std::uint32_t bottomColour = hot.At(6, hot.height - 1);
    EXPECT_NEAR(static_cast<int>(topColour >> 16), 101, 6);
    EXPECT_NEAR(static_cast<int>(bottomColour >> 16), 50, 6);
    EXPECT_NEAR(static_cast<int>(bottomColour & 0xFF), 107, 6);

    // The separator: an engraved line beside the icon column, its light edge the rule colour.
    const DrawnItem separator = Draw(*menu, top, 3, 0, checked.width);
    EXPECT_EQ(separator.height, 5);
    EXPECT_EQ(separator.At(40, 3), 0x5F5F5Fu);
    EXPECT_NE(separator.At(40, 2), kTile);  // the bitmap's dark line
    EXPECT_EQ(separator.At(40, 0), kTile);
    EXPECT_EQ(separator.At(1, 3), kTile);
}

TEST_F(OwnerDrawnMenus, ASubmenuItemKeepsTheSystemFromDrawingItsOwnArrowOverIt) {
    const HMENU top = menu->handle();
    const MENUITEMINFOW info = ItemInfo(top, 2);
    const DibSection target = CreateDibSection32(200, 30);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.get(), target.bitmap.get());
    const DRAWITEMSTRUCT draw{ODT_MENU,
                              0,
                              info.wID,
                              ODA_DRAWENTIRE,
                              0,
                              reinterpret_cast<HWND>(top),
                              dc.get(),
                              {0, 0, 200, 30},
                              info.dwItemData};
    ASSERT_TRUE(menu->Draw(draw));
    // What the system paints after WM_DRAWITEM stays off the item.
    const RECT item{0, 0, 200, 30};
    FillRect(dc.get(), &item, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::GdiFlush();
    EXPECT_EQ(std::count_if(target.pixels, target.pixels + 200 * 30,
                            [](std::uint32_t pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; }),
              0);
}

}  // namespace
}  // namespace tockly
