#pragma once
// A two-colour GradientFill over a rectangle, for the menus and the tools that draw like them.

#include <windows.h>

namespace tockly {

// From `from` to `to`, left to right (GRADIENT_FILL_RECT_H) or top to bottom (_V).
inline void FillTwoColorGradient(HDC dc, const RECT& area, COLORREF from, COLORREF to, ULONG mode) {
    const auto channel = [](BYTE level) { return static_cast<COLOR16>(level << 8); };
    TRIVERTEX vertices[2]{};
    vertices[0] = {area.left,
                   area.top,
                   channel(GetRValue(from)),
                   channel(GetGValue(from)),
                   channel(GetBValue(from)),
                   0};
    vertices[1] = {area.right,
                   area.bottom,
                   channel(GetRValue(to)),
                   channel(GetGValue(to)),
                   channel(GetBValue(to)),
                   0};
    GRADIENT_RECT rect{0, 1};
    ::GdiGradientFill(dc, vertices, 2, &rect, 1, mode);
}

}  // namespace tockly
