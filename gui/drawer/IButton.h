#pragma once
// The drawer of buttons, and of the glyph pictures shown by buttons whose text
// begins with "#".
#include <windows.h>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IButton : public IDrawer {
public:
    enum Colour {
        kLine = 0,  // the button's frame
        kColourCount = 1
    };

    // Paints the glyph `name` (the button's text) in (red, green, blue) inside the
    // button rectangle; false, and nothing painted, for a name that is no glyph.
    // Strokes and insets are design units, in pixels at `dpi`.
    virtual bool paintGlyph(HDC dc, int left, int top, int right, int bottom, const wchar_t* name, int red, int green,
                            int blue, int dpi = 96) = 0;
};

}  // namespace s::gui::drawer
