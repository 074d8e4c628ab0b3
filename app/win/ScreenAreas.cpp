#include "app/win/ScreenAreas.h"

#include "foundation/thread/ObjLocker.h"

namespace s::app::win {

namespace {

BOOL CALLBACK countMonitor(HMONITOR, HDC, LPRECT, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

}  // namespace

ScreenArea ScreenAreas::virtualScreen() {
    return ScreenArea{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                      GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

RECT ScreenAreas::workArea() {
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

int ScreenAreas::workAreaHeightNear(const RECT& window) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfoW(monitor, &info)) {
        const RECT area = workArea();
        return area.bottom - area.top;
    }
    return info.rcWork.bottom - info.rcWork.top;
}

int ScreenAreas::monitorCount() {
    // Counted once per process: windows of several threads may ask at the same time.
    static thread::ObjLocker lock;
    static int count = -1;
    thread::ObjLocker::Guard guard(lock);
    if (count < 0) {
        int counted = 0;
        EnumDisplayMonitors(nullptr, nullptr, countMonitor, reinterpret_cast<LPARAM>(&counted));
        count = counted;
    }
    return count;
}

ScreenArea ScreenAreas::keepInScreenArea() {
    return monitorCount() < 2 ? areaOf(workArea()) : virtualScreen();
}

}  // namespace s::app::win
