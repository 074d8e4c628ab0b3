#include "gui/drawer/slider/win/Thin.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/drawer/slider/TrackGeometry.h"
#include "gui/drawer/win/DcRectSink.h"
#include "gui/drawer/window/FrameGeometry.h"
#include "gui/win/Dpi.h"

namespace s::gui::drawer::slider::win {

S_POOLED_CLASS_IMPL(Thin, ::s::thread::EasyPooler::DEFAULT_CAPACITY)

Thin::Thin() : style_(kDefaultStyle) {}

void Thin::reset() {
    clearColours();
    style_ = kDefaultStyle;
}

int Thin::thumbOffset(int trackWidth, int minimum, int maximum, int position, int thumbWidth) {
    if (maximum <= minimum) return 0;
    if (position < minimum) position = minimum;
    if (position > maximum) position = maximum;
    // Measured from the minimum, so a range that does not start at 0 keeps the
    // thumb inside the track; for ranges from 0 this is (width - 10) x position / maximum.
    return int((long long)(trackWidth - thumbWidth) * (position - minimum) / (maximum - minimum));
}

void Thin::paint(HDC dc, int left, int top, int right, int bottom) {
    if (!dc || left >= right || top >= bottom || !framed()) return;
    ::s::gui::drawer::win::DcRectSink sink(dc, left, top);
    window::paintFrame(sink, right - left, bottom - top, style_, style_, 0, getColour(kFrame), true);
}

void Thin::paintTrack(HDC dc, int a, int b, int e, int c, int minimum, int maximum, int position, int mode, int p1,
                      int p2, bool secondPair, int dpi) {
    if (!dc || a >= e || b >= c) return;
    const COLORREF frame = getColour(secondPair ? kSubFrame : kFrame);
    const int width = e - a, height = c - b;
    const int thumbWidth = ::s::gui::win::Dpi::scale(kThumbWidth, dpi);
    const int thumb = thumbOffset(width, minimum, maximum, position, thumbWidth);
    if (framed()) {
        ::s::gui::drawer::win::DcRectSink sink(dc, a, b);
        window::paintFrame(sink, width, height, style_, style_, 0, frame, true, dpi);
    }
    {
        ::s::gui::drawer::win::DcRectSink sink(dc);
        paintTrackGradient(sink, a, b, e, c, a + thumb, mode, p1, p2, thumbWidth, ::s::gui::win::Dpi::scale(1, dpi));
    }
    if (framed()) {
        ::s::gui::drawer::win::DcRectSink sink(dc, a + thumb, b);
        window::paintFrame(sink, thumbWidth, height, style_, style_, getColour(kThumb), frame, false, dpi);
    }
}

}  // namespace s::gui::drawer::slider::win
