#include "gui/drawer/slider/TrackGeometry.h"

#include "image/color/ColorMath.h"

namespace s {
namespace gui {
namespace drawer {
namespace slider {

namespace {

using image::color::hslToRgb;
using image::color::HslTriple;

int channelBetween(int from, int to, int k, int columns) {
    return from + k * (to - from) / columns;
}

COLORREF betweenColours(COLORREF from, COLORREF to, int k, int columns) {
    return RGB(channelBetween(GetRValue(from), GetRValue(to), k, columns),
               channelBetween(GetGValue(from), GetGValue(to), k, columns),
               channelBetween(GetBValue(from), GetBValue(to), k, columns));
}

// Hue 0..359 degrees, saturation and value 0..100 percent; truncating like the H/S/L conversion.
COLORREF hsvToRgb(int hue, int saturation, int value) {
    const double s = saturation / 100.0, v = value / 100.0;
    const double h = (hue % 360) / 60.0;
    const int sector = int(h);
    const double f = h - sector;
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double r = v, g = t, b = p;
    switch (sector) {
        case 1:
            r = q, g = v, b = p;
            break;
        case 2:
            r = p, g = v, b = t;
            break;
        case 3:
            r = p, g = q, b = v;
            break;
        case 4:
            r = t, g = p, b = v;
            break;
        case 5:
            r = v, g = p, b = q;
            break;
        default:
            break;
    }
    return RGB(int(r * 255), int(g * 255), int(b * 255));
}

}  // namespace

int thumbX(int trackWidth, int minimum, int maximum, int position) {
    if (maximum <= minimum) return 0;  // an empty range has nowhere to move the thumb
    if (position < minimum) position = minimum;
    if (position > maximum) position = maximum;
    return (trackWidth - kThumbWidth) * position / (maximum - minimum);
}

COLORREF gradientColour(int mode, int k, int columns, int p1, int p2) {
    if (columns <= 0) return RGB(0, 0, 0);
    const int range = (mode == kHsvHue || mode == kHue) ? 359 : 100;
    const int v = k * range / columns;
    switch (mode) {
        case kTwoColours:
            return betweenColours(COLORREF(p1), COLORREF(p2), k, columns);
        case kHsvHue:
            return hsvToRgb(v, p1, p2);
        case kHsvSaturation:
            return hsvToRgb(p1, v, p2);
        case kHsvValue:
            return hsvToRgb(p1, p2, v);
        case kHue:
            return hslToRgb(HslTriple{v, p1, p2});
        case kSaturation:
            return hslToRgb(HslTriple{p1, v, p2});
        case kLightness:
            return hslToRgb(HslTriple{p1, p2, v});
        default:
            return RGB(0, 0, 0);
    }
}

void paintTrackGradient(IRectSink& sink, int a, int b, int e, int c, int thumb, int mode, int p1, int p2,
                        int thumbWidth, int border) {
    const int width = e - a;
    if (border < 0) border = 0;
    if (a >= e || b >= c || width <= 2 * border || mode == kNone) return;
    const int columns = width - 2 * border;
    for (int x = a + border; x < e - border; ++x) {
        if (x >= thumb && x < thumb + thumbWidth) continue;  // the thumb covers these
        sink.fillRect(x, b + border, 1, (c - b) - 2 * border, gradientColour(mode, x - (a + border), columns, p1, p2));
    }
}

}  // namespace slider
}  // namespace drawer
}  // namespace gui
}  // namespace s
