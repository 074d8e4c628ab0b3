#include "app/win/PlacementRules.h"

namespace s::app::win {

namespace {

// A window must show this much of itself on the virtual screen to be found again.
constexpr int VISIBLE_PART = 10;

bool dragsBottom(int edge) {
    return edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
}
bool dragsLeft(int edge) {
    return edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
}
bool dragsTop(int edge) {
    return edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
}

}  // namespace

ScreenArea areaOf(const RECT& rect) {
    return ScreenArea{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

ScreenArea keepInScreenArea(const MonitorList& monitors) {
    return monitors.count < 2 ? monitors.workArea : monitors.virtualScreen;
}

bool passesOnScreenTest(int x, int y, int width, int height, const ScreenArea& screen) {
    if (width <= VISIBLE_PART || height <= VISIBLE_PART) return false;
    if (x > screen.left + screen.width - VISIBLE_PART || x + width - screen.left < VISIBLE_PART) return false;
    return y <= screen.top + screen.height - VISIBLE_PART && y + height - screen.top >= VISIBLE_PART;
}

POINT centredOn(const RECT& workArea, int width, int height) {
    LONG x = workArea.left + (workArea.right - workArea.left - width) / 2;
    LONG y = workArea.top + (workArea.bottom - workArea.top - height) / 2;
    if (x < workArea.left) x = workArea.left;
    if (y < workArea.top) y = workArea.top;
    return POINT{x, y};
}

void limitSizingHeight(RECT& proposed, int edge, int limit) {
    if (proposed.bottom - proposed.top <= limit) return;
    if (dragsBottom(edge)) {
        proposed.bottom = proposed.top + limit;
    } else {
        proposed.top = proposed.bottom - limit;
    }
}

void applyMinimumSize(RECT& proposed, int edge, SIZE minimum) {
    if (minimum.cx > 0 && proposed.right - proposed.left < minimum.cx) {
        if (dragsLeft(edge)) {
            proposed.left = proposed.right - minimum.cx;
        } else {
            proposed.right = proposed.left + minimum.cx;
        }
    }
    if (minimum.cy > 0 && proposed.bottom - proposed.top < minimum.cy) {
        if (dragsTop(edge)) {
            proposed.top = proposed.bottom - minimum.cy;
        } else {
            proposed.bottom = proposed.top + minimum.cy;
        }
    }
}

bool mayMoveIntoScreen(ShowState state) {
    return state == ShowState::Normal;
}

bool keepInArea(int& x, int& y, int cx, int cy, const ScreenArea& area) {
    const int oldX = x, oldY = y;
    if (x + cx >= area.left + area.width) x = area.left + area.width - cx;
    if (y + cy >= area.top + area.height) y = area.top + area.height - cy;
    // Last, so a window larger than the area keeps its left and top edges visible.
    if (x < area.left) x = area.left;
    if (y < area.top) y = area.top;
    return x != oldX || y != oldY;
}

bool correctPositionChanging(WINDOWPOS& position, const RECT& current, const ScreenArea& area, ShowState state) {
    const bool noMove = (position.flags & SWP_NOMOVE) != 0;
    const bool noSize = (position.flags & SWP_NOSIZE) != 0;
    // Minimizing and maximizing set the window's style before its position changes,
    // so the state already tells a parking or a maximizing move apart.
    if ((noMove && noSize) || !mayMoveIntoScreen(state)) return false;
    const int cx = noSize ? current.right - current.left : position.cx;
    const int cy = noSize ? current.bottom - current.top : position.cy;
    int x = noMove ? current.left : position.x;
    int y = noMove ? current.top : position.y;
    if (!keepInArea(x, y, cx, cy, area)) return false;
    position.x = x;
    position.y = y;
    position.flags &= ~UINT(SWP_NOMOVE);
    return true;
}

POINT movedIntoScreen(int x, int y, int width, int height, const ScreenArea& screen) {
    const int overshootX = x + width - screen.left - screen.width;
    if (overshootX >= 0) x -= overshootX;
    const int overshootY = y + height - screen.top - screen.height;
    if (overshootY >= 0) y -= overshootY;
    if (x < screen.left) x = screen.left;
    if (y < screen.top) y = screen.top;
    return POINT{x, y};
}

}  // namespace s::app::win
