#pragma once
// Fills the rectangles of a drawer on a device context, the way a solid-rect
// fill does it: background colour plus an opaque empty text output, which
// needs no brush and so creates no GDI object.
#include <windows.h>

#include "gui/drawer/IRectSink.h"

namespace s {
namespace gui {
namespace drawer {
namespace win {

class DcRectSink : public IRectSink {
public:
    // dc: not owned. The origin is added to every rectangle.
    explicit DcRectSink(HDC dc, int originX = 0, int originY = 0);
    // Puts the DC's background colour back.
    ~DcRectSink() override;
    DcRectSink(const DcRectSink&) = delete;
    DcRectSink& operator=(const DcRectSink&) = delete;

    void fillRect(int x, int y, int width, int height, COLORREF colour) override;

private:
    HDC dc_;  // not owned
    int originX_, originY_;
    COLORREF savedBackground_;
};

}  // namespace win
}  // namespace drawer
}  // namespace gui
}  // namespace s
