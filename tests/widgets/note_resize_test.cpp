// The sticky note's zones, its resize arithmetic for every zone with the smallest size, and where
// its controls go.

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "toolkit/skin_metrics.h"
#include "widgets/note_resize.h"

namespace tockly {
namespace {

constexpr NoteRect kStart{300, 200, 600, 500};  // 300 x 300, larger than the smallest note

struct ZoneCase {
    NoteZone zone;
    int x;  // a point of the zone on a 300 x 300 note
    int y;
    bool left;  // the sides that follow the pointer
    bool top;
    bool right;
    bool bottom;
    NoteCursor cursor;
};

const std::vector<ZoneCase> kResizeZones = {
    {NoteZone::Left, 1, 150, true, false, false, false, NoteCursor::SizeWestEast},
    {NoteZone::Right, 298, 150, false, false, true, false, NoteCursor::SizeWestEast},
    {NoteZone::Top, 150, 0, false, true, false, false, NoteCursor::SizeNorthSouth},
    {NoteZone::Bottom, 150, 299, false, false, false, true, NoteCursor::SizeNorthSouth},
    {NoteZone::TopLeft, 2, 2, true, true, false, false, NoteCursor::SizeNorthWestSouthEast},
    {NoteZone::TopRight, 297, 1, false, true, true, false, NoteCursor::SizeNorthEastSouthWest},
    {NoteZone::BottomLeft, 0, 297, true, false, false, true, NoteCursor::SizeNorthEastSouthWest},
    {NoteZone::BottomRight, 299, 299, false, false, true, true, NoteCursor::SizeNorthWestSouthEast},
};

TEST(NoteZones, EachEdgeAndCornerTheTitleBandAndTheBody) {
    for (const ZoneCase& zone : kResizeZones) {
        EXPECT_EQ(NoteZoneAt(zone.x, zone.y, 300, 300), zone.zone) << zone.x << "," << zone.y;
        EXPECT_TRUE(IsResizeZone(zone.zone));
        EXPECT_EQ(CursorOfZone(zone.zone), zone.cursor);
    }
    // A corner reaches along both its edges; past that the edge begins.
    EXPECT_EQ(NoteZoneAt(kNoteCornerZone - 1, 0, 300, 300), NoteZone::TopLeft);
    EXPECT_EQ(NoteZoneAt(kNoteCornerZone, 0, 300, 300), NoteZone::Top);
    EXPECT_EQ(NoteZoneAt(0, kNoteCornerZone - 1, 300, 300), NoteZone::TopLeft);
    EXPECT_EQ(NoteZoneAt(0, kNoteCornerZone, 300, 300), NoteZone::Left);
    EXPECT_EQ(NoteZoneAt(300 - kNoteCornerZone, 299, 300, 300), NoteZone::BottomRight);
    EXPECT_EQ(NoteZoneAt(300 - kNoteCornerZone - 1, 299, 300, 300), NoteZone::Bottom);
    // Edges are kNoteEdgeZone deep.
    EXPECT_EQ(NoteZoneAt(kNoteEdgeZone - 1, 100, 300, 300), NoteZone::Left);
    EXPECT_EQ(NoteZoneAt(kNoteEdgeZone, 100, 300, 300), NoteZone::None);
    EXPECT_EQ(NoteZoneAt(300 - kNoteEdgeZone, 100, 300, 300), NoteZone::Right);
    // The title band below the top edge moves; the body does nothing; outside is nothing.
    EXPECT_EQ(NoteZoneAt(100, kNoteEdgeZone, 300, 300), NoteZone::Move);
    EXPECT_EQ(NoteZoneAt(100, kNoteTitleBandHeight - 1, 300, 300), NoteZone::Move);
    EXPECT_EQ(NoteZoneAt(100, kNoteTitleBandHeight, 300, 300), NoteZone::None);
    EXPECT_EQ(CursorOfZone(NoteZone::Move), NoteCursor::Move);
    EXPECT_EQ(CursorOfZone(NoteZone::None), NoteCursor::Arrow);
    EXPECT_FALSE(IsResizeZone(NoteZone::Move));
    EXPECT_FALSE(IsResizeZone(NoteZone::None));
    EXPECT_EQ(NoteZoneAt(-1, 100, 300, 300), NoteZone::None);
    EXPECT_EQ(NoteZoneAt(300, 100, 300, 300), NoteZone::None);
    EXPECT_EQ(NoteZoneAt(100, 300, 300, 300), NoteZone::None);
}

// The rectangle each zone should give for a pointer moved by (dx, dy), worked out side by side.
NoteRect Expected(const ZoneCase& zone, int dx, int dy) {
    NoteRect rect = kStart;
    if (zone.left) {
        rect.left = std::min(kStart.left + dx, kStart.right - kStickyNoteMinWidth);
    }
    if (zone.right) {
        rect.right = std::max(kStart.right + dx, kStart.left + kStickyNoteMinWidth);
    }
    if (zone.top) {
        rect.top = std::min(kStart.top + dy, kStart.bottom - kStickyNoteMinHeight);
    }
    if (zone.bottom) {
        rect.bottom = std::max(kStart.bottom + dy, kStart.top + kStickyNoteMinHeight);
    }
    return rect;
}

TEST(NoteResize, EveryZoneMovesItsOwnSidesAndStopsAtTheSmallestSize) {
    const int moves[] = {-1000, -200, -116, -115, -114, -40, -1,  0,
                         1,     40,   114,  115,  116,  200, 1000};
    for (const ZoneCase& zone : kResizeZones) {
        for (const int dx : moves) {
            for (const int dy : moves) {
                const NoteRect got = ResizeNote(zone.zone, kStart, dx, dy);
                EXPECT_EQ(got, Expected(zone, dx, dy))
                    << static_cast<int>(zone.zone) << " by " << dx << "," << dy;
                EXPECT_GE(got.width(), kStickyNoteMinWidth);
                EXPECT_GE(got.height(), kStickyNoteMinHeight);
                // The sides the zone does not name stay where they were.
                EXPECT_TRUE(zone.left || got.left == kStart.left);
                EXPECT_TRUE(zone.right || got.right == kStart.right);
                EXPECT_TRUE(zone.top || got.top == kStart.top);
                EXPECT_TRUE(zone.bottom || got.bottom == kStart.bottom);
            }
        }
    }
}

TEST(NoteResize, DraggingPastTheSmallestSizeStopsTheMovingSideExactlyThere) {
    // The bottom-right corner dragged far inward: 185 x 175, the top-left corner where it was.
    EXPECT_EQ(ResizeNote(NoteZone::BottomRight, kStart, -5000, -5000),
              (NoteRect{300, 200, 300 + 185, 200 + 175}));
    // The left edge dragged to the right: it stops at width 185, the right edge stays.
    EXPECT_EQ(ResizeNote(NoteZone::Left, kStart, 250, 0), (NoteRect{600 - 185, 200, 600, 500}));
    // The top-left corner dragged inward past both limits.
    EXPECT_EQ(ResizeNote(NoteZone::TopLeft, kStart, 9000, 9000),
              (NoteRect{600 - 185, 500 - 175, 600, 500}));
    // Exactly to the limit, and one pixel short of it.
    EXPECT_EQ(ResizeNote(NoteZone::Right, kStart, -115, 0).width(), 185);
    EXPECT_EQ(ResizeNote(NoteZone::Right, kStart, -114, 0).width(), 186);
    EXPECT_EQ(ResizeNote(NoteZone::Bottom, kStart, 0, -125).height(), 175);
    // A note already at its smallest size does not shrink; it still grows.
    const NoteRect smallest{0, 0, 185, 175};
    for (const ZoneCase& zone : kResizeZones) {
        const int inward = 30;
        EXPECT_EQ(ResizeNote(zone.zone, smallest, zone.left ? inward : -inward,
                             zone.top ? inward : -inward),
                  smallest);
        const NoteRect grown = ResizeNote(zone.zone, smallest, zone.left ? -inward : inward,
                                          zone.top ? -inward : inward);
        EXPECT_EQ(grown.width() + grown.height(),
                  185 + 175 + inward * ((zone.left || zone.right) + (zone.top || zone.bottom)));
    }
}

TEST(NoteResize, MovingAndTheBodyResizeNothingAndHugeMovesStayInRange) {
    EXPECT_EQ(ResizeNote(NoteZone::Move, kStart, 50, 50), kStart);
    EXPECT_EQ(ResizeNote(NoteZone::None, kStart, 50, 50), kStart);
    constexpr auto kHuge = std::numeric_limits<std::int64_t>::max() / 2;
    const NoteRect grown = ResizeNote(NoteZone::BottomRight, kStart, kHuge, kHuge);
    EXPECT_EQ(grown.right, std::numeric_limits<int>::max());
    EXPECT_EQ(grown.left, kStart.left);
    const NoteRect shrunk = ResizeNote(NoteZone::TopLeft, kStart, kHuge, kHuge);
    EXPECT_EQ(shrunk, (NoteRect{600 - 185, 500 - 175, 600, 500}));
    EXPECT_EQ(ResizeNote(NoteZone::TopLeft, kStart, -kHuge, -kHuge).left,
              std::numeric_limits<int>::min());
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom() && inner.width > 0 && inner.height > 0;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

TEST(NoteLayout, ControlsFitAtEverySizeFromTheSmallestAndKeepOutOfTheEdgeZones) {
    for (const auto& [width, height] : std::vector<std::pair<int, int>>{
             {185, 175}, {186, 176}, {250, 300}, {900, 700}, {100, 50}}) {
        const StickyNoteLayout layout = LayOutStickyNote(width, height);
        const int w = std::max(width, 185);
        const int h = std::max(height, 175);
        const PixelRect note{0, 0, w, h};
        const PixelRect innerEdges{kNoteEdgeZone, 0, w - 2 * kNoteEdgeZone, h - kNoteEdgeZone};
        const std::vector<PixelRect> controls = {layout.title, layout.plusButton, layout.hideButton,
                                                 layout.content, layout.scrollBar};
        for (const PixelRect& control : controls) {
            EXPECT_TRUE(Inside(control, note)) << width << "x" << height;
            // Left, right and bottom edges stay free; the title reaches the top (a press on its top
            // rows is handed to the note), the rest keeps off it too.
            EXPECT_TRUE(Inside(control, innerEdges)) << width << "x" << height;
        }
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(Overlap(controls[i], controls[j])) << i << " and " << j;
            }
        }
        for (const PixelRect& band : {layout.plusButton, layout.hideButton}) {
            EXPECT_GE(band.y, kNoteEdgeZone);
            EXPECT_LE(band.bottom(), kNoteTitleBandHeight);
        }
        EXPECT_EQ(layout.titleBand, (PixelRect{0, 0, w, kNoteTitleBandHeight}));
        EXPECT_EQ(layout.title.height, skin::kTextEdit.height);
        EXPECT_GE(layout.content.y, kNoteTitleBandHeight);
        EXPECT_EQ(layout.scrollBar.width, skin::kSmallVScrollBar.width);
        EXPECT_EQ(layout.scrollBar.height, layout.content.height);
        EXPECT_EQ(layout.scrollBar.x, layout.content.right());
        // Even the smallest note shows several lines of content.
        EXPECT_GE(layout.content.height, 100);
        EXPECT_GE(layout.content.width, 140);
    }
}

}  // namespace
}  // namespace tockly
