#pragma once
// The drawer of check boxes. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class ICheckBox : public IDrawer {
public:
    enum Colour {
        kBox = 0,   // the box's frame
        kText = 1,  // the label
        kMark = 2,  // the check mark
        kColourCount = 3
    };
};

}  // namespace s::gui::drawer
