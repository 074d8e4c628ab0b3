#pragma once
// The drawer of tab boxes. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class ITabBox : public IDrawer {
public:
    enum Colour {
        kLine = 0,          // frame of the tabs
        kText = 1,          // tab captions
        kSelectedText = 2,  // the selected tab's caption
        kMark = 3,          // the focus mark
        kColourCount = 4
    };
};

}  // namespace s::gui::drawer
