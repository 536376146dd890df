#pragma once
// Drawing skin bitmaps and captions into a control's paint buffer.

#include <windows.h>

#include <string_view>

#include "toolkit/control_geometry.h"
#include "toolkit/gradient_slice.h"
#include "toolkit/skin_cache.h"
#include "toolkit/text_alignment.h"

namespace tockly {

// What a control's painting gets: the buffer, a DC for selecting skin bitmaps, and the size.
struct PaintContext {
    HDC dc = nullptr;
    HDC skinDc = nullptr;
    int width = 0;
    int height = 0;
};

// Blends `bitmap` (premultiplied alpha) into `target`, scaling the source columns
// [sourceX, sourceX + sourceWidth) and all its rows to `target`. A missing bitmap draws nothing.
void DrawSkin(const PaintContext& paint, const SkinBitmap* bitmap, const PixelRect& target,
              int sourceX, int sourceWidth);
// The whole bitmap at its own size, at (x, y).
void DrawSkinAt(const PaintContext& paint, const SkinBitmap* bitmap, int x, int y);

struct ThreePieceBitmaps {
    const SkinBitmap* left = nullptr;
    const SkinBitmap* centre = nullptr;
    const SkinBitmap* right = nullptr;
};

// Left piece at the left edge, right piece at the right edge (the last `pieceWidth` columns of its
// bitmap), the first column of the centre bitmap stretched over the columns between.
void DrawThreePieces(const PaintContext& paint, const ThreePieceBitmaps& pieces,
                     const PixelRect& area, int pieceWidth);

void FillSolid(HDC dc, const RECT& area, COLORREF color);
// A one-pixel frame in `color` just inside `area`.
void FrameSolid(HDC dc, const RECT& area, COLORREF color);
// Covers `area` with copies of `tile`, lined up so that one of them starts at (originX, originY)
// of the DC: controls pass their parent's origin, so that their tiles continue the parent's.
// False, with nothing drawn, when there is no tile to draw.
bool FillTiled(HDC dc, const RECT& area, const SkinBitmap* tile, int originX, int originY);
void FillGradientSlice(HDC dc, const RECT& area, GradientSlice slice, bool horizontal);

UINT AlignmentFormat(HorizontalAlignment horizontal, VerticalAlignment vertical) noexcept;

// Transparent text in `font`; `format` holds the DT_ flags.
void DrawCaption(HDC dc, const PixelRect& area, std::wstring_view text, HFONT font, COLORREF color,
                 UINT format);

// Where a single-line caption lands in `area` when drawn with `format` (DT_ alignment flags).
PixelRect MeasureCaption(HDC dc, const PixelRect& area, std::wstring_view text, HFONT font,
                         UINT format);

// The toolkit's focus ring: the platform's dotted rectangle along the edges of `area`. Nothing is
// drawn when the area is too small to show it.
void DrawFocusRing(HDC dc, const PixelRect& area);

inline RECT ToRect(const PixelRect& rect) noexcept {
    return {rect.x, rect.y, rect.right(), rect.bottom()};
}

}  // namespace tockly
