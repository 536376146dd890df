#pragma once
// How an owner-drawn menu measures its items and where it draws their parts. Portable: the Win32
// menu measures the texts in its fonts and hands the sizes in.
//
// Measuring works per (sub)menu. A submenu gets an icon column (the icon with a gap on each side)
// when any of its items is checkable or has an icon that loaded; after it come the left margin,
// the text column (the submenu's widest text), the gap and the column of the texts after a tab
// (the gap alone holds a submenu's arrow), and the right margin. A text item is as high as the
// larger of the icon with its gaps and the text with its padding; a separator is thin.
//
// Every metric can be set on an item, on its submenu or on the menu; kUnsetMetric means not set,
// and the first one set in that order counts (the menu starts with kDefaultMenuMetrics).

#include <span>

#include "toolkit/control_geometry.h"

namespace tockly {

inline constexpr int kUnsetMetric = -1;

struct MenuMetrics {
    int iconWidth = kUnsetMetric;
    int iconHeight = kUnsetMetric;
    int iconGap = kUnsetMetric;  // on each side of the icon
    int leftMargin = kUnsetMetric;
    int shortcutGap = kUnsetMetric;  // between the text and the text after a tab or the arrow
    int rightMargin = kUnsetMetric;
    int separatorHeight = kUnsetMetric;
    int verticalPadding = kUnsetMetric;  // above and below the text

    bool operator==(const MenuMetrics&) const = default;
};

inline constexpr MenuMetrics kDefaultMenuMetrics{.iconWidth = 16,
                                                 .iconHeight = 16,
                                                 .iconGap = 3,
                                                 .leftMargin = 8,
                                                 .shortcutGap = 17,
                                                 .rightMargin = 4,
                                                 .separatorHeight = 5,
                                                 .verticalPadding = 4};

// Each metric from the first of `item`, `submenu`, `menu` that sets it, else the default.
MenuMetrics ResolveMetrics(const MenuMetrics& item, const MenuMetrics& submenu,
                           const MenuMetrics& menu) noexcept;

enum class MenuItemKind { Command, Submenu, Separator };

struct TextSize {
    int width = 0;
    int height = 0;
    bool operator==(const TextSize&) const = default;
};

// What measuring needs of one item.
struct MenuItemMeasure {
    MenuItemKind kind = MenuItemKind::Command;
    TextSize text;      // the text before a tab
    TextSize shortcut;  // the text after it
    bool checkable = false;
    bool hasIcon = false;  // an icon or checked icon that loaded
    MenuMetrics metrics;   // the item's own
};

// The columns all items of one (sub)menu share.
struct MenuColumns {
    int iconColumn = 0;  // 0 without icon column, else the icon and both gaps
    int textWidth = 0;
    int shortcutWidth = 0;
    bool arrow = false;  // some item opens a submenu
    bool operator==(const MenuColumns&) const = default;
};

MenuColumns MeasureColumns(std::span<const MenuItemMeasure> items, const MenuMetrics& submenu,
                           const MenuMetrics& menu) noexcept;

struct MenuItemSize {
    int width = 0;
    int height = 0;
    bool operator==(const MenuItemSize&) const = default;
};

// `metrics` are the item's resolved ones.
MenuItemSize MeasureItem(const MenuItemMeasure& item, const MenuColumns& columns,
                         const MenuMetrics& metrics) noexcept;

// Where the parts of an item of `width` x `height` go (the system may make an item wider than it
// was measured: the menu's widest item sets the width of all, and the platform adds room).
struct MenuItemPlaces {
    PixelRect icon;
    PixelRect text;
    PixelRect shortcut;          // right-aligned text ends at its right edge
    PixelRect arrow;             // a submenu's arrow, centred in the room before the right margin
    PixelRect highlight;         // the hot item's gradient: 4 pixels in from the left
    PixelRect roundedHighlight;  // the hot item without gradient: 2 pixels in
    int separatorY = 0;          // the rule of a separator
};

inline constexpr int kGradientHighlightInset = 4;
inline constexpr int kRoundedHighlightInset = 2;
inline constexpr int kArrowWidth = 4;
inline constexpr int kArrowHeight = 7;

MenuItemPlaces PlaceItem(int width, int height, const MenuColumns& columns,
                         const MenuMetrics& metrics) noexcept;

}  // namespace tockly
