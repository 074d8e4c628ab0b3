#include "gui/win/WindowClass.h"

#include "framework/Wnd.h"
#include "gui/win/ReflectionRules.h"

namespace s::gui::win {

namespace {

// Windows of several threads may be created at the same time: one registration.
class RegistrationLock {
public:
    RegistrationLock() { InitializeCriticalSection(&lock_); }
    void enter() { EnterCriticalSection(&lock_); }
    void leave() { LeaveCriticalSection(&lock_); }

private:
    CRITICAL_SECTION lock_;  // lives as long as the process
};

RegistrationLock& registrationLock() {
    static RegistrationLock lock;
    return lock;
}

volatile LONG gRegistered = 0;

bool registerOnce() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = &WindowClass::procedure;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = WindowClass::NAME;
    if (RegisterClassExW(&wc)) return true;
    // Another module of the process registered it first: usable all the same.
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// A control that sent a notification: a live window other than the receiver.
bool isSender(HWND hwnd, HWND control) {
    return control && control != hwnd && IsWindow(control);
}

}  // namespace

bool WindowClass::ensureRegistered() {
    if (InterlockedCompareExchange(&gRegistered, 0, 0)) return true;
    registrationLock().enter();
    const bool ok = gRegistered || registerOnce();
    if (ok) InterlockedExchange(&gRegistered, 1);
    registrationLock().leave();
    if (!ok) MessageBoxW(nullptr, L"Window Registration Failed!", L"Error!", MB_ICONWARNING | MB_OK);
    return ok;
}

LRESULT WindowClass::reflectColour(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    HWND control = reinterpret_cast<HWND>(lp);
    if (!isSender(hwnd, control)) return DefWindowProcW(hwnd, msg, wp, lp);
    return SendMessageW(control, WM_APP_CTLCOLOR, wp, lp);
}

LRESULT WindowClass::reflectCommand(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    HWND control = reinterpret_cast<HWND>(lp);
    const UINT reflected = reflectedCommand(HIWORD(wp));
    if (!isSender(hwnd, control) || !reflected) return DefWindowProcW(hwnd, msg, wp, lp);
    SendMessageW(control, reflected, wp, lp);
    return 0;
}

LRESULT WindowClass::reflectNotify(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lp);
    if (!header) return DefWindowProcW(hwnd, msg, wp, lp);
    bool returnsZero = false;
    const UINT reflected = reflectedNotify(int(header->code), &returnsZero);
    if (!reflected || !isSender(hwnd, header->hwndFrom)) return DefWindowProcW(hwnd, msg, wp, lp);
    const LRESULT result = SendMessageW(header->hwndFrom, reflected, wp, lp);
    return returnsZero ? 0 : result;
}

LRESULT WindowClass::setCursor(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT result = DefWindowProcW(hwnd, msg, wp, lp);
    if (result) return result;
    // The class has no cursor of its own: without this the last cursor would stay.
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    return 0;
}

LRESULT WindowClass::forwardMenuPopup(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Popup menus record the window that owns them in their menu data, so the
    // owner (not whichever window the menu was tracked on) prepares its items.
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    if (GetMenuInfo(reinterpret_cast<HMENU>(wp), &info)) {
        HWND owner = reinterpret_cast<HWND>(info.dwMenuData);
        if (owner && owner != hwnd && IsWindow(owner)) return SendMessageW(owner, msg, wp, lp);
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK WindowClass::procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // A window of this class made by its object: the object sees this first message too.
    if (framework::Wnd::bindWhileCreating(hwnd, msg, lp))
        return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)), hwnd, msg, wp, lp);
    if (isControlColourMessage(msg)) return reflectColour(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_COMMAND:
            return lp ? reflectCommand(hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
        case WM_NOTIFY:
            return reflectNotify(hwnd, msg, wp, lp);
        case WM_HSCROLL:
        case WM_VSCROLL:  // vertical track bars report the same way
            if (isSender(hwnd, reinterpret_cast<HWND>(lp))) SendMessageW(reinterpret_cast<HWND>(lp), msg, wp, lp);
            return DefWindowProcW(hwnd, msg, wp, lp);
        case WM_SETCURSOR:
            return setCursor(hwnd, msg, wp, lp);
        case WM_INITMENU:
        case WM_LBUTTONDOWN:
            // A click or an opened menu counts as activation for the window's listeners.
            SendMessageW(hwnd, WM_ACTIVATE, WA_CLICKACTIVE, 0);
            return DefWindowProcW(hwnd, msg, wp, lp);
        case WM_INITMENUPOPUP:
            return forwardMenuPopup(hwnd, msg, wp, lp);
        case WM_APP_CLOSE:
            return SendMessageW(hwnd, WM_CLOSE, 0, 0);
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace s::gui::win
