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

TEST(VScrollGeometry, ThumbIsProportionalAndTravelsTheTrack) {
    VScrollModel bar = Bar(1000, 100);
    EXPECT_EQ(bar.trackLength(), 200);
    EXPECT_EQ(bar.thumbHeight(), 20);
    EXPECT_EQ(bar.travel(), 180);
    bar.SetPosition(900);
    EXPECT_EQ(bar.thumbTop(), 18 + 180);
    bar.SetPosition(450);
    EXPECT_EQ(bar.thumbTop(), 18 + 90);
    // At the top the thumb's border covers the arrow's last row.
    bar.SetPosition(0);
    EXPECT_EQ(bar.thumbTop(), 17);
}

TEST(VScrollGeometry, ThumbStaysWithinItsLimits) {
    EXPECT_EQ(Bar(100000, 10).thumbHeight(), VScrollModel::kMinimumThumb);
    VScrollModel nearlyAll = Bar(1000, 990);
    EXPECT_EQ(nearlyAll.maximumThumb(), 180);
    EXPECT_EQ(nearlyAll.thumbHeight(), 180);
}

TEST(VScrollGeometry, APageNotSmallerThanTheContentKeepsPositionZero) {
    for (const auto& [content, page] : {std::pair{100, 100}, {50, 100}, {0, 0}, {0, 10}}) {
        VScrollModel bar = Bar(content, page);
        bar.SetPosition(40);
        EXPECT_EQ(bar.position(), 0);
        EXPECT_FALSE(bar.LineDown());
        EXPECT_FALSE(bar.PageDown());
        EXPECT_EQ(bar.thumbTop(), 17);
        EXPECT_EQ(bar.thumbHeight(), bar.maximumThumb());
    }
    // Content shrinking under the position pulls the position back.
    VScrollModel bar = Bar(1000, 100);
    bar.SetPosition(900);
    bar.SetContent(300);
    EXPECT_EQ(bar.position(), 200);
}

TEST(VScrollGeometry, HeightIsAtLeastFourArrowsAndHitTestFindsEachPart) {
    VScrollModel bar;
    EXPECT_EQ(bar.SetHeight(10), 72);
    bar.SetHeight(236);
    bar.SetContent(1000);
    bar.SetPage(100);
    bar.SetPosition(450);  // thumb 108 … 127
    EXPECT_EQ(bar.HitTest(0), ScrollPart::UpArrow);
    EXPECT_EQ(bar.HitTest(17), ScrollPart::UpArrow);
    EXPECT_EQ(bar.HitTest(18), ScrollPart::TrackAbove);
    EXPECT_EQ(bar.HitTest(108), ScrollPart::Thumb);
    EXPECT_EQ(bar.HitTest(127), ScrollPart::Thumb);
    EXPECT_EQ(bar.HitTest(128), ScrollPart::TrackBelow);
    EXPECT_EQ(bar.HitTest(218), ScrollPart::DownArrow);
    EXPECT_EQ(bar.HitTest(236), ScrollPart::None);
}

TEST(VScrollSteps, LineStepsStopAtBothEnds) {
    VScrollModel bar = Bar(1000, 100, 40);
    EXPECT_FALSE(bar.LineUp());
    bar.SetPosition(880);
    EXPECT_TRUE(bar.LineDown());
    EXPECT_EQ(bar.position(), 900);
    // Holding the down arrow at the bottom changes nothing further: the repeat stops.
    EXPECT_FALSE(bar.LineDown());
    EXPECT_EQ(bar.position(), 900);
}

TEST(VScrollSteps, TrackPagingRepeatsUntilTheThumbReachesThePressPoint) {
    VScrollModel bar = Bar(1000, 100);
    const int pressY = 150;  // below the thumb at the top
    int steps = 0;
    while (bar.PageDownTowards(pressY)) {
        ++steps;
        ASSERT_LT(steps, 20);
    }
    EXPECT_LE(bar.thumbTop(), pressY);
    EXPECT_GT(bar.thumbTop() + bar.thumbHeight(), pressY);
    EXPECT_EQ(steps, 6);  // position 600: thumb 138 … 157
    EXPECT_EQ(bar.position(), 600);

    while (bar.PageUpTowards(30)) {
    }
    EXPECT_EQ(bar.position(), 0);
    // A press under the thumb never pages upwards.
    bar.SetPosition(500);
    EXPECT_FALSE(bar.PageUpTowards(bar.thumbTop() + bar.thumbHeight()));
    EXPECT_EQ(bar.position(), 500);
}

TEST(VScrollSteps, WheelStepsLinesPerNotchAndAddsUpFineDeltas) {
    VScrollModel bar = Bar(1000, 100, 10);
    EXPECT_TRUE(bar.Wheel(-120));
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
    EXPECT_EQ(bar.thumbTop(), 198);
    EXPECT_EQ(bar.position(), 900);
    // Coming back from beyond the end, the thumb does not move until the pointer is back on it.
    EXPECT_FALSE(bar.DragTo(210));
    EXPECT_EQ(bar.thumbTop(), 198);
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
