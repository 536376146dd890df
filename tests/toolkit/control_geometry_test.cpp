#include "toolkit/control_geometry.h"

#include <gtest/gtest.h>

#include "toolkit/gradient_slice.h"

namespace tockly {
namespace {

TEST(ThreePieces, TheCentreCoversExactlyTheColumnsBetweenTheEndPieces) {
    const ThreePieceSpans spans = LayoutThreePieces(100, 25, 5);
    EXPECT_EQ(spans.left, (PixelRect{0, 0, 5, 25}));
    EXPECT_EQ(spans.centre, (PixelRect{5, 0, 90, 25}));  // columns 5 to 94
    EXPECT_EQ(spans.right, (PixelRect{95, 0, 5, 25}));
}

TEST(ThreePieces, TooNarrowAControlSharesItsWidthBetweenTheEndsWithoutOverlap) {
    const ThreePieceSpans spans = LayoutThreePieces(7, 25, 5);
    EXPECT_EQ(spans.left.width, 3);
    EXPECT_EQ(spans.right.x, 4);
    EXPECT_EQ(spans.centre, (PixelRect{3, 0, 1, 25}));
    EXPECT_EQ(LayoutThreePieces(0, 25, 5).centre.width, 0);
}

TEST(PieceSkinSize, WidthKeepsOneCentreColumnAndHeightIsTheSkins) {
    EXPECT_EQ(FitPieceSkin({25, 10}, 3, 40), (ControlSize{21, 25}));
    EXPECT_EQ(FitPieceSkin({25, 10}, 80, 0), (ControlSize{80, 25}));
    // An icon-only skin has no height of its own.
    EXPECT_EQ(FitPieceSkin({0, 0}, 17, 20), (ControlSize{17, 20}));
}

TEST(MoveNotice, OnlyHorizontalIsOneOnlyVerticalIsTwoElseZero) {
    EXPECT_EQ(MoveNotice(10, 10, 20, 10), LayoutNotice::Horizontal);
    EXPECT_EQ(MoveNotice(10, 10, 10, 20), LayoutNotice::Vertical);
    EXPECT_EQ(MoveNotice(10, 10, 20, 20), LayoutNotice::Both);
    EXPECT_EQ(MoveNotice(10, 10, 10, 10), LayoutNotice::Both);
    EXPECT_EQ(static_cast<int>(LayoutNotice::Horizontal), 1);
    EXPECT_EQ(static_cast<int>(LayoutNotice::Vertical), 2);
}

TEST(DoubleButtonGeometry, HalvesKeepACentreColumnAndTheLineBelongsToNeither) {
    DoubleButtonGeometry geometry(2, 30, 5);
    EXPECT_EQ(geometry.leftWidth(), 6);
    EXPECT_EQ(geometry.totalWidth(), 6 + 1 + 30);
    geometry.SetHalfWidth(ButtonHalf::Left, 40);
    geometry.SetHalfWidth(ButtonHalf::Right, 0);
    EXPECT_EQ(geometry.rightWidth(), 6);
    EXPECT_EQ(geometry.totalWidth(), 47);

    EXPECT_EQ(geometry.HalfAt(0), ButtonHalf::Left);
    EXPECT_EQ(geometry.HalfAt(39), ButtonHalf::Left);
    EXPECT_EQ(geometry.HalfAt(40), ButtonHalf::None);
    EXPECT_EQ(geometry.HalfAt(41), ButtonHalf::Right);
    EXPECT_EQ(geometry.HalfAt(46), ButtonHalf::Right);
    EXPECT_EQ(geometry.HalfAt(47), ButtonHalf::None);
    EXPECT_EQ(geometry.HalfAt(-1), ButtonHalf::None);
    EXPECT_EQ(geometry.HalfRect(ButtonHalf::Right, 25), (PixelRect{41, 0, 6, 25}));
}

TEST(CheckLayout, TheBoxIsCentredVerticallyAndTheCaptionFollowsTheGap) {
    const CheckLayout layout = LayoutCheck(120, 21, 15, 5);
    EXPECT_EQ(layout.box, (PixelRect{0, 3, 15, 15}));
    EXPECT_EQ(layout.caption, (PixelRect{20, 0, 100, 21}));
    EXPECT_EQ(LayoutCheck(10, 15, 15, 5).caption.width, 0);
}

TEST(Centring, IconsAreCentredEvenWhenLargerThanTheArea) {
    EXPECT_EQ(CentreIn({0, 0, 28, 28}, 16, 16), (PixelRect{6, 6, 16, 16}));
    EXPECT_EQ(CentreIn({0, 0, 10, 10}, 16, 16), (PixelRect{-3, -3, 16, 16}));
    EXPECT_EQ(CaptionArea(100, 25, 12), (PixelRect{12, 0, 76, 25}));
}

TEST(GradientSlice, LevelsAtBothEdgesRoundToTheNearestStep) {
    GradientBackground gradient{
        .extentWidth = 300, .extentHeight = 3, .startLevel = 0, .endLevel = 100};
    EXPECT_EQ(SliceGradient(gradient, 1, 1), (GradientSlice{33, 67}));  // 33.3 and 66.7
    EXPECT_EQ(SliceGradient(gradient, 0, 3), (GradientSlice{0, 100}));
}

TEST(GradientSlice, AFallingGradientStepsDownward) {
    GradientBackground gradient{
        .extentWidth = 0, .extentHeight = 200, .startLevel = 200, .endLevel = 100};
    EXPECT_EQ(SliceGradient(gradient, 50, 100), (GradientSlice{175, 125}));
}

TEST(GradientSlice, AHorizontalGradientRunsAlongTheWidth) {
    GradientBackground gradient{.extentWidth = 400,
                                .extentHeight = 10,
                                .startLevel = 40,
                                .endLevel = 240,
                                .horizontal = true};
    EXPECT_EQ(SliceGradient(gradient, 100, 100), (GradientSlice{90, 140}));
}

TEST(GradientSlice, NoExtentYetGivesTheStartLevelAndOutsideTheAreaStaysInRange) {
    GradientBackground unknown{.startLevel = 90, .endLevel = 10};
    EXPECT_EQ(SliceGradient(unknown, 20, 30), (GradientSlice{90, 90}));

    GradientBackground gradient{.extentHeight = 100, .startLevel = 250, .endLevel = 50};
    EXPECT_EQ(SliceGradient(gradient, 80, 60), (GradientSlice{90, 50}));
    EXPECT_EQ(SliceGradient(gradient, -50, 10), (GradientSlice{250, 250}));
}

}  // namespace
}  // namespace tockly
