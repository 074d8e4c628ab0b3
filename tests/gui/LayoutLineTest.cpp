// Column and row rules: proportional growth with the leftover rule, gaps only
// after present children, alignment offsets, cross-axis sizing, results.
#include <gtest/gtest.h>

#include "LayoutTestSupport.h"
#include "gui/layout/LayoutRules.h"

using layout_test::CountingBox;
using layout_test::Leaf;

namespace {

// A box of the given outer size holding the leaves, laid out once.
void layOut(CountingBox& box, int width, int height) {
    box.setExactSize(width, height);
}

TEST(LayoutColumnTest, GrowsProportionallyWhenShortOfPreferred) {
    CountingBox box;
    Leaf a(10, 20, 50, 40), b(10, 20, 50, 80);
    box.add(&a);
    box.add(&b);
    layOut(box, 50, 100);
    EXPECT_EQ(35, a.getHeight());
    EXPECT_EQ(65, b.getHeight());
    EXPECT_EQ(0, a.getY());
    EXPECT_EQ(35, b.getY());
    EXPECT_EQ(10, box.getResults().minWidth);
    EXPECT_EQ(40, box.getResults().minHeight);
    EXPECT_EQ(50, box.getResults().prefWidth);
    EXPECT_EQ(120, box.getResults().prefHeight);
}

TEST(LayoutColumnTest, RoomForAllGivesPreferredAndAlignmentOffsets) {
    CountingBox box;
    Leaf a(10, 20, 50, 40), b(10, 20, 50, 80);
    box.add(&a);
    box.add(&b);
    layOut(box, 50, 200);
    EXPECT_EQ(40, a.getHeight());
    EXPECT_EQ(80, b.getHeight());
    EXPECT_EQ(0, a.getY());
    box.setVerticalAlignmentCentre();
    box.doLayout();
    EXPECT_EQ(40, a.getY());
    EXPECT_EQ(80, b.getY());
    box.setVerticalAlignmentEnd();
    box.doLayout();
    EXPECT_EQ(80, a.getY());
    EXPECT_EQ(120, b.getY());
}

TEST(LayoutColumnTest, LeftoverAfterRoundingGoesInListOrder) {
    CountingBox box;
    Leaf a(5, 0, 5, 10), b(5, 0, 5, 10), c(5, 0, 5, 10);
    box.add(&a);
    box.add(&b);
    box.add(&c);
    layOut(box, 5, 10);  // each grows by 10 x 10 / 30 = 3, one pixel left over
    EXPECT_EQ(4, a.getHeight());
    EXPECT_EQ(3, b.getHeight());
    EXPECT_EQ(3, c.getHeight());
    EXPECT_EQ(4, b.getY());
    EXPECT_EQ(7, c.getY());
}

TEST(LayoutColumnTest, GapsOnlyAfterPresentChildren) {
    CountingBox box;
    box.setVerticalGap(5);
    Leaf a(5, 20, 5, 20), empty(5, 0, 5, 0), b(5, 20, 5, 20), tail(5, 0, 5, 0);
    box.add(&a);
    box.add(&empty);
    box.add(&b);
    box.add(&tail);
    layOut(box, 5, 45);
    EXPECT_EQ(0, a.getY());
    EXPECT_EQ(25, empty.getY());
    EXPECT_EQ(25, b.getY());                    // the empty child adds no second gap
    EXPECT_EQ(45, box.getResults().minHeight);  // and the empty last child no trailing gap
    EXPECT_EQ(45, box.getResults().prefHeight);
}

TEST(LayoutColumnTest, HiddenChildKeepsItsHeightButAddsNoGap) {
    CountingBox box;
    box.setVerticalGap(5);
    Leaf a(5, 20, 5, 20), hidden(5, 20, 5, 20), b(5, 20, 5, 20);
    hidden.setVisible(false);
    box.add(&a);
    box.add(&hidden);
    box.add(&b);
    layOut(box, 5, 65);
    EXPECT_EQ(25, hidden.getY());
    EXPECT_EQ(45, b.getY());
    EXPECT_EQ(65, box.getResults().minHeight);
}

TEST(LayoutColumnTest, WidthClampsToColumnAndAlignsNarrowChildren) {
    CountingBox box;
    Leaf narrow(10, 10, 30, 10), wide(10, 10, 500, 10);
    box.add(&narrow);
    box.add(&wide);
    layOut(box, 100, 20);
    EXPECT_EQ(30, narrow.getWidth());
    EXPECT_EQ(100, wide.getWidth());
    EXPECT_EQ(0, narrow.getX());
    box.setHorizontalAlignmentCentre();
    box.doLayout();
    EXPECT_EQ(35, narrow.getX());
    EXPECT_EQ(0, wide.getX());
    box.setHorizontalAlignmentEnd();
    box.doLayout();
    EXPECT_EQ(70, narrow.getX());
}

TEST(LayoutColumnTest, NarrowOrTooShortBoxUsesChildMinimums) {
    CountingBox box;
    Leaf a(80, 30, 90, 50), b(10, 30, 20, 30);
    box.add(&a);
    box.add(&b);
    layOut(box, 50, 10);
    EXPECT_EQ(80, a.getWidth());  // column width widened to the largest minimum
    EXPECT_EQ(20, b.getWidth());
    EXPECT_EQ(30, a.getHeight());
    EXPECT_EQ(30, b.getY());
}

TEST(LayoutColumnTest, BadSizesLayOutWithoutDivisionByZero) {
    CountingBox box;
    Leaf negative(-10, -10, -5, -5), zero(0, 0, 0, 0), prefBelowMin(10, 30, 5, 5);
    box.add(&negative);
    box.add(&zero);
    box.add(&prefBelowMin);
    layOut(box, -20, -20);
    EXPECT_EQ(0, box.getWidth());
    EXPECT_EQ(0, negative.getHeight());
    EXPECT_EQ(0, negative.getWidth());
    EXPECT_EQ(30, prefBelowMin.getHeight());
    EXPECT_EQ(10, prefBelowMin.getWidth());
    layOut(box, 1000, 1000);  // Hmin == Hpref: no growth, only the offset
    EXPECT_EQ(30, prefBelowMin.getHeight());
}

TEST(LayoutRowTest, GrowsProportionallyWhenShortOfPreferred) {
    CountingBox box;
    box.setLayoutRow();
    Leaf a(20, 10, 40, 50), b(20, 10, 80, 50);
    box.add(&a);
    box.add(&b);
    layOut(box, 100, 50);
    EXPECT_EQ(35, a.getWidth());
    EXPECT_EQ(65, b.getWidth());
    EXPECT_EQ(35, b.getX());
    EXPECT_EQ(40, box.getResults().minWidth);
    EXPECT_EQ(120, box.getResults().prefWidth);
    EXPECT_EQ(10, box.getResults().minHeight);
    EXPECT_EQ(50, box.getResults().prefHeight);
}

TEST(LayoutRowTest, RoomForAllGivesPreferredAndAlignmentOffsets) {
    CountingBox box;
    box.setLayoutRow();
    box.setHorizontalAlignmentCentre();
    Leaf a(20, 10, 40, 50), b(20, 10, 80, 50);
    box.add(&a);
    box.add(&b);
    layOut(box, 200, 50);
    EXPECT_EQ(40, a.getWidth());
    EXPECT_EQ(80, b.getWidth());
    EXPECT_EQ(40, a.getX());
    EXPECT_EQ(80, b.getX());
}

TEST(LayoutRowTest, GapsAndCrossAxis) {
    CountingBox box;
    box.setLayoutRow();
    box.setHorizontalGap(4);
    Leaf a(10, 10, 10, 20), zero(0, 10, 0, 20), b(10, 10, 10, 200);
    box.add(&a);
    box.add(&zero);
    box.add(&b);
    layOut(box, 30, 100);
    EXPECT_EQ(14, zero.getX());
    EXPECT_EQ(14, b.getX());
    EXPECT_EQ(24, box.getResults().minWidth);
    EXPECT_EQ(20, a.getHeight());   // row height 100 clamped to the preferred 20
    EXPECT_EQ(100, b.getHeight());  // row height 100 within its range
    EXPECT_EQ(0, a.getY());
    box.setVerticalAlignmentCentre();
    box.doLayout();
    EXPECT_EQ(40, a.getY());
    EXPECT_EQ(0, b.getY());
    box.setVerticalAlignmentEnd();
    box.doLayout();
    EXPECT_EQ(80, a.getY());
}

TEST(LayoutRowTest, LowRowTakesTallestMinimum) {
    CountingBox box;
    box.setLayoutRow();
    Leaf a(10, 30, 10, 60), b(10, 10, 10, 60);
    box.add(&a);
    box.add(&b);
    layOut(box, 20, 5);
    EXPECT_EQ(30, a.getHeight());
    EXPECT_EQ(30, b.getHeight());
}

}  // namespace
