#pragma once
// Where the pieces of a skinned control go. Portable.

#include "toolkit/double_button_state_machine.h"
#include "toolkit/skin_metrics.h"

namespace tockly {

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const noexcept { return x + width; }
    int bottom() const noexcept { return y + height; }
    bool operator==(const PixelRect&) const = default;
};

// A three-piece skin across `width`: the left piece at 0, the right piece flush with the right
// edge, the one-pixel centre repeated over every column between them.
struct ThreePieceSpans {
    PixelRect left;
    PixelRect centre;
    PixelRect right;
};
ThreePieceSpans LayoutThreePieces(int width, int height, int pieceWidth);

// The narrowest three-piece control that still shows one centre column.
inline constexpr int MinimumThreePieceWidth(int pieceWidth) noexcept {
    return 2 * pieceWidth + 1;
}

struct ControlSize {
    int width = 0;
    int height = 0;
    bool operator==(const ControlSize&) const = default;
};

// A skinned button keeps its skin's height and is never narrower than its two end pieces and one
// centre column. A skin height of 0 (an icon-only custom skin) keeps the height asked for.
ControlSize FitPieceSkin(const skin::PieceSkin& skin, int width, int height);

// What the parent is told when a control in gradient mode moves: which direction of the gradient
// it must recompute for the control's background.
enum class LayoutNotice { Both = 0, Horizontal = 1, Vertical = 2 };
LayoutNotice MoveNotice(int oldX, int oldY, int newX, int newY) noexcept;

// Two halves with a one-pixel line between them.
class DoubleButtonGeometry {
public:
    DoubleButtonGeometry(int leftWidth, int rightWidth, int pieceWidth) noexcept;

    // Each half keeps at least one centre column beside its end piece.
    void SetHalfWidth(ButtonHalf half, int width) noexcept;

    int leftWidth() const noexcept { return leftWidth_; }
    int rightWidth() const noexcept { return rightWidth_; }
    int totalWidth() const noexcept {
        return leftWidth_ + skin::kDoubleButtonLineWidth + rightWidth_;
    }
    int lineX() const noexcept { return leftWidth_; }
    PixelRect HalfRect(ButtonHalf half, int height) const noexcept;
    ButtonHalf HalfAt(int x) const noexcept;

private:
    int Fit(int width) const noexcept;

    int pieceWidth_;
    int leftWidth_;
    int rightWidth_;
};

// A check box or radio button: the box at the left, centred vertically, the caption after a gap.
struct CheckLayout {
    PixelRect box;
    PixelRect caption;
};
CheckLayout LayoutCheck(int width, int height, int boxSize, int gap);

// A rectangle of `width` x `height` centred in `outer` (it may stick out when larger).
PixelRect CentreIn(const PixelRect& outer, int width, int height) noexcept;

// The caption area of a three-piece control: between its end pieces.
PixelRect CaptionArea(int width, int height, int pieceWidth) noexcept;

}  // namespace tockly
