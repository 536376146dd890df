#pragma once
// Painting of a vertical scroll bar from its model: shared by bfVScrollBar and the combo box
// list's scroll strip.

#include "toolkit/skin_cache.h"
#include "toolkit/skin_drawing.h"
#include "toolkit/skin_names.h"
#include "toolkit/vscroll_model.h"

namespace tockly {

// What the mouse holds down, for the pressed looks.
enum class ScrollPress { None = 0, UpArrow = 1, DownArrow = 2, Thumb = 3, Paging = 4 };

struct VScrollSkin {
    SharedBitmap up;
    SharedBitmap upPressed;
    SharedBitmap down;
    SharedBitmap downPressed;
    SharedBitmap track;
    SharedBitmap grip;
    SharedBitmap gripPressed;
    SharedBitmap gripBorder;

    // The built-in "VScrollBar_*" resources.
    static VScrollSkin BuiltIn();
    // Skin files (LoadSkinFile), such as a theme's narrow bar.
    static VScrollSkin FromFiles(const VScrollSkinNames& names);
};

// The bar `width` wide with its top left corner at (x, y): track, arrows, then the thumb (whose
// top border may cover the up arrow's last row); a focus ring inside the thumb when asked.
void PaintVScroll(const PaintContext& paint, int x, int y, int width, const VScrollModel& model,
                  const VScrollSkin& skin, ScrollPress press, bool focusRing);

}  // namespace tockly
