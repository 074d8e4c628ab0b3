#pragma once
// The thin window frame: its pixels and the window's shape for each corner style.
//
// Corner styles: 0 square, 1 small rounding, 2 large rounding, given for the
// top and the bottom end separately.
#include <windows.h>

#include "gui/drawer/IRectSink.h"

namespace s {
namespace gui {
namespace drawer {
namespace window {

// Background (unless transparent) and the 1-pixel frame with its corner runs,
// for a window of width x height whose top-left is (0, 0) of the sink. At another
// `dpi` than 96 the frame and its runs are design pixels, each drawn as the whole
// device pixels it covers, measured from the nearer edge (so both edges are exact).
void paintFrame(IRectSink& sink, int width, int height, int topStyle, int bottomStyle, COLORREF background,
                COLORREF frame, bool transparent, int dpi = 96);

// What the window's region is made of, for the rectangle (l, t, r, b) moved to
// (0, 0): a plain rectangle, or a rounded rectangle with one end squared off.
struct RegionShape {
    bool valid;    // false for corner styles other than 0, 1 and 2: keep the window rectangular
    bool rounded;  // false: the rectangle `outer` alone
    int rounding;  // ellipse width and height of the rounded corners (5 or 11)
    RECT outer;    // (l, t, r + 1, b + 1)
    bool squared;  // the rounded region gets `square` added (one end squared off)
    RECT square;
};
// The rounding and the squared depth are design units, in pixels at `dpi`.
RegionShape regionShape(int left, int top, int right, int bottom, int topStyle, int bottomStyle, int dpi = 96);

}  // namespace window
}  // namespace drawer
}  // namespace gui
}  // namespace s
