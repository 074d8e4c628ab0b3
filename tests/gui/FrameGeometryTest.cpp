// The thin window frame: background, 1-pixel border, corner runs, and shapes.
#include "gui/drawer/window/FrameGeometry.h"

#include <gtest/gtest.h>

#include "PixelCanvas.h"

using namespace s::gui::drawer::window;
using testing_gui::PixelCanvas;

namespace {
const COLORREF kBack = RGB(1, 2, 3);
const COLORREF kFrame = RGB(200, 100, 50);
}  // namespace

TEST(PaintFrame, SquareCornersGiveAPlainBorderAroundTheBackground) {
    PixelCanvas canvas(8, 5);
    paintFrame(canvas, 8, 5, 0, 0, kBack, kFrame, false);
    EXPECT_EQ(
        "########\n"
        "#......#\n"
        "#......#\n"
        "#......#\n"
        "########\n",
        canvas.picture(kFrame));
    EXPECT_EQ(6 * 3, canvas.countOf(kBack));
    EXPECT_EQ(0, canvas.outside);
}

TEST(PaintFrame, TransparentLeavesTheInsideAlone) {
    PixelCanvas canvas(6, 4);
    paintFrame(canvas, 6, 4, 0, 0, kBack, kFrame, true);
    EXPECT_EQ(0, canvas.countOf(kBack));
    EXPECT_FALSE(canvas.isSet(2, 2));
}

TEST(PaintFrame, SmallRoundingAddsTwoPixelRunsAtTheRoundedEnd) {
    PixelCanvas canvas(10, 6);
    paintFrame(canvas, 10, 6, 1, 0, kBack, kFrame, false);
    EXPECT_EQ(
        "##########\n"
        "##......##\n"
        "#........#\n"
        "#........#\n"
        "#........#\n"
        "##########\n",
        canvas.picture(kFrame));
}

// The right-hand steps sit one pixel further in than a mirror of the left ones;
// the window region hides those corner pixels anyway.
TEST(PaintFrame, LargeRoundingAtTheBottomFillsTheCornerSteps) {
    PixelCanvas canvas(12, 9);
    paintFrame(canvas, 12, 9, 0, 2, kBack, kFrame, false);
    EXPECT_EQ(
        "############\n"
        "#..........#\n"
        "#..........#\n"
        "#..........#\n"
        "##........##\n"
        "##.......###\n"
        "###.....####\n"
        "#####..#####\n"
        "############\n",
        canvas.picture(kFrame));
}

TEST(PaintFrame, NothingForEmptySizes) {
    PixelCanvas canvas(4, 4);
    paintFrame(canvas, 0, 4, 2, 2, kBack, kFrame, false);
    paintFrame(canvas, 4, -1, 2, 2, kBack, kFrame, false);
    EXPECT_EQ(0, canvas.fills);
}

TEST(RegionShape, SquareStylesGiveTheFullRectangle) {
    RegionShape shape = regionShape(0, 0, 100, 50, 0, 0);
    EXPECT_TRUE(shape.valid);
    EXPECT_FALSE(shape.rounded);
    EXPECT_EQ(101, shape.outer.right);
    EXPECT_EQ(51, shape.outer.bottom);
}

TEST(RegionShape, LargeTopRoundingSquaresTheBottomRows) {
    RegionShape shape = regionShape(0, 0, 100, 50, 2, 0);
    ASSERT_TRUE(shape.valid && shape.rounded && shape.squared);
    EXPECT_EQ(11, shape.rounding);
    EXPECT_EQ(0, shape.square.left);
    EXPECT_EQ(45, shape.square.top);
    EXPECT_EQ(101, shape.square.right);
    EXPECT_EQ(51, shape.square.bottom);
}

TEST(RegionShape, SmallRoundingWinsAndSquaresTheOtherEnd) {
    RegionShape bottomSmall = regionShape(0, 0, 60, 40, 0, 1);
    EXPECT_EQ(5, bottomSmall.rounding);
    EXPECT_TRUE(bottomSmall.squared);
    EXPECT_EQ(0, bottomSmall.square.top);
    EXPECT_EQ(4, bottomSmall.square.bottom);
    // A small rounding at the top makes 5 the rounding even though the bottom asked for 11.
    RegionShape mixed = regionShape(0, 0, 60, 40, 1, 2);
    EXPECT_EQ(5, mixed.rounding);
    EXPECT_EQ(37, mixed.square.top);
    EXPECT_EQ(41, mixed.square.bottom);
}

TEST(RegionShape, BothEndsRoundedStayUnchanged) {
    EXPECT_FALSE(regionShape(0, 0, 60, 40, 2, 2).squared);
    EXPECT_FALSE(regionShape(0, 0, 60, 40, 1, 1).squared);
}

TEST(RegionShape, UnknownStylesGiveNoRegion) {
    EXPECT_FALSE(regionShape(0, 0, 60, 40, 3, 0).valid);
    EXPECT_FALSE(regionShape(0, 0, 60, 40, 0, -1).valid);
}
