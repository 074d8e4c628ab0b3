#pragma once
// ISlider: a trackbar over an integer range. Its position moves by steps (arrow
// keys and wheel: one step; page keys and Up/Down arrows: ten steps), or in
// jump-to-click mode to the clicked point. A slider painted by the skin shows a
// colour gradient along its track.
#include "gui/IControl.h"

namespace s::gui {

class ISlider : public IControl {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_ISlider";
    static constexpr int CHANGED = 0;  // the user moved the position

    // A range with minimum above maximum is swapped; the position is kept inside.
    virtual void setRange(int minimum, int maximum) = 0;
    virtual int getMinimum() const = 0;
    virtual int getMaximum() const = 0;
    // Clamped into the range. Setting it raises nothing.
    virtual void setPosition(int position) = 0;
    virtual int getPosition() const = 0;
    // Steps below 1 count as 1.
    virtual void setStep(int step) = 0;
    virtual int getStep() const = 0;
    virtual void setTicks(bool ticks) = 0;
    // 0: the system's thumb length.
    virtual void setThumbLength(int length) = 0;
    virtual void setJumpToClick(bool jump) = 0;
    virtual bool isJumpToClick() const = 0;
    // Before creation only.
    virtual void setVertical(bool vertical) = 0;
    virtual bool isVertical() const = 0;
    // The gradient the slider drawer paints along the track (see the slider
    // drawer's modes): mode 0 none, 1 two colours, 5/6/7 hue/saturation/lightness.
    virtual void setGradient(int mode, int first, int second) = 0;
};

}  // namespace s::gui
