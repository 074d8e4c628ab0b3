#include "framework/Wnd.h"

namespace framework {

namespace {

// The object waiting to be bound to the next window this thread creates, and
// the hook that binds it. Thread-local: every UI thread creates its own windows.
thread_local Wnd* tPendingBind = nullptr;
thread_local HHOOK tBindHook = nullptr;

}  // namespace

Wnd::~Wnd() {
    if (hwnd_ && GetWindowThreadProcessId(hwnd_, nullptr) == GetCurrentThreadId()) {
        DestroyWindow(hwnd_);
    } else if (hwnd_) {
        unbind();  // another thread's window: leave it alive but never route to a dead object
    }
}

Wnd* Wnd::fromHandle(HWND hwnd) {
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Wnd::route)) return nullptr;
    return reinterpret_cast<Wnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Wnd::bind(HWND hwnd) {
    hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previous_ =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Wnd::route)));
}

void Wnd::unbind() {
    if (!hwnd_) return;
    if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Wnd::route)) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    }
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

LRESULT CALLBACK Wnd::bindOnCreate(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND && tPendingBind) {
        Wnd* object = tPendingBind;
        tPendingBind = nullptr;  // only the window asked for, not the children it makes while being created
        object->bind(reinterpret_cast<HWND>(wp));
    }
    return CallNextHookEx(tBindHook, code, wp, lp);
}

bool Wnd::createEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y, int width,
                   int height, HWND parent, HMENU menuOrId) {
    if (hwnd_) return false;
    HHOOK outerHook = tBindHook;  // creation may nest (a window creating another in WM_CREATE)
    Wnd* outerPending = tPendingBind;
    tBindHook = SetWindowsHookExW(WH_CBT, &Wnd::bindOnCreate, nullptr, GetCurrentThreadId());
    tPendingBind = this;
    HWND created = tBindHook ? CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                                               GetModuleHandleW(nullptr), nullptr)
                             : nullptr;
    if (tBindHook) UnhookWindowsHookEx(tBindHook);
    tBindHook = outerHook;
    tPendingBind = outerPending;
    if (!created) {
        unbind();  // a window may have been bound and destroyed again during a failed creation
        return false;
    }
    return hwnd_ == created;
}

bool Wnd::createSelfBinding(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menuOrId) {
    if (hwnd_) return false;
    Wnd* outerPending = tPendingBind;  // creation may nest (a window creating another in WM_CREATE)
    tPendingBind = this;
    // The object rides along as the creation parameter: only the window made here matches it.
    HWND created = CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                                   GetModuleHandleW(nullptr), this);
    tPendingBind = outerPending;
    if (!created) {
        unbind();
        return false;
    }
    if (hwnd_ == created) return true;
    // A class whose procedure never called bindWhileCreating: no window without its object.
    DestroyWindow(created);
    return false;
}

bool Wnd::createThenBind(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menuOrId) {
    if (hwnd_) return false;
    HWND created = CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                                   GetModuleHandleW(nullptr), nullptr);
    if (!created) return false;
    bind(created);
    return true;
}

bool Wnd::bindWhileCreating(HWND hwnd, UINT msg, LPARAM lp) {
    if (msg != WM_NCCREATE || !tPendingBind || !lp) return false;
    if (reinterpret_cast<const CREATESTRUCTW*>(lp)->lpCreateParams != tPendingBind) return false;
    Wnd* object = tPendingBind;
    tPendingBind = nullptr;  // only the window asked for, not the children it makes while being created
    object->bind(hwnd);
    return true;
}

bool Wnd::attach(HWND existing) {
    if (hwnd_ || !existing || fromHandle(existing)) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(existing, &process);
    if (process != GetCurrentProcessId()) return false;
    bind(existing);
    return true;
}

HWND Wnd::detach() {
    HWND hwnd = hwnd_;
    unbind();
    return hwnd;
}

bool Wnd::destroy() {
    return hwnd_ && DestroyWindow(hwnd_);
}

LRESULT Wnd::defaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return previous_ ? CallWindowProcW(previous_, hwnd_, msg, wp, lp) : DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Wnd::route(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Wnd* object = reinterpret_cast<Wnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!object) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg != WM_NCDESTROY) return object->windowProc(msg, wp, lp);
    // Last message: let the object and the previous procedure see it, then unbind.
    LRESULT result = object->windowProc(msg, wp, lp);
    if (object->hwnd_ == hwnd) {
        object->unbind();
        object->onWindowGone();
    }
    return result;
}

}  // namespace framework
