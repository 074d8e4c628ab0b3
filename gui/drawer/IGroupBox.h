#pragma once
// The drawer of group boxes. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IGroupBox : public IDrawer {
public:
    enum Colour {
        kLine = 0,     // the frame
        kText = 1,     // the caption
        kSubText = 2,  // the caption when disabled
        kColourCount = 3
    };
};

}  // namespace s::gui::drawer
