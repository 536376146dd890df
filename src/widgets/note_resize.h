#pragma once
// How the mouse moves and resizes a sticky note, and where the note's controls go at a size:
// which part of the note a point is over (the title band moves it, the four edges and the four
// corners resize it), the window rectangle a resize leads to, never smaller than the note's
// smallest size, and the controls' rectangles. Portable.

#include <cstdint>

#include "toolkit/control_geometry.h"

namespace tockly {

// The size a note is made at, and the smallest one the user can give it.
inline constexpr int kStickyNoteMinWidth = 185;
inline constexpr int kStickyNoteMinHeight = 175;
// The title band: rows 0 to 22.
inline constexpr int kNoteTitleBandHeight = 23;
// An edge zone reaches this far into the note; a corner zone this far along each edge.
inline constexpr int kNoteEdgeZone = 4;
inline constexpr int kNoteCornerZone = 12;

enum class NoteZone {
    None,  // the body, where a press does nothing
    Move,  // the title band
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

// The cursor a zone shows: the arrow, the four-way arrow of a move, and the sizing arrows.
enum class NoteCursor {
    Arrow,
    Move,
    SizeWestEast,
    SizeNorthSouth,
    SizeNorthWestSouthEast,
    SizeNorthEastSouthWest
};

// What the client point (x, y) of a note of `width` x `height` is over; points outside the note
// are over nothing.
NoteZone NoteZoneAt(int x, int y, int width, int height) noexcept;
bool IsResizeZone(NoteZone zone) noexcept;
NoteCursor CursorOfZone(NoteZone zone) noexcept;

// A window rectangle on the screen.
struct NoteRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const noexcept { return right - left; }
    int height() const noexcept { return bottom - top; }
    bool operator==(const NoteRect&) const = default;
};

// The rectangle when the pointer has moved by (dx, dy) since the press on `zone`, the window
// having been at `start`: the sides the zone names follow the pointer, the others stay. A moving
// side stops where the note would be narrower than `minWidth` or lower than `minHeight`, so the
// opposite side stays put. A zone that resizes nothing gives `start`.
NoteRect ResizeNote(NoteZone zone, const NoteRect& start, std::int64_t dx, std::int64_t dy,
                    int minWidth = kStickyNoteMinWidth,
                    int minHeight = kStickyNoteMinHeight) noexcept;

// Where the note's controls go at `width` x `height` (client coordinates). They keep out of the
// edge zones, except the title, which reaches the top edge: a press on its top rows resizes.
struct StickyNoteLayout {
    PixelRect titleBand;
    PixelRect title;       // the title's text edit, as high as its plate
    PixelRect plusButton;  // tiny buttons on the title band
    PixelRect hideButton;
    PixelRect content;  // the text box
    PixelRect scrollBar;
};
// Sizes below the smallest are laid out as the smallest.
StickyNoteLayout LayOutStickyNote(int width, int height) noexcept;

}  // namespace tockly
