#pragma once
// The controls of one page of the main window: children of the main window, made hidden at their
// places in the page area and shown and hidden together. Their background continues the main
// window's tiles.

#include <windows.h>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/abstract_control.h"
#include "toolkit/captioned_control.h"

namespace tockly {

// The main window's tile, and the task list frame's.
inline constexpr std::wstring_view kMainTile = L"data\\bitmaps_menu\\70_bkg_3.bmp";
inline constexpr std::wstring_view kFrameTile = L"data\\bitmaps\\40_bkg.bmp";

// Texts on the main window's dark tiles.
inline constexpr TextColors kTextOnMainWindow{RGB(228, 228, 228), RGB(130, 130, 130)};

class PageControls {
public:
    explicit PageControls(HWND owner) : owner_(owner) {}
    PageControls(const PageControls&) = delete;
    PageControls& operator=(const PageControls&) = delete;

    // A control of type `Control` made on the owner with `arguments` after the owner, placed at
    // (x, y) over `tile`.
    template <typename Control, typename... Arguments>
    Control& Make(int x, int y, std::wstring_view tile, Arguments&&... arguments) {
        auto control = std::make_unique<Control>(owner_, std::forward<Arguments>(arguments)...);
        Control& made = *control;
        made.LoadBackgroundBitmapFile(tile);
        made.Move(x, y);
        made.Show(visible_);
        controls_.push_back(std::move(control));
        return made;
    }

    void Show(bool show) {
        visible_ = show;
        for (const auto& control : controls_) {
            control->Show(show);
        }
    }
    bool visible() const noexcept { return visible_; }
    HWND owner() const noexcept { return owner_; }

private:
    HWND owner_;
    std::vector<std::unique_ptr<bfAbstractControl>> controls_;
    bool visible_ = false;
};

}  // namespace tockly
