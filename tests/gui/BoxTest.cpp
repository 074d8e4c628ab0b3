// Boxes: component size clamping, nesting and measuring, one native move per
// changed component per pass, margins, listeners, re-entrancy, managers, pools.
#include <gtest/gtest.h>

#include "LayoutTestSupport.h"
#include "gui/layout/FlowH.h"
#include "gui/layout/Pile.h"
#include "gui/layout/Vertical.h"
#include "gui/win/Box.h"
#include "gui/win/Spacer.h"

using layout_test::CountingBox;
using layout_test::LayoutCounter;
using layout_test::Leaf;

namespace {

TEST(ComponentGeometryTest, SetSizeClampsBetweenMinimumAndPreferred) {
    Leaf leaf(10, 20, 100, 200);
    leaf.setSize(0, 0);
    EXPECT_EQ(10, leaf.getWidth());
    EXPECT_EQ(20, leaf.getHeight());
    leaf.setSize(50, 60);
    EXPECT_EQ(50, leaf.getWidth());
    leaf.setSize(100, 5000);
    EXPECT_EQ(100, leaf.getWidth());
    EXPECT_EQ(200, leaf.getHeight());
    leaf.setSize(-7, -7);
    EXPECT_EQ(10, leaf.getWidth());
    leaf.setPreferredSize(5, 5);  // below the minimum: counts as the minimum
    EXPECT_EQ(10, leaf.getPreferredWidth());
    leaf.setSize(300, 300);
    EXPECT_EQ(10, leaf.getWidth());
    EXPECT_EQ(20, leaf.getHeight());
}

TEST(ComponentGeometryTest, CommitMovesOnlyOnRealChange) {
    Leaf leaf(10, 10, 10, 10);
    leaf.commit();
    EXPECT_EQ(0, leaf.moves);  // empty rectangle at (0, 0): nothing to do
    leaf.setSize(10, 10);
    leaf.setLocation(3, 4);
    leaf.setOrigin(5, 6);
    leaf.commit();
    leaf.commit();
    EXPECT_EQ(1, leaf.moves);
    EXPECT_EQ(8, leaf.lastX);
    EXPECT_EQ(10, leaf.lastY);
    leaf.setLocation(0, 0);  // changed and changed back before the commit
    leaf.setLocation(3, 4);
    leaf.commit();
    EXPECT_EQ(1, leaf.moves);
}

// outer (column) > middle (row) > inner (column) > leaves, plus leaves on each level.
struct ThreeDeep {
    CountingBox outer, middle, inner;
    Leaf top{50, 10, 50, 10};
    Leaf side{20, 30, 40, 30};
    Leaf deep1{30, 10, 30, 20};
    Leaf deep2{30, 10, 30, 20};
    ThreeDeep() {
        inner.add(&deep1);
        inner.add(&deep2);
        inner.setVerticalGap(2);
        middle.setLayoutRow();
        middle.setHorizontalGap(5);
        middle.setMargins(1, 1, 1, 1);
        middle.add(&side);
        middle.add(&inner);
        outer.add(&top);
        outer.add(&middle);
    }
    int leafMoves() const { return top.moves + side.moves + deep1.moves + deep2.moves; }
    int boxMoves() const { return middle.moves + inner.moves; }
};

TEST(BoxNestingTest, ThreeDeepMeasuresAndPlaces) {
    ThreeDeep t;
    t.outer.setExactSize(200, 100);
    // inner: min 30 x 22, preferred 30 x 42; middle adds its margins to side + gap + inner.
    EXPECT_EQ(30, t.inner.getMinimumWidth());
    EXPECT_EQ(22, t.inner.getMinimumHeight());
    EXPECT_EQ(42, t.inner.getPreferredHeight());
    EXPECT_EQ(57, t.middle.getMinimumWidth());
    EXPECT_EQ(77, t.middle.getPreferredWidth());
    EXPECT_EQ(32, t.middle.getMinimumHeight());
    EXPECT_EQ(44, t.middle.getPreferredHeight());
    EXPECT_EQ(10, t.middle.getY());
    EXPECT_EQ(44, t.middle.getHeight());  // 90 left: room for its preferred height
    EXPECT_EQ(77, t.middle.getWidth());
    EXPECT_EQ(45, t.inner.getX());  // side 40 + gap 5, relative to the margin origin
    EXPECT_EQ(42, t.inner.getHeight());
    EXPECT_EQ(22, t.deep2.getY());
    EXPECT_EQ(1, t.inner.getOriginX());
    EXPECT_EQ(1 + 45, t.inner.getOriginX() + t.inner.getX());
}

TEST(BoxCommitTest, EachChangedComponentMovesOncePerPass) {
    ThreeDeep t;
    t.outer.setExactSize(200, 100);
    EXPECT_EQ(4, t.leafMoves());
    EXPECT_EQ(1, t.top.moves);
    EXPECT_EQ(1, t.deep2.moves);
    EXPECT_EQ(2, t.boxMoves());
    EXPECT_EQ(1, t.inner.layouts);  // laid out once by its parent's pass

    t.outer.doLayout();  // nothing changed: nothing moves
    EXPECT_EQ(4, t.leafMoves());
    EXPECT_EQ(2, t.boxMoves());

    // A shorter outer box squeezes the middle row: middle, inner and the deep
    // leaves change, the top leaf and the side leaf do not.
    t.outer.setExactSize(200, 50);
    EXPECT_EQ(1, t.top.moves);
    EXPECT_EQ(2, t.middle.moves);
    EXPECT_EQ(2, t.inner.moves);
    EXPECT_EQ(1, t.side.moves);
    EXPECT_EQ(2, t.deep2.moves);
    EXPECT_EQ(0, t.outer.moves);  // the outermost box is its owner's to commit
}

TEST(BoxCommitTest, MarginChangeMovesChildrenByTheNewOrigin) {
    CountingBox box;
    Leaf leaf(10, 10, 10, 10);
    box.add(&leaf);
    box.setExactSize(50, 50);
    EXPECT_EQ(1, leaf.moves);
    box.setLeftMargin(7);
    box.setTopMargin(3);
    box.doLayout();
    EXPECT_EQ(2, leaf.moves);
    EXPECT_EQ(7, leaf.lastX);
    EXPECT_EQ(3, leaf.lastY);
    EXPECT_EQ(0, leaf.getX());
    box.setMargins(-1, -1, -1, -1);
    EXPECT_EQ(0, box.getLeftMargin());
}

TEST(BoxListenerTest, EveryPassInformsListenersAndEmptyBoxClearsResults) {
    CountingBox box;
    LayoutCounter counter;
    box.addLayoutListener(&counter);
    box.setResults(s::gui::layout::LayoutResults{5, 5, 5, 5});
    box.setExactSize(10, 10);
    EXPECT_EQ(1, counter.events);
    EXPECT_EQ(&box, counter.lastSource);
    EXPECT_EQ(s::gui::IBox::LAYOUT_EVENT, counter.lastKind);
    EXPECT_EQ(0, box.getResults().minWidth);
    EXPECT_EQ(0, box.getResults().prefHeight);
    EXPECT_TRUE(box.removeLayoutListener(&counter));
    box.doLayout();
    EXPECT_EQ(1, counter.events);
}

// Lays its box out again from inside every layout event.
class Relayouter : public s::gui::events::IEventListener {
public:
    explicit Relayouter(s::gui::IBox* box) : box_(box) {}
    void onEvent(s::gui::IComponent*, int) override {
        ++calls;
        box_->doLayout();
    }
    int calls = 0;

private:
    s::gui::IBox* box_;
};

class CreatingBox : public CountingBox {
public:
    void markCreating(bool creating) { setCreating(creating); }
};

TEST(BoxReentrancyTest, AtMostTwoPassesRunAtOnce) {
    CountingBox box;
    Relayouter again(&box);
    box.addLayoutListener(&again);
    box.doLayout();
    EXPECT_EQ(2, again.calls);  // the outer pass and the one it started
    EXPECT_EQ(0, box.getLayoutDepth());

    CreatingBox creating;
    LayoutCounter counter;
    creating.addLayoutListener(&counter);
    creating.markCreating(true);
    creating.doLayout();
    EXPECT_EQ(0, counter.events);
    creating.markCreating(false);
    creating.doLayout();
    EXPECT_EQ(1, counter.events);
}

TEST(BoxManagerTest, ManagersReplaceTheKindWithoutGapsOrAlignment) {
    s::gui::layout::Vertical* vertical = s::gui::layout::Vertical::acquire();
    CountingBox box;
    box.setLayoutFlow();
    box.setVerticalGap(9);
    box.setVerticalAlignmentEnd();
    Leaf a(10, 10, 10, 10), b(10, 10, 10, 10);
    box.add(&a);
    box.add(&b);
    box.setLayoutManager(vertical);
    box.setExactSize(100, 100);
    EXPECT_EQ(0, a.getY());
    EXPECT_EQ(10, b.getY());
    EXPECT_EQ(20, box.getResults().minHeight);

    s::gui::layout::Pile* pile = s::gui::layout::Pile::acquire();
    box.setLayoutManager(pile);
    box.doLayout();
    EXPECT_EQ(0, b.getY());
    box.setLayoutManager(nullptr);
    vertical->release();
    pile->release();
}

TEST(BoxManagerTest, NoManagerAnswersTheSharedFlowH) {
    CountingBox a, b;
    ASSERT_NE(nullptr, a.getLayoutManager());
    EXPECT_EQ(a.getLayoutManager(), b.getLayoutManager());
    EXPECT_EQ(s::gui::layout::FlowH::CLASS_NAME, a.getLayoutManager()->getClassName());
    EXPECT_FALSE(a.hasLayoutManager());
    EXPECT_EQ(s::gui::layout::LayoutRules::COLUMN, a.getLayoutKind());
}

TEST(BoxOverrideTest, OverridesAndFixedSizes) {
    CountingBox outer, inner;
    Leaf leaf(10, 10, 100, 100);
    inner.add(&leaf);
    outer.add(&inner);
    inner.setSizeOverrides(-1, 50, 60, -1);
    outer.setExactSize(500, 500);
    EXPECT_EQ(10, inner.getMinimumWidth());
    EXPECT_EQ(50, inner.getMinimumHeight());
    EXPECT_EQ(60, inner.getPreferredWidth());
    EXPECT_EQ(100, inner.getPreferredHeight());

    inner.setFixedSize(true);
    inner.setMinimumSize(5, 5);
    inner.setPreferredSize(7, 7);
    outer.doLayout();
    EXPECT_EQ(7, inner.getWidth());  // measuring kept the owner's sizes
}

TEST(BoxDeepNestingTest, TwoHundredLevelsLayOutLinearly) {
    const int depth = 200;
    CountingBox boxes[depth];
    Leaf leaf(3, 3, 30, 30);
    for (int i = 0; i + 1 < depth; ++i) boxes[i].add(&boxes[i + 1]);
    boxes[depth - 1].add(&leaf);
    for (int i = 0; i < depth; i += 2) boxes[i].setLayoutRow();
    boxes[0].setExactSize(1000, 1000);
    EXPECT_EQ(30, leaf.getWidth());
    EXPECT_EQ(1, leaf.moves);
    for (int i = 1; i < depth; ++i) ASSERT_EQ(1, boxes[i].layouts) << i;
}

TEST(BoxNestingTest, RefusesToHoldItselfOrAnAncestor) {
    CountingBox outer, inner;
    EXPECT_TRUE(outer.add(&inner));
    EXPECT_FALSE(inner.add(&outer));
    EXPECT_FALSE(inner.add(&inner));
    EXPECT_FALSE(inner.add(nullptr));
    EXPECT_EQ(0, inner.getComponentCount());
    outer.setExactSize(10, 10);  // still lays out: no cycle was made
    EXPECT_EQ(&outer, inner.getParent());
}

TEST(BoxPoolTest, ReleasedBoxComesBackWithDefaults) {
    s::gui::win::Box* box = s::gui::win::Box::acquire();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(s::gui::win::Box::CLASS_NAME, box->getClassName());
    Leaf leaf(1, 1, 1, 1);
    box->add(&leaf);
    box->setLayoutPile();
    box->setMargins(1, 2, 3, 4);
    box->setHorizontalGap(5);
    box->setSizeOverrides(1, 1, 1, 1);
    box->setAcceptingFiles(true);
    box->release();
    s::gui::win::Box* again = s::gui::win::Box::acquire();
    EXPECT_EQ(0, again->getComponentCount());
    EXPECT_EQ(s::gui::layout::LayoutRules::COLUMN, again->getLayoutKind());
    EXPECT_EQ(0, again->getBottomMargin());
    EXPECT_EQ(0, again->getHorizontalGap());
    EXPECT_EQ(-1, again->getPreferredHeightOverride());
    EXPECT_FALSE(again->isAcceptingFiles());
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), again->getBackground());
    EXPECT_EQ(nullptr, again->getHandle());
    again->release();
}

TEST(SpacerTest, HoldsTheSpaceItsOwnerSets) {
    s::gui::win::Spacer* spacer = s::gui::win::Spacer::acquire();
    spacer->setSpace(12, 8);
    EXPECT_EQ(12, spacer->getWidth());
    EXPECT_EQ(12, spacer->getPreferredWidth());
    CountingBox box;
    box.setLayoutRow();
    box.add(spacer);
    box.setExactSize(100, 100);
    EXPECT_EQ(12, spacer->getWidth());
    EXPECT_EQ(8, spacer->getHeight());
    spacer->release();
}

}  // namespace
