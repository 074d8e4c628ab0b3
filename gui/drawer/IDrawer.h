#pragma once
// IDrawer: the painter of one kind of element of a skin (window, button, text,
// slider ...). A drawer holds the colours it paints with; a skin holds one
// drawer per kind. Drawers are read-only once their skin is built, so several
// user-interface threads may paint with the same drawer at the same time.
//
// The colours are numbered per kind (each kind interface names its numbers);
// every drawer can also paint its element's plain box into a device context.
#include <windows.h>

#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"

namespace s::gui::drawer {

class IDrawer : public base::IObject, public thread::IPoolable {
public:
    // How many colours this drawer holds.
    virtual int32_t colourCount() const = 0;
    // The colour numbered `index` (0-based), black for an index out of range.
    virtual COLORREF getColour(int32_t index) const = 0;
    // False, and nothing changed, for an index out of range.
    virtual bool setColour(int32_t index, COLORREF colour) = 0;
    // Paints the element's plain look into the rectangle (left, top)-(right, bottom)
    // of `dc`; nothing for an empty rectangle. Creates no lasting GDI object.
    virtual void paint(HDC dc, int left, int top, int right, int bottom) = 0;
};

}  // namespace s::gui::drawer
