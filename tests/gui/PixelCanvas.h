#pragma once
// A pixel grid that drawers paint into through IRectSink, so tests read back
// exactly which pixels a frame or glyph sets, without a device context.
#include <string>
#include <vector>

#include "gui/drawer/IRectSink.h"

namespace testing_gui {

class PixelCanvas : public s::gui::drawer::IRectSink {
public:
    static const COLORREF kEmpty = 0xFF000000;  // no COLORREF has the top byte set

    PixelCanvas(int width, int height) : width_(width), height_(height), pixels_(size_t(width) * height, kEmpty) {}

    void fillRect(int x, int y, int w, int h, COLORREF colour) override {
        ++fills;
        for (int row = y; row < y + h; ++row)
            for (int col = x; col < x + w; ++col) {
                if (col < 0 || row < 0 || col >= width_ || row >= height_) {
                    ++outside;
                    continue;
                }
                pixels_[size_t(row) * width_ + col] = colour;
            }
    }

    COLORREF at(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    bool isSet(int x, int y) const { return at(x, y) != kEmpty; }
    int countOf(COLORREF colour) const {
        int n = 0;
        for (COLORREF p : pixels_) n += p == colour;
        return n;
    }
    // One text line per row: '#' for a pixel of `colour`, '.' otherwise.
    std::string picture(COLORREF colour) const {
        std::string text;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) text += at(x, y) == colour ? '#' : '.';
            text += '\n';
        }
        return text;
    }

    int fills = 0;
    int outside = 0;  // pixels a drawer tried to set outside the canvas

private:
    int width_, height_;
    std::vector<COLORREF> pixels_;
};

}  // namespace testing_gui
