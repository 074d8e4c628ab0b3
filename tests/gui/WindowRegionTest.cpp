// Window shapes as real GDI regions: which pixels belong to the window.
#include "gui/drawer/win/WindowRegion.h"

#include <gtest/gtest.h>

#include "support/ResourceCounts.h"

using s::gui::drawer::win::createWindowRegion;
using s::gui::drawer::window::regionShape;

TEST(WindowRegion, RoundedTopSquaredBottom) {
    HRGN region = createWindowRegion(regionShape(0, 0, 100, 50, 2, 0));
    ASSERT_NE(nullptr, region);
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "top-left corner is cut by the rounding";
    EXPECT_FALSE(PtInRegion(region, 100, 0)) << "top-right corner is cut";
    EXPECT_TRUE(PtInRegion(region, 50, 0));
    EXPECT_TRUE(PtInRegion(region, 0, 25));
    EXPECT_TRUE(PtInRegion(region, 0, 50)) << "bottom corners are squared";
    EXPECT_TRUE(PtInRegion(region, 100, 50));
    DeleteObject(region);
}

TEST(WindowRegion, SquareStylesCoverTheWholeRectangle) {
    HRGN region = createWindowRegion(regionShape(0, 0, 30, 20, 0, 0));
    ASSERT_NE(nullptr, region);
    RECT box;
    EXPECT_EQ(SIMPLEREGION, GetRgnBox(region, &box));
    EXPECT_EQ(31, box.right);
    EXPECT_EQ(21, box.bottom);
    DeleteObject(region);
}

TEST(WindowRegion, UnknownStylesGiveNone) {
    EXPECT_EQ(nullptr, createWindowRegion(regionShape(0, 0, 30, 20, 7, 0)));
}

TEST(WindowRegion, MakingRegionsLeavesOnlyTheOnesHandedOut) {
    auto makeAndDrop = [] {
        HRGN r = createWindowRegion(regionShape(0, 0, 40, 30, 1, 0));
        DeleteObject(r);
    };
    makeAndDrop();
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 300; ++i) makeAndDrop();
    EXPECT_EQ(before.gdi, testing_resources::current().gdi);
}
