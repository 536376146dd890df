#include "widgets/note_resize.h"

#include <algorithm>
#include <limits>

#include "toolkit/skin_metrics.h"

namespace tockly {
namespace {

constexpr int kMargin = 6;   // from the note's edges to its controls
constexpr int kBandGap = 4;  // between the title band and the content
constexpr int kTinyButtonWidth = 14;
constexpr int kButtonGap = 2;

int ClampToInt(std::int64_t value) noexcept {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

struct Sides {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

Sides SidesOf(NoteZone zone) noexcept {
    switch (zone) {
        case NoteZone::Left:
            return {.left = true};
        case NoteZone::Right:
            return {.right = true};
        case NoteZone::Top:
            return {.top = true};
        case NoteZone::Bottom:
            return {.bottom = true};
        case NoteZone::TopLeft:
            return {.left = true, .top = true};
        case NoteZone::TopRight:
            return {.top = true, .right = true};
        case NoteZone::BottomLeft:
            return {.left = true, .bottom = true};
        case NoteZone::BottomRight:
            return {.right = true, .bottom = true};
        case NoteZone::None:
        case NoteZone::Move:
            break;
    }
    return {};
}

}  // namespace

NoteZone NoteZoneAt(int x, int y, int width, int height) noexcept {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return NoteZone::None;
    }
    const bool nearLeft = x < kNoteEdgeZone;
    const bool nearRight = x >= width - kNoteEdgeZone;
    const bool nearTop = y < kNoteEdgeZone;
    const bool nearBottom = y >= height - kNoteEdgeZone;
    // A corner reaches along both of its edges.
    const bool cornerLeft = x < kNoteCornerZone;
    const bool cornerRight = x >= width - kNoteCornerZone;
    const bool cornerTop = y < kNoteCornerZone;
    const bool cornerBottom = y >= height - kNoteCornerZone;
    if ((nearTop && cornerLeft) || (nearLeft && cornerTop)) {
        return NoteZone::TopLeft;
    }
    if ((nearTop && cornerRight) || (nearRight && cornerTop)) {
        return NoteZone::TopRight;
    }
    if ((nearBottom && cornerLeft) || (nearLeft && cornerBottom)) {
        return NoteZone::BottomLeft;
    }
    if ((nearBottom && cornerRight) || (nearRight && cornerBottom)) {
        return NoteZone::BottomRight;
    }
    if (nearLeft) {
        return NoteZone::Left;
    }
    if (nearRight) {
        return NoteZone::Right;
    }
    if (nearTop) {
        return NoteZone::Top;
    }
    if (nearBottom) {
        return NoteZone::Bottom;
    }
    return y < kNoteTitleBandHeight ? NoteZone::Move : NoteZone::None;
}

bool IsResizeZone(NoteZone zone) noexcept {
    return zone != NoteZone::None && zone != NoteZone::Move;
}

NoteCursor CursorOfZone(NoteZone zone) noexcept {
    switch (zone) {
        case NoteZone::Move:
            return NoteCursor::Move;
        case NoteZone::Left:
        case NoteZone::Right:
            return NoteCursor::SizeWestEast;
        case NoteZone::Top:
        case NoteZone::Bottom:
            return NoteCursor::SizeNorthSouth;
        case NoteZone::TopLeft:
        case NoteZone::BottomRight:
            return NoteCursor::SizeNorthWestSouthEast;
        case NoteZone::TopRight:
        case NoteZone::BottomLeft:
            return NoteCursor::SizeNorthEastSouthWest;
        case NoteZone::None:
            break;
    }
    return NoteCursor::Arrow;
}

NoteRect ResizeNote(NoteZone zone, const NoteRect& start, std::int64_t dx, std::int64_t dy,
                    int minWidth, int minHeight) noexcept {
    const Sides sides = SidesOf(zone);
    // In 64 bits: the pointer may be anywhere, and a side never passes the limit its opposite
    // side and the smallest size set.
    std::int64_t left = start.left;
    std::int64_t top = start.top;
    std::int64_t right = start.right;
    std::int64_t bottom = start.bottom;
    if (sides.left) {
        left = std::min(left + dx, right - minWidth);
    } else if (sides.right) {
        right = std::max(right + dx, left + minWidth);
    }
    if (sides.top) {
        top = std::min(top + dy, bottom - minHeight);
    } else if (sides.bottom) {
        bottom = std::max(bottom + dy, top + minHeight);
    }
    return {ClampToInt(left), ClampToInt(top), ClampToInt(right), ClampToInt(bottom)};
}

StickyNoteLayout LayOutStickyNote(int width, int height) noexcept {
    width = std::max(width, kStickyNoteMinWidth);
    height = std::max(height, kStickyNoteMinHeight);
    const int buttonHeight = skin::kTinyButton.height;
    const int buttonY = (kNoteTitleBandHeight - buttonHeight) / 2 + 1;
    const int barWidth = skin::kSmallVScrollBar.width;

    StickyNoteLayout layout;
    layout.titleBand = {0, 0, width, kNoteTitleBandHeight};
    layout.hideButton = {width - kMargin - kTinyButtonWidth, buttonY, kTinyButtonWidth,
                         buttonHeight};
    layout.plusButton = {layout.hideButton.x - kButtonGap - kTinyButtonWidth, buttonY,
                         kTinyButtonWidth, buttonHeight};
    layout.title = {kMargin, 0, layout.plusButton.x - kBandGap - kMargin, skin::kTextEdit.height};
    const int contentTop = kNoteTitleBandHeight + kBandGap;
    const int contentHeight = height - contentTop - kMargin;
    layout.scrollBar = {width - kMargin - barWidth, contentTop, barWidth, contentHeight};
    layout.content = {kMargin, contentTop, layout.scrollBar.x - kMargin, contentHeight};
    return layout;
}

}  // namespace tockly
