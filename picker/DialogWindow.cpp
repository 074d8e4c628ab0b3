#include "picker/DialogWindow.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/IBox.h"
#include "gui/win/Dpi.h"

namespace s::image::gui::dialogs::huesnap {

S_POOLED_CLASS_IMPL(DialogWindow, thread::EasyPooler::NO_CAPACITY)

namespace {

// The skin draws a 1-pixel frame (design units) round the window's edge.
constexpr int SKIN_FRAME = 1;

using s::gui::win::Dpi;

}  // namespace

DialogWindow::DialogWindow() : content_(nullptr) {}

DialogWindow::~DialogWindow() {
    content_.store(nullptr);
}

void DialogWindow::reset() {
    content_.store(nullptr);
    ManagedWindow::reset();
}

LRESULT DialogWindow::windowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // Alt is the sampling key: releasing it over this window must not put the
    // window in keyboard menu mode (it has no menu bar to open), which would take
    // the user's next click or key.
    if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_KEYMENU && lp == 0) return 0;
    if (msg == Dpi::CHANGED_MESSAGE) return onDpiChanged(wp, lp);
    return ManagedWindow::windowProc(msg, wp, lp);
}

// The window moved to a monitor of another scale (or the scale changed): the
// content is remade for the new DPI first, then the window takes the suggested
// rectangle, so it changes size and place once and keep-in-screen judges the new
// rectangle. Each size comes from its design value, so going back gives the first
// size again.
LRESULT DialogWindow::onDpiChanged(WPARAM wp, LPARAM lp) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lp);
    const int dpi = HIWORD(wp);
    HWND hwnd = getHandle();
    if (!suggested || dpi <= 0 || !hwnd) return 0;
    RECT target = *suggested;
    Dpi::tell(hwnd, dpi);
    sendUserEvent(DPI_CHANGED_EVENT, &target, dpi, 0);
    return 0;
}

int DialogWindow::frameInset() const {
    return getWindowDrawer() ? Dpi::scale(SKIN_FRAME, Dpi::forWindow(getHandle())) : 0;
}

void DialogWindow::fitContent() {
    s::gui::IBox* content = content_.load();
    HWND hwnd = getHandle();
    if (!content || !hwnd || IsIconic(hwnd)) return;
    RECT client = {};
    GetClientRect(hwnd, &client);
    const int inset = frameInset();
    const int width = client.right - client.left - 2 * inset;
    const int height = client.bottom - client.top - 2 * inset;
    content->setLocation(inset, inset);
    content->setExactSize(width > 0 ? width : 0, height > 0 ? height : 0);
    content->commit();
}

bool DialogWindow::sizeForContent(int minimumContentWidth, SIZE* size) {
    s::gui::IBox* content = content_.load();
    HWND hwnd = getHandle();
    if (!content || !hwnd) return false;
    content->measure();
    RECT outer = {}, client = {};
    GetWindowRect(hwnd, &outer);
    GetClientRect(hwnd, &client);
    int width = content->getMinimumWidth();
    if (width < minimumContentWidth) width = minimumContentWidth;
    // The frame: the skin's own, or the system's around the client area.
    const int inset = 2 * frameInset();
    size->cx = width + inset + (outer.right - outer.left) - client.right;
    size->cy = content->getMinimumHeight() + inset + (outer.bottom - outer.top) - client.bottom;
    return true;
}

void DialogWindow::applySize(SIZE minimum, SIZE size) {
    HWND hwnd = getHandle();
    setMinimumSize(minimum);
    if (!IsIconic(hwnd) && !IsZoomed(hwnd))
        SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitContent();
}

void DialogWindow::fitToContent() {
    SIZE size = {};
    if (sizeForContent(Dpi::scale(MINIMUM_CONTENT_WIDTH, Dpi::forWindow(getHandle())), &size)) applySize(size, size);
}

void DialogWindow::takeRectangle(const RECT& suggested) {
    HWND hwnd = getHandle();
    SIZE needed = {};
    if (!hwnd || !sizeForContent(Dpi::scale(MINIMUM_CONTENT_WIDTH, Dpi::forWindow(hwnd)), &needed)) return;
    setMinimumSize(needed);
    const int width = suggested.right - suggested.left, height = suggested.bottom - suggested.top;
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, width > needed.cx ? width : needed.cx,
                 height > needed.cy ? height : needed.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    fitContent();
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void DialogWindow::growToContent(int minimumContentWidth) {
    SIZE needed = {};
    if (!sizeForContent(minimumContentWidth, &needed)) return;
    RECT outer = {};
    GetWindowRect(getHandle(), &outer);
    const SIZE size = {outer.right - outer.left > needed.cx ? outer.right - outer.left : needed.cx,
                       outer.bottom - outer.top > needed.cy ? outer.bottom - outer.top : needed.cy};
    applySize(needed, size);
}

}  // namespace s::image::gui::dialogs::huesnap
