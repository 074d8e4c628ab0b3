#pragma once
// NotifyIcon: a window's icon in the notification area. The record names the
// window, icon id 0, the window's callback message WM_USER+2, the window's small
// icon (what it answers to WM_GETICON) and its title as the tip.
//
// An icon that is wanted counts as present whether or not the shell took it, so
// a later remove or update is harmless and re-adding after the task bar was
// re-created brings it back. The shell may refuse an add, notably at logon while
// the task bar is still starting: such an add is pending, and the owner tries it
// again (`retryAdd`) a bounded number of times.
#include <windows.h>

#include <shellapi.h>

#include "foundation/base/IObject.h"

namespace s::app::win {

class NotifyIcon : public base::IObject {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_app_win_NotifyIcon";
    // The message the shell sends the window; lParam is the mouse message.
    static constexpr UINT CALLBACK_MESSAGE = WM_USER + 2;
    // How often a refused add is tried again before the icon is given up.
    static constexpr int ADD_RETRIES = 120;

    // The shell's function; replaceable so that tests can make the shell refuse.
    using ShellCall = BOOL(WINAPI*)(DWORD action, PNOTIFYICONDATAW data);
    // Every icon uses `call` from now on, and gives a refused add `retries` more
    // tries; null gives back the shell's own (and the retries are ADD_RETRIES again).
    static void setShellCall(ShellCall call, int retries = ADD_RETRIES);

    NotifyIcon() = default;
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;

    const wchar_t* getClassName() const override { return CLASS_NAME; }
    NotifyIcon* newInstance() const override;

    bool isPresent() const { return present_; }
    // Present, but the shell has not taken it yet.
    bool isAddPending() const { return present_ && !added_; }
    // Adds the icon of `window` (not owned) and marks it present; false when the shell refused.
    bool add(HWND window);
    // Tries a pending add again; false once nothing is pending or no try is left.
    bool retryAdd();
    // Removes the icon when present.
    void remove();
    // Icon and tip again from the window, when present.
    void update();
    // Only the tip again from the window's title, when present.
    void updateTip();
    // Adds the present icon again: the shell forgets every icon when the task bar is
    // re-created. A refused add is pending again, with every try.
    void addAgain();

private:
    bool send(DWORD action, UINT flags) const;
    void addNow();

    HWND window_ = nullptr;  // not owned
    bool present_ = false;
    bool added_ = false;    // the shell took the last add
    int retriesLeft_ = 0;  // tries left for a pending add
};

}  // namespace s::app::win
