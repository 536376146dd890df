#include "toolkit/vscroll_model.h"

#include <gtest/gtest.h>

#include "toolkit/skin_metrics.h"

namespace tockly {
namespace {

// Arrow height 18 and a 200-pixel track: 236 pixels high.
VScrollModel Bar(int content, int page, int lineStep = 10) {
    VScrollModel bar;
    bar.SetHeight(236);
    bar.SetContent(content);
    bar.SetPage(page);
    bar.SetLineStep(lineStep);
    return bar;
}

TEST(VScrollGeometry, ThumbIsProportionalWithinItsLimitsAndTravelsTheTrack) {
    struct Case {
        int content, page, position, thumbHeight, thumbTop;
    };
    for (const Case& c : {Case{1000, 100, 900, 20, 18 + 180},
                          // at the top the thumb's border covers the arrow's last row
                          Case{1000, 100, 0, 20, 17}, Case{100000, 10, 0, 20, 17},
                          Case{1000, 990, 10, 180, 18 + 20},
                          // a page not smaller than the content keeps position 0
                          Case{100, 100, 40, 180, 17}, Case{0, 0, 40, 180, 17}}) {
        VScrollModel bar = Bar(c.content, c.page);
        bar.SetPosition(c.position);
        EXPECT_EQ(bar.thumbHeight(), c.thumbHeight) << c.content << " " << c.page;
        EXPECT_EQ(bar.thumbTop(), c.thumbTop) << c.content << " " << c.page;
        EXPECT_EQ(bar.position(), c.page >= c.content ? 0 : c.position);
    }
    EXPECT_FALSE(Bar(50, 100).LineDown());
    EXPECT_FALSE(Bar(50, 100).PageDown());

    VScrollModel bar;
    EXPECT_EQ(bar.SetHeight(10), 72);  // at least four arrows high
    // Content shrinking under the position pulls the position back.
    bar = Bar(1000, 100);
    bar.SetPosition(900);
    bar.SetContent(300);
    EXPECT_EQ(bar.position(), 200);
}

TEST(VScrollGeometry, ANarrowSkinsShorterArrowsMoveTheTrackAndTheThumbWithThem) {
    VScrollModel bar;
    bar.SetHeight(30);
    EXPECT_EQ(bar.SetArrowHeight(skin::kSmallVScrollBar.arrowHeight), 72);  // kept, still 4 arrows
    EXPECT_EQ(bar.SetHeight(30), 44);
    bar.SetHeight(130);
    bar.SetContent(1000);
    bar.SetPage(250);
    bar.SetPosition(375);
    EXPECT_EQ(bar.trackLength(), 108);
    EXPECT_EQ(bar.maximumThumb(), 97);
    EXPECT_EQ(bar.thumbHeight(), 27);
    EXPECT_EQ(bar.thumbTop(), 11 + 41);  // travel 81, half way rounded up
    using enum ScrollPart;
    for (const auto& [y, part] : {std::pair{10, UpArrow},
                                  {11, TrackAbove},
                                  {51, TrackAbove},
                                  {52, Thumb},
                                  {78, Thumb},
                                  {79, TrackBelow},
                                  {118, TrackBelow},
                                  {119, DownArrow},
                                  {129, DownArrow}}) {
        EXPECT_EQ(bar.HitTest(y), part) << y;
    }
    bar.SetPosition(0);
    EXPECT_EQ(bar.thumbTop(), 10);  // its border over the arrow's last row
    bar.SetArrowHeight(skin::kVScrollBar.arrowHeight);
    EXPECT_EQ(bar.HitTest(17), UpArrow);
    EXPECT_EQ(bar.trackLength(), 94);
}

TEST(VScrollSteps, LineStepsStopAtBothEndsAndTheWheelAddsUpFineDeltas) {
    VScrollModel bar = Bar(1000, 100, 40);
    EXPECT_FALSE(bar.LineUp());
    bar.SetPosition(880);
    EXPECT_TRUE(bar.LineDown());
    EXPECT_EQ(bar.position(), 900);
    // Holding the down arrow at the bottom changes nothing further: the repeat stops.
    EXPECT_FALSE(bar.LineDown());

    bar = Bar(1000, 100, 10);
    EXPECT_TRUE(bar.Wheel(-120));  // two lines per notch
    EXPECT_EQ(bar.position(), 20);
    EXPECT_FALSE(bar.Wheel(-60));
    EXPECT_TRUE(bar.Wheel(-60));
    EXPECT_EQ(bar.position(), 40);
    EXPECT_TRUE(bar.Wheel(360));
    EXPECT_EQ(bar.position(), 0);
    bar.SetPosition(895);
    EXPECT_TRUE(bar.Wheel(-120));  // stops early at the bottom
    EXPECT_EQ(bar.position(), 900);
}

TEST(VScrollPaging, TheThumbsRowsAreExactAndPagingStopsOnTheRowThatWasPressed) {
    using enum ScrollPart;
    VScrollModel bar = Bar(1000, 100);
    bar.SetPosition(100);  // thumb rows 38 to 57
    for (const auto& [y, part] : {std::pair{-1, None},
                                  {0, UpArrow},
                                  {17, UpArrow},
                                  {18, TrackAbove},
                                  {37, TrackAbove},
                                  {38, Thumb},
                                  {57, Thumb},
                                  {58, TrackBelow},
                                  {217, TrackBelow},
                                  {218, DownArrow},
                                  {235, DownArrow},
                                  {236, None}}) {
        EXPECT_EQ(bar.HitTest(y), part) << y;
    }

    // Each page moves the thumb 20 rows: towards row 57 one page covers it, towards row 58 the
    // thumb must go on until its top is that row.
    struct Case {
        int from, pressY, stopsAt;
    };
    for (const Case& c :
         {Case{0, 57, 100}, Case{0, 58, 200}, Case{0, 36, 0}, Case{0, 37, 100}, Case{500, 57, 100},
          Case{500, 58, 200}, Case{500, 137, 500}, Case{500, 138, 600}, Case{800, 235, 900}}) {
        bar.SetPosition(c.from);
        const bool below = c.pressY >= bar.thumbTop() + bar.thumbHeight();
        EXPECT_EQ(bar.CanPageTowards(c.pressY, below), c.stopsAt != c.from) << c.pressY;
        while (below ? bar.PageDownTowards(c.pressY) : bar.PageUpTowards(c.pressY)) {
        }
        EXPECT_EQ(bar.position(), c.stopsAt) << c.from << " towards " << c.pressY;
        EXPECT_FALSE(bar.CanPageTowards(c.pressY, below));
    }
    // Paging has a direction: past the thumb on the other side nothing moves.
    bar.SetPosition(500);
    EXPECT_FALSE(bar.PageDownTowards(40));
    EXPECT_FALSE(bar.PageUpTowards(200));
    EXPECT_EQ(bar.position(), 500);
}

TEST(VScrollDrag, ThumbFollowsThePointerWithinTheTrack) {
    VScrollModel bar = Bar(1000, 100);
    bar.BeginDrag(25);  // grab the thumb 7 pixels below its top (17 counts as 18)
    EXPECT_TRUE(bar.DragTo(115));
    EXPECT_EQ(bar.thumbTop(), 108);
    EXPECT_EQ(bar.position(), 450);
    EXPECT_TRUE(bar.DragTo(5000));
    EXPECT_EQ(bar.position(), 900);
    // Coming back from beyond the end, the thumb does not move until the pointer is back on it.
    EXPECT_FALSE(bar.DragTo(210));
    EXPECT_TRUE(bar.DragTo(115));
    EXPECT_EQ(bar.position(), 450);
    EXPECT_TRUE(bar.DragTo(-100));
    EXPECT_EQ(bar.position(), 0);
    bar.EndDrag();
    EXPECT_EQ(bar.thumbTop(), 17);
    EXPECT_FALSE(bar.DragTo(100));  // no drag without a press
}

}  // namespace
}  // namespace tockly
