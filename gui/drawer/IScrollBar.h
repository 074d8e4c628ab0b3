#pragma once
// The drawer of scroll bars. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IScrollBar : public IDrawer {
public:
    enum Colour {
        kLine = 0,   // arrows, thumb and frame
        kTrack = 1,  // the thumb's fill
        kColourCount = 2
    };
};

}  // namespace s::gui::drawer
