#pragma once
// A top-level window of the test itself, painted all over in one colour: the
// screen area a person would point at to take that colour, in another program
// (a click on it activates it, as with any program). It runs its own thread and
// message loop, so it keeps painting while the test waits.
#include <windows.h>

namespace testing_program {

class ColourTarget {
public:
    // Shows a topmost window filling `area` (screen coordinates) with `colour`, not activated.
    ColourTarget(const RECT& area, COLORREF colour);
    // Closes the window and ends its thread.
    ~ColourTarget();
    ColourTarget(const ColourTarget&) = delete;
    ColourTarget& operator=(const ColourTarget&) = delete;

    // Paints the window in another colour from now on (any thread).
    void setColour(COLORREF colour);
    // Colour of the pixel (dx, dy) from the centre, for each pixel up to `reach` away
    // from it on either axis: painted over the window's colour from now on.
    using Pattern = COLORREF (*)(int dx, int dy);
    void setPattern(Pattern pattern, int reach);
    // True once the window shows its colour on the screen.
    bool waitShown(DWORD timeoutMs) const;
    POINT centre() const { return {(area_.left + area_.right) / 2, (area_.top + area_.bottom) / 2}; }
    HWND window() const { return window_; }

private:
    static DWORD WINAPI threadMain(void* self);
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);

    struct Painting {
        COLORREF colour;
        Pattern pattern;
        int reach;
    };
    RECT area_;
    COLORREF colour_;
    Painting painting_ = {};  // read by the window's thread while it paints
    HANDLE ready_ = nullptr;   // owned: set once the window exists (or failed)
    HANDLE thread_ = nullptr;  // owned
    HWND window_ = nullptr;    // destroyed by its own thread
};

}  // namespace testing_program
