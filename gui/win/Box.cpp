#include "gui/win/Box.h"

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

Box::~Box() {
    // Here, not in the base destructor: there the window's last messages would no
    // longer reach this class, and the drop target would stay registered.
    if (isBound()) destroy();
}

void Box::reset() {
    if (isBound()) destroy();
    resetBox();
    setBackground(GetSysColor(COLOR_BTNFACE));
    acceptsFiles_ = false;
    acceptsWebAddresses_ = false;
    drawer_ = nullptr;
    dropListeners_.disposeAll();
    droppedFiles_.clear();
    droppedWebAddress_.reset();
}

bool Box::create(HWND parent) {
    if (isBound()) return true;
    if (!NativeChild::ensureClass()) return false;  // the registration reported it
    setCreating(true);
    if (!NativeChild::createAtRecordedPlace(*this, WS_EX_CONTROLPARENT, 0, parent)) {
        setCreating(false);
        NativeChild::reportCreationFailure();
        return false;
    }
    if (acceptsFiles_) DragAcceptFiles(handle(), TRUE);
    if (acceptsWebAddresses_) registerDropTarget();
    for (int i = 0; i < getComponentCount(); ++i) {
        IComponent* child = getComponent(i);
        child->setOrigin(getLeftMargin(), getTopMargin());  // so that it is made in its place
        send(WM_APP_ATTACH, componentParam(child));
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
        case WM_NCHITTEST:
            // A box only arranges: the mouse on its empty parts belongs to the window
            // below (drag by body, border bands, middle click, the right-click menu).
            // Controls inside it are hit before the box and keep their clicks.
            return HTTRANSPARENT;
        case WM_KEYDOWN:
            return forwardKey(msg, wp, lp);
        case WM_GETDLGCODE:
            return defaultProc(msg, wp, lp) | DLGC_WANTALLKEYS;
        case WM_DROPFILES:
            return onDropFiles(reinterpret_cast<HDROP>(wp));
        case WM_DESTROY:
            revokeDropTarget();
            return defaultProc(msg, wp, lp);
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

// ---- Drops

bool Box::addDropListener(events::IEventListener* listener) {
    return listener && dropListeners_.add(static_cast<void*>(listener));
}

bool Box::removeDropListener(events::IEventListener* listener) {
    return dropListeners_.remove(static_cast<void*>(listener));
}

void Box::raiseDrop(int kind) {
    // A listener may add listeners: the length is read again after each call.
    for (uint32_t i = 0; i < dropListeners_.length(); ++i)
        static_cast<events::IEventListener*>(dropListeners_.get(i))->onEvent(this, kind);
}

// Needs OLE on this thread; without it (or on any failure) the box just takes no addresses.
void Box::registerDropTarget() {
    UrlDropTarget* target = UrlDropTarget::acquire();
    if (!target) return;
    target->setReceiver(this);
    if (FAILED(RegisterDragDrop(handle(), target))) {
        target->detach();
        target->Release();
        return;
    }
    dropTarget_ = target;
}

void Box::revokeDropTarget() {
    if (!dropTarget_) return;
    RevokeDragDrop(handle());
    // A drag under way may still hold the target: it must no longer reach this box.
    dropTarget_->detach();
    dropTarget_->Release();
    dropTarget_ = nullptr;
}

// The drop is released whatever happens; a box not taking files reports nothing.
LRESULT Box::onDropFiles(HDROP drop) {
    droppedFiles_.clear();
    if (acceptsFiles_ && drop) readDroppedFiles(drop);
    if (drop) DragFinish(drop);
    if (droppedFiles_.count() > 0) raiseDrop(FILES_DROPPED_EVENT);
    droppedFiles_.clear();
    return 0;
}

void Box::readDroppedFiles(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // Paths may be longer than MAX_PATH: ask for the length first.
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        if (length == 0) continue;
        str::strbuffer::StrBuffer* path = str::strbuffer::StrBuffer::acquire();
        if (!path) continue;
        if (!path->reserve(length)) {
            path->release();
            continue;
        }
        const UINT copied = DragQueryFileW(drop, i, path->data(), length + 1);
        path->setLength(copied <= length ? copied : length);
        droppedFiles_.add(path);  // releases the path when the list cannot grow
    }
}

bool Box::onWebAddressDropped(const wchar_t* address, uint32_t length) {
    if (!droppedWebAddress_.set(address, static_cast<int32_t>(length))) return false;
    raiseDrop(WEB_ADDRESS_DROPPED_EVENT);
    droppedWebAddress_.reset();
    return true;
}

}  // namespace s::gui::win
