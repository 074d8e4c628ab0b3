#pragma once
// Flicker-free painting of the controls the toolkit paints itself (owner-painted
// buttons, labels, images, skinned sliders): the control paints into an
// off-screen image of its client size through a MemDC, and the result is copied
// onto the target in one BitBlt. Nothing painted lasts beyond the call: the
// image and memory DC go back to their pools.
#include <windows.h>

namespace s::gui::win {

class ControlPaint {
public:
    // Paints the client area (0, 0)-(width, height) into `dc`.
    using PaintFunction = void (*)(void* context, HDC dc, int width, int height);

    // Paints through a back buffer of hwnd's client size onto `target` at (0, 0).
    // False when there is nothing to paint or no buffer could be had.
    static bool paintBuffered(HWND hwnd, HDC target, PaintFunction paint, void* context);
    // Fills a rectangle without making a brush.
    static void fill(HDC dc, int x, int y, int width, int height, COLORREF colour);
    // Draws `text` with `font` (not owned) in `colour`, transparent background,
    // putting the DC's font, colour and mode back afterwards.
    static void drawText(HDC dc, const wchar_t* text, RECT box, HFONT font, COLORREF colour, UINT format);
    // The size of `text` in `font` (line breaks honoured); 0 x 0 for "".
    static SIZE measureText(const wchar_t* text, HFONT font);
};

// A memory DC to measure text in, with `font` (not owned) selected while it lives.
// It has the screen's metrics, as a window's DC has, and costs far less to get:
// a window's DC needs its visible region worked out first.
class MeasuringDc {
public:
    explicit MeasuringDc(HFONT font);
    ~MeasuringDc();
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;
    // Null when no DC could be had.
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ oldFont_;
};

}  // namespace s::gui::win
