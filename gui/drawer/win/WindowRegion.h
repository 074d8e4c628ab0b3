#pragma once
// Turns a frame's region shape into a GDI region for SetWindowRgn.
#include <windows.h>

#include "gui/drawer/window/FrameGeometry.h"

namespace s {
namespace gui {
namespace drawer {
namespace win {

// A new region owned by the caller (SetWindowRgn takes it over), or null when
// the shape is not valid (unknown corner styles) or GDI refuses.
HRGN createWindowRegion(const window::RegionShape& shape);

}  // namespace win
}  // namespace drawer
}  // namespace gui
}  // namespace s
