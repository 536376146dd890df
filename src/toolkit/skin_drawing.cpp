#include "toolkit/skin_drawing.h"

#include <algorithm>

#include "support/gdi_handles.h"

namespace tockly {
namespace {

constexpr BLENDFUNCTION kPerPixelAlpha{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

COLOR16 Channel(std::uint8_t level) noexcept {
    return static_cast<COLOR16>(level << 8);
}

int Modulo(int value, int divisor) noexcept {
    const int rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

}  // namespace

void DrawSkin(const PaintContext& paint, const SkinBitmap* bitmap, const PixelRect& target,
              int sourceX, int sourceWidth) {
    if (bitmap == nullptr || target.width <= 0 || target.height <= 0 || sourceWidth <= 0 ||
        paint.skinDc == nullptr) {
        return;
    }
    sourceX = std::clamp(sourceX, 0, std::max(0, bitmap->width() - 1));
    sourceWidth = std::min(sourceWidth, bitmap->width() - sourceX);
    if (sourceWidth <= 0 || bitmap->height() <= 0) {
        return;
    }
    SelectedObject source(paint.skinDc, bitmap->handle());
    if (!source.selected()) {
        return;
    }
    ::GdiAlphaBlend(paint.dc, target.x, target.y, target.width, target.height, paint.skinDc,
                    sourceX, 0, sourceWidth, bitmap->height(), kPerPixelAlpha);
}

void DrawSkinAt(const PaintContext& paint, const SkinBitmap* bitmap, int x, int y) {
    if (bitmap != nullptr) {
        DrawSkin(paint, bitmap, {x, y, bitmap->width(), bitmap->height()}, 0, bitmap->width());
    }
}

void DrawThreePieces(const PaintContext& paint, const ThreePieceBitmaps& pieces,
                     const PixelRect& area, int pieceWidth) {
    const ThreePieceSpans spans = LayoutThreePieces(area.width, area.height, pieceWidth);
    auto shifted = [&area](PixelRect rect) {
        rect.x += area.x;
        rect.y += area.y;
        return rect;
    };
    // One stretched blend of the centre column paints what repeating it column by column would.
    DrawSkin(paint, pieces.centre, shifted(spans.centre), 0, 1);
    DrawSkin(paint, pieces.left, shifted(spans.left), 0, spans.left.width);
    if (pieces.right != nullptr) {
        DrawSkin(paint, pieces.right, shifted(spans.right),
                 pieces.right->width() - spans.right.width, spans.right.width);
    }
}

void FillSolid(HDC dc, const RECT& area, COLORREF color) {
    const COLORREF previous = ::SetDCBrushColor(dc, color);
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    ::SetDCBrushColor(dc, previous);
}

void FrameSolid(HDC dc, const RECT& area, COLORREF color) {
    const COLORREF previous = ::SetDCBrushColor(dc, color);
    ::FrameRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    ::SetDCBrushColor(dc, previous);
}

bool FillTiled(HDC dc, const RECT& area, const SkinBitmap* tile, int originX, int originY) {
    if (tile == nullptr || tile->width() <= 0 || tile->height() <= 0) {
        return false;
    }
    UniqueBrush brush(::CreatePatternBrush(tile->handle()));
    if (!brush) {
        return false;
    }
    POINT previous{};
    ::SetBrushOrgEx(dc, Modulo(originX, tile->width()), Modulo(originY, tile->height()), &previous);
    ::FillRect(dc, &area, brush.get());
    ::SetBrushOrgEx(dc, previous.x, previous.y, nullptr);
    return true;
}

void FillGradientSlice(HDC dc, const RECT& area, GradientSlice slice, bool horizontal) {
    TRIVERTEX vertices[2]{};
    vertices[0].x = area.left;
    vertices[0].y = area.top;
    vertices[0].Red = vertices[0].Green = vertices[0].Blue = Channel(slice.nearLevel);
    vertices[1].x = area.right;
    vertices[1].y = area.bottom;
    vertices[1].Red = vertices[1].Green = vertices[1].Blue = Channel(slice.farLevel);
    GRADIENT_RECT rect{0, 1};
    ::GdiGradientFill(dc, vertices, 2, &rect, 1,
                      horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

UINT AlignmentFormat(HorizontalAlignment horizontal, VerticalAlignment vertical) noexcept {
    UINT format = 0;
    switch (horizontal) {
        case HorizontalAlignment::Left:
            format |= DT_LEFT;
            break;
        case HorizontalAlignment::Centre:
            format |= DT_CENTER;
            break;
        case HorizontalAlignment::Right:
            format |= DT_RIGHT;
            break;
    }
    switch (vertical) {
        case VerticalAlignment::Top:
            format |= DT_TOP;
            break;
        case VerticalAlignment::Centre:
            format |= DT_VCENTER;
            break;
        case VerticalAlignment::Bottom:
            format |= DT_BOTTOM;
            break;
    }
    return format;
}

void DrawCaption(HDC dc, const PixelRect& area, std::wstring_view text, HFONT font, COLORREF color,
                 UINT format) {
    if (text.empty() || area.width <= 0 || area.height <= 0) {
        return;
    }
    SelectedObject selected(dc, font);
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = ::SetTextColor(dc, color);
    RECT rect = ToRect(area);
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
    ::SetTextColor(dc, previousColor);
    ::SetBkMode(dc, previousMode);
}

PixelRect MeasureCaption(HDC dc, const PixelRect& area, std::wstring_view text, HFONT font,
                         UINT format) {
    if (text.empty()) {
        return {area.x, area.y, 0, 0};
    }
    SelectedObject selected(dc, font);
    RECT size{0, 0, 0, 0};
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &size,
                DT_CALCRECT | DT_SINGLELINE | (format & DT_NOPREFIX));
    const int width = std::min<int>(size.right, area.width);
    const int height = std::min<int>(size.bottom, area.height);
    PixelRect ink{area.x, area.y, width, height};
    if ((format & DT_CENTER) != 0) {
        ink.x += (area.width - width) / 2;
    } else if ((format & DT_RIGHT) != 0) {
        ink.x += area.width - width;
    }
    if ((format & DT_VCENTER) != 0) {
        ink.y += (area.height - height) / 2;
    } else if ((format & DT_BOTTOM) != 0) {
        ink.y += area.height - height;
    }
    return ink;
}

void DrawFocusRing(HDC dc, const PixelRect& area) {
    if (area.width < 3 || area.height < 3) {
        return;
    }
    const RECT ring = ToRect(area);
    ::DrawFocusRect(dc, &ring);
}

}  // namespace tockly
