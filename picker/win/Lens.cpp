#include "picker/win/Lens.h"

#include "gui/win/Dpi.h"
#include "image/color/ColorMath.h"
#include "picker/LensPlacement.h"

namespace s::image::gui::dialogs::huesnap::win {

namespace {

using s::gui::win::Dpi;
constexpr int CELLS = LensPicture::CELLS;
constexpr int REACH = LensPicture::REACH;
constexpr DWORD EXCLUDE_FROM_CAPTURE = 0x11;  // WDA_EXCLUDEFROMCAPTURE, Windows 10 2004

LRESULT CALLBACK lensProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the picture covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            const HDC picture = reinterpret_cast<HDC>(GetWindowLongPtrW(window, GWLP_USERDATA));
            if (dc && picture) {
                const RECT& area = paint.rcPaint;
                BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, picture, area.left,
                       area.top, SRCCOPY);
            }
            EndPaint(window, &paint);
            return 0;
        }
        case WM_NCHITTEST:
            return HTTRANSPARENT;  // clicks go to the window below
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            return DefWindowProcW(window, message, wp, lp);
    }
}

bool registerClass() {
    WNDCLASSW existing;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    if (GetClassInfoW(module, Lens::CLASS_NAME, &existing)) return true;
    WNDCLASSW lensClass = {};
    lensClass.lpfnWndProc = lensProc;
    lensClass.hInstance = module;
    lensClass.lpszClassName = Lens::CLASS_NAME;
    return RegisterClassW(&lensClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Looked up at run time: Windows 7 has the call, only Windows 10 2004 and
// later take this value, and Wine answers FALSE.
bool excludeFromCapture(HWND window) {
    using SetAffinity = BOOL(WINAPI*)(HWND, DWORD);
    const HMODULE user = GetModuleHandleW(L"user32.dll");
    const auto set =
        user ? reinterpret_cast<SetAffinity>(reinterpret_cast<void*>(GetProcAddress(user, "SetWindowDisplayAffinity")))
             : nullptr;
    return set && set(window, EXCLUDE_FROM_CAPTURE);
}

// A top-down 32-bit DIB section selected into a new memory DC.
bool makeDib(int width, int height, HDC* dc, HBITMAP* bitmap, HGDIOBJ* old, uint32_t** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    *dc = CreateCompatibleDC(nullptr);
    *bitmap = *dc ? CreateDIBSection(*dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0) : nullptr;
    if (!*bitmap) return false;
    *old = SelectObject(*dc, *bitmap);
    *bits = static_cast<uint32_t*>(memory);
    return true;
}

void freeDib(HDC* dc, HBITMAP* bitmap, HGDIOBJ* old, uint32_t** bits) {
    if (*dc && *old) SelectObject(*dc, *old);
    if (*bitmap) DeleteObject(*bitmap);
    if (*dc) DeleteDC(*dc);
    *dc = nullptr, *bitmap = nullptr, *old = nullptr, *bits = nullptr;
}

COLORREF colourOf(uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

Lens::~Lens() {
    close();
}

// ---- The sampler's calls

void Lens::beforeRead(POINT at) {
    handleMessages();
    if (!isEnabled()) {
        close();
        return;
    }
    // Without the system's exclusion, a lens over the area about to be read
    // leaves first; the block and the sample are then read without it.
    if (shown_ && !excluded_ && LensPlacement::overlaps(shownAt_, LensPlacement::magnifiedArea(at, REACH))) {
        captured_ = stepAside(at);
    } else {
        captured_ = captureBlock(at);
    }
}

void Lens::afterRead(POINT at, COLORREF colour) {
    if (!isEnabled()) {
        close();
        return;
    }
    const int dpi = Dpi::forPoint(at);
    if ((dpi != dpi_ || !window_) && !open(dpi)) {
        close();
        return;
    }
    // The first time the block could not be read before: the new window is not shown yet.
    if (!captured_ && !shown_) captured_ = captureBlock(at);
    if (captured_) refresh(at, colour);
    captured_ = false;
    handleMessages();
}

void Lens::readingPaused() {
    close();
}

// ---- Window and pictures

bool Lens::open(int dpi) {
    if (!window_) {
        if (!registerClass()) return false;
        window_ = CreateWindowExW(
            WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT, CLASS_NAME, L"",
            WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!window_) return false;
        // Layered with full opacity: the system then lets clicks through (with
        // WS_EX_TRANSPARENT) and shows what WM_PAINT draws.
        SetLayeredWindowAttributes(window_, 0, 255, LWA_ALPHA);
        excluded_ = excludeFromCapture(window_);
        shown_ = false;
    }
    dpi_ = dpi;
    geometry_ = LensPicture::geometry(dpi);
    return makePicture();
}

bool Lens::makePicture() {
    if (font_) {
        SelectObject(pictureDC_, oldFont_);
        DeleteObject(font_);
        font_ = nullptr;
    }
    freeDib(&pictureDC_, &picture_, &oldPicture_, &pixels_);
    if (!makeDib(geometry_.width, geometry_.height, &pictureDC_, &picture_, &oldPicture_, &pixels_)) return false;
    if (!blockDC_ && !makeDib(CELLS, CELLS, &blockDC_, &blockBitmap_, &oldBlock_, &blockPixels_)) return false;
    font_ = CreateFontW(-geometry_.font, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
    if (font_) oldFont_ = SelectObject(pictureDC_, font_);
    if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pictureDC_));
    SetBkMode(pictureDC_, TRANSPARENT);
    SetTextColor(pictureDC_, LensPicture::TEXT_COLOUR);
    return true;
}

void Lens::close() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    window_ = nullptr;
    shown_ = false;
    dpi_ = 0;
    if (font_) {
        SelectObject(pictureDC_, oldFont_);
        DeleteObject(font_);
        font_ = nullptr;
    }
    freeDib(&pictureDC_, &picture_, &oldPicture_, &pixels_);
    freeDib(&blockDC_, &blockBitmap_, &oldBlock_, &blockPixels_);
}

RECT Lens::placeFor(POINT at) const {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    const bool known = GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor) != FALSE;
    const SIZE size = {geometry_.width, geometry_.height};
    return LensPlacement::place(at, size, REACH, Dpi::scale(GAP_UNITS, dpi_), &monitor.rcWork, known ? 1 : 0);
}

// ---- Reading the screen

bool Lens::captureBlock(POINT at) {
    if (!blockDC_) return false;
    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    const bool read = BitBlt(blockDC_, 0, 0, CELLS, CELLS, screen, at.x - REACH, at.y - REACH, SRCCOPY) != FALSE;
    ReleaseDC(nullptr, screen);
    if (!read) return false;
    GdiFlush();
    for (int i = 0; i < CELLS * CELLS; ++i) block_[i] = colourOf(blockPixels_[i]);
    return true;
}

bool Lens::blockShowsLens(POINT at) const {
    for (int row = 0; row < CELLS; ++row) {
        for (int column = 0; column < CELLS; ++column) {
            const int x = at.x - REACH + column - shownAt_.left, y = at.y - REACH + row - shownAt_.top;
            if (x < 0 || y < 0 || x >= geometry_.width || y >= geometry_.height) continue;
            const uint32_t own = pixels_[size_t(y) * size_t(geometry_.width) + size_t(x)];
            if (colourOf(own) == block_[row * CELLS + column]) return true;
        }
    }
    return false;
}

// The lens moves to where it goes for `at` (or hides when even there it would
// cover the read), then the block is read until none of the lens's own pixels
// is left in it: the windows below repaint what it uncovered in their own time.
// A pixel that truly has the lens's colour there keeps that colour: the wait
// then ends at its bound, and the read is right all the same.
bool Lens::stepAside(POINT at) {
    const RECT next = placeFor(at);
    if (LensPlacement::overlaps(next, LensPlacement::magnifiedArea(at, REACH))) {
        ShowWindow(window_, SW_HIDE);
    } else {
        SetWindowPos(window_, nullptr, next.left, next.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    const DWORD start = GetTickCount();
    bool read = captureBlock(at);
    while (read && blockShowsLens(at) && GetTickCount() - start < UNCOVER_WAIT_MS) {
        handleMessages();
        Sleep(1);
        read = captureBlock(at);
    }
    shown_ = false;
    return read;
}

// ---- Showing

void Lens::refresh(POINT at, COLORREF colour) {
    // The centre is the sample itself, so the lens and the sample always agree.
    if (colour != CLR_INVALID) block_[REACH * CELLS + REACH] = colour;
    LensPicture::paint(geometry_, block_, pixels_);
    const color::HexText hex = color::formatHex(block_[REACH * CELLS + REACH]);
    RECT text = LensPicture::textRect(geometry_);
    DrawTextW(pictureDC_, hex.digits, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    GdiFlush();
    SetWindowTextW(window_, hex.digits);  // for screen readers and the tests
    const RECT where = placeFor(at);
    // Another window made topmost later would cover it: the lens goes back on top.
    const bool raise = !shown_ || GetWindow(window_, GW_HWNDPREV) != nullptr;
    SetWindowPos(window_, raise ? HWND_TOPMOST : nullptr, where.left, where.top, geometry_.width, geometry_.height,
                 SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_SHOWWINDOW | (raise ? 0 : SWP_NOZORDER));
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
    shownAt_ = where;
    shown_ = true;
}

void Lens::handleMessages() {
    if (!window_) return;
    MSG msg;
    while (PeekMessageW(&msg, window_, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace s::image::gui::dialogs::huesnap::win
