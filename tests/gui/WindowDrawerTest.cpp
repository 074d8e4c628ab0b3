// The thin window drawer painted through a DC into a BufferedImage, and the
// regions it gives windows.
#include "gui/drawer/window/win/Thin.h"

#include <gtest/gtest.h>

#include "ImageCanvas.h"
#include "support/ResourceCounts.h"

using testing_gui::ImageCanvas;
using WindowDrawer = s::gui::drawer::window::win::Thin;

namespace {

const COLORREF kBack = RGB(0xC2, 0xDF, 0xFF);
const COLORREF kFrame = RGB(0x57, 0x85, 0xFF);

class WindowDrawerTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawer = WindowDrawer::acquire();
        ASSERT_NE(nullptr, drawer);
        drawer->setBackground(kBack);
        drawer->setFrame(kFrame);
    }
    void TearDown() override { drawer->release(); }
    // The pixels of row y from x0 to x0 + length - 1 are all `colour`.
    static bool runIs(const ImageCanvas& c, int x0, int y, int length, COLORREF colour) {
        for (int x = x0; x < x0 + length; ++x)
            if (c.at(x, y) != colour) return false;
        return true;
    }
    WindowDrawer* drawer = nullptr;
};

}  // namespace

TEST_F(WindowDrawerTest, SquareStylesPaintAPlainOnePixelFrame) {
    ImageCanvas c(20, 12);
    ASSERT_TRUE(c.valid());
    drawer->paint(c.dc(), 0, 0, 20, 12);
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(kFrame, c.at(x, 0)) << x;
        EXPECT_EQ(kFrame, c.at(x, 11)) << x;
    }
    for (int y = 0; y < 12; ++y) {
        EXPECT_EQ(kFrame, c.at(0, y)) << y;
        EXPECT_EQ(kFrame, c.at(19, y)) << y;
    }
    EXPECT_EQ(18 * 10, c.countOf(kBack)) << "everything inside is background";
}

TEST_F(WindowDrawerTest, PaintsIntoTheGivenRectangleOnly) {
    ImageCanvas c(30, 20);
    drawer->paint(c.dc(), 5, 4, 25, 14);
    EXPECT_EQ(ImageCanvas::kUntouched, c.at(4, 4));
    EXPECT_EQ(ImageCanvas::kUntouched, c.at(25, 13));
    EXPECT_EQ(ImageCanvas::kUntouched, c.at(5, 14));
    EXPECT_EQ(kFrame, c.at(5, 4));
    EXPECT_EQ(kFrame, c.at(24, 13));
    EXPECT_EQ(kBack, c.at(6, 5));
    EXPECT_EQ(2 * 20 + 2 * 8, c.countOf(kFrame));
}

TEST_F(WindowDrawerTest, SmallRoundingAddsTwoPixelRunsInsideTheCorners) {
    ImageCanvas c(16, 10);
    drawer->setTopStyle(1);
    drawer->paint(c.dc(), 0, 0, 16, 10);
    EXPECT_TRUE(runIs(c, 0, 1, 2, kFrame));
    EXPECT_EQ(kBack, c.at(2, 1));
    EXPECT_TRUE(runIs(c, 14, 1, 2, kFrame));
    EXPECT_EQ(kBack, c.at(13, 1));
    EXPECT_EQ(kBack, c.at(1, 8)) << "the bottom stays square";
    EXPECT_EQ(kBack, c.at(14, 8));
}

TEST_F(WindowDrawerTest, LargeRoundingRunsAtTopAndBottom) {
    const int w = 20, h = 16;
    ImageCanvas c(w, h);
    drawer->setTopStyle(2);
    drawer->setBottomStyle(2);
    drawer->paint(c.dc(), 0, 0, w, h);
    // Top: (x, y, length) runs from the left edge and ending at the right edge.
    const int topLeft[][3] = {{0, 1, 5}, {0, 2, 3}, {0, 3, 2}, {0, 4, 2}, {0, 5, 1}};
    const int topRight[][3] = {{w - 5, 1, 5}, {w - 3, 2, 3}, {w - 2, 3, 2}, {w - 2, 4, 2}, {w - 1, 5, 1}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(runIs(c, topLeft[i][0], topLeft[i][1], topLeft[i][2], kFrame)) << "top left " << i;
        EXPECT_EQ(kBack, c.at(topLeft[i][2], topLeft[i][1])) << "run ends, top left " << i;
        EXPECT_TRUE(runIs(c, topRight[i][0], topRight[i][1], topRight[i][2], kFrame)) << "top right " << i;
        EXPECT_EQ(kBack, c.at(topRight[i][0] - 1, topRight[i][1])) << "run starts, top right " << i;
    }
    const int bottomLeft[][3] = {{0, h - 6, 1}, {0, h - 5, 2}, {0, h - 4, 2}, {0, h - 3, 3}, {0, h - 2, 5}};
    const int bottomRight[][3] = {
        {w - 1, h - 6, 1}, {w - 2, h - 5, 2}, {w - 3, h - 4, 2}, {w - 4, h - 3, 3}, {w - 5, h - 2, 5}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(runIs(c, bottomLeft[i][0], bottomLeft[i][1], bottomLeft[i][2], kFrame)) << "bottom left " << i;
        EXPECT_TRUE(runIs(c, bottomRight[i][0], bottomRight[i][1], bottomRight[i][2], kFrame)) << "bottom right " << i;
    }
    EXPECT_EQ(kBack, c.at(2, h - 5)) << "inside the bottom-left run of two";
}

TEST_F(WindowDrawerTest, TransparentPaintsTheFrameOnly) {
    ImageCanvas c(12, 8);
    drawer->setTransparent(true);
    drawer->paint(c.dc(), 0, 0, 12, 8);
    EXPECT_EQ(0, c.countOf(kBack));
    EXPECT_EQ(10 * 6, c.countOf(ImageCanvas::kUntouched));
    EXPECT_EQ(kFrame, c.at(11, 7));
}

TEST_F(WindowDrawerTest, EmptyRectanglesAndNullDcPaintNothing) {
    ImageCanvas c(8, 8);
    drawer->paint(c.dc(), 4, 4, 4, 8);
    drawer->paint(c.dc(), 4, 4, 8, 3);
    drawer->paint(nullptr, 0, 0, 8, 8);
    EXPECT_EQ(64, c.countOf(ImageCanvas::kUntouched));
}

TEST_F(WindowDrawerTest, RegionOfRoundedTopAndSquareBottom) {
    drawer->setTopStyle(2);
    HRGN region = drawer->region(0, 0, 100, 50);
    ASSERT_NE(nullptr, region);
    RECT box;
    EXPECT_EQ(COMPLEXREGION, GetRgnBox(region, &box));
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_EQ(101, box.right);
    EXPECT_EQ(51, box.bottom);
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "top corners cut";
    EXPECT_FALSE(PtInRegion(region, 100, 0));
    for (int y = 45; y <= 50; ++y) {
        EXPECT_TRUE(PtInRegion(region, 0, y)) << "bottom rows squared, row " << y;
        EXPECT_TRUE(PtInRegion(region, 100, y)) << y;
    }
    EXPECT_FALSE(PtInRegion(region, 0, 51));
    DeleteObject(region);
}

TEST_F(WindowDrawerTest, SquareStylesGiveTheFullRectangle) {
    HRGN region = drawer->region(0, 0, 100, 50);
    ASSERT_NE(nullptr, region);
    RECT box;
    EXPECT_EQ(SIMPLEREGION, GetRgnBox(region, &box));
    EXPECT_EQ(101, box.right);
    EXPECT_EQ(51, box.bottom);
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    DeleteObject(region);
}

TEST_F(WindowDrawerTest, UnknownCornerStylesGiveNoRegion) {
    drawer->setTopStyle(3);
    EXPECT_EQ(nullptr, drawer->region(0, 0, 100, 50));
    drawer->setTopStyle(0);
    drawer->setBottomStyle(-1);
    EXPECT_EQ(nullptr, drawer->region(0, 0, 100, 50));
}

TEST_F(WindowDrawerTest, ResetGivesSquareOpaqueBlack) {
    drawer->setTopStyle(2);
    drawer->setTransparent(true);
    drawer->reset();
    EXPECT_EQ(0, drawer->getTopStyle());
    EXPECT_FALSE(drawer->isTransparent());
    EXPECT_EQ(RGB(0, 0, 0), drawer->getFrame());
    EXPECT_FALSE(drawer->setColour(WindowDrawer::kColourCount, kBack));
    EXPECT_EQ(RGB(0, 0, 0), drawer->getColour(-1));
}

TEST_F(WindowDrawerTest, PaintingAndRegionsLeaveNoHandles) {
    ImageCanvas c(60, 40);
    drawer->setTopStyle(2);
    drawer->setBottomStyle(1);
    auto round = [&] {
        drawer->paint(c.dc(), 0, 0, 60, 40);
        HRGN region = drawer->region(0, 0, 60, 40);
        DeleteObject(region);
    };
    round();  // warm up
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 200; ++i) round();
    EXPECT_EQ(before, testing_resources::current());
}
