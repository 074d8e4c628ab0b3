#include "gui/win/Box.h"

#include <shellapi.h>

#include "foundation/thread/EasyPooler.h"
#include "gui/win/NativeChild.h"
#include "gui/win/ReflectionRules.h"

namespace s::gui::win {

S_POOLED_CLASS_IMPL(Box, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {
WPARAM componentParam(IComponent* component) {
    return reinterpret_cast<WPARAM>(component);
}
}  // namespace

Box::Box() {
    reset();
}

void Box::reset() {
    if (isBound()) destroy();
    resetBox();
    setBackground(GetSysColor(COLOR_BTNFACE));
    acceptsFiles_ = false;
    acceptsWebAddresses_ = false;
    drawer_ = nullptr;
}

bool Box::create(HWND parent) {
    if (isBound()) return true;
    if (!NativeChild::ensureClass()) return false;  // the registration reported it
    setCreating(true);
    if (!createEx(WS_EX_CONTROLPARENT, NativeChild::CLASS_NAME, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr)) {
        setCreating(false);
        NativeChild::reportCreationFailure();
        return false;
    }
    setCommittedGeometry(0, 0, 0, 0);
    if (acceptsFiles_) DragAcceptFiles(handle(), TRUE);
    for (int i = 0; i < getComponentCount(); ++i) {
        IComponent* child = getComponent(i);
        send(WM_APP_ATTACH, componentParam(child));
        child->setOrigin(getLeftMargin(), getTopMargin());
    }
    setCreating(false);
    doLayout();
    NativeChild::placeCreated(this, handle());
    return true;
}

void Box::attachChild(IComponent* component) {
    if (!isBound()) return;
    send(WM_APP_ATTACH, componentParam(component));
    doLayout();
}

void Box::setVisible(bool visible) {
    IComponent::setVisible(visible);
    if (!isBound()) return;
    if (visible) {
        ShowWindow(handle(), SW_SHOW);
        commit();  // back from off-screen to the recorded place
        return;
    }
    ShowWindow(handle(), SW_HIDE);
    if (NativeChild::move(handle(), HIDDEN_X, HIDDEN_Y, getWidth(), getHeight()))
        setCommittedGeometry(HIDDEN_X, HIDDEN_Y, getWidth(), getHeight());
}

void Box::setVisibleWithChildren(bool visible) {
    setVisible(visible);
    for (int i = 0; i < getComponentCount(); ++i) getComponent(i)->setVisible(visible);
}

bool Box::contains(POINT screenPoint) const {
    if (!isVisible() || !isBound()) return false;
    RECT client;
    if (!GetClientRect(handle(), &client)) return false;
    POINT topLeft = {client.left, client.top};
    POINT bottomRight = {client.right, client.bottom};
    ClientToScreen(handle(), &topLeft);
    ClientToScreen(handle(), &bottomRight);
    return screenPoint.x >= topLeft.x && screenPoint.x <= bottomRight.x && screenPoint.y >= topLeft.y &&
           screenPoint.y <= bottomRight.y;
}

bool Box::moveNative(int x, int y, int width, int height) {
    return NativeChild::move(handle(), x, y, width, height);
}

LRESULT Box::windowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_APP_ATTACH: {
            IComponent* child = reinterpret_cast<IComponent*>(wp);
            return child && child->create(handle()) ? 1 : 0;
        }
        case WM_KEYDOWN:
            return forwardKey(msg, wp, lp);
        case WM_GETDLGCODE:
            return defaultProc(msg, wp, lp) | DLGC_WANTALLKEYS;
        case WM_DROPFILES:
            // The drop event comes with the window core; the drop must be released either way.
            DragFinish(reinterpret_cast<HDROP>(wp));
            return 0;
        default:
            return defaultProc(msg, wp, lp);
    }
}

// Keys go on to the parent's window, so they reach the top-level window.
LRESULT Box::forwardKey(UINT msg, WPARAM wp, LPARAM lp) {
    HWND parent = getParent() ? getParent()->getHandle() : nullptr;
    if (!parent) parent = GetParent(handle());
    return parent ? SendMessageW(parent, msg, wp, lp) : defaultProc(msg, wp, lp);
}

}  // namespace s::gui::win
