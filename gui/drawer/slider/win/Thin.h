#pragma once
// The thin slider drawer: a track framed in the style of the thin window
// frame, the colour gradient along it (the main window's hue, saturation and
// lightness sliders) and a 10-pixel thumb.
#include <windows.h>

#include "foundation/thread/Pooled.h"
#include "gui/drawer/DrawerColours.h"
#include "gui/drawer/ISlider.h"

namespace s::gui::drawer::slider::win {

class Thin : public DrawerColours<ISlider, ISlider::kColourCount> {
    S_POOLED_CLASS(Thin, L"s_gui_drawer_slider_win_Thin")

public:
    // The style a skin gives its slider drawer: framed track and a visible thumb.
    static const int kDefaultStyle = 1;

    Thin();
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    // An empty track at the rectangle: the frame of the first pair.
    void paint(HDC dc, int left, int top, int right, int bottom) override;
    void paintTrack(HDC dc, int a, int b, int e, int c, int minimum, int maximum, int position, int mode, int p1,
                    int p2, bool secondPair, int dpi = 96) override;
    int getStyle() const override { return style_; }
    void setStyle(int style) override { style_ = style; }

    // The thumb's x offset from the track's left for a track `trackWidth` wide:
    // (width - 10) x (position - minimum) / (maximum - minimum), the position
    // clamped into the range; 0 for an empty range.
    static int thumbOffset(int trackWidth, int minimum, int maximum, int position, int thumbWidth);

    // Black colours, the default style.
    void reset() override;

private:
    bool framed() const { return style_ == 1 || style_ == 2; }

    int style_;
};

}  // namespace s::gui::drawer::slider::win
