#include "widgets/menu_layout.h"

#include <algorithm>

namespace tockly {
namespace {

int FirstSet(int item, int submenu, int menu, int fallback) noexcept {
    for (const int value : {item, submenu, menu}) {
        if (value != kUnsetMetric) {
            return value;
        }
    }
    return fallback;
}

}  // namespace

MenuMetrics ResolveMetrics(const MenuMetrics& item, const MenuMetrics& submenu,
                           const MenuMetrics& menu) noexcept {
    const MenuMetrics& d = kDefaultMenuMetrics;
    return {
        .iconWidth = FirstSet(item.iconWidth, submenu.iconWidth, menu.iconWidth, d.iconWidth),
        .iconHeight = FirstSet(item.iconHeight, submenu.iconHeight, menu.iconHeight, d.iconHeight),
        .iconGap = FirstSet(item.iconGap, submenu.iconGap, menu.iconGap, d.iconGap),
        .leftMargin = FirstSet(item.leftMargin, submenu.leftMargin, menu.leftMargin, d.leftMargin),
        .shortcutGap =
            FirstSet(item.shortcutGap, submenu.shortcutGap, menu.shortcutGap, d.shortcutGap),
        .rightMargin =
            FirstSet(item.rightMargin, submenu.rightMargin, menu.rightMargin, d.rightMargin),
        .separatorHeight = FirstSet(item.separatorHeight, submenu.separatorHeight,
                                    menu.separatorHeight, d.separatorHeight),
        .verticalPadding = FirstSet(item.verticalPadding, submenu.verticalPadding,
                                    menu.verticalPadding, d.verticalPadding),
    };
}

MenuColumns MeasureColumns(std::span<const MenuItemMeasure> items, const MenuMetrics& submenu,
                           const MenuMetrics& menu) noexcept {
    MenuColumns columns;
    bool icons = false;
    for (const MenuItemMeasure& item : items) {
        if (item.kind == MenuItemKind::Separator) {
            continue;
        }
        icons = icons || item.checkable || item.hasIcon;
        columns.textWidth = std::max(columns.textWidth, item.text.width);
        columns.shortcutWidth = std::max(columns.shortcutWidth, item.shortcut.width);
        columns.arrow = columns.arrow || item.kind == MenuItemKind::Submenu;
    }
    if (icons) {
        const MenuMetrics column = ResolveMetrics({}, submenu, menu);
        columns.iconColumn = column.iconWidth + 2 * column.iconGap;
    }
    return columns;
}

MenuItemSize MeasureItem(const MenuItemMeasure& item, const MenuColumns& columns,
                         const MenuMetrics& metrics) noexcept {
    const bool trailing = columns.shortcutWidth > 0 || columns.arrow;
    const int width = columns.iconColumn + metrics.leftMargin + columns.textWidth +
                      (trailing ? metrics.shortcutGap + columns.shortcutWidth : 0) +
                      metrics.rightMargin;
    if (item.kind == MenuItemKind::Separator) {
        return {width, metrics.separatorHeight};
    }
    const int height = std::max(metrics.iconHeight + 2 * metrics.iconGap,
                                item.text.height + 2 * metrics.verticalPadding);
    return {width, height};
}

MenuItemPlaces PlaceItem(int width, int height, const MenuColumns& columns,
                         const MenuMetrics& metrics) noexcept {
    MenuItemPlaces places;
    const int iconX = (columns.iconColumn - metrics.iconWidth) / 2;
    places.icon = {iconX, (height - metrics.iconHeight) / 2, metrics.iconWidth, metrics.iconHeight};
    const int textX = columns.iconColumn + metrics.leftMargin;
    const int trailingRight = width - metrics.rightMargin;
    places.shortcut = {trailingRight - columns.shortcutWidth, 0, columns.shortcutWidth, height};
    const int textRight = columns.shortcutWidth > 0 || columns.arrow
                              ? trailingRight - columns.shortcutWidth - metrics.shortcutGap
                              : trailingRight;
    places.text = {textX, 0, std::max(0, std::max(textRight, textX + columns.textWidth) - textX),
                   height};
    const int arrowRoom = std::max(metrics.shortcutGap, kArrowWidth);
    places.arrow = {trailingRight - arrowRoom + (arrowRoom - kArrowWidth) / 2,
                    (height - kArrowHeight) / 2, kArrowWidth, kArrowHeight};
    places.highlight = {kGradientHighlightInset, 0,
                        std::max(0, width - 2 * kGradientHighlightInset), height};
    places.roundedHighlight = {kRoundedHighlightInset, 0,
                               std::max(0, width - 2 * kRoundedHighlightInset), height};
    places.separatorY = height / 2;
    return places;
}

}  // namespace tockly
