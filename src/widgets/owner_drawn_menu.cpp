#include "widgets/owner_drawn_menu.h"

#include <atomic>
#include <utility>

#include "support/gdi_handles.h"
#include "support/wide_text.h"
#include "toolkit/skin_drawing.h"
#include "widgets/gradient_fill.h"

namespace tockly {
namespace {

static_assert(sizeof(ULONG_PTR) == 8, "the item data holds the menu's serial and the item's index");

constexpr int kIconSize = 16;

std::uint32_t NextSerial() {
    static std::atomic<std::uint32_t> serial{0};
    return ++serial;
}

ULONG_PTR ItemKey(std::uint32_t serial, std::size_t index) {
    return (static_cast<ULONG_PTR>(serial) << 32) | static_cast<ULONG_PTR>(index);
}

std::pair<std::u16string, std::u16string> SplitAtTab(std::u16string_view text) {
    const std::size_t tab = text.find(u'\t');
    if (tab == std::u16string_view::npos) {
        return {std::u16string(text), {}};
    }
    return {std::u16string(text.substr(0, tab)), std::u16string(text.substr(tab + 1))};
}

std::wstring ItemString(HMENU menu, int position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) || info.cch == 0) {
        return {};
    }
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
        return {};
    }
    text.resize(info.cch);
    return text;
}

// A menu resource's top level is a menu bar, which TrackPopupMenuEx shows but Wine cannot
// hit-test: its items move to a real popup menu, submenus and all.
UniqueMenu AsPopup(UniqueMenu bar) {
    if (!bar) {
        return bar;
    }
    UniqueMenu popup(::CreatePopupMenu());
    for (UINT position = 0; popup && ::GetMenuItemCount(bar.get()) > 0; ++position) {
        std::wstring text = ItemString(bar.get(), 0);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
        if (!::GetMenuItemInfoW(bar.get(), 0, TRUE, &info)) {
            return UniqueMenu();
        }
        if ((info.fType & MFT_SEPARATOR) == 0) {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = text.data();
        }
        if (!::InsertMenuItemW(popup.get(), position, TRUE, &info) ||
            !::RemoveMenu(bar.get(), 0, MF_BYPOSITION)) {  // leaves the submenu alive
            return UniqueMenu();
        }
    }
    return popup;
}

TextSize MeasureText(HDC dc, std::u16string_view text) {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    SIZE size{0, metrics.tmHeight};
    if (!text.empty()) {
        ::GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()),
                                static_cast<int>(text.size()), &size);
    }
    return {size.cx, size.cy};
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
    SelectedObject pen(dc, ::GetStockObject(DC_PEN));
    const COLORREF previous = ::SetDCPenColor(dc, color);
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
    ::SetDCPenColor(dc, previous);
}

}  // namespace

OwnerDrawnMenu::OwnerDrawnMenu(UniqueMenu menu, const MenuLook& look)
    : menu_(std::move(menu)),
      serial_(NextSerial()),
      buffer_(PaintBuffer::ForThisThread()),
      look_(look),
      font_(AcquireFont(look.font)),
      background_(look.background.empty() ? nullptr
                                          : LoadSkinResource(look.background, look.backgroundWidth,
                                                             look.backgroundHeight)),
      separator_(look.separator.empty()
                     ? nullptr
                     : LoadSkinResource(look.separator, look.separatorWidth, look.separatorHeight)),
      checkMark_(look.checkMark.empty() ? nullptr
                                        : LoadSkinResource(look.checkMark, kIconSize, kIconSize)) {}

OwnerDrawnMenu::~OwnerDrawnMenu() = default;

std::unique_ptr<OwnerDrawnMenu> OwnerDrawnMenu::Load(const MenuSetup& setup, const MenuLook& look) {
    UniqueMenu loaded =
        AsPopup(UniqueMenu(::LoadMenuW(::GetModuleHandleW(nullptr), AsWide(setup.resource))));
    if (!loaded) {
        return nullptr;
    }
    const HMENU top = loaded.get();
    std::unique_ptr<OwnerDrawnMenu> menu(new OwnerDrawnMenu(std::move(loaded), look));
    if (!menu->Walk(top)) {
        return nullptr;
    }
    menu->ApplySetup(setup);
    menu->MeasureAll();
    return menu;
}

bool OwnerDrawnMenu::Walk(HMENU menu) {
    const std::size_t container = submenus_.size();
    submenus_.push_back({menu, {}, {}, nullptr, {}});
    const int count = ::GetMenuItemCount(menu);
    if (count < 0) {
        return false;
    }
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
            return false;
        }
        Item item;
        item.parent = menu;
        item.container = container;
        item.position = position;
        if ((info.fType & MFT_SEPARATOR) != 0) {
            item.kind = MenuItemKind::Separator;
        } else if (info.hSubMenu != nullptr) {
            item.kind = MenuItemKind::Submenu;
        } else {
            item.kind = MenuItemKind::Command;
            item.command = static_cast<int>(info.wID);
        }
        std::tie(item.text, item.shortcut) = SplitAtTab(FromWide(ItemString(menu, position)));
        const std::size_t index = items_.size();
        items_.push_back(std::move(item));
        submenus_[container].items.push_back(index);

        MENUITEMINFOW ownerDrawn{};
        ownerDrawn.cbSize = sizeof(ownerDrawn);
        ownerDrawn.fMask = MIIM_FTYPE | MIIM_DATA;
        ownerDrawn.fType = info.fType | MFT_OWNERDRAW;
        ownerDrawn.dwItemData = ItemKey(serial_, index);
        if (!::SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &ownerDrawn)) {
            return false;
        }
        if (info.hSubMenu != nullptr) {
            items_[index].submenu = submenus_.size();
            if (!Walk(info.hSubMenu)) {
                return false;
            }
        }
    }
    return true;
}

void OwnerDrawnMenu::ApplySetup(const MenuSetup& setup) {
    for (const int command : setup.checkable) {
        SetCheckable(command, true);
    }
    for (const MenuIcon& icon : setup.icons) {
        AttachIcon(icon);
    }
}

void OwnerDrawnMenu::MeasureAll() {
    WindowDc screen(nullptr);
    const HDC dc = screen.get();
    for (Item& item : items_) {
        if (item.kind == MenuItemKind::Separator || dc == nullptr) {
            continue;
        }
        SelectedObject font(dc, FontOf(item));
        item.textSize = MeasureText(dc, item.text);
        item.shortcutSize = item.shortcut.empty() ? TextSize{} : MeasureText(dc, item.shortcut);
    }
    for (Submenu& submenu : submenus_) {
        std::vector<MenuItemMeasure> measures;
        for (const std::size_t index : submenu.items) {
            const Item& item = items_[index];
            measures.push_back({item.kind, item.textSize, item.shortcutSize, item.checkable,
                                item.icon != nullptr || item.checkedIcon != nullptr, item.metrics});
        }
        submenu.columns = MeasureColumns(measures, submenu.metrics, metrics_);
        for (std::size_t i = 0; i < submenu.items.size(); ++i) {
            Item& item = items_[submenu.items[i]];
            item.size = MeasureItem(measures[i], submenu.columns,
                                    ResolveMetrics(item.metrics, submenu.metrics, metrics_));
        }
    }
    // The system keeps the sizes it was told until an item changes: tell it that they did.
    for (const Item& item : items_) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA;
        info.dwItemData = ItemKey(serial_, static_cast<std::size_t>(&item - items_.data()));
        ::SetMenuItemInfoW(item.parent, static_cast<UINT>(item.position), TRUE, &info);
    }
}

HFONT OwnerDrawnMenu::FontOf(const Item& item) const {
    if (item.font) {
        return item.font->handle();
    }
    if (const SharedFont& submenu = submenus_[item.container].font) {
        return submenu->handle();
    }
    if (font_) {
        return font_->handle();
    }
    return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

const OwnerDrawnMenu::Item* OwnerDrawnMenu::Find(ULONG_PTR itemData) const {
    if ((itemData >> 32) != serial_) {
        return nullptr;
    }
    const std::size_t index = itemData & 0xFFFFFFFFu;
    return index < items_.size() ? &items_[index] : nullptr;
}

const OwnerDrawnMenu::Item* OwnerDrawnMenu::FindPlace(const MenuPlace& place) const {
    if (place.byCommand()) {
        for (const Item& item : items_) {
            if (item.kind == MenuItemKind::Command && item.command == place.command) {
                return &item;
            }
        }
        return nullptr;
    }
    std::size_t submenu = 0;
    const Item* found = nullptr;
    for (const int position : place.path) {
        if (found != nullptr) {
            if (found->kind != MenuItemKind::Submenu) {
                return nullptr;
            }
            submenu = found->submenu;
        }
        const std::vector<std::size_t>& items = submenus_[submenu].items;
        if (position < 0 || static_cast<std::size_t>(position) >= items.size()) {
            return nullptr;
        }
        found = &items_[items[static_cast<std::size_t>(position)]];
    }
    return found;
}

OwnerDrawnMenu::Item* OwnerDrawnMenu::FindPlace(const MenuPlace& place) {
    return const_cast<Item*>(std::as_const(*this).FindPlace(place));
}

OwnerDrawnMenu::Submenu* OwnerDrawnMenu::SubmenuOpenedBy(const MenuPlace& opener) {
    if (opener.byCommand() && opener.command == 0) {
        return &submenus_[0];
    }
    const Item* item = FindPlace(opener);
    if (item == nullptr || item->kind != MenuItemKind::Submenu) {
        return nullptr;
    }
    return &submenus_[item->submenu];
}

bool OwnerDrawnMenu::Show(HWND owner, int screenX, int screenY, UINT flags) const {
    return ::TrackPopupMenuEx(menu_.get(), flags, screenX, screenY, owner, nullptr) != FALSE;
}

bool OwnerDrawnMenu::Measure(MEASUREITEMSTRUCT& measure) const {
    if (measure.CtlType != ODT_MENU) {
        return false;
    }
    const Item* item = Find(measure.itemData);
    if (item == nullptr) {
        return false;
    }
    measure.itemWidth = static_cast<UINT>(item->size.width);
    measure.itemHeight = static_cast<UINT>(item->size.height);
    return true;
}

bool OwnerDrawnMenu::Draw(const DRAWITEMSTRUCT& draw) const {
    if (draw.CtlType != ODT_MENU) {
        return false;
    }
    const Item* item = Find(draw.itemData);
    if (item == nullptr) {
        return false;
    }
    const RECT& area = draw.rcItem;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width > 0 && height > 0) {
        if (PaintBuffer::Lease lease = buffer_->Acquire(width, height)) {
            DrawItem(lease.dc(), *item, width, height, {-area.left, -area.top}, draw.itemState);
            ::BitBlt(draw.hDC, area.left, area.top, width, height, lease.dc(), 0, 0, SRCCOPY);
        }
    }
    if (item->kind == MenuItemKind::Submenu) {
        // The system draws its own (black) arrow over a submenu's item once this returns; ours is
        // there already.
        ::ExcludeClipRect(draw.hDC, area.left, area.top, area.right, area.bottom);
    }
    return true;
}

void OwnerDrawnMenu::DrawItem(HDC dc, const Item& item, int width, int height, POINT origin,
                              UINT state) const {
    DrawBackground(dc, {0, 0, width, height}, origin);
    if (item.kind == MenuItemKind::Separator) {
        DrawSeparator(dc, item, width, height, origin);
        return;
    }
    const Submenu& submenu = submenus_[item.container];
    const MenuMetrics metrics = ResolveMetrics(item.metrics, submenu.metrics, metrics_);
    const MenuItemPlaces places = PlaceItem(width, height, submenu.columns, metrics);
    const bool hot = (state & ODS_SELECTED) != 0;
    if (hot) {
        DrawHighlight(dc, places);
    }
    const bool checked = item.checkable && (state & ODS_CHECKED) != 0;
    const SkinBitmap* icon =
        checked ? (item.checkedIcon ? item.checkedIcon.get() : checkMark_.get()) : item.icon.get();
    if (icon != nullptr && submenu.columns.iconColumn > 0) {
        const PaintContext paint{dc, buffer_->SourceDc(), width, height};
        DrawSkin(paint, icon, places.icon, 0, icon->width());
    }
    const HFONT font = FontOf(item);
    const MenuColors& colors = look_.colors;
    DrawCaption(dc, places.text, ToWide(item.text), font, hot ? colors.hotText : colors.text,
                DT_SINGLELINE | DT_VCENTER);
    if (!item.shortcut.empty()) {
        DrawCaption(dc, places.shortcut, ToWide(item.shortcut), font,
                    hot ? colors.hotText : colors.shortcutText,
                    DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
    if (item.kind == MenuItemKind::Submenu) {
        DrawArrow(dc, places.arrow, hot ? colors.hotText : colors.arrow);
    }
}

void OwnerDrawnMenu::DrawBackground(HDC dc, const RECT& area, POINT origin) const {
    if (FillTiled(dc, area, background_.get(), origin.x, origin.y)) {
        return;
    }
    if (look_.backgroundGradient) {
        FillTwoColorGradient(dc, area, look_.backgroundGradient->first,
                             look_.backgroundGradient->second, GRADIENT_FILL_RECT_H);
        return;
    }
    FillSolid(dc, area, look_.backgroundColor);
}

void OwnerDrawnMenu::DrawSeparator(HDC dc, const Item& item, int width, int height,
                                   POINT origin) const {
    const MenuColumns& columns = submenus_[item.container].columns;
    const int left = columns.iconColumn > 0 ? columns.iconColumn : kGradientHighlightInset;
    const int right = width - kGradientHighlightInset;
    const int middle = height / 2;
    if (separator_) {
        // The bitmap's engraved line (its middle rows) through the item's middle.
        FillTiled(dc, {left, 0, right, height}, separator_.get(), origin.x,
                  middle - separator_->height() / 2 + 1);
    }
    // The line's light edge, a little brighter than the tile's.
    DrawLine(dc, left, middle + 1, right, middle + 1, look_.colors.rule);
}

void OwnerDrawnMenu::DrawHighlight(HDC dc, const MenuItemPlaces& places) const {
    if (look_.selectionGradient) {
        FillTwoColorGradient(dc, ToRect(places.highlight), look_.colors.selectionTop,
                             look_.colors.selectionBottom, GRADIENT_FILL_RECT_V);
        return;
    }
    SelectedObject pen(dc, ::GetStockObject(NULL_PEN));
    SelectedObject brush(dc, ::GetStockObject(DC_BRUSH));
    const COLORREF previous = ::SetDCBrushColor(dc, look_.selectionColor);
    const PixelRect& plate = places.roundedHighlight;
    // Without an outline RoundRect fills one pixel less on the right and at the bottom.
    ::RoundRect(dc, plate.x, plate.y, plate.right() + 1, plate.bottom() + 1, 10, 10);
    ::SetDCBrushColor(dc, previous);
}

void OwnerDrawnMenu::DrawArrow(HDC dc, const PixelRect& arrow, COLORREF color) const {
    SelectedObject pen(dc, ::GetStockObject(DC_PEN));
    SelectedObject brush(dc, ::GetStockObject(DC_BRUSH));
    const COLORREF previousPen = ::SetDCPenColor(dc, color);
    const COLORREF previousBrush = ::SetDCBrushColor(dc, color);
    const POINT points[] = {{arrow.x, arrow.y},
                            {arrow.x + arrow.width - 1, arrow.y + arrow.height / 2},
                            {arrow.x, arrow.y + arrow.height - 1}};
    ::Polygon(dc, points, 3);
    ::SetDCBrushColor(dc, previousBrush);
    ::SetDCPenColor(dc, previousPen);
}

bool OwnerDrawnMenu::SetItemText(const MenuPlace& place, std::u16string_view text) {
    Item* item = FindPlace(place);
    if (item == nullptr || item->kind == MenuItemKind::Separator) {
        return false;
    }
    std::tie(item->text, item->shortcut) = SplitAtTab(text);
    // The system's copy too, for what reads the menu's strings (screen readers).
    std::wstring wide = ToWide(text);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = wide.data();
    ::SetMenuItemInfoW(item->parent, static_cast<UINT>(item->position), TRUE, &info);
    MeasureAll();
    return true;
}

std::u16string OwnerDrawnMenu::ItemText(const MenuPlace& place) const {
    const Item* item = FindPlace(place);
    if (item == nullptr) {
        return {};
    }
    return item->shortcut.empty() ? item->text : item->text + u'\t' + item->shortcut;
}

void OwnerDrawnMenu::SetChecked(int command, bool checked) {
    ::CheckMenuItem(menu_.get(), static_cast<UINT>(command),
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool OwnerDrawnMenu::IsChecked(int command) const {
    const UINT state = ::GetMenuState(menu_.get(), static_cast<UINT>(command), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void OwnerDrawnMenu::CheckOnly(int first, int last, int chosen) {
    for (int command = first; command <= last; ++command) {
        SetChecked(command, command == chosen);
    }
}

bool OwnerDrawnMenu::AttachIcon(const MenuIcon& icon) {
    Item* item = FindPlace(icon.place);
    if (item == nullptr) {
        return false;
    }
    auto load = [](const std::u16string& name) -> SharedBitmap {
        return name.empty() ? nullptr : LoadSkinResource(ToWide(name), kIconSize, kIconSize);
    };
    item->icon = load(icon.icon);
    item->checkedIcon = load(icon.checkedIcon);
    return true;
}

bool OwnerDrawnMenu::SetIcon(const MenuIcon& icon) {
    if (!AttachIcon(icon)) {
        return false;
    }
    MeasureAll();
    return true;
}

void OwnerDrawnMenu::SetCheckable(int command, bool checkable) {
    for (Item& item : items_) {
        if (item.kind == MenuItemKind::Command && item.command == command) {
            item.checkable = checkable;
        }
    }
}

void OwnerDrawnMenu::SetMenuMetrics(const MenuMetrics& metrics) {
    metrics_ = metrics;
    MeasureAll();
}

template <typename Change>
bool OwnerDrawnMenu::ChangeSubmenu(const MenuPlace& opener, Change change) {
    Submenu* submenu = SubmenuOpenedBy(opener);
    if (submenu == nullptr) {
        return false;
    }
    change(*submenu);
    MeasureAll();
    return true;
}

template <typename Change>
bool OwnerDrawnMenu::ChangeItem(const MenuPlace& place, Change change) {
    Item* item = FindPlace(place);
    if (item == nullptr) {
        return false;
    }
    change(*item);
    MeasureAll();
    return true;
}

bool OwnerDrawnMenu::SetSubmenuMetrics(const MenuPlace& opener, const MenuMetrics& metrics) {
    return ChangeSubmenu(opener, [&metrics](Submenu& submenu) { submenu.metrics = metrics; });
}

bool OwnerDrawnMenu::SetItemMetrics(const MenuPlace& place, const MenuMetrics& metrics) {
    return ChangeItem(place, [&metrics](Item& item) { item.metrics = metrics; });
}

bool OwnerDrawnMenu::SetItemFont(const MenuPlace& place, const FontSpec& font) {
    return ChangeItem(place, [&font](Item& item) { item.font = AcquireFont(font); });
}

bool OwnerDrawnMenu::SetSubmenuFont(const MenuPlace& opener, const FontSpec& font) {
    return ChangeSubmenu(opener, [&font](Submenu& submenu) { submenu.font = AcquireFont(font); });
}

std::optional<MenuItemSize> OwnerDrawnMenu::MeasuredSize(const MenuPlace& place) const {
    const Item* item = FindPlace(place);
    if (item == nullptr) {
        return std::nullopt;
    }
    return item->size;
}

}  // namespace tockly
