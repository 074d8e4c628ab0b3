#pragma once
// A C++ object bound to one native window.
//
// The object sees every message of its window first (windowProc) and passes
// what it does not handle to the window's previous procedure: the class
// procedure for windows of our own classes, the system procedure for
// subclassed system controls. The object is found from the handle directly
// (GWLP_USERDATA), never by searching a list. Binding happens during
// CreateWindowExW, so the object also sees WM_NCCREATE, WM_NCCALCSIZE and
// WM_CREATE: through a thread-local CBT hook for any class, or, for a class whose
// procedure lets bindWhileCreating see its messages first, on WM_NCCREATE itself.
// The second needs no hook to be set and removed around each window, which makes
// a window of many children noticeably quicker to build.
#include <windows.h>

#include <atomic>

namespace framework {

class Wnd {
public:
    Wnd() = default;
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;
    // Destroys the window if it is still bound (only legal on the window's thread).
    virtual ~Wnd();

    // Other threads read the handle to send or post to the window, so it is atomic.
    HWND handle() const { return hwnd_.load(); }
    bool isBound() const { return hwnd_.load() != nullptr; }

    // Creates a window bound to this object; false (and no window) on failure.
    bool createEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menuOrId);
    // The same for a window whose class procedure calls bindWhileCreating first.
    bool createSelfBinding(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                           int width, int height, HWND parent, HMENU menuOrId);
    // Creates the window, then binds it: the object misses its creation messages
    // (WM_NCCREATE to WM_CREATE, the first size and move). For system controls,
    // whose creation only their own class handles, it spares the hook.
    bool createThenBind(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                        int width, int height, HWND parent, HMENU menuOrId);
    // For class procedures: binds the window being made by createSelfBinding to
    // its object when `msg` is its WM_NCCREATE; true when it did, and the message
    // should then go to the window's new procedure.
    static bool bindWhileCreating(HWND hwnd, UINT msg, LPARAM lp);
    // Binds this object to an existing window of the current process (subclassing it).
    bool attach(HWND existing);
    // Unbinds without destroying: the window gets its previous procedure back.
    HWND detach();
    bool destroy();

    // The object bound to a window, or null.
    static Wnd* fromHandle(HWND hwnd);

    LRESULT send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(hwnd_, msg, wp, lp); }
    bool post(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return PostMessageW(hwnd_, msg, wp, lp) != 0; }

protected:
    // Every message of the window arrives here first. The default passes it on.
    virtual LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) { return defaultProc(msg, wp, lp); }
    // The handling the window would have without this object.
    LRESULT defaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // Runs after the window is gone (WM_NCDESTROY) and the object is unbound.
    virtual void onWindowGone() {}

private:
    static LRESULT CALLBACK route(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK bindOnCreate(int code, WPARAM wp, LPARAM lp);
    void bind(HWND hwnd);
    void unbind();

    std::atomic<HWND> hwnd_{nullptr};  // destroyed through destroy(), the destructor or its parent
    WNDPROC previous_ = nullptr;       // the procedure the window had before it was bound
};

}  // namespace framework
