#pragma once
// The drawer of counters (digit displays). Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class ICounter : public IDrawer {
public:
    enum Colour {
        kDigits = 0,  // the digits
        kAccent = 1,  // the highlighted digits
        kColourCount = 2
    };
};

}  // namespace s::gui::drawer
