#include "toolkit/vscroll_model.h"

#include <gtest/gtest.h>

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
