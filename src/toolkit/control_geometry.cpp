#include "toolkit/control_geometry.h"

#include <algorithm>

namespace tockly {

ThreePieceSpans LayoutThreePieces(int width, int height, int pieceWidth) {
    ThreePieceSpans spans;
    const int ends = std::min(pieceWidth, std::max(width, 0) / 2);
    spans.left = {0, 0, ends, height};
    spans.right = {width - ends, 0, ends, height};
    spans.centre = {ends, 0, std::max(0, width - 2 * ends), height};
    return spans;
}

ControlSize FitPieceSkin(const skin::PieceSkin& skin, int width, int height) {
    ControlSize size;
    size.width = std::max(width, MinimumThreePieceWidth(skin.pieceWidth));
    size.height = skin.height > 0 ? skin.height : std::max(height, 0);
    return size;
}

LayoutNotice MoveNotice(int oldX, int oldY, int newX, int newY) noexcept {
    const bool horizontal = oldX != newX;
    const bool vertical = oldY != newY;
    if (horizontal && !vertical) {
        return LayoutNotice::Horizontal;
    }
    if (vertical && !horizontal) {
        return LayoutNotice::Vertical;
    }
    return LayoutNotice::Both;
}

DoubleButtonGeometry::DoubleButtonGeometry(int leftWidth, int rightWidth, int pieceWidth) noexcept
    : pieceWidth_(pieceWidth), leftWidth_(Fit(leftWidth)), rightWidth_(Fit(rightWidth)) {}

int DoubleButtonGeometry::Fit(int width) const noexcept {
    return std::max(width, pieceWidth_ + 1);
}

void DoubleButtonGeometry::SetHalfWidth(ButtonHalf half, int width) noexcept {
    if (half == ButtonHalf::Left) {
        leftWidth_ = Fit(width);
    } else if (half == ButtonHalf::Right) {
        rightWidth_ = Fit(width);
    }
}

PixelRect DoubleButtonGeometry::HalfRect(ButtonHalf half, int height) const noexcept {
    switch (half) {
        case ButtonHalf::Left:
            return {0, 0, leftWidth_, height};
        case ButtonHalf::Right:
            return {leftWidth_ + skin::kDoubleButtonLineWidth, 0, rightWidth_, height};
        case ButtonHalf::None:
            break;
    }
    return {};
}

ButtonHalf DoubleButtonGeometry::HalfAt(int x) const noexcept {
    if (x >= 0 && x < leftWidth_) {
        return ButtonHalf::Left;
    }
    const int rightStart = leftWidth_ + skin::kDoubleButtonLineWidth;
    if (x >= rightStart && x < rightStart + rightWidth_) {
        return ButtonHalf::Right;
    }
    return ButtonHalf::None;
}

CheckLayout LayoutCheck(int width, int height, int boxSize, int gap) {
    CheckLayout layout;
    layout.box = {0, (height - boxSize) / 2, boxSize, boxSize};
    const int captionX = boxSize + gap;
    layout.caption = {captionX, 0, std::max(0, width - captionX), height};
    return layout;
}

PixelRect CentreIn(const PixelRect& outer, int width, int height) noexcept {
    return {outer.x + (outer.width - width) / 2, outer.y + (outer.height - height) / 2, width,
            height};
}

PixelRect CaptionArea(int width, int height, int pieceWidth) noexcept {
    const int inset = std::min(pieceWidth, std::max(width, 0) / 2);
    return {inset, 0, std::max(0, width - 2 * inset), height};
}

}  // namespace tockly
