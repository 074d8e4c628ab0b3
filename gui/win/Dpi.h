#pragma once
// Dpi: the one place that answers "how many device pixels is this design size
// here?". Every size the windows are designed with is written in 96-DPI units
// (design units); code turns it into pixels at the point of use with `scale`,
// for the DPI of the window that shows it, so one rounding rule holds everywhere.
//
// The DPI of a window comes from the newest query the system has, each looked up
// at run time (the baseline system has none of them): GetDpiForWindow (Windows 10
// 1607), then the effective DPI of the window's monitor (GetDpiForMonitor, 8.1),
// then LOGPIXELSY of the screen (every system; the system DPI, which is also what
// a system-aware process sees on every monitor).
#include <windows.h>

namespace s::gui::win {

class Dpi {
public:
    // The DPI at which design units are pixels (100 %).
    static constexpr int DESIGN = 96;

    // Design units to device pixels at `dpi`: rounded to the nearest pixel, halves
    // away from zero (MulDiv's rule). A DPI of 0 or less counts as DESIGN.
    static int scale(int designUnits, int dpi);
    // Device pixels at `dpi` back to design units, with the same rule.
    static int unscale(int pixels, int dpi);

    // The DPI of `window` (null: the system's), never 0.
    static int forWindow(HWND window);
    // The DPI of the monitor nearest to the point (screen pixels), never 0.
    static int forPoint(POINT point);
    // The system DPI (LOGPIXELSY of the screen), never 0.
    static int forSystem();
};

}  // namespace s::gui::win
