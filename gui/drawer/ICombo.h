#pragma once
// The drawer of combo boxes. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class ICombo : public IDrawer {
public:
    enum Colour {
        kText = 0,   // the text
        kLine = 1,   // frame and button
        kArrow = 2,  // the drop-down arrow
        kColourCount = 3
    };
};

}  // namespace s::gui::drawer
