#pragma once
// The drawer of texts: measures a text in a device context's font and paints it.
#include <windows.h>

#include <cstdint>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IText : public IDrawer {
public:
    enum Colour {
        kText = 0,        // the text
        kBackground = 1,  // the fill behind it
        kShade = 2,       // disabled or inactive text
        kSubLine = 3,     // sub-colours, for edit fields: frame, text, caret
        kSubText = 4,
        kSubMark = 5,
        kColourCount = 6
    };

    // The size `text` (count code units, -1 up to the terminator) takes in the
    // font selected into `dc`, line breaks honoured. False with 0 x 0 for a
    // null dc or text, or when measuring fails; an empty text is 0 x 0 and true.
    virtual bool measure(HDC dc, const wchar_t* text, int32_t count, SIZE* size) const = 0;
    // Paints `text` into the rectangle with DrawText `format` (DT_ flags), in the
    // text colour over the background (no fill when transparent). `format` goes
    // to DrawText unchanged, so plain texts pass DT_NOPREFIX to keep their "&".
    virtual void paintText(HDC dc, int left, int top, int right, int bottom, const wchar_t* text, int32_t count,
                           UINT format) = 0;
    // Paints `text` alone, in `colour`, over whatever the rectangle holds (no
    // fill): for a control that painted its own background and has its own text
    // colour, such as a label in its font setting's colour.
    virtual void paintTextInColour(HDC dc, int left, int top, int right, int bottom, const wchar_t* text, int32_t count,
                                   UINT format, COLORREF colour) = 0;

    virtual bool isTransparent() const = 0;
    virtual void setTransparent(bool transparent) = 0;
};

}  // namespace s::gui::drawer
