#include "gui/drawer/win/DcRectSink.h"

namespace s {
namespace gui {
namespace drawer {
namespace win {

DcRectSink::DcRectSink(HDC dc, int originX, int originY)
    : dc_(dc), originX_(originX), originY_(originY), savedBackground_(GetBkColor(dc)) {}

DcRectSink::~DcRectSink() {
    SetBkColor(dc_, savedBackground_);
}

void DcRectSink::fillRect(int x, int y, int width, int height, COLORREF colour) {
    if (width <= 0 || height <= 0) return;
    const RECT r = {originX_ + x, originY_ + y, originX_ + x + width, originY_ + y + height};
    SetBkColor(dc_, colour);
    ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace win
}  // namespace drawer
}  // namespace gui
}  // namespace s
