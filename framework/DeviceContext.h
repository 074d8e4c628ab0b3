#pragma once
// Owning wrappers of device contexts: each gives its DC back in its destructor
// and restores what it selected, so no GDI object leaks from a paint.
#include <windows.h>

namespace framework {

// A memory DC compatible with another DC (or the screen).
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC();

    HDC handle() const { return dc_; }
    bool valid() const { return dc_ != nullptr; }
    // Selects a bitmap (not owned); the first bitmap the DC had goes back in the destructor.
    bool selectBitmap(HBITMAP bitmap);

private:
    HDC dc_;                            // owned: DeleteDC
    HGDIOBJ originalBitmap_ = nullptr;  // the DC's own 1x1 bitmap, put back before deletion
};

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(hwnd_, &paint_); }

    HDC handle() const { return dc_; }
    const RECT& dirty() const { return paint_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;  // owned by the paint: EndPaint releases it
};

// GetDC / GetWindowDC and ReleaseDC: the client area, or the whole window with its frame.
class WindowDC {
public:
    enum Area { Client, WholeWindow };
    explicit WindowDC(HWND hwnd, Area area = Client)
        : hwnd_(hwnd), dc_(area == Client ? GetDC(hwnd) : GetWindowDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }

    HDC handle() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;  // owned: ReleaseDC
};

}  // namespace framework
