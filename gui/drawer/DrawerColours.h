#pragma once
// DrawerColours: the colour store shared by the drawer classes, a fixed array of
// `Count` colours behind the IDrawer colour operations. The concrete drawer
// derives from DrawerColours<ItsKindInterface, Count>.
#include <windows.h>

#include <cstdint>

namespace s::gui::drawer {

template <class Kind, int32_t Count>
class DrawerColours : public Kind {
public:
    DrawerColours() { clearColours(); }

    int32_t colourCount() const override { return Count; }
    COLORREF getColour(int32_t index) const override {
        return index >= 0 && index < Count ? colours_[index] : RGB(0, 0, 0);
    }
    bool setColour(int32_t index, COLORREF colour) override {
        if (index < 0 || index >= Count) return false;
        colours_[index] = colour;
        return true;
    }

protected:
    // Every colour black, the state of a fresh drawer.
    void clearColours() {
        for (int32_t i = 0; i < Count; ++i) colours_[i] = RGB(0, 0, 0);
    }

private:
    COLORREF colours_[Count];
};

}  // namespace s::gui::drawer
