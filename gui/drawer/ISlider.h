#pragma once
// The drawer of sliders: the track, its colour gradient and the thumb.
#include <windows.h>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class ISlider : public IDrawer {
public:
    enum Colour {
        kFrame = 0,     // frame of the first colour pair
        kThumb = 1,     // the thumb's fill (both pairs)
        kSubFrame = 2,  // frame of the second colour pair
        kColourCount = 3
    };

    // Paints the track (left a, top b, right e, bottom c) for a position in
    // [minimum, maximum]: for styles 1 and 2 a frame of that style, then the
    // gradient of `mode` with its values p1, p2 (see slider/TrackGeometry.h),
    // then for styles 1 and 2 the 10-pixel thumb. `secondPair` picks the frame
    // colour of the second pair. Nothing for an empty track. Frame, thumb and the
    // gradient's border are design units, in pixels at `dpi`.
    virtual void paintTrack(HDC dc, int a, int b, int e, int c, int minimum, int maximum, int position, int mode,
                            int p1, int p2, bool secondPair, int dpi = 96) = 0;
    // 0 plain (no frame, no thumb), 1 small rounding, 2 large rounding.
    virtual int getStyle() const = 0;
    virtual void setStyle(int style) = 0;
};

}  // namespace s::gui::drawer
