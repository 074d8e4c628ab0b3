#pragma once
// IImage: a picture of one or more frames; several frames can be animated, each
// shown for its own delay.
#include "gui/IControl.h"

namespace s::image::win {
class BufferedImageSet;
}

namespace s::gui {

class IImage : public IControl {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_IImage";

    // Placement of a picture that is not scaled, inside the control.
    enum Placement { TOP_LEFT = 0, CENTRE = 1 };

    // Takes the set over (released with the control or when replaced); null shows
    // nothing. The first frame becomes current; a running animation stops.
    virtual void setPicture(image::win::BufferedImageSet* frames) = 0;
    virtual image::win::BufferedImageSet* getPicture() const = 0;
    // Stretch the frame over the whole control.
    virtual void setScaled(bool scaled) = 0;
    virtual void setPlacement(int placement) = 0;
    // The picture's size becomes the minimum and preferred size.
    virtual void fitToPicture() = 0;

    // From any thread. Starting needs more than one frame; stopping waits for a
    // paint under way and, with `rewind`, goes back to the first frame.
    virtual bool startAnimation() = 0;
    virtual void stopAnimation(bool rewind) = 0;
    virtual bool isAnimating() const = 0;
    virtual int getCurrentFrame() const = 0;
};

}  // namespace s::gui
