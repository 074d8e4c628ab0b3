#pragma once
// The program's skin set: the family "ThinWindow" with its sixteen ThinWindow
// skins, each drawer given its colours from the skin's fifteen-colour row.
#include "gui/drawer/skin/SkinColours.h"

namespace s::gui::drawer {
class Skinner;
}

namespace s::gui::drawer::skin {

class ThinWindow;

// Which of a skin's colours C1..C15 (by number) each drawer kind takes, in the
// order of the drawer's own colour numbers; the list ends at the first 0.
const int* kindColourNumbers(int kind);

// A ThinWindow skin named and coloured from `colours`, with all fifteen drawers;
// the window drawer has square corners. Null when any object could not be had
// (nothing is left behind then).
ThinWindow* createThinWindowSkin(const SkinColours& colours);

// The family "ThinWindow" with the sixteen skins in their order; null when any
// object could not be had (nothing is left behind then). The caller releases it.
Skinner* createThinWindowSkinner();

}  // namespace s::gui::drawer::skin
