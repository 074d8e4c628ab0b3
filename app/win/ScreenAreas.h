#pragma once
// ScreenAreas: the system's screen areas that the window behaviours keep
// windows in: the virtual screen (all monitors), the desktop work area (without
// the task bar), the work area of the monitor nearest a window, and the area a
// window kept in the screen may use.
#include <windows.h>

#include "app/win/PlacementRules.h"

namespace s::app::win {

class ScreenAreas {
public:
    ScreenAreas() = delete;

    static ScreenArea virtualScreen();
    static RECT workArea();
    // The height of the work area of the monitor nearest `window` (screen coordinates);
    // the desktop work area's when the monitor cannot be asked.
    static int workAreaHeightNear(const RECT& window);
    // The monitors as last read: keep-in-screen asks on every move, so they are read
    // once and again only after displayChanged().
    static MonitorList monitors();
    // A monitor came or went, the resolution, the scale or the work area changed:
    // the next ask reads the monitors again.
    static void displayChanged();
    // keepInScreenArea() of the monitors as last read.
    static ScreenArea keepInScreenArea();
};

}  // namespace s::app::win
