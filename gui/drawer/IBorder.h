#pragma once
// The drawer of plain borders around an element. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IBorder : public IDrawer {
public:
    enum Colour {
        kLine = 0,  // the border
        kColourCount = 1
    };
};

}  // namespace s::gui::drawer
