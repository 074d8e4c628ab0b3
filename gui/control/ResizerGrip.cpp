#include "gui/control/ResizerGrip.h"

#include <cwchar>

namespace s::gui::control {

bool ResizerGrip::isGrip(const wchar_t* text) {
    return text && std::wcscmp(text, NAME) == 0;
}

void ResizerGrip::paintDots(drawer::IRectSink& sink, int width, int height) {
    // Offsets from the bottom-right corner of the white dots, in painting order.
    static const POINT kDots[DOT_COUNT] = {{3, 11}, {3, 7}, {7, 7}, {3, 3}, {7, 3}, {11, 3}};
    for (const POINT& dot : kDots) {
        const int x = width - dot.x;
        const int y = height - dot.y;
        sink.fillRect(x, y, 2, 2, LIGHT);
        sink.fillRect(x - 1, y - 1, 2, 2, SHADE);
    }
}

RECT ResizerGrip::draggedRect(const RECT& atPress, POINT pointerAtPress, POINT pointer) {
    RECT rect = atPress;
    rect.right += pointer.x - pointerAtPress.x;
    rect.bottom += pointer.y - pointerAtPress.y;
    return rect;
}

}  // namespace s::gui::control
