#pragma once
// The few kinds of text and mark the pages of the main window are made of, in the main window's
// look: light text on its dark tiles, titles in Georgia.

#include <windows.h>

#include "toolkit/check_box.h"
#include "toolkit/static_text.h"
#include "ui/page_controls.h"

namespace tockly {

inline constexpr WORD kSilentControl = 200;
inline constexpr int kLabelHeight = 20;

// A page's title.
inline bfStaticText& MakeTitle(PageControls& controls, int x, int y, int width,
                               std::wstring_view tile = kMainTile, WORD id = kSilentControl) {
    auto& title = controls.Make<bfStaticText>(x, y, tile, id, width, 26);
    title.SetFont({L"Georgia", 20, FW_BOLD, false});
    title.SetTextColors(RGB(240, 240, 240), kTextOnMainWindow.disabled);
    title.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    return title;
}

// A caption beside or above a field.
inline bfStaticText& MakeLabel(PageControls& controls, int x, int y, int width,
                               WORD id = kSilentControl, std::wstring_view tile = kMainTile) {
    auto& label = controls.Make<bfStaticText>(x, y, tile, id, width, kLabelHeight);
    label.SetTextColors(kTextOnMainWindow.enabled, kTextOnMainWindow.disabled);
    label.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    return label;
}

inline bfCheckBox& MakeCheck(PageControls& controls, int x, int y, int width, WORD id) {
    auto& check = controls.Make<bfCheckBox>(x, y, kMainTile, id, width, kLabelHeight);
    check.SetTextColors(kTextOnMainWindow.enabled, kTextOnMainWindow.disabled);
    return check;
}

}  // namespace tockly
