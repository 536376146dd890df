#include "toolkit/vscroll_painter.h"

namespace tockly {

namespace {

template <typename Load>
VScrollSkin LoadVScrollSkin(const VScrollSkinNames& names, Load load) {
    return {load(names.up),          load(names.upPressed), load(names.down),
            load(names.downPressed), load(names.track),     load(names.grip),
            load(names.gripPressed), load(names.gripBorder)};
}

}  // namespace

VScrollSkin VScrollSkin::BuiltIn() {
    return LoadVScrollSkin(BuiltInVScrollSkin(),
                           [](const std::u16string& name) { return LoadSkinResource(name); });
}

VScrollSkin VScrollSkin::FromFiles(const VScrollSkinNames& names) {
    return LoadVScrollSkin(names, [](const std::u16string& name) { return LoadSkinFile(name); });
}

void PaintVScroll(const PaintContext& paint, int x, int y, int width, const VScrollModel& model,
                  const VScrollSkin& skin, ScrollPress press, bool focusRing) {
    const int arrow = model.arrowHeight();
    const int height = model.height();
    // Every piece is one bitmap stretched over its rows: the 1-row track and grip tiles, the
    // arrows at their own size.
    const auto place = [&paint, x, y, width](const SharedBitmap& bitmap, int top, int rows) {
        if (bitmap && rows > 0) {
            DrawSkin(paint, bitmap.get(), {x, y + top, width, rows}, 0, bitmap->width());
        }
    };
    place(skin.track, arrow, model.trackLength());
    place(press == ScrollPress::UpArrow ? skin.upPressed : skin.up, 0, arrow);
    place(press == ScrollPress::DownArrow ? skin.downPressed : skin.down, height - arrow, arrow);

    const int top = model.thumbTop();
    const int rows = model.thumbHeight();
    place(press == ScrollPress::Thumb ? skin.gripPressed : skin.grip, top, rows);
    place(skin.gripBorder, top, 1);
    place(skin.gripBorder, top + rows - 1, 1);
    if (focusRing && rows > 6) {
        const RECT ring{x + 3, y + top + 3, x + width - 3, y + top + rows - 3};
        ::DrawFocusRect(paint.dc, &ring);
    }
}

}  // namespace tockly
