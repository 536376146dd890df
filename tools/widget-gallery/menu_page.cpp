#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gallery_pages.h"
#include "menu_capture.h"
#include "widgets/menu_ids.h"
#include "widgets/plain_widget.h"

namespace tockly::gallery {
namespace {

using testing::PlainWidget;

constexpr int kPageWidth = 1180;
constexpr int kMargin = 24;
constexpr int kGap = 28;
constexpr int kCaptionHeight = 22;
// Where the widget stands and its menu opens while they are captured.
constexpr POINT kWidgetAt{40, 40};
constexpr POINT kMenuAt{130, 80};

struct Shot {
    std::u16string resource;
    const wchar_t* caption;
    // Keys pressed while the menu is open: to an item, into a submenu.
    std::vector<WORD> keys;
    std::function<void(PlainWidget&)> prepare;
};

std::vector<WORD> Keys(int downs, bool intoSubmenu = false, int downsInSubmenu = 0) {
    std::vector<WORD> keys(static_cast<std::size_t>(downs), VK_DOWN);
    if (intoSubmenu) {
        keys.push_back(VK_RIGHT);
        keys.insert(keys.end(), static_cast<std::size_t>(downsInSubmenu), VK_DOWN);
    }
    return keys;
}

Canvas TakeShot(const Shot& shot) {
    PlainWidget widget(nullptr, 1, WidgetClock(), shot.resource);
    widget.MoveTo(kWidgetAt.x, kWidgetAt.y);
    widget.Show(true);
    if (shot.prepare) {
        shot.prepare(widget);
    }
    ::SetForegroundWindow(widget.window());
    PumpMessages();
    std::optional<Canvas> scene;
    int idles = 0;
    widget.messages().Set(WM_ENTERIDLE, [&](UINT, WPARAM reason, LPARAM) -> LRESULT {
        if (reason != MSGF_MENU) {
            return 0;
        }
        ++idles;
        if (idles == 1 && !shot.keys.empty()) {
            PressMenuKeys(shot.keys);
            return 0;
        }
        if (idles <= 2 || idles > 200) {
            // The first idle after the keys: everything is open and painted.
            if (idles <= 2) {
                scene.emplace(CaptureWithOpenMenus(widget.window()));
            }
            ::EndMenu();
        }
        return 0;
    });
    if (widget.menu() != nullptr) {
        widget.menu()->Show(widget.window(), kMenuAt.x, kMenuAt.y);
    }
    PumpMessages();
    return scene ? std::move(*scene) : Canvas(1, 1);
}

std::vector<Shot> Shots() {
    const auto common = [](int transparency) {
        return [transparency](PlainWidget& widget) {
            widget.SetAlwaysOnTop(true);
            widget.SetShowProgressBar(true);
            widget.SetTransparency(transparency);
        };
    };
    const auto check = [common](int transparency, std::vector<int> ids) {
        return [common, transparency, ids](PlainWidget& widget) {
            common(transparency)(widget);
            for (const int id : ids) {
                widget.menu()->SetChecked(id, true);
            }
        };
    };
    return {
        {u"Universal_PopupMenu", L"Universal_PopupMenu, Transparency open", Keys(3, true, 4),
         common(50)},
        {u"StopWatch_PopupMenu", L"StopWatch_PopupMenu", Keys(4), common(0)},
        {u"StickyNote_PopupMenu", L"StickyNote_PopupMenu, Change theme style open",
         Keys(3, true, 0), check(20, {menu_id::kLightTheme})},
        {u"Message_Popupmenu", L"Message_Popupmenu", Keys(3), common(30)},
        {u"PrintScreen_PopupMenu", L"PrintScreen_PopupMenu, Transparency open", Keys(3, true, 2),
         common(70)},
        {u"PrintScreen_PopupMenu", L"PrintScreen_PopupMenu, Repeat every open", Keys(4, true, 1),
         check(0, {TOCKLY_MENU_REPEAT_5_MINUTES})},
        {u"PrintScreen_PopupMenu", L"PrintScreen_PopupMenu, Execute for open", Keys(5, true, 2),
         check(0, {TOCKLY_MENU_EXECUTE_15_MINUTES})},
        {u"PrintScreen_PopupMenu", L"PrintScreen_PopupMenu, File format open", Keys(6, true, 0),
         check(0, {menu_id::kFormatPng})},
        {u"Networks_PopupMenu", L"Networks_PopupMenu", Keys(4), common(0)},
        {u"PowerManagement_PopupMenu", L"PowerManagement_PopupMenu", Keys(4),
         check(10, {menu_id::kForce})},
    };
}

}  // namespace

Canvas MenuPage() {
    struct Placed {
        Canvas picture;
        const wchar_t* caption;
        int x;
        int y;
    };
    std::vector<Placed> placed;
    int x = kMargin;
    int y = 56;
    int rowHeight = 0;
    for (const Shot& shot : Shots()) {
        Canvas picture = TakeShot(shot);
        if (x + picture.width() > kPageWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        const int width = picture.width();
        rowHeight = std::max(rowHeight, picture.height() + kCaptionHeight);
        placed.push_back({std::move(picture), shot.caption, x, y});
        x += width + kGap;
    }
    Canvas page(kPageWidth, y + rowHeight + kMargin);
    page.Text(kMargin, 14, L"Tockly widget gallery: the widget menus", kHeadingFont, kHeadingColor);
    for (const Placed& shot : placed) {
        page.Text(shot.x, shot.y, shot.caption, kCaptionFont, kCaptionColor);
        page.Paste(shot.picture, shot.x, shot.y + kCaptionHeight);
    }
    return page;
}

}  // namespace tockly::gallery
