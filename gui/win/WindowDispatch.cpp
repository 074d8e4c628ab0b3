// Window: the window's own message handling. Messages with an event kind go to
// the listeners of that kind (values of the event stored first); private
// messages from other threads are carried out here, on the window's thread.
#include <windowsx.h>

#include "gui/win/ReflectionRules.h"
#include "gui/win/Window.h"

namespace s::gui::win {

namespace {

// The event kind a message raises before its default handling, or 0.
int plainEventKind(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        return EVENT_LBUTTON_DOWN;
    case WM_SIZING:
        return EVENT_SIZING;
    case WM_WINDOWPOSCHANGING:
        return EVENT_POSITION_CHANGING;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        return EVENT_MOUSE_MOVE;
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK:
        return EVENT_LBUTTON_DBLCLK;
    case WM_RBUTTONUP:
        return EVENT_RBUTTON_UP;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        return EVENT_LBUTTON_UP;
    case WM_RBUTTONDOWN:
        return EVENT_RBUTTON_DOWN;
    default:
        return 0;
    }
}

}  // namespace

LRESULT Window::onClose(WPARAM wp, LPARAM lp) {
    if (closingDone_) return defaultProc(WM_CLOSE, wp, lp);
    closeRefused_ = false;
    raise(EVENT_CLOSING);
    if (closeRefused_) {
        closeRefused_ = false;
        return 0;
    }
    prepareClose();
    leaveClipboardChain();
    closingDone_ = true;
    const LRESULT result = defaultProc(WM_CLOSE, wp, lp);
    // The handler that asked for the close (a button's click, a menu command) is
    // still on this thread's stack. The loop sees the close is finished only after
    // it has unwound; a timer guarantees the loop another turn even when a modal
    // loop swallowed every message in between.
    if (owner_.isBound()) {
        SetTimer(owner_.handle(), FINISH_TIMER_ID, FINISH_TIMER_MS, nullptr);
        // Usually the loop takes this at once, without waiting for the timer.
        PostMessageW(owner_.handle(), WM_NULL, 0, 0);
    }
    return result;
}

void Window::onLoopTurn() {
    if (!closingDone_.load() || finished_.load()) return;
    if (owner_.isBound()) KillTimer(owner_.handle(), FINISH_TIMER_ID);
    finished_ = true;
}

LRESULT Window::onUserEvent(WPARAM wp) {
    const UserEvent* event = reinterpret_cast<const UserEvent*>(wp);
    if (!event) return 0;
    const UserEvent outer = userEvent_;  // a listener may send a user event of its own
    userEvent_ = *event;
    result_ = 0;
    raise(EVENT_USER);
    const LRESULT result = result_;
    userEvent_ = outer;
    return result;
}

LRESULT Window::onTimerRequest(UINT msg, WPARAM wp) {
    const TimerRequest* request = reinterpret_cast<const TimerRequest*>(wp);
    if (!request || request->id < 0) return 0;
    const UINT_PTR nativeId = UINT_PTR(request->id) + TIMER_ID_OFFSET;
    if (msg == WM_APP_STOP_TIMER) return KillTimer(handle(), nativeId);
    return SetTimer(handle(), nativeId, UINT(request->intervalMs), nullptr) != 0;
}

LRESULT Window::onTimer(WPARAM wp, LPARAM lp) {
    const UINT_PTR nativeId = wp;
    if (nativeId >= TIMER_ID_OFFSET) {
        timerId_ = int(nativeId - TIMER_ID_OFFSET);
        raise(EVENT_TIMER);
    } else if ((nativeId >= 1 && nativeId <= 6) || nativeId == 100) {
        onOwnTimer(nativeId);
    }
    return 0;
}

LRESULT Window::onActivate(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) == WA_INACTIVE) {
        raise(EVENT_DEACTIVATED);
        if (active_) deactivatedAt_ = GetTickCount();
        active_ = false;
    } else {
        raise(EVENT_ACTIVATED);
        // The owner is a tool window: showing it adds no task-bar button.
        ShowWindow(owner_.handle(), SW_SHOW);
        active_ = true;
        deactivatedAt_ = 0;
    }
    return defaultProc(WM_ACTIVATE, wp, lp);
}

LRESULT Window::onMouseWheel(WPARAM wp, LPARAM lp) {
    // A child that takes the wheel and sends it back here must not be offered it again.
    if (!offeringWheel_) {
        offeringWheel_ = true;
        const POINT screen = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        const bool taken = offerWheel(this, screen, wp, lp);
        offeringWheel_ = false;
        if (taken) return 0;
    }
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    wheelAmount_ = GET_WHEEL_DELTA_WPARAM(wp) > 0 ? int(lines) : -int(lines);
    raise(EVENT_MOUSE_WHEEL);
    return 0;
}

LRESULT Window::onCaptureChanged(WPARAM wp, LPARAM lp) {
    // Someone else took the capture while a border was hovered or dragged.
    if (borderCapture_ && reinterpret_cast<HWND>(lp) != handle()) endBorderCapture();
    if (!capture_) return defaultProc(WM_CAPTURECHANGED, wp, lp);
    GetCursorPos(&cursor_);
    capture_ = false;
    ReleaseCapture();
    raise(EVENT_CAPTURE_LOST);
    return 0;
}

LRESULT Window::onTray(LPARAM lp) {
    if (lp == WM_RBUTTONDOWN) {
        raise(EVENT_TRAY_RBUTTON_DOWN);
        showTrayMenu();
    } else if (lp == WM_LBUTTONDOWN) {
        onTrayRestore();
        raise(EVENT_TRAY_LBUTTON_DOWN);
    }
    return 0;
}

LRESULT Window::onClipboardChain(WPARAM wp, LPARAM lp) {
    HWND removed = reinterpret_cast<HWND>(wp);
    if (removed == nextViewer_) {
        nextViewer_ = reinterpret_cast<HWND>(lp);
    } else if (nextViewer_) {
        PostMessageW(nextViewer_, WM_CHANGECBCHAIN, wp, lp);
    }
    return 0;
}

LRESULT Window::onDrawClipboard(WPARAM wp, LPARAM lp) {
    raise(EVENT_CLIPBOARD_CHANGED);
    if (nextViewer_) PostMessageW(nextViewer_, WM_DRAWCLIPBOARD, wp, lp);
    return 0;
}

LRESULT Window::showBox(UINT msg, WPARAM wp, LPARAM lp) {
    const wchar_t* text = reinterpret_cast<const wchar_t*>(wp);
    const wchar_t* caption = reinterpret_cast<const wchar_t*>(lp);
    if (!text) return 0;
    if (msg == WM_APP_CONFIRM_BOX)
        return MessageBoxW(handle(), text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES ? 1 : 0;
    const UINT icon = msg == WM_APP_WARNING_BOX ? MB_ICONWARNING : MB_ICONINFORMATION;
    MessageBoxW(handle(), text, caption, MB_OK | icon);
    return 0;
}

LRESULT Window::onAddHotKey(WPARAM wp) {
    const HotKeyRequest* request = reinterpret_cast<const HotKeyRequest*>(wp);
    if (!request || !request->name) return 0;
    const ATOM atom = GlobalAddAtomW(request->name);
    if (atom && RegisterHotKey(handle(), atom, request->modifiers, request->virtualKey)) return 1;
    const DWORD error = GetLastError();
    if (atom) GlobalDeleteAtom(atom);  // the atom names a hot key that does not exist
    if (request->reportFailure) {
        wchar_t text[512];
        // The code first, as "1409) HotKey Alt+... has been occupied by another application."
        wsprintfW(text, L"%lu) %.400s", error, request->failureText ? request->failureText : L"");
        MessageBoxW(handle(), text, L"Error!", MB_ICONWARNING | MB_OK);
    }
    return 0;
}

bool Window::dispatchListenerEvent(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
    case WM_CLOSE:
        *result = onClose(wp, lp);
        return true;
    case WM_APP_USER_EVENT:
        *result = onUserEvent(wp);
        return true;
    case WM_ACTIVATE:
        *result = onActivate(wp, lp);
        return true;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCRBUTTONUP:
        // A body that drags answers HTCAPTION; should the hit test have run before the
        // right button counted as down, the press still opens the window's own menu
        // rather than the system's. The system makes a quick second press on a caption
        // a double click: for the user it is just another right click.
        if (wp != HTCAPTION) return false;
        raise(msg == WM_NCRBUTTONUP ? EVENT_RBUTTON_UP : EVENT_RBUTTON_DOWN);
        if (msg != WM_NCRBUTTONUP) showPopupMenu();
        *result = 0;
        return true;
    case WM_MBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        raise(EVENT_MBUTTON_DOWN);
        onMiddleClick();
        *result = 0;
        return true;
    case WM_KEYDOWN:
        keyCode_ = int(wp);
        raise(EVENT_KEY_DOWN);
        *result = wp == VK_RETURN ? 1 : 0;
        return true;
    case WM_MOUSEWHEEL:
        *result = onMouseWheel(wp, lp);
        return true;
    case WM_APP_REQUEST:
        raise(EVENT_APP_REQUEST);
        *result = 0;
        return true;
    case WM_CAPTURECHANGED:
        *result = onCaptureChanged(wp, lp);
        return true;
    case WM_APP_TRAY:
        *result = onTray(lp);
        return true;
    case WM_HOTKEY:
        hotKeyId_ = int(wp);
        raise(EVENT_HOT_KEY);
        *result = 0;
        return true;
    case WM_TIMER:
        *result = onTimer(wp, lp);
        return true;
    case WM_DRAWCLIPBOARD:
        *result = onDrawClipboard(wp, lp);
        return true;
    case WM_COMMAND:
        // Menus and accelerators come without a control; controls' commands are
        // reflected to the control by the class procedure.
        if (lp != 0 || HIWORD(wp) != 0 || !routeMenuCommand(LOWORD(wp))) return false;
        *result = 0;
        return true;
    default:
        return false;
    }
}

LRESULT Window::windowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (dispatchListenerEvent(msg, wp, lp, &result)) return result;
    if (dispatchPaint(msg, wp, lp, &result)) return result;
    if (const int kind = plainEventKind(msg)) {
        raise(kind);
        if (msg == WM_RBUTTONDOWN) showPopupMenu();
        return handleBorderDrag(msg, lp) ? 0 : defaultProc(msg, wp, lp);
    }
    switch (msg) {
    case WM_APP_CLOSE:
        // The owner turns it into a close of this window on this thread.
        return owner_.isBound() ? owner_.send(WM_APP_CLOSE) : 0;
    case WM_APP_ATTACH: {
        IComponent* child = reinterpret_cast<IComponent*>(wp);
        return child && child->create(handle()) ? 1 : 0;
    }
    case WM_APP_START_TIMER:
    case WM_APP_STOP_TIMER:
        return onTimerRequest(msg, wp);
    case WM_APP_INFO_BOX:
    case WM_APP_WARNING_BOX:
    case WM_APP_CONFIRM_BOX:
        return showBox(msg, wp, lp);
    case WM_CHANGECBCHAIN:
        return onClipboardChain(wp, lp);
    case WM_APP_WATCH_CLIPBOARD:
        if (wp) {
            joinClipboardChain();
        } else {
            leaveClipboardChain();
        }
        return 0;
    case WM_APP_SET_MENU_BAR:
        SetMenu(handle(), reinterpret_cast<HMENU>(wp));
        return 0;
    case WM_APP_ADD_HOT_KEY:
        return onAddHotKey(wp);
    case WM_GETDLGCODE:
        return defaultProc(msg, wp, lp) | DLGC_WANTALLKEYS;
    default:
        return defaultProc(msg, wp, lp);
    }
}

}  // namespace s::gui::win
