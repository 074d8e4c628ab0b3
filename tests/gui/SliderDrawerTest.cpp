// The thin slider drawer: the track's gradient columns for each mode, the
// framed track and the thumb, painted through a DC into a BufferedImage.
#include "gui/drawer/slider/win/Thin.h"

#include <gtest/gtest.h>

#include "ImageCanvas.h"
#include "image/color/ColorMath.h"
#include "support/ResourceCounts.h"

using testing_gui::ImageCanvas;
using SliderDrawer = s::gui::drawer::slider::win::Thin;

namespace {

const COLORREF kFrame = RGB(0x57, 0x85, 0xFF);
const COLORREF kThumb = RGB(0x11, 0x22, 0x33);
const COLORREF kSubFrame = RGB(0x81, 0xA0, 0x07);

// A track (0, 0)-(102, 12): 102 wide, so the gradient has G = 100 columns,
// x = 1 .. 100 with k = x - 1. Position 25 of 0..100 puts the thumb at
// 92 x 25 / 100 = 23 (columns 23 .. 32), clear of the first, middle and last columns.
const int kWidth = 102, kHeight = 12, kFirst = 1, kMiddle = 51, kLast = 100;

COLORREF hsl(int h, int s, int l) {
    return s::image::color::hslToRgb(s::image::color::HslTriple{h, s, l});
}

class SliderDrawerTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawer = SliderDrawer::acquire();
        ASSERT_NE(nullptr, drawer);
        drawer->setColour(SliderDrawer::kFrame, kFrame);
        drawer->setColour(SliderDrawer::kThumb, kThumb);
        drawer->setColour(SliderDrawer::kSubFrame, kSubFrame);
    }
    void TearDown() override { drawer->release(); }
    // Paints the track for `mode` and returns the first, middle and last column colours (row 6).
    void columns(int mode, int p1, int p2, COLORREF out[3]) {
        ImageCanvas c(kWidth, kHeight);
        drawer->paintTrack(c.dc(), 0, 0, kWidth, kHeight, 0, 100, 25, mode, p1, p2, false);
        out[0] = c.at(kFirst, 6);
        out[1] = c.at(kMiddle, 6);
        out[2] = c.at(kLast, 6);
        EXPECT_EQ(out[1], c.at(kMiddle, 1)) << "a column runs from the top inside row";
        EXPECT_EQ(out[1], c.at(kMiddle, kHeight - 2)) << "down to the bottom inside row";
        EXPECT_EQ(kFrame, c.at(kMiddle, 0)) << "and leaves the frame alone";
    }
    SliderDrawer* drawer = nullptr;
};

}  // namespace

TEST_F(SliderDrawerTest, ModeZeroPaintsNoGradient) {
    COLORREF got[3];
    columns(0, 0, 0, got);
    for (COLORREF c : got) EXPECT_EQ(ImageCanvas::kUntouched, c);
}

TEST_F(SliderDrawerTest, ModeOneRunsBetweenTwoColours) {
    COLORREF got[3];
    columns(1, RGB(10, 200, 30), RGB(250, 0, 130), got);
    EXPECT_EQ(RGB(10, 200, 30), got[0]);
    EXPECT_EQ(RGB(130, 100, 80), got[1]);  // k = 50: 10 + 50 x 240 / 100, 200 - 50 x 200 / 100, 30 + 50
    EXPECT_EQ(RGB(247, 2, 129), got[2]);   // k = 99: 10 + 237, 200 - 198, 30 + 99
}

TEST_F(SliderDrawerTest, ModeFiveRunsThroughTheHues) {
    COLORREF got[3];
    columns(5, 100, 50, got);
    EXPECT_EQ(RGB(255, 0, 0), got[0]);
    EXPECT_EQ(hsl(179, 100, 50), got[1]);  // k = 50: 50 x 359 / 100
    EXPECT_EQ(hsl(355, 100, 50), got[2]);  // k = 99: 99 x 359 / 100
}

TEST_F(SliderDrawerTest, ModeSixRunsThroughTheSaturations) {
    COLORREF got[3];
    columns(6, 200, 50, got);
    EXPECT_EQ(hsl(200, 0, 50), got[0]);
    EXPECT_TRUE(GetRValue(got[0]) == GetGValue(got[0]) && GetGValue(got[0]) == GetBValue(got[0])) << "grey";
    EXPECT_EQ(hsl(200, 50, 50), got[1]);
    EXPECT_EQ(hsl(200, 99, 50), got[2]);
}

TEST_F(SliderDrawerTest, ModeSevenRunsThroughTheLightnesses) {
    COLORREF got[3];
    columns(7, 120, 100, got);
    EXPECT_EQ(RGB(0, 0, 0), got[0]);
    EXPECT_EQ(hsl(120, 100, 50), got[1]);
    EXPECT_EQ(hsl(120, 100, 99), got[2]);
}

TEST_F(SliderDrawerTest, ValueModesUseTheValueConversion) {
    COLORREF got[3];
    columns(2, 100, 100, got);
    EXPECT_EQ(RGB(255, 0, 0), got[0]) << "hue 0 at full saturation and value";
    columns(3, 0, 100, got);
    EXPECT_EQ(RGB(255, 255, 255), got[0]) << "no saturation at full value is white";
    columns(4, 0, 100, got);
    EXPECT_EQ(RGB(0, 0, 0), got[0]) << "value 0 is black";
    EXPECT_NE(got[0], got[2]);
}

TEST_F(SliderDrawerTest, FramedTrackWithTheThumbAtItsPosition) {
    ImageCanvas c(kWidth, kHeight);
    drawer->paintTrack(c.dc(), 0, 0, kWidth, kHeight, 0, 100, 25, 1, RGB(0, 0, 0), RGB(0, 0, 0), false);
    EXPECT_EQ(kFrame, c.at(0, 6)) << "the track's frame";
    EXPECT_EQ(kFrame, c.at(kWidth - 1, 6));
    EXPECT_EQ(kFrame, c.at(23, 6)) << "the thumb's left edge at 23";
    EXPECT_EQ(kThumb, c.at(24, 6));
    EXPECT_EQ(kThumb, c.at(31, 6));
    EXPECT_EQ(kFrame, c.at(32, 6)) << "10 pixels wide";
    EXPECT_EQ(RGB(0, 0, 0), c.at(22, 6)) << "gradient up to the thumb";
    EXPECT_EQ(RGB(0, 0, 0), c.at(33, 6)) << "and after it";
}

TEST_F(SliderDrawerTest, SecondPairChangesTheFrameColour) {
    ImageCanvas c(kWidth, kHeight);
    drawer->paintTrack(c.dc(), 0, 0, kWidth, kHeight, 0, 100, 0, 0, 0, 0, true);
    EXPECT_EQ(kSubFrame, c.at(0, 6));
    EXPECT_EQ(kSubFrame, c.at(9, 6)) << "thumb at 0";
    EXPECT_EQ(0, c.countOf(kFrame));
}

TEST_F(SliderDrawerTest, PlainStyleHasNoFrameAndNoThumb) {
    ImageCanvas c(kWidth, kHeight);
    drawer->setStyle(0);
    drawer->paintTrack(c.dc(), 0, 0, kWidth, kHeight, 0, 100, 25, 1, RGB(9, 9, 9), RGB(9, 9, 9), false);
    EXPECT_EQ(ImageCanvas::kUntouched, c.at(0, 6));
    EXPECT_EQ(ImageCanvas::kUntouched, c.at(27, 6)) << "the thumb's columns stay free";
    EXPECT_EQ(RGB(9, 9, 9), c.at(50, 6));
}

TEST_F(SliderDrawerTest, TrackAwayFromTheOriginAndARangeNotFromZero) {
    ImageCanvas c(130, 20);
    // Track (10, 4)-(112, 16), range 50..150 at its maximum: the thumb ends at the track's right edge.
    drawer->paintTrack(c.dc(), 10, 4, 112, 16, 50, 150, 150, 1, RGB(0, 0, 0), RGB(0, 0, 0), false);
    EXPECT_EQ(kFrame, c.at(10, 10));
    EXPECT_EQ(kFrame, c.at(102, 10)) << "thumb's left edge at 10 + 92";
    EXPECT_EQ(kThumb, c.at(103, 10));
    EXPECT_EQ(kFrame, c.at(111, 10));
    EXPECT_EQ(ImageCanvas::kUntouched, c.at(112, 10)) << "nothing right of the track";
    EXPECT_EQ(RGB(0, 0, 0), c.at(11, 10)) << "gradient from the track's left";
    // Positions outside the range are clamped.
    ImageCanvas d(kWidth, kHeight);
    drawer->paintTrack(d.dc(), 0, 0, kWidth, kHeight, 0, 100, -40, 0, 0, 0, false);
    EXPECT_EQ(kThumb, d.at(1, 6));
}

TEST_F(SliderDrawerTest, EmptyTracksPaintNothing) {
    ImageCanvas c(20, 10);
    drawer->paintTrack(c.dc(), 10, 0, 10, 10, 0, 100, 5, 1, 0, 0xFFFFFF, false);
    drawer->paintTrack(c.dc(), 0, 6, 20, 6, 0, 100, 5, 1, 0, 0xFFFFFF, false);
    drawer->paintTrack(c.dc(), 0, 0, 20, 10, 0, 0, 5, 1, 0, 0xFFFFFF, false);  // empty range: thumb at 0
    EXPECT_EQ(kThumb, c.at(5, 5));
    ImageCanvas d(20, 10);
    drawer->paintTrack(d.dc(), 12, 0, 10, 10, 0, 100, 5, 1, 0, 0xFFFFFF, false);
    drawer->paintTrack(nullptr, 0, 0, 20, 10, 0, 100, 5, 1, 0, 0xFFFFFF, false);
    EXPECT_EQ(200, d.countOf(ImageCanvas::kUntouched));
}

TEST_F(SliderDrawerTest, PaintingLeavesNoHandles) {
    ImageCanvas c(kWidth, kHeight);
    auto round = [&] { drawer->paintTrack(c.dc(), 0, 0, kWidth, kHeight, 0, 359, 120, 5, 100, 50, false); };
    round();
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 100; ++i) round();
    EXPECT_EQ(before, testing_resources::current());
}
