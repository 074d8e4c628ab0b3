// ManagedWindow: the settings binding, placement, switches, sizing limits and
// keep-in-screen. The notification area, activation and hot keys are in
// ManagedWindowTray.cpp.
#include "app/win/ManagedWindow.h"

#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "app/win/PlacementRules.h"
#include "app/win/ScreenAreas.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "foundation/thread/ObjLocker.h"
#include "lang/Localizer.h"

namespace s::app::win {

using str::strbuffer::StrBuffer;

// Windows hold a thread and native windows: a released one is always deleted.
S_POOLED_CLASS_IMPL(ManagedWindow, thread::EasyPooler::NO_CAPACITY)

enum class ManagedWindow::Op {
    Attach,
    Show,
    MoveIntoScreen,
    KeepOnTop,
    DragByBody,
    Resizable,
    ClientEdge,
    KeepInScreen,
    TaskBarButton,
    MiddleClick,
    Iconize,
    Restore,
    Activate,
    NotifyIcon,
    UpdateNotifyIcon,
    Title,
    ReleaseShell,
};

struct ManagedWindow::Call {
    Op op;
    intptr_t a;
    intptr_t b;
};

namespace {

constexpr UINT QUIET_MOVE = SWP_NOZORDER | SWP_NOACTIVATE;
// WM_DPICHANGED (Windows 8.1), which the baseline headers leave out.
constexpr UINT DPI_CHANGED_MESSAGE = 0x02E0;
constexpr UINT REDRAW_ALL = RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE;

int widthOf(const RECT& rect) {
    return rect.right - rect.left;
}
int heightOf(const RECT& rect) {
    return rect.bottom - rect.top;
}

}  // namespace

ManagedWindow::ManagedWindow() : hotKeys_(str::strarray::StrArray::acquire()) {
    resetBehaviour();
}

ManagedWindow::~ManagedWindow() {
    // The icon and the hot keys belong to the native window: give them back while it lives.
    run(Op::ReleaseShell);
    shutdown();
    if (hotKeys_) hotKeys_->release();
}

void ManagedWindow::reset() {
    run(Op::ReleaseShell);
    Window::reset();
    resetBehaviour();
}

void ManagedWindow::resetBehaviour() {
    appWindow_ = nullptr;
    languagePack_ = nullptr;
    skinner_ = nullptr;
    titleTextId_ = versionTextId_ = -1;
    shown_ = keepOnTop_ = keepInScreen_ = false;
    resizable_ = taskBarButton_ = onScreenTest_ = true;
    lastNormal_ = RECT{0, 0, 0, 0};
    haveLastNormal_ = maximizedByUser_ = false;
    middleClickAction_ = IAppWindow::ACTION_DO_NOTHING;
    sizingRect_ = nullptr;
    iconized_ = keepIconOnRestore_ = keepIconOnRemoval_ = closeButtonIconizes_ = false;
    restoreOnIconClick_ = true;
    busyCursor_ = suspended_ = false;
    deactivatedAt_ = 0;
    if (hotKeys_) hotKeys_->clear();
}

// ---- Running on the window's thread

LRESULT ManagedWindow::run(Op op, intptr_t a, intptr_t b) {
    const Call call{op, a, b};
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!hwnd || GetCurrentThreadId() == getThreadId()) return perform(call);
    return SendMessageW(hwnd, WM_APP_BEHAVIOUR, reinterpret_cast<WPARAM>(&call), 0);
}

LRESULT ManagedWindow::perform(const Call& call) {
    const bool on = call.a != 0;
    switch (call.op) {
        case Op::Attach:
            attachNow(reinterpret_cast<AppWindow*>(call.a), call.b != 0);
            break;
        case Op::Show:
            showNow(on, call.b != 0);
            break;
        case Op::MoveIntoScreen:
            moveIntoScreenNow();
            break;
        case Op::KeepOnTop:
            applyKeepOnTop(on);
            if (appWindow_) appWindow_->setKeepOnTop(on);
            break;
        case Op::DragByBody:
            Window::setDragByBody(on);
            if (appWindow_) appWindow_->setEasyDrag(on);
            break;
        case Op::Resizable:
            resizable_ = on;
            changeStyle(GWL_STYLE, WS_THICKFRAME, on);
            break;
        case Op::ClientEdge:
            changeStyle(GWL_EXSTYLE, WS_EX_CLIENTEDGE, on);
            break;
        case Op::KeepInScreen:
            setKeepInScreenNow(on);
            break;
        case Op::TaskBarButton:
            setTaskBarButtonNow(on);
            break;
        case Op::MiddleClick:
            middleClickAction_ = IAppWindow::canonicalAction(reinterpret_cast<const wchar_t*>(call.a));
            if (appWindow_) appWindow_->setMiddleClickAction(middleClickAction_);
            break;
        case Op::Iconize:
            iconizeNow();
            break;
        case Op::Restore:
            restoreNow();
            break;
        case Op::Activate:
            activateNow(on);
            break;
        case Op::NotifyIcon:
            setNotifyIconNow(on);
            break;
        case Op::UpdateNotifyIcon:
            notifyIcon_.update();
            break;
        case Op::Title:
            setTitleNow(reinterpret_cast<const wchar_t*>(call.a));
            break;
        case Op::ReleaseShell:
            releaseShellState();
            break;
    }
    return 0;
}

void ManagedWindow::attachAppWindow(AppWindow* appWindow, bool withVersion) {
    run(Op::Attach, reinterpret_cast<intptr_t>(appWindow), withVersion);
}
void ManagedWindow::show(bool visible, bool activate) {
    run(Op::Show, visible, activate);
}
void ManagedWindow::moveIntoScreen() {
    run(Op::MoveIntoScreen);
}
void ManagedWindow::setKeepOnTop(bool on) {
    run(Op::KeepOnTop, on);
}
void ManagedWindow::setDragByBody(bool on) {
    run(Op::DragByBody, on);
}
void ManagedWindow::setResizable(bool on) {
    run(Op::Resizable, on);
}
void ManagedWindow::setClientEdge(bool on) {
    run(Op::ClientEdge, on);
}
void ManagedWindow::setKeepInScreen(bool on) {
    run(Op::KeepInScreen, on);
}
void ManagedWindow::setTaskBarButton(bool on) {
    run(Op::TaskBarButton, on);
}
void ManagedWindow::setMiddleClickAction(const wchar_t* action) {
    run(Op::MiddleClick, reinterpret_cast<intptr_t>(action));
}
void ManagedWindow::iconize() {
    run(Op::Iconize);
}
void ManagedWindow::restore() {
    run(Op::Restore);
}
void ManagedWindow::activate(bool on) {
    run(Op::Activate, on);
}
void ManagedWindow::setNotifyIcon(bool on) {
    run(Op::NotifyIcon, on);
}
void ManagedWindow::updateNotifyIcon() {
    run(Op::UpdateNotifyIcon);
}
void ManagedWindow::setTitle(const wchar_t* title) {
    run(Op::Title, reinterpret_cast<intptr_t>(title));
}

// ---- Binding

void ManagedWindow::attachNow(AppWindow* appWindow, bool withVersion) {
    appWindow_ = appWindow;
    if (!appWindow) return;
    AppBase* app = appWindow->application();
    // The window destroys its icons: it gets copies of the application's.
    HICON smallIcon = app && app->smallIcon() ? CopyIcon(app->smallIcon()) : nullptr;
    HICON largeIcon = app && app->largeIcon() ? CopyIcon(app->largeIcon()) : nullptr;
    setIcons(smallIcon, largeIcon);
    languagePack_ = appWindow->languagePack();
    applyTitle(withVersion);
    skinner_ = appWindow->skinner();
    Window::setDragByBody(appWindow->getEasyDrag());
    applyKeepOnTop(appWindow->getKeepOnTop());
    middleClickAction_ = appWindow->getMiddleClickAction();
    applyStoredPlacement();
}

void ManagedWindow::refreshTitle() {
    if (appWindow_) applyTitle(versionTextId_ >= 0);
}

void ManagedWindow::applyTitle(bool withVersion) {
    titleTextId_ = appWindow_->textBase();
    versionTextId_ = withVersion ? titleTextId_ + AppBase::VERSION_OFFSET : -1;
    StrBuffer* title = StrBuffer::acquire();
    if (!title) return;
    if (languagePack_) {
        title->set(languagePack_->getText(titleTextId_));
        if (withVersion) {
            title->append(L" v");
            title->append(languagePack_->getText(versionTextId_));
        }
    }
    setTitleNow(title->c_str());
    title->release();
}

// The stored size is used as it is; a stored position that leaves the window off
// every screen (a monitor was removed) gives way to the centre of the work area.
void ManagedWindow::applyStoredPlacement() {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!hwnd) return;
    const int width = appWindow_->getWidth(), height = appWindow_->getHeight();
    if (!appWindow_->hasPosition()) {
        SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | QUIET_MOVE);
        return;
    }
    const int x = appWindow_->getX(), y = appWindow_->getY();
    SetWindowPos(hwnd, nullptr, x, y, width, height, QUIET_MOVE);
    if (onScreenTest_ && !passesOnScreenTest(x, y, width, height, ScreenAreas::virtualScreen())) centreOnWorkArea();
}

bool ManagedWindow::windowRect(RECT& rect) const {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    return hwnd && GetWindowRect(hwnd, &rect);
}

void ManagedWindow::centreOnWorkArea() {
    RECT window;
    if (!windowRect(window)) return;
    const POINT at = centredOn(ScreenAreas::workArea(), widthOf(window), heightOf(window));
    SetWindowPos(getHandle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | QUIET_MOVE);
}

// ---- Show, hide and saving the placement

void ManagedWindow::showNow(bool visible, bool activate) {
    if (visible == shown_) return;
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (visible) {
        if (activate && taskBarButton_) restoreNow();
        placeForShow();
        if (activate) activateNow(true);
        if (hwnd) {
            // Shown without activation when not asked for: a start into the notification area.
            ShowWindow(hwnd, activate ? SW_SHOW : SW_SHOWNA);
            RedrawWindow(hwnd, nullptr, nullptr, REDRAW_ALL);
        }
        shown_ = true;
    } else {
        savePlacement();
        if (hwnd) ShowWindow(hwnd, SW_HIDE);
        shown_ = false;
    }
    trimWorkingSet();
}

void ManagedWindow::placeForShow() {
    RECT window;
    if (!windowRect(window) || IsIconic(getHandle())) return;
    if (appWindow_ && appWindow_->getMaximized()) {
        ShowWindow(getHandle(), SW_MAXIMIZE);
        return;
    }
    if (keepInScreen_ || !onScreenTest_) return;
    const bool unknown = appWindow_ && !appWindow_->hasPosition();
    if (unknown ||
        !passesOnScreenTest(window.left, window.top, widthOf(window), heightOf(window), ScreenAreas::virtualScreen()))
        centreOnWorkArea();
}

void ManagedWindow::savePlacement() {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!appWindow_ || !hwnd) return;
    if (IsZoomed(hwnd)) {
        if (!appWindow_->getMaximized()) appWindow_->setMaximized(true);
        return;
    }
    if (!IsIconic(hwnd)) saveNormalPlacement();
}

// Writes only what changed: a file store is then rewritten only for a real change.
void ManagedWindow::saveNormalPlacement() {
    if (appWindow_->getMaximized()) appWindow_->setMaximized(false);
    RECT window;
    if (!windowRect(window)) return;
    if (!appWindow_->hasX() || appWindow_->getX() != window.left) appWindow_->setX(window.left);
    if (!appWindow_->hasY() || appWindow_->getY() != window.top) appWindow_->setY(window.top);
    if (!appWindow_->hasWidth() || appWindow_->getWidth() != widthOf(window)) appWindow_->setWidth(widthOf(window));
    if (!appWindow_->hasHeight() || appWindow_->getHeight() != heightOf(window))
        appWindow_->setHeight(heightOf(window));
}

void ManagedWindow::recordNormalBounds() {
    HWND hwnd = getHandle();
    RECT window;
    if (!hwnd || IsIconic(hwnd) || IsZoomed(hwnd) || !GetWindowRect(hwnd, &window)) return;
    lastNormal_ = window;
    haveLastNormal_ = true;
}

// A minimized or maximized window keeps the bounds it will come back to: those are saved.
void ManagedWindow::onSize(WPARAM type) {
    const bool saveLastNormal = appWindow_ && haveLastNormal_;
    switch (type) {
        case SIZE_MINIMIZED:
            // A window minimized from maximized comes back maximized, also at the
            // next start when the program ends while it is minimized.
            if (appWindow_) appWindow_->setMaximized(restoresToMaximized());
            if (saveLastNormal)
                appWindow_->saveBounds(lastNormal_.left, lastNormal_.top, widthOf(lastNormal_), heightOf(lastNormal_));
            break;
        case SIZE_MAXIMIZED:
            maximizedByUser_ = true;
            if (appWindow_) appWindow_->setMaximized(true);
            if (saveLastNormal)
                appWindow_->saveBounds(lastNormal_.left, lastNormal_.top, widthOf(lastNormal_), heightOf(lastNormal_));
            break;
        case SIZE_RESTORED:
            if (!maximizedByUser_) break;
            maximizedByUser_ = false;
            if (appWindow_) saveNormalPlacement();
            break;
        default:
            break;
    }
}

bool ManagedWindow::restoresToMaximized() const {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    return GetWindowPlacement(getHandle(), &placement) && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0;
}

void ManagedWindow::trimWorkingSet() {
    // Windows of several threads hide and show at the same time.
    static thread::ObjLocker lock;
    thread::ObjLocker::Guard guard(lock);
    SetProcessWorkingSetSize(GetCurrentProcess(), SIZE_T(-1), SIZE_T(-1));
}

// ---- Switches

void ManagedWindow::applyKeepOnTop(bool on) {
    keepOnTop_ = on;
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!hwnd) return;
    // Already so: a z-order change costs a whole window-position round (notably at start).
    const bool topmostNow = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (topmostNow == on) return;
    SetWindowPos(hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 IsWindowVisible(hwnd) ? KEEP_ON_TOP_VISIBLE_FLAGS : KEEP_ON_TOP_FLAGS);
}

void ManagedWindow::changeStyle(int index, LONG_PTR bits, bool on) {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!hwnd) return;
    const LONG_PTR style = GetWindowLongPtrW(hwnd, index);
    SetWindowLongPtrW(hwnd, index, on ? (style | bits) : (style & ~bits));
    // The frame is computed again only when the window is told.
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | QUIET_MOVE);
}

void ManagedWindow::setTaskBarButtonNow(bool on) {
    taskBarButton_ = on;
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!hwnd) return;
    // The task bar looks at the style only when a window is shown.
    const bool visible = IsWindowVisible(hwnd) != FALSE;
    if (visible) ShowWindow(hwnd, SW_HIDE);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, on ? (style | WS_EX_APPWINDOW) : (style & ~LONG_PTR(WS_EX_APPWINDOW)));
    if (visible) ShowWindow(hwnd, SW_SHOWNA);
}

ShowState ManagedWindow::showState() const {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (hwnd && IsIconic(hwnd)) return ShowState::Minimized;
    if (hwnd && IsZoomed(hwnd)) return ShowState::Maximized;
    return ShowState::Normal;
}

// A minimized or maximized window is left alone: its normal bounds are kept in
// the screen as soon as it comes back to them.
void ManagedWindow::setKeepInScreenNow(bool on) {
    keepInScreen_ = on;
    RECT window;
    if (!on || !windowRect(window) || !IsWindowVisible(getHandle()) || !mayMoveIntoScreen(showState())) return;
    int x = window.left, y = window.top;
    if (keepInArea(x, y, widthOf(window), heightOf(window), ScreenAreas::keepInScreenArea()))
        SetWindowPos(getHandle(), nullptr, x, y, 0, 0, SWP_NOSIZE | QUIET_MOVE);
}

void ManagedWindow::moveIntoScreenNow() {
    RECT window;
    if (!windowRect(window) || !mayMoveIntoScreen(showState())) return;
    const POINT at =
        movedIntoScreen(window.left, window.top, widthOf(window), heightOf(window), ScreenAreas::virtualScreen());
    if (at.x != window.left || at.y != window.top)
        SetWindowPos(getHandle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | QUIET_MOVE);
}

// The monitors or the work area changed: keep-in-screen uses them as they are now,
// and a window kept in the screen moves into the area it may use now (a monitor
// it was on went away, or the task bar grew over it).
void ManagedWindow::onDisplayChange() {
    ScreenAreas::displayChanged();
    if (keepInScreen_) setKeepInScreenNow(true);
}

// ---- Messages

// The height is limited before the sizing listeners run, the minimum size after
// them, so neither the listeners nor the user make the window unusable.
LRESULT ManagedWindow::onSizing(WPARAM wp, LPARAM lp) {
    RECT* proposed = reinterpret_cast<RECT*>(lp);
    RECT window;
    if (!proposed || !windowRect(window)) return Window::windowProc(WM_SIZING, wp, lp);
    const int edge = int(wp);
    limitSizingHeight(*proposed, edge, ScreenAreas::workAreaHeightNear(window));
    sizingRect_ = proposed;
    Window::windowProc(WM_SIZING, wp, lp);
    sizingRect_ = nullptr;
    applyMinimumSize(*proposed, edge, getMinimumSize());
    return TRUE;
}

void ManagedWindow::onEndSession(WPARAM wp) {
    // The session ends (shutdown or logoff): close as the user would, then make the
    // settings durable, since the process may be ended without its normal exit.
    if (!wp || isClosingDone()) return;
    SendMessageW(getHandle(), WM_CLOSE, 0, 0);
    if (appWindow_ && appWindow_->application()) appWindow_->application()->flushStore();
}

void ManagedWindow::prepareClose() {
    savePlacement();
    if (HWND hwnd = getHandle()) ShowWindow(hwnd, SW_HIDE);
    shown_ = false;
    // Closing removes the icon whatever the keep-icon flags say.
    releaseShellState();
}

void ManagedWindow::onMiddleClick() {
    if (middleClickAction_ == IAppWindow::ACTION_CLOSE) {
        // Posted: the close runs once the click's own handling is over.
        PostMessageW(getHandle(), WM_CLOSE, 0, 0);
    } else if (middleClickAction_ == IAppWindow::ACTION_ICONIZE) {
        iconizeNow();
    }
}

bool ManagedWindow::handleBehaviourMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_APP_BEHAVIOUR: {
            const Call* call = reinterpret_cast<const Call*>(wp);
            *result = call ? perform(*call) : 0;
            return true;
        }
        case WM_SIZING:
            *result = onSizing(wp, lp);
            return true;
        case WM_WINDOWPOSCHANGING: {
            WINDOWPOS* position = reinterpret_cast<WINDOWPOS*>(lp);
            RECT window;
            if (keepInScreen_ && position && windowRect(window))
                correctPositionChanging(*position, window, ScreenAreas::keepInScreenArea(), showState());
            return false;  // the position-changing listeners run next
        }
        case WM_WINDOWPOSCHANGED:
            // Before the default handling, which sends WM_SIZE from here.
            recordNormalBounds();
            return false;
        case WM_SIZE:
            onSize(wp);
            return false;
        case WM_ENDSESSION:
            onEndSession(wp);
            *result = 0;
            return true;
        case WM_DISPLAYCHANGE:
            onDisplayChange();
            return false;
        case WM_SETTINGCHANGE:
            if (wp == SPI_SETWORKAREA) onDisplayChange();
            return false;
        default:
            // The window's own handling takes the size the system suggests for the
            // new scale; the monitors are only read again.
            if (msg == DPI_CHANGED_MESSAGE) ScreenAreas::displayChanged();
            return false;
    }
}

LRESULT ManagedWindow::windowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (handleBehaviourMessage(msg, wp, lp, &result) || handleTrayMessage(msg, wp, lp, &result)) return result;
    return Window::windowProc(msg, wp, lp);
}

}  // namespace s::app::win
