#include "picker/LensPlacement.h"

namespace s::image::gui::dialogs::huesnap {

namespace {

// One axis: `centre` is the pointer, [areaStart, areaEnd) the work area.
// Answers the lens's first pixel on that axis.
int placeOnAxis(int centre, int size, int reach, int gap, int areaStart, int areaEnd) {
    const int after = centre + reach + 1 + gap;      // below / right: the default side
    const int before = centre - reach - gap - size;  // above / left
    if (after + size <= areaEnd) return after;
    if (before >= areaStart) return before;
    // Neither side has room: keep to the roomier side, pushed inside the area.
    const int roomAfter = areaEnd - (centre + reach + 1);
    const int roomBefore = (centre - reach) - areaStart;
    int start = roomAfter >= roomBefore ? areaEnd - size : areaStart;
    if (start < areaStart) start = areaStart;
    return start;
}

// Squared distance from the point to the rectangle (0 inside).
long long distanceSquared(POINT point, const RECT& area) {
    const long long dx = point.x < area.left     ? area.left - point.x
                         : point.x >= area.right ? point.x - area.right + 1
                                                 : 0;
    const long long dy = point.y < area.top       ? area.top - point.y
                         : point.y >= area.bottom ? point.y - area.bottom + 1
                                                  : 0;
    return dx * dx + dy * dy;
}

}  // namespace

RECT LensPlacement::magnifiedArea(POINT pointer, int reach) {
    return RECT{pointer.x - reach, pointer.y - reach, pointer.x + reach + 1, pointer.y + reach + 1};
}

const RECT* LensPlacement::workAreaOf(POINT pointer, const RECT* areas, int count) {
    const RECT* nearest = nullptr;
    long long best = 0;
    for (int i = 0; i < count; ++i) {
        const long long distance = distanceSquared(pointer, areas[i]);
        if (!nearest || distance < best) nearest = &areas[i], best = distance;
        if (distance == 0) break;
    }
    return nearest;
}

RECT LensPlacement::place(POINT pointer, SIZE size, int reach, int gap, const RECT* areas, int count) {
    const RECT* area = workAreaOf(pointer, areas, count);
    const RECT unbounded = {-0x3FFFFFFF, -0x3FFFFFFF, 0x3FFFFFFF, 0x3FFFFFFF};
    if (!area) area = &unbounded;
    const int left = placeOnAxis(pointer.x, size.cx, reach, gap, area->left, area->right);
    const int top = placeOnAxis(pointer.y, size.cy, reach, gap, area->top, area->bottom);
    return RECT{left, top, left + size.cx, top + size.cy};
}

bool LensPlacement::overlaps(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace s::image::gui::dialogs::huesnap
