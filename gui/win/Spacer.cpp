#include "gui/win/Spacer.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/win/NativeChild.h"

namespace s::gui::win {

S_POOLED_CLASS_IMPL(Spacer, thread::EasyPooler::DEFAULT_CAPACITY)

Spacer::Spacer() {
    reset();
}

void Spacer::reset() {
    if (isBound()) destroy();
    resetComponent();
    setBackground(GetSysColor(COLOR_BTNFACE));
}

bool Spacer::create(HWND parent) {
    if (isBound()) return true;
    if (!NativeChild::ensureClass()) return false;  // the registration reported it
    if (!NativeChild::createAtRecordedPlace(*this, 0, 0, parent)) {
        NativeChild::reportCreationFailure();
        return false;
    }
    NativeChild::placeCreated(this, handle());
    return true;
}

void Spacer::setVisible(bool visible) {
    IComponent::setVisible(visible);
    if (isBound()) ShowWindow(handle(), visible ? SW_SHOW : SW_HIDE);
}

bool Spacer::moveNative(int x, int y, int width, int height) {
    return NativeChild::move(handle(), x, y, width, height);
}

LRESULT Spacer::windowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) return NativeChild::eraseWith(handle(), reinterpret_cast<HDC>(wp), getBackground());
    // Empty room: clicks on it are clicks on the window.
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return defaultProc(msg, wp, lp);
}

}  // namespace s::gui::win
