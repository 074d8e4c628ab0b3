#pragma once
// The drawer of menus. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IMenu : public IDrawer {
public:
    enum Colour {
        kText = 0,        // item texts
        kLine = 1,        // frame and separators
        kBackground = 2,  // the menu's fill
        kSubText = 3,     // texts of the open item
        kSubLine = 4,     // frame of the open item
        kSubMark = 5,     // check marks and arrows
        kColourCount = 6
    };
};

}  // namespace s::gui::drawer
