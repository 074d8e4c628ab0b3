#pragma once
// The drawer of list boxes. Colour numbers as the skin assigns them.
#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IListBox : public IDrawer {
public:
    enum Colour {
        kBackground = 0,     // the list's fill
        kText = 1,           // item texts
        kFrame = 2,          // the frame
        kSelectionText = 3,  // the selected item's text
        kSelection = 4,      // the selected item's fill
        kColourCount = 5
    };
};

}  // namespace s::gui::drawer
