// Sizes, fonts and pictures at another display scale: design units become whole
// device pixels by one rule, a change of DPI and its way back give the first
// pixels again, and the pictures keep whole-pixel strokes and exact edges.
#include <gtest/gtest.h>

#include "LayoutTestSupport.h"
#include "PixelCanvas.h"
#include "gui/IBox.h"
#include "gui/drawer/button/Glyphs.h"
#include "gui/drawer/window/FrameGeometry.h"
#include "gui/layout/DesignSizes.h"
#include "gui/win/FontSetting.h"
#include "gui/win/FrameRules.h"

using s::gui::layout::DesignSizes;
using testing_gui::PixelCanvas;

namespace {

const COLORREF kInk = RGB(9, 8, 7);
const COLORREF kFrame = RGB(200, 10, 10);

TEST(DesignSizes, ScaleEverySizeByOneRuleAndComeBackWithoutDrift) {
    DesignSizes sizes;
    layout_test::Leaf button(0, 0, 0, 0);
    layout_test::CountingBox box;
    sizes.applyAt(96);
    ASSERT_TRUE(sizes.setMinimumSize(&button, 15, 21));
    ASSERT_TRUE(sizes.setPreferredSize(&button, DesignSizes::FILL, 21));
    ASSERT_TRUE(sizes.setLeftRightMargins(&box, 3, 5));
    ASSERT_TRUE(sizes.setTopBottomMargins(&box, 10, 1));
    ASSERT_TRUE(sizes.setSizeOverrides(&box, -1, 100, DesignSizes::FILL, 100));
    EXPECT_EQ(15, button.getMinimumWidth()) << "96 DPI is the design itself";

    for (int dpi : {120, 144, 192, 96, 144, 120, 96}) {
        sizes.applyAt(dpi);
        SCOPED_TRACE(dpi);
        // MulDiv's rounding: halves away from zero (15 x 1.25 = 18.75 -> 19, 21 x 1.5 = 31.5 -> 32).
        EXPECT_EQ(MulDiv(15, dpi, 96), button.getMinimumWidth());
        EXPECT_EQ(MulDiv(21, dpi, 96), button.getMinimumHeight());
        EXPECT_EQ(DesignSizes::FILL, button.getPreferredWidth()) << "\"as much as there is\" is never scaled";
        EXPECT_EQ(MulDiv(3, dpi, 96), box.getLeftMargin());
        EXPECT_EQ(MulDiv(5, dpi, 96), box.getRightMargin());
        EXPECT_EQ(MulDiv(1, dpi, 96), box.getBottomMargin());
        EXPECT_EQ(-1, box.getMinimumWidthOverride()) << "\"not set\" stays not set";
        EXPECT_EQ(MulDiv(100, dpi, 96), box.getMinimumHeightOverride());
    }
    EXPECT_EQ(15, button.getMinimumWidth());
    EXPECT_EQ(3, box.getLeftMargin());
}

TEST(DesignSizes, AFullRecordOrANullTargetRecordsNothing) {
    DesignSizes sizes;
    layout_test::Leaf component(0, 0, 0, 0);
    EXPECT_FALSE(sizes.setMinimumSize(nullptr, 1, 1));
    for (int i = 0; i < DesignSizes::CAPACITY; ++i) ASSERT_TRUE(sizes.setMinimumSize(&component, 10, 10));
    EXPECT_FALSE(sizes.setMinimumSize(&component, 50, 50));
    EXPECT_EQ(10, component.getMinimumWidth()) << "a size that was not recorded is not applied either";
    sizes.clear();
    EXPECT_EQ(0, sizes.count());
}

TEST(FontSettingDpi, HeightFollowsTheDpiAndReturnsExactly) {
    s::gui::win::FontSetting* font = s::gui::win::FontSetting::acquire();
    font->setDpi(96);
    ASSERT_TRUE(font->setSizeCode(-2));  // 8 points
    EXPECT_EQ(-11, font->getLogFont().lfHeight);
    font->setDpi(144);
    EXPECT_EQ(-16, font->getLogFont().lfHeight) << "8 pt at 144 DPI";
    font->setDpi(120);
    font->setDpi(96);
    EXPECT_EQ(-11, font->getLogFont().lfHeight) << "no drift through other DPIs";
    font->setDpi(192);
    ASSERT_TRUE(font->setSizeCode(-1));  // 9 points, set while at 192
    EXPECT_EQ(-24, font->getLogFont().lfHeight);
    font->setDpi(96);
    EXPECT_EQ(-12, font->getLogFont().lfHeight);
    font->release();
}

// The close cross of a 16-unit title button at 200 %: 4-pixel strokes (twice the
// design's 2), mirror-symmetric, and off the button's own 2-pixel ring.
TEST(GlyphsAtScale, CloseCrossHasWholeWideStrokesCentred) {
    PixelCanvas canvas(32, 32);
    ASSERT_TRUE(s::gui::drawer::button::paintGlyph(canvas, L"#X", 0, 0, 32, 32, kInk, 192));
    EXPECT_EQ(0, canvas.outside);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(canvas.at(x, y), canvas.at(31 - x, y)) << "not symmetric at " << x << "," << y << "\n"
                                                             << canvas.picture(kInk);
            if (x < 2 || y < 2 || x > 29 || y > 29) {
                ASSERT_FALSE(canvas.isSet(x, y)) << canvas.picture(kInk);
            }
        }
    // A row through the upper arm: one run of 6 pixels on each side, twice the design's 3.
    int run = 0;
    for (int x = 0; x < 16; ++x) run += canvas.at(x, 8) == kInk;
    EXPECT_EQ(6, run) << canvas.picture(kInk);
}

TEST(GlyphsAtScale, ChevronsAreMirrorImagesWithTheTipOnTheMiddle) {
    PixelCanvas right(24, 24), left(24, 24);
    ASSERT_TRUE(s::gui::drawer::button::paintGlyph(right, L"#Right", 0, 0, 24, 24, kInk, 144));
    ASSERT_TRUE(s::gui::drawer::button::paintGlyph(left, L"#Left", 0, 0, 24, 24, kInk, 144));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            ASSERT_EQ(right.at(x, y), left.at(23 - x, y)) << right.picture(kInk) << "\n" << left.picture(kInk);
            ASSERT_EQ(right.at(x, y), right.at(x, 23 - y)) << right.picture(kInk);
        }
}

TEST(GlyphsAtScale, GridPicturesUseWholeEqualCellsCentred) {
    PixelCanvas canvas(24, 24);  // a 16-unit button at 150 %: cells of 3, the picture 21 wide
    ASSERT_TRUE(s::gui::drawer::button::paintGlyph(canvas, L"#OnTop", 0, 0, 24, 24, kInk, 144));
    EXPECT_EQ(19 * 3 * 3, canvas.countOf(kInk)) << "19 cells of the pin\n" << canvas.picture(kInk);
    // The pin's collar is row 3 of 7: a full row from x = 1 to 21, rows 10 to 12.
    EXPECT_TRUE(canvas.isSet(1, 10) && canvas.isSet(21, 12)) << canvas.picture(kInk);
    EXPECT_FALSE(canvas.isSet(0, 10) || canvas.isSet(22, 10) || canvas.isSet(1, 13)) << canvas.picture(kInk);
}

// The frame at 150 %: both outermost rings are the frame colour all round (the
// right and bottom edges as exact as the left and top), two pixels deep.
TEST(FrameAtScale, EdgesAreExactOnEverySide) {
    const int w = 61, h = 45;  // not a multiple of the scale
    PixelCanvas canvas(w, h);
    s::gui::drawer::window::paintFrame(canvas, w, h, 0, 0, RGB(1, 1, 1), kFrame, false, 144);
    for (int x = 0; x < w; ++x) {
        EXPECT_EQ(kFrame, canvas.at(x, 0));
        EXPECT_EQ(kFrame, canvas.at(x, 1));
        EXPECT_EQ(kFrame, canvas.at(x, h - 1));
        EXPECT_EQ(kFrame, canvas.at(x, h - 2));
    }
    for (int y = 0; y < h; ++y) {
        EXPECT_EQ(kFrame, canvas.at(0, y));
        EXPECT_EQ(kFrame, canvas.at(w - 2, y));
        EXPECT_EQ(kFrame, canvas.at(w - 1, y));
    }
    EXPECT_EQ(RGB(1, 1, 1), canvas.at(2, 2)) << "the frame is 2 pixels at 150 %, not more";
    EXPECT_EQ(RGB(1, 1, 1), canvas.at(w - 3, h - 3));
    EXPECT_EQ(0, canvas.outside);
}

TEST(FrameAtScale, SizingBandsGrowWithTheScale) {
    using s::gui::win::skinnedHitTest;
    EXPECT_EQ(HTLEFT, skinnedHitTest(9, 100, 400, 400, HTCLIENT, false, false, 192));
    EXPECT_EQ(HTCLIENT, skinnedHitTest(10, 100, 400, 400, HTCLIENT, false, false, 192));
    EXPECT_EQ(HTCLIENT, skinnedHitTest(9, 100, 400, 400, HTCLIENT, false, false, 96));
    EXPECT_EQ(HTTOPLEFT, skinnedHitTest(2, 59, 400, 400, HTCLIENT, false, false, 192)) << "corner zone 60 long";
}

}  // namespace
