#pragma once
// A BufferedImage selected into a memory device context: drawers paint into
// the DC exactly as into a window's back buffer, and tests read the pixels back.
#include <windows.h>

#include <cstdint>

#include "image/win/BufferedImage.h"

namespace testing_gui {

class ImageCanvas {
public:
    // Every pixel starts as kUntouched, a colour no test paints with.
    static constexpr COLORREF kUntouched = RGB(0x12, 0x34, 0x56);

    ImageCanvas(int width, int height)
        : image_(s::image::win::BufferedImage::acquireSized(width, height)), width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, image_->bitmapHandle());
        fill(kUntouched);
    }
    ~ImageCanvas() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        image_->release();
    }
    ImageCanvas(const ImageCanvas&) = delete;
    ImageCanvas& operator=(const ImageCanvas&) = delete;

    bool valid() const { return dc_ && image_ && image_->bits(); }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void fill(COLORREF colour) {
        GdiFlush();
        for (int y = 0; y < height_; ++y) {
            uint32_t* row = image_->rowAddress(y);
            for (int x = 0; x < width_; ++x) row[x] = toPixel(colour);
        }
    }
    // The pixel at (x, y) as a COLORREF.
    COLORREF at(int x, int y) const {
        GdiFlush();
        const uint32_t pixel = image_->rowAddress(y)[x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    int countOf(COLORREF colour) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) n += at(x, y) == colour;
        return n;
    }

private:
    // The DIB holds 0x00RRGGBB, a COLORREF 0x00BBGGRR.
    static uint32_t toPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

    s::image::win::BufferedImage* image_;  // owned
    HDC dc_;                               // owned
    HGDIOBJ previous_;                     // not owned: the DC's original bitmap
    int width_, height_;
};

}  // namespace testing_gui
