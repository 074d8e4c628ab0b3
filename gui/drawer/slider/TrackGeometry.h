#pragma once
// The slider track: where the thumb sits and the colour gradient painted
// along the track (the main window's hue, saturation and lightness sliders
// show the colours each position would give).
#include <windows.h>

#include "gui/drawer/IRectSink.h"

namespace s {
namespace gui {
namespace drawer {
namespace slider {

const int kThumbWidth = 10;

// Gradient modes: 0 none; 1 between two colours (p1, p2 are COLORREFs);
// 2/3/4 hue/saturation/value with the other two from p1, p2; 5/6/7 the same
// with hue/saturation/lightness (5: hue varies, p1 = S, p2 = L; 6: saturation
// varies, p1 = H, p2 = L; 7: lightness varies, p1 = H, p2 = S).
enum GradientMode { kNone = 0, kTwoColours, kHsvHue, kHsvSaturation, kHsvValue, kHue, kSaturation, kLightness };

// Thumb x for a track `trackWidth` wide: (width - 10) x position / range, with
// the position clamped into [minimum, maximum]; 0 for an empty range.
int thumbX(int trackWidth, int minimum, int maximum, int position);

// The colour of gradient column k of `columns` columns (k from 0).
COLORREF gradientColour(int mode, int k, int columns, int p1, int p2);

// Paints the gradient of the track (a, b)-(e, c) around a thumb at x = thumb
// `thumbWidth` wide: one-pixel columns inside the track's border (`border` pixels),
// skipping the thumb. Nothing for an empty track or one with no column inside.
void paintTrackGradient(IRectSink& sink, int a, int b, int e, int c, int thumb, int mode, int p1, int p2,
                        int thumbWidth = kThumbWidth, int border = 1);

}  // namespace slider
}  // namespace drawer
}  // namespace gui
}  // namespace s
