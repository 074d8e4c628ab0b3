#pragma once
// LensPlacement: where the magnifier goes beside the pointer. Plain arithmetic
// over rectangles, so every edge and corner rule is checked without a screen.
//
// The lens sits below and to the right of the pointer, clear of the magnified
// area by a gap. On each axis on its own it flips to the other side where it
// would leave the work area of the pointer's monitor, so at a corner it flips
// on both. Only when neither side of an axis has room (a lens larger than half
// the work area) is it pushed back inside on that axis; it then still keeps
// clear of the magnified area on the other axis when that one had room.
#include <windows.h>

namespace s::image::gui::dialogs::huesnap {

struct LensPlacement {
    // The screen area the lens shows: `reach` pixels around the pointer each way.
    static RECT magnifiedArea(POINT pointer, int reach);
    // The work area holding the pointer, else the one nearest to it; null when
    // `count` is 0. `areas` are the work areas of all monitors.
    static const RECT* workAreaOf(POINT pointer, const RECT* areas, int count);
    // The lens's screen rectangle for a lens of `size` pixels, `gap` pixels away
    // from the magnified area. Without work areas it goes below and to the right.
    static RECT place(POINT pointer, SIZE size, int reach, int gap, const RECT* areas, int count);
    // True when the rectangles share a pixel.
    static bool overlaps(const RECT& a, const RECT& b);
};

}  // namespace s::image::gui::dialogs::huesnap
