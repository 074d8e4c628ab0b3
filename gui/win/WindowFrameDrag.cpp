// Window: resizing a skinned window by its borders. A skinned window has no
// system frame, so it shows the sizing cursors itself while the pointer is over
// a border band, holding the capture so it learns when the pointer leaves, and
// carries out the drag on its own, offering each new rectangle as WM_SIZING.
#include <windowsx.h>

#include <algorithm>

#include "gui/win/Dpi.h"
#include "gui/win/FrameRules.h"
#include "gui/win/Window.h"

namespace s::gui::win {

namespace {

bool isNonClient(UINT msg) { return msg == WM_NCMOUSEMOVE || msg == WM_NCLBUTTONDOWN || msg == WM_NCLBUTTONUP; }

bool movesLeft(LRESULT hit) { return hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT; }
bool movesRight(LRESULT hit) { return hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT; }
bool movesTop(LRESULT hit) { return hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT; }
bool movesBottom(LRESULT hit) { return hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT; }

}  // namespace

void Window::endBorderCapture() {
    borderCapture_ = false;
    sizing_ = false;
    sizingHit_ = 0;
}

bool Window::onBorderHover(POINT screen) {
    RECT window;
    GetWindowRect(handle(), &window);
    const LRESULT hit = skinnedHitTest(screen.x - window.left, screen.y - window.top, window.right - window.left,
                                       window.bottom - window.top, HTCLIENT, false, false,
                                       Dpi::forWindow(handle()));
    if (LPCWSTR cursor = sizingCursorFor(hit)) {
        SetCursor(LoadCursorW(nullptr, cursor));
        if (!borderCapture_) SetCapture(handle());
        borderCapture_ = true;
        sizingHit_ = hit;
        return true;
    }
    if (borderCapture_) {
        endBorderCapture();  // before ReleaseCapture: its WM_CAPTURECHANGED must find nothing to end
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        ReleaseCapture();
    }
    return false;
}

void Window::resizeByDrag(POINT screen) {
    const int dx = screen.x - dragStart_.x, dy = screen.y - dragStart_.y;
    RECT target = dragStartRect_;
    // Each moved edge follows the pointer but never crosses its opposite edge.
    if (movesLeft(sizingHit_)) target.left = std::min(target.left + dx, target.right - 1);
    if (movesRight(sizingHit_)) target.right = std::max(target.right + dx, target.left + 1);
    if (movesTop(sizingHit_)) target.top = std::min(target.top + dy, target.bottom - 1);
    if (movesBottom(sizingHit_)) target.bottom = std::max(target.bottom + dy, target.top + 1);
    // As the system frame does: the window's size limits and sizing listeners may
    // change the proposed rectangle first (the WMSZ_ edges follow the HT codes' order).
    SendMessageW(handle(), WM_SIZING, WPARAM(sizingHit_ - HTLEFT + WMSZ_LEFT), reinterpret_cast<LPARAM>(&target));
    SetWindowPos(handle(), nullptr, target.left, target.top, target.right - target.left, target.bottom - target.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Window::handleBorderDrag(UINT msg, LPARAM lp) {
    if (!drawer_ || !(GetWindowLongPtrW(handle(), GWL_STYLE) & WS_THICKFRAME)) return false;
    POINT screen = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (!isNonClient(msg)) ClientToScreen(handle(), &screen);
    switch (msg) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        if (!sizing_) return onBorderHover(screen);
        resizeByDrag(screen);
        return true;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        if (!borderCapture_ || !sizingHit_) return false;
        sizing_ = true;
        dragStart_ = screen;
        GetWindowRect(handle(), &dragStartRect_);
        return true;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        if (!sizing_) return false;
        sizing_ = false;
        return true;
    default:
        return false;
    }
}

}  // namespace s::gui::win
