// Slider tracks: thumb position and the gradients behind the H/S/L sliders.
#include "gui/drawer/slider/TrackGeometry.h"

#include <gtest/gtest.h>

#include "PixelCanvas.h"
#include "image/color/ColorMath.h"

using namespace s::gui::drawer::slider;
using testing_gui::PixelCanvas;

TEST(ThumbX, ScalesThePositionOverTheFreeWidth) {
    EXPECT_EQ(0, thumbX(110, 0, 100, 0));
    EXPECT_EQ(50, thumbX(110, 0, 100, 50));
    EXPECT_EQ(100, thumbX(110, 0, 100, 100));
    EXPECT_EQ(33, thumbX(110, 0, 359, 120));  // 100 * 120 / 359, integer division
}

TEST(ThumbX, ClampsAndSurvivesAnEmptyRange) {
    EXPECT_EQ(100, thumbX(110, 0, 100, 250));
    EXPECT_EQ(0, thumbX(110, 0, 100, -5));
    EXPECT_EQ(0, thumbX(110, 5, 5, 5));
    EXPECT_EQ(0, thumbX(110, 9, 2, 5));
}

TEST(Gradient, HueSliderRunsRoundTheColourCircle) {
    // Full saturation, half lightness: the first column is red, a third of the way is green.
    EXPECT_EQ(RGB(255, 0, 0), gradientColour(kHue, 0, 359, 100, 50));
    EXPECT_EQ(s::image::color::hslToRgb({120, 100, 50}), gradientColour(kHue, 120, 359, 100, 50));
}

TEST(Gradient, LightnessSliderGoesFromBlackToWhite) {
    EXPECT_EQ(RGB(0, 0, 0), gradientColour(kLightness, 0, 100, 0, 100));
    EXPECT_EQ(RGB(255, 255, 255), gradientColour(kLightness, 100, 100, 0, 100));
}

TEST(Gradient, SaturationSliderStartsGrey) {
    EXPECT_EQ(RGB(127, 127, 127), gradientColour(kSaturation, 0, 100, 0, 50));
    EXPECT_EQ(RGB(255, 0, 0), gradientColour(kSaturation, 100, 100, 0, 50));
}

TEST(Gradient, TwoColoursWithSignedSteps) {
    EXPECT_EQ(RGB(200, 0, 10), gradientColour(kTwoColours, 0, 10, RGB(200, 0, 10), RGB(0, 100, 10)));
    EXPECT_EQ(RGB(100, 50, 10), gradientColour(kTwoColours, 5, 10, RGB(200, 0, 10), RGB(0, 100, 10)));
}

TEST(PaintTrackGradient, ColumnsInsideTheBorderAroundTheThumb) {
    PixelCanvas canvas(30, 6);
    paintTrackGradient(canvas, 0, 0, 30, 6, 8, kLightness, 0, 0);
    for (int x = 0; x < 30; ++x) {
        const bool border = x == 0 || x == 29;
        const bool thumb = x >= 8 && x < 18;
        EXPECT_EQ(!border && !thumb, canvas.isSet(x, 2)) << x;
        EXPECT_FALSE(canvas.isSet(x, 0));
        EXPECT_FALSE(canvas.isSet(x, 5));
    }
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(1, 1));
}

TEST(PaintTrackGradient, NothingForEmptyOrNarrowTracksOrModeNone) {
    PixelCanvas canvas(10, 10);
    paintTrackGradient(canvas, 5, 0, 5, 10, 0, kHue, 100, 50);
    paintTrackGradient(canvas, 0, 5, 10, 5, 0, kHue, 100, 50);
    paintTrackGradient(canvas, 0, 0, 2, 10, 0, kHue, 100, 50);
    paintTrackGradient(canvas, 0, 0, 10, 10, 0, kNone, 100, 50);
    EXPECT_EQ(0, canvas.fills);
}
