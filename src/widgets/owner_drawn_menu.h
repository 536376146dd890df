#pragma once
// OwnerDrawnMenu: a popup menu from a menu resource whose every item, in every submenu, the
// program draws itself: a tiled background, an icon column with per-pixel alpha icons and check
// marks, the text and the text after a tab, a gradient behind the hot item, separators from a
// bitmap. The widgets use one each and the tray icon one; both route WM_MEASUREITEM and
// WM_DRAWITEM (wParam 0) of their window to Measure and Draw.
//
// The menu walks its resource once into an item tree (per submenu, the items in menu order) and
// marks each item owner-drawn; the item data it gives each item tells its own items from any
// other menu's. Texts come from the resource until SetItemText replaces them (the language table
// does, at start and on every change of language); each change measures the menu again.
//
// UI thread only.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/unique_handle.h"
#include "toolkit/font_cache.h"
#include "toolkit/paint_buffer.h"
#include "toolkit/skin_cache.h"
#include "widgets/menu_layout.h"
#include "widgets/menu_setup.h"

namespace tockly {

// The seven colours of a menu, by what they paint.
struct MenuColors {
    COLORREF text = RGB(235, 235, 235);
    COLORREF hotText = RGB(255, 255, 255);
    COLORREF shortcutText = RGB(205, 205, 205);  // the text after a tab
    COLORREF arrow = RGB(222, 222, 222);         // a submenu's arrow
    COLORREF rule = RGB(95, 95, 95);             // the line of a separator beside the icon column
    COLORREF selectionTop = RGB(101, 130, 167);  // the hot item's gradient
    COLORREF selectionBottom = RGB(50, 70, 107);
};

// How a menu looks; the defaults are the widgets' and the tray's.
struct MenuLook {
    FontSpec font{L"Tahoma", 14, FW_NORMAL, false};
    std::wstring background = L"Tray_Bkg";  // a 40 x 40 tile; empty: the gradient or colour below
    int backgroundWidth = 40;
    int backgroundHeight = 40;
    std::wstring separator = L"Tray_Separator";  // 40 x 10, tiled across a separator
    int separatorWidth = 40;
    int separatorHeight = 10;
    std::wstring checkMark = L"Popup_Checked";  // 16 x 16
    MenuColors colors;
    // Without a background tile: a horizontal gradient when set, else the solid colour.
    std::optional<std::pair<COLORREF, COLORREF>> backgroundGradient;
    COLORREF backgroundColor = RGB(55, 55, 55);
    // Without selection colours the hot item gets a rounded plate in this colour instead.
    bool selectionGradient = true;
    COLORREF selectionColor = RGB(80, 105, 140);
};

class OwnerDrawnMenu {
public:
    // The menu of `setup.resource` in the program's module; null when the resource cannot be
    // loaded or walked (the widget then has no popup menu).
    static std::unique_ptr<OwnerDrawnMenu> Load(const MenuSetup& setup,
                                                const MenuLook& look = MenuLook());
    ~OwnerDrawnMenu();
    OwnerDrawnMenu(const OwnerDrawnMenu&) = delete;
    OwnerDrawnMenu& operator=(const OwnerDrawnMenu&) = delete;

    HMENU handle() const noexcept { return menu_.get(); }

    // TrackPopupMenuEx at a screen point; the chosen command reaches `owner` as WM_COMMAND.
    bool Show(HWND owner, int screenX, int screenY, UINT flags = 0) const;

    // Answers for the menu's own items (false for any other item or control).
    bool Measure(MEASUREITEMSTRUCT& measure) const;
    bool Draw(const DRAWITEMSTRUCT& draw) const;

    // Texts: a tab separates the text after it, which is drawn right-aligned.
    bool SetItemText(const MenuPlace& place, std::u16string_view text);
    std::u16string ItemText(const MenuPlace& place) const;

    void SetChecked(int command, bool checked);
    bool IsChecked(int command) const;
    // Checks `chosen` and clears the other items from `first` to `last`.
    void CheckOnly(int first, int last, int chosen);

    // Icons and check marks can change after loading, as the setup gives them at first.
    bool SetIcon(const MenuIcon& icon);
    void SetCheckable(int command, bool checkable);

    // Metrics of the menu, of a submenu (the place of the item that opens it, or an empty path
    // for the top level) and of an item; kUnsetMetric leaves a metric to the level above.
    void SetMenuMetrics(const MenuMetrics& metrics);
    bool SetSubmenuMetrics(const MenuPlace& opener, const MenuMetrics& metrics);
    bool SetItemMetrics(const MenuPlace& place, const MenuMetrics& metrics);
    // Fonts the same way: an item's, else its submenu's, else the menu's, else DEFAULT_GUI_FONT.
    bool SetItemFont(const MenuPlace& place, const FontSpec& font);
    bool SetSubmenuFont(const MenuPlace& opener, const FontSpec& font);

    // The size an item was measured at (for tests and tools); nullopt for an unknown place.
    std::optional<MenuItemSize> MeasuredSize(const MenuPlace& place) const;
    // The number of (sub)menus and items the walk found.
    std::size_t submenuCount() const noexcept { return submenus_.size(); }
    std::size_t itemCount() const noexcept { return items_.size(); }

private:
    struct Item {
        HMENU parent = nullptr;
        std::size_t container = 0;  // the submenu it is in
        int position = 0;
        int command = 0;
        MenuItemKind kind = MenuItemKind::Command;
        std::u16string text;
        std::u16string shortcut;
        bool checkable = false;
        SharedBitmap icon;
        SharedBitmap checkedIcon;
        SharedFont font;
        MenuMetrics metrics;
        std::size_t submenu = 0;  // the submenu it opens, for kind Submenu
        TextSize textSize;
        TextSize shortcutSize;
        MenuItemSize size;
    };
    struct Submenu {
        HMENU handle = nullptr;
        std::vector<std::size_t> items;
        MenuMetrics metrics;
        SharedFont font;
        MenuColumns columns;
    };

    OwnerDrawnMenu(UniqueMenu menu, const MenuLook& look);
    bool Walk(HMENU menu);
    void ApplySetup(const MenuSetup& setup);
    bool AttachIcon(const MenuIcon& icon);
    void MeasureAll();
    HFONT FontOf(const Item& item) const;
    const Item* Find(ULONG_PTR itemData) const;
    Item* FindPlace(const MenuPlace& place);
    const Item* FindPlace(const MenuPlace& place) const;
    Submenu* SubmenuOpenedBy(const MenuPlace& opener);
    // Changes what `place` (or `opener`'s submenu) names and measures again; false when nothing.
    template <typename Change>
    bool ChangeItem(const MenuPlace& place, Change change);
    template <typename Change>
    bool ChangeSubmenu(const MenuPlace& opener, Change change);
    void DrawItem(HDC dc, const Item& item, int width, int height, POINT origin, UINT state) const;
    void DrawBackground(HDC dc, const RECT& area, POINT origin) const;
    void DrawSeparator(HDC dc, const Item& item, int width, int height, POINT origin) const;
    void DrawHighlight(HDC dc, const MenuItemPlaces& places) const;
    void DrawArrow(HDC dc, const PixelRect& arrow, COLORREF color) const;

    UniqueMenu menu_;
    std::uint32_t serial_;
    std::shared_ptr<PaintBuffer> buffer_;
    MenuLook look_;
    SharedFont font_;
    SharedBitmap background_;
    SharedBitmap separator_;
    SharedBitmap checkMark_;
    MenuMetrics metrics_ = kDefaultMenuMetrics;
    std::vector<Item> items_;
    std::vector<Submenu> submenus_;  // [0] is the top-level menu
};

}  // namespace tockly
