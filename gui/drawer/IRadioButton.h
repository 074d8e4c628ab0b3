#pragma once
// The drawer of radio buttons. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IRadioButton : public IDrawer {
public:
    enum Colour {
        kBox = 0,   // the circle's frame
        kText = 1,  // the label
        kMark = 2,  // the dot
        kColourCount = 3
    };
};

}  // namespace s::gui::drawer
