#pragma once
// The drawer of status bars. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IStatusBar : public IDrawer {
public:
    enum Colour {
        kLine = 0,  // frame and separators
        kColourCount = 1
    };
};

}  // namespace s::gui::drawer
