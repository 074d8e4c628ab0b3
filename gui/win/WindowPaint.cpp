// Window: painting through the back buffer, the skinned frame and the window's
// shape. With a window drawer the window paints everything itself, frame
// included; without one it fills its client area with its background colour and
// leaves the frame to the system.
#include <windowsx.h>

#include "framework/DeviceContext.h"
#include "gui/drawer/IWindow.h"
#include "gui/win/Dpi.h"
#include "gui/win/FrameRules.h"
#include "gui/win/MemDC.h"
#include "gui/win/Window.h"
#include "image/win/BufferedImage.h"

namespace s::gui::win {

namespace {

// The system's request to redraw the caption; a skinned window has none.
constexpr UINT WM_NC_CAPTION_REDRAW = 0xAE;

}  // namespace

SIZE Window::getBackBufferSize() const {
    if (!buffer_) return SIZE{0, 0};
    return SIZE{buffer_->allocatedWidth(), buffer_->allocatedHeight()};
}

void Window::releaseBackBuffer() {
    if (buffer_) buffer_->release();
    buffer_ = nullptr;
}

bool Window::prepareBackBuffer(int width, int height) {
    if (width <= 0 || height <= 0) return false;
    const SIZE have = getBackBufferSize();
    switch (backBufferAction(buffer_ != nullptr, have.cx, have.cy, width, height)) {
    case BufferAction::Recreate:
        releaseBackBuffer();
        buffer_ = image::win::BufferedImage::acquireSized(width, height);
        break;
    case BufferAction::Create:
        buffer_ = image::win::BufferedImage::acquireSized(width, height);
        break;
    case BufferAction::Resize:
        buffer_->ensureSize(width, height);
        break;
    case BufferAction::Keep:
        break;
    }
    if (!buffer_ || !buffer_->bitmapHandle()) return false;
    buffer_->setSize(width, height);
    return true;
}

void Window::excludeChildren(HDC target) {
    // Children paint themselves: drawing over them first would make them flicker.
    for (int i = 0; i < getComponentCount(); ++i) {
        const IComponent* child = getComponent(i);
        const int x = child->getX(), y = child->getY();
        ExcludeClipRect(target, x, y, x + child->getWidth(), y + child->getHeight());
    }
}

void Window::paintClientInto(HDC target, int width, int height) {
    if (!prepareBackBuffer(width, height)) return;
    MemDC* memory = MemDC::acquireFor(handle(), buffer_, false);
    if (!memory) return;
    if (drawer_) {
        drawer_->paintAt(memory->handle(), 0, 0, width, height, Dpi::forWindow(handle()));
    } else {
        HBRUSH brush = CreateSolidBrush(getBackground());
        RECT all = {0, 0, width, height};
        FillRect(memory->handle(), &all, brush);
        DeleteObject(brush);
    }
    excludeChildren(target);
    BitBlt(target, 0, 0, width, height, memory->handle(), 0, 0, SRCCOPY);
    memory->release();
}

LRESULT Window::onEraseBackground(HDC target) {
    RECT client;
    GetClientRect(handle(), &client);
    paintClientInto(target, client.right, client.bottom);
    return 1;
}

LRESULT Window::onPaint() {
    framework::PaintDC paint(handle());
    RECT client;
    GetClientRect(handle(), &client);
    paintClientInto(paint.handle(), client.right, client.bottom);
    return 0;
}

LRESULT Window::onNcPaint() {
    RECT window;
    GetWindowRect(handle(), &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    framework::WindowDC dc(handle(), framework::WindowDC::WholeWindow);
    if (!dc.handle() || !prepareBackBuffer(width, height)) return 0;
    MemDC* memory = MemDC::acquireFor(handle(), buffer_, false);
    if (!memory) return 0;
    drawer_->paintAt(memory->handle(), 0, 0, width, height, Dpi::forWindow(handle()));
    // The client area, in window coordinates, is painted by WM_PAINT.
    RECT client;
    GetClientRect(handle(), &client);
    MapWindowPoints(handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    ExcludeClipRect(dc.handle(), client.left, client.top, client.right, client.bottom);
    BitBlt(dc.handle(), 0, 0, width, height, memory->handle(), 0, 0, SRCCOPY);
    memory->release();
    return 0;
}

LRESULT Window::onPositionChanged(WPARAM wp, LPARAM lp) {
    const WINDOWPOS* position = reinterpret_cast<const WINDOWPOS*>(lp);
    const LRESULT result = defaultProc(WM_WINDOWPOSCHANGED, wp, lp);
    if (!position || (position->flags & SWP_NOSIZE) || IsIconic(handle())) return result;
    if (drawer_) {
        // The system owns the region once it is set; null (unknown corner styles) removes it.
        SetWindowRgn(handle(), drawer_->regionAt(0, 0, position->cx, position->cy, Dpi::forWindow(handle())),
                     TRUE);
        RedrawWindow(handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
    onSizeChanged();
    return result;
}

LRESULT Window::onHitTest(WPARAM wp, LPARAM lp) {
    const LRESULT hit = defaultProc(WM_NCHITTEST, wp, lp);
    const bool rightDown = GetKeyState(VK_RBUTTON) < 0;
    if (!drawer_) return plainHitTest(hit, dragByBody_, rightDown);
    RECT window;
    GetWindowRect(handle(), &window);
    return skinnedHitTest(GET_X_LPARAM(lp) - window.left, GET_Y_LPARAM(lp) - window.top, window.right - window.left,
                          window.bottom - window.top, hit, dragByBody_, rightDown, Dpi::forWindow(handle()));
}

void Window::setWindowDrawer(drawer::IWindow* drawer) {
    if (HWND hwnd = handle()) {
        SendMessageW(hwnd, WM_APP_SET_DRAWER, reinterpret_cast<WPARAM>(drawer), 0);
    } else {
        drawer_ = drawer;
    }
}

void Window::applyDrawer(drawer::IWindow* drawer) {
    drawer_ = drawer;
    RECT window;
    GetWindowRect(handle(), &window);
    const int dpi = Dpi::forWindow(handle());
    SetWindowRgn(handle(),
                 drawer ? drawer->regionAt(0, 0, window.right - window.left, window.bottom - window.top, dpi) : nullptr,
                 TRUE);
    // The frame changes: the client area is computed again (the whole window when skinned).
    SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Window::dispatchPaint(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
    case WM_ERASEBKGND:
        *result = onEraseBackground(reinterpret_cast<HDC>(wp));
        return true;
    case WM_PAINT:
        if (!drawer_) return false;
        *result = onPaint();
        return true;
    case WM_NCPAINT:
        if (!drawer_) return false;
        *result = onNcPaint();
        return true;
    case WM_WINDOWPOSCHANGED:
        *result = onPositionChanged(wp, lp);
        return true;
    case WM_NCCALCSIZE:
        if (!drawer_ || !wp) return false;
        *result = 0;
        return true;
    case WM_NCACTIVATE:
    case WM_NC_CAPTION_REDRAW:
        if (!drawer_) return false;
        *result = 1;
        return true;
    case WM_NCHITTEST:
        *result = onHitTest(wp, lp);
        return true;
    case WM_APP_SET_DRAWER:
        applyDrawer(reinterpret_cast<drawer::IWindow*>(wp));
        *result = 0;
        return true;
    default:
        return false;
    }
}

}  // namespace s::gui::win
