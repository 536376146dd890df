#pragma once
// A widget with its popup menu open, as the screen shows it: the menu is opened for real, keys
// are pressed in it to highlight an item or open a submenu, and the widget and every open menu
// window are captured onto one picture. Shared by the gallery's pages that show menus.

#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "canvas.h"
#include "gallery_pages.h"
#include "menu_capture.h"
#include "toolkit/message_map.h"
#include "widgets/owner_drawn_menu.h"

namespace tockly::gallery {

// Down `downs` times (the first Down highlights the first item; separators are passed over),
// then, when `intoSubmenu`, Right and Down `downsInSubmenu` times in the submenu.
inline std::vector<WORD> MenuKeys(int downs, bool intoSubmenu = false, int downsInSubmenu = 0) {
    std::vector<WORD> keys(static_cast<std::size_t>(downs), VK_DOWN);
    if (intoSubmenu) {
        keys.push_back(VK_RIGHT);
        keys.insert(keys.end(), static_cast<std::size_t>(downsInSubmenu), VK_DOWN);
    }
    return keys;
}

// Opens `menu` for `widget` (whose message map is `messages`) at the screen point `at`, presses
// `keys` in it once it waits for input, captures the scene when everything is open and painted,
// and closes the menu. Nothing when the menu never waited for input.
inline std::optional<Canvas> CaptureOpenMenu(HWND widget, MessageMap& messages,
                                             const OwnerDrawnMenu& menu, POINT at,
                                             const std::vector<WORD>& keys) {
    std::optional<Canvas> scene;
    int idles = 0;
    messages.Set(WM_ENTERIDLE, [&](UINT, WPARAM reason, LPARAM) -> LRESULT {
        if (reason != MSGF_MENU) {
            return 0;
        }
        ++idles;
        if (idles == 1 && !keys.empty()) {
            PressMenuKeys(keys);
            return 0;
        }
        if (idles <= 2 || idles > 200) {
            // The first idle after the keys: everything is open and painted.
            if (idles <= 2) {
                scene.emplace(CaptureWithOpenMenus(widget));
            }
            ::EndMenu();
        }
        return 0;
    });
    menu.Show(widget, at.x, at.y);
    PumpMessages();
    messages.Set(WM_ENTERIDLE, [](UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    return scene;
}

// Captioned pictures laid out left to right in rows across a page, a row wrapping where the next
// picture would pass the right margin.
class PictureRows {
public:
    static constexpr int kCaptionHeight = 22;
    static constexpr int kGap = 28;

    PictureRows(int left, int right, int top) : left_(left), right_(right), x_(left), y_(top) {}

    void Add(Canvas picture, const wchar_t* caption) {
        if (x_ + picture.width() > right_ && x_ > left_) {
            x_ = left_;
            y_ += rowHeight_ + kGap;
            rowHeight_ = 0;
        }
        const int width = picture.width();
        rowHeight_ = std::max(rowHeight_, picture.height() + kCaptionHeight);
        placed_.push_back({std::move(picture), caption, x_, y_});
        x_ += width + kGap;
    }
    // Below the last row.
    int bottom() const noexcept { return y_ + rowHeight_; }
    void DrawOn(Canvas& page) const {
        for (const Placed& shot : placed_) {
            page.Text(shot.x, shot.y, shot.caption, kCaptionFont, kCaptionColor);
            page.Paste(shot.picture, shot.x, shot.y + kCaptionHeight);
        }
    }

private:
    struct Placed {
        Canvas picture;
        const wchar_t* caption;
        int x;
        int y;
    };
    int left_;
    int right_;
    int x_;
    int y_;
    int rowHeight_ = 0;
    std::vector<Placed> placed_;
};

}  // namespace tockly::gallery
