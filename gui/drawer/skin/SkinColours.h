#pragma once
// The colours of the program's sixteen skins. Each skin has fifteen colours
// C1..C15 (C1 window background, C2 window frame, C6 text; the drawers take the
// others as their kind needs), held as COLORREF values (0x00BBGGRR).
#include <windows.h>

namespace s {
namespace gui {
namespace drawer {
namespace skin {

struct SkinColours {
    const wchar_t* name;
    COLORREF c[15];                                              // c[0] is C1
    COLORREF colour(int number) const { return c[number - 1]; }  // by its number 1..15
};

// The family name of the program's skin set.
extern const wchar_t kThinWindowFamily[];

int skinColoursCount();
// The skin at a position of the set (0..15), in the set's order.
const SkinColours& skinColoursAt(int index);

}  // namespace skin
}  // namespace drawer
}  // namespace gui
}  // namespace s
