#include "app/win/ScreenAreas.h"

#include "foundation/thread/ObjLocker.h"

namespace s::app::win {

namespace {

BOOL CALLBACK countMonitor(HMONITOR, HDC, LPRECT, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

MonitorList readMonitors() {
    int count = 0;
    EnumDisplayMonitors(nullptr, nullptr, countMonitor, reinterpret_cast<LPARAM>(&count));
    return MonitorList{count, ScreenAreas::virtualScreen(), areaOf(ScreenAreas::workArea())};
}

// Windows of several threads ask, and any of them may report a change.
struct MonitorCache {
    thread::ObjLocker lock;
    MonitorList list = {};
    bool stale = true;
};

MonitorCache& monitorCache() {
    static MonitorCache cache;
    return cache;
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

MonitorList ScreenAreas::monitors() {
    MonitorCache& cache = monitorCache();
    thread::ObjLocker::Guard guard(cache.lock);
    if (cache.stale) {
        cache.list = readMonitors();
        cache.stale = false;
    }
    return cache.list;
}

void ScreenAreas::displayChanged() {
    MonitorCache& cache = monitorCache();
    thread::ObjLocker::Guard guard(cache.lock);
    cache.stale = true;
}

ScreenArea ScreenAreas::keepInScreenArea() {
    return win::keepInScreenArea(monitors());
}

}  // namespace s::app::win
