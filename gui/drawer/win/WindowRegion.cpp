#include "gui/drawer/win/WindowRegion.h"

namespace s {
namespace gui {
namespace drawer {
namespace win {

HRGN createWindowRegion(const window::RegionShape& shape) {
    if (!shape.valid) return nullptr;
    const RECT& o = shape.outer;
    if (!shape.rounded) return CreateRectRgn(o.left, o.top, o.right, o.bottom);
    HRGN region = CreateRoundRectRgn(o.left, o.top, o.right, o.bottom, shape.rounding, shape.rounding);
    if (!region || !shape.squared) return region;
    HRGN square = CreateRectRgn(shape.square.left, shape.square.top, shape.square.right, shape.square.bottom);
    if (square) {
        CombineRgn(region, region, square, RGN_OR);
        DeleteObject(square);
    }
    return region;
}

}  // namespace win
}  // namespace drawer
}  // namespace gui
}  // namespace s
