#pragma once
// The drawer of image elements. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IImage : public IDrawer {
public:
    enum Colour {
        kBackground = 0,  // the fill behind the picture
        kColourCount = 1
    };
};

}  // namespace s::gui::drawer
