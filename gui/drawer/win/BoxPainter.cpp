#include "gui/drawer/win/BoxPainter.h"

#include "gui/drawer/win/DcRectSink.h"

namespace s::gui::drawer::win {

void paintBox(HDC dc, int left, int top, int right, int bottom, COLORREF frame, bool filled, COLORREF fill) {
    const int width = right - left, height = bottom - top;
    if (!dc || width <= 0 || height <= 0) return;
    DcRectSink sink(dc, left, top);
    if (filled) sink.fillRect(0, 0, width, height, fill);
    sink.fillRect(0, 0, width, 1, frame);
    sink.fillRect(0, height - 1, width, 1, frame);
    sink.fillRect(0, 0, 1, height, frame);
    sink.fillRect(width - 1, 0, 1, height, frame);
}

}  // namespace s::gui::drawer::win
