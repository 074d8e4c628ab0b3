// Flow and pile rules: wrapping, gaps only between present children, row
// alignment, vertical growth, pile alignment, and their results.
#include <gtest/gtest.h>

#include "LayoutTestSupport.h"

using layout_test::CountingBox;
using layout_test::Leaf;

namespace {

void makeFlow(CountingBox& box, int hgap, int vgap) {
    box.setLayoutFlow();
    box.setHorizontalGap(hgap);
    box.setVerticalGap(vgap);
}

TEST(LayoutFlowTest, ZeroWidthOrHiddenChildAddsNoGap) {
    CountingBox box;
    makeFlow(box, 10, 0);
    Leaf a(30, 10, 30, 10), zero(0, 10, 0, 10), c(30, 10, 30, 10);
    box.add(&a);
    box.add(&zero);
    box.add(&c);
    box.setExactSize(200, 10);
    EXPECT_EQ(30, zero.getX());
    EXPECT_EQ(40, c.getX());  // one gap, not two

    CountingBox box2;
    makeFlow(box2, 10, 0);
    Leaf d(30, 10, 30, 10), hidden(20, 10, 20, 10), e(30, 10, 30, 10);
    hidden.setVisible(false);
    box2.add(&d);
    box2.add(&hidden);
    box2.add(&e);
    box2.setExactSize(200, 10);
    EXPECT_EQ(30, hidden.getX());
    EXPECT_EQ(60, e.getX());                     // the hidden child's width, one gap
    EXPECT_EQ(90, box2.getResults().prefWidth);  // 30 + 20 + 30 and one gap
}

TEST(LayoutFlowTest, NarrowFlowWidensToLargestMinimum) {
    CountingBox box;
    makeFlow(box, 5, 5);
    Leaf wide(80, 10, 120, 10), small(10, 10, 10, 10);
    box.add(&wide);
    box.add(&small);
    box.setExactSize(50, 100);
    EXPECT_EQ(80, wide.getWidth());
    EXPECT_EQ(0, wide.getX());
    EXPECT_EQ(0, small.getX());  // wrapped into the second row
    EXPECT_EQ(15, small.getY());
    EXPECT_EQ(80, box.getResults().minWidth);
    EXPECT_EQ(25, box.getResults().minHeight);
}

TEST(LayoutFlowTest, RowAlignment) {
    CountingBox box;
    makeFlow(box, 0, 0);
    box.setHorizontalAlignmentEnd();
    Leaf a(10, 10, 10, 10), b(20, 10, 20, 10);
    box.add(&a);
    box.add(&b);
    box.setExactSize(100, 10);
    EXPECT_EQ(70, a.getX());
    EXPECT_EQ(80, b.getX());
    box.setHorizontalAlignmentCentre();
    box.doLayout();
    EXPECT_EQ(35, a.getX());
}

TEST(LayoutFlowTest, WrapsWhenRowIsFull) {
    CountingBox box;
    makeFlow(box, 10, 3);
    Leaf a(40, 10, 40, 10), b(40, 20, 40, 20), c(40, 10, 40, 10);
    box.add(&a);
    box.add(&b);
    box.add(&c);
    box.setExactSize(100, 33);
    EXPECT_EQ(0, a.getY());
    EXPECT_EQ(50, b.getX());
    EXPECT_EQ(0, c.getX());
    EXPECT_EQ(23, c.getY());  // below the 20-high row and the gap
    EXPECT_EQ(33, box.getResults().minHeight);
    EXPECT_EQ(140, box.getResults().prefWidth);
}

TEST(LayoutFlowTest, GrowsTowardsPreferredHeightsAndAligns) {
    CountingBox box;
    makeFlow(box, 0, 0);
    Leaf a(10, 10, 10, 30);
    box.add(&a);
    box.setExactSize(10, 20);  // E 10 of 20 wanted: grows by 20 x 10 / 20
    EXPECT_EQ(20, a.getHeight());
    box.setExactSize(10, 100);  // factor above 1: capped at the preferred height
    EXPECT_EQ(30, a.getHeight());
    box.setVerticalAlignmentEnd();
    box.doLayout();
    EXPECT_EQ(70, a.getY());
}

TEST(LayoutFlowTest, EmptyAndZeroSized) {
    CountingBox box;
    makeFlow(box, 10, 10);
    box.setExactSize(0, 0);
    EXPECT_EQ(0, box.getResults().minHeight);
    Leaf z1(0, 0, 0, 0), z2(0, 0, 0, 0);
    box.add(&z1);
    box.add(&z2);
    box.doLayout();
    EXPECT_EQ(0, z2.getX());
    EXPECT_EQ(0, box.getResults().prefWidth);
}

TEST(LayoutPileTest, AlignmentInsideTheArea) {
    CountingBox box;
    box.setLayoutPile();
    box.setVerticalAlignmentEnd();
    box.setHorizontalAlignmentCentre();
    Leaf a(20, 20, 20, 20), b(10, 10, 50, 40);
    box.add(&a);
    box.add(&b);
    box.setExactSize(100, 100);
    EXPECT_EQ(80, a.getY());
    EXPECT_EQ(40, a.getX());
    EXPECT_EQ(50, b.getWidth());
    EXPECT_EQ(40, b.getHeight());  // sized to its preferred height
    EXPECT_EQ(60, b.getY());
    EXPECT_EQ(25, b.getX());
    EXPECT_EQ(20, box.getResults().minWidth);
    EXPECT_EQ(50, box.getResults().prefWidth);
    EXPECT_EQ(40, box.getResults().prefHeight);
}

TEST(LayoutPileTest, HiddenChildrenAreLeftAlone) {
    CountingBox box;
    box.setLayoutPile();
    Leaf shown(10, 10, 10, 10), hidden(300, 300, 300, 300);
    hidden.setVisible(false);
    box.add(&shown);
    box.add(&hidden);
    box.setExactSize(50, 50);
    EXPECT_EQ(0, hidden.getWidth());
    EXPECT_EQ(10, box.getResults().prefWidth);
    EXPECT_EQ(10, box.getResults().minHeight);
}

}  // namespace
