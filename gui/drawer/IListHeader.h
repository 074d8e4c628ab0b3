#pragma once
// The drawer of list headers. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IListHeader : public IDrawer {
public:
    enum Colour {
        kLine = 0,        // frame and separators
        kText = 1,        // the column titles
        kBackground = 2,  // the header's fill
        kColourCount = 3
    };
};

}  // namespace s::gui::drawer
