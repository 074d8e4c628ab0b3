#pragma once
// Glyph buttons: a button whose text begins with "#" shows a small picture
// instead of text. The picture is pixel art of filled rectangles inside the
// button rectangle shrunk by one pixel, scaled with the button.
#include <windows.h>

#include "gui/drawer/IRectSink.h"

namespace s {
namespace gui {
namespace drawer {
namespace button {

// Paints the glyph `name` in `colour` for the button rectangle (left, top,
// right, bottom). False, and nothing painted, when the name is no glyph we know.
// "#Color-" followed by eight hex digits is a flat swatch in a black frame; the
// last six digits are the COLORREF (00BBGGRR), `colour` is not used for it.
// At another `dpi` than 96 the strokes, dots and insets are the design ones in
// whole device pixels and the pictures of the grid are whole cells, centred,
// rather than the design picture stretched.
bool paintGlyph(IRectSink& sink, const wchar_t* name, int left, int top, int right, int bottom, COLORREF colour,
                int dpi = 96);

// True when `name` is a glyph paintGlyph knows (without painting).
bool isKnownGlyph(const wchar_t* name);

}  // namespace button
}  // namespace drawer
}  // namespace gui
}  // namespace s
