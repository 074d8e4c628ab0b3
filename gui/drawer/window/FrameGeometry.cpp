#include "gui/drawer/window/FrameGeometry.h"

#include "gui/win/Dpi.h"

namespace s {
namespace gui {
namespace drawer {
namespace window {

namespace {

struct Run {
    int x, y, length;
};

void fillRuns(IRectSink& sink, const Run* runs, int count, COLORREF colour) {
    for (int i = 0; i < count; ++i) sink.fillRect(runs[i].x, runs[i].y, runs[i].length, 1, colour);
}

void paintSmallCorners(IRectSink& sink, int w, int h, bool top, bool bottom, COLORREF frame) {
    if (top) {
        const Run runs[] = {{0, 1, 2}, {w - 2, 1, 2}};
        fillRuns(sink, runs, 2, frame);
    }
    if (bottom) {
        const Run runs[] = {{0, h - 2, 2}, {w - 2, h - 2, 2}};
        fillRuns(sink, runs, 2, frame);
    }
}

void paintLargeCorners(IRectSink& sink, int w, int h, bool top, bool bottom, COLORREF frame) {
    if (top) {
        const Run runs[] = {{0, 1, 5},     {0, 2, 3},     {0, 3, 2},     {0, 4, 2},     {0, 5, 1},
                            {w - 5, 1, 5}, {w - 3, 2, 3}, {w - 2, 3, 2}, {w - 2, 4, 2}, {w - 1, 5, 1}};
        fillRuns(sink, runs, 10, frame);
    }
    if (bottom) {
        const Run runs[] = {{0, h - 6, 1},     {0, h - 5, 2},     {0, h - 4, 2},     {0, h - 3, 3},
                            {0, h - 2, 5},     {w - 1, h - 6, 1}, {w - 2, h - 5, 2}, {w - 3, h - 4, 2},
                            {w - 4, h - 3, 3}, {w - 5, h - 2, 5}};
        fillRuns(sink, runs, 10, frame);
    }
}

using s::gui::win::Dpi;

// Takes rectangles in design pixels of a design-sized window and fills the device
// pixels they cover in the real one. A coordinate is measured from the nearer edge,
// so a run drawn at "w - 2" lands as far from the right edge as "2" from the left.
class ScaledSink : public IRectSink {
public:
    ScaledSink(IRectSink& target, int width, int height, int dpi)
        : target_(target),
          dpi_(dpi),
          width_(width),
          height_(height),
          designWidth_(Dpi::unscale(width, dpi)),
          designHeight_(Dpi::unscale(height, dpi)) {}
    int designWidth() const { return designWidth_; }
    int designHeight() const { return designHeight_; }

    void fillRect(int x, int y, int width, int height, COLORREF colour) override {
        if (width <= 0 || height <= 0) return;
        const int left = map(x, designWidth_, width_), right = map(x + width, designWidth_, width_);
        const int top = map(y, designHeight_, height_), bottom = map(y + height, designHeight_, height_);
        target_.fillRect(left, top, right - left, bottom - top, colour);
    }

private:
    int map(int designValue, int designSize, int size) const {
        if (2 * designValue <= designSize) return Dpi::scale(designValue, dpi_);
        return size - Dpi::scale(designSize - designValue, dpi_);
    }

    IRectSink& target_;
    int dpi_, width_, height_, designWidth_, designHeight_;
};

void paintDesignFrame(IRectSink& sink, int w, int h, int topStyle, int bottomStyle, COLORREF frame) {
    sink.fillRect(0, 0, w, 1, frame);
    sink.fillRect(w - 1, 0, 1, h, frame);
    sink.fillRect(0, h - 1, w, 1, frame);
    sink.fillRect(0, 0, 1, h - 1, frame);
    if (topStyle == 1 || bottomStyle == 1) paintSmallCorners(sink, w, h, topStyle == 1, bottomStyle == 1, frame);
    if (topStyle == 2 || bottomStyle == 2) paintLargeCorners(sink, w, h, topStyle == 2, bottomStyle == 2, frame);
}

}  // namespace

void paintFrame(IRectSink& sink, int width, int height, int topStyle, int bottomStyle, COLORREF background,
                COLORREF frame, bool transparent, int dpi) {
    const int w = width, h = height;
    if (w <= 0 || h <= 0) return;
    if (!transparent) sink.fillRect(0, 0, w, h, background);
    if (dpi <= 0 || dpi == Dpi::DESIGN) {
        paintDesignFrame(sink, w, h, topStyle, bottomStyle, frame);
        return;
    }
    ScaledSink scaled(sink, w, h, dpi);
    paintDesignFrame(scaled, scaled.designWidth(), scaled.designHeight(), topStyle, bottomStyle, frame);
}

RegionShape regionShape(int left, int top, int right, int bottom, int topStyle, int bottomStyle, int dpi) {
    RegionShape shape = {};
    shape.outer = RECT{left, top, right + 1, bottom + 1};
    const bool known = topStyle >= 0 && topStyle <= 2 && bottomStyle >= 0 && bottomStyle <= 2;
    if (!known) return shape;
    shape.valid = true;
    if (topStyle == 0 && bottomStyle == 0) return shape;
    shape.rounded = true;
    // The smaller rounding wins when either end asks for it.
    const int chosenStyle = (topStyle == 1 || bottomStyle == 1) ? 1 : 2;
    shape.rounding = Dpi::scale(chosenStyle == 1 ? 5 : 11, dpi);
    const bool topRounded = topStyle == chosenStyle, bottomRounded = bottomStyle == chosenStyle;
    if (topRounded && bottomRounded) return shape;
    shape.squared = true;
    const int depth = Dpi::scale(chosenStyle == 1 ? 4 : 6, dpi);  // rows the squaring rectangle covers
    shape.square =
        topRounded ? RECT{left, bottom - (depth - 1), right + 1, bottom + 1} : RECT{left, top, right + 1, top + depth};
    return shape;
}

}  // namespace window
}  // namespace drawer
}  // namespace gui
}  // namespace s
