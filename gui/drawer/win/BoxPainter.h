#pragma once
// The plain box most drawers paint: an optional fill and a 1-pixel frame.
#include <windows.h>

namespace s::gui::drawer::win {

// Fills (left, top)-(right, bottom) of `dc` with `fill` when `filled`, then draws
// a 1-pixel frame of `frame` along its edges. Nothing for an empty rectangle.
void paintBox(HDC dc, int left, int top, int right, int bottom, COLORREF frame, bool filled, COLORREF fill);

}  // namespace s::gui::drawer::win
