#pragma once
// Where drawers put their pixels: every frame, glyph and swatch is a set of
// filled rectangles. Painting code computes the rectangles and hands them to a
// sink; on screen the sink fills them on a device context, in tests it records
// them, so the geometry is checked without a window.
#include <windows.h>

namespace s {
namespace gui {
namespace drawer {

class IRectSink {
public:
    virtual ~IRectSink() = default;
    // Fills width x height pixels at (x, y); empty or negative sizes fill nothing.
    virtual void fillRect(int x, int y, int width, int height, COLORREF colour) = 0;
};

}  // namespace drawer
}  // namespace gui
}  // namespace s
