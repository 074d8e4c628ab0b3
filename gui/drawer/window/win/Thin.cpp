#include "gui/drawer/window/win/Thin.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/drawer/win/DcRectSink.h"
#include "gui/drawer/win/WindowRegion.h"
#include "gui/drawer/window/FrameGeometry.h"

namespace s::gui::drawer::window::win {

S_POOLED_CLASS_IMPL(Thin, ::s::thread::EasyPooler::DEFAULT_CAPACITY)

Thin::Thin() : transparent_(false), topStyle_(0), bottomStyle_(0) {}

void Thin::reset() {
    clearColours();
    transparent_ = false;
    topStyle_ = 0;
    bottomStyle_ = 0;
}

void Thin::paint(HDC dc, int left, int top, int right, int bottom) {
    paintAt(dc, left, top, right, bottom, DESIGN_DPI);
}

HRGN Thin::region(int left, int top, int right, int bottom) const {
    return regionAt(left, top, right, bottom, DESIGN_DPI);
}

void Thin::paintAt(HDC dc, int left, int top, int right, int bottom, int dpi) {
    const int width = right - left, height = bottom - top;
    if (!dc || width <= 0 || height <= 0) return;
    // The frame is computed for a window at (0, 0); the sink moves it to the rectangle.
    ::s::gui::drawer::win::DcRectSink sink(dc, left, top);
    paintFrame(sink, width, height, topStyle_, bottomStyle_, getBackground(), getFrame(), transparent_, dpi);
}

HRGN Thin::regionAt(int left, int top, int right, int bottom, int dpi) const {
    return ::s::gui::drawer::win::createWindowRegion(
        regionShape(left, top, right, bottom, topStyle_, bottomStyle_, dpi));
}

}  // namespace s::gui::drawer::window::win
