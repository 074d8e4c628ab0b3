#pragma once
// NotifyIcon: a window's icon in the notification area. The record names the
// window, icon id 0, the window's callback message WM_USER+2, the window's small
// icon (what it answers to WM_GETICON) and its title as the tip.
//
// The shell's answers are not checked: an add the shell refused still counts as
// present, so a later remove or update is harmless and re-adding after the task
// bar was re-created brings it back.
#include <windows.h>

#include "foundation/base/IObject.h"

namespace s::app::win {

class NotifyIcon : public base::IObject {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_app_win_NotifyIcon";
    // The message the shell sends the window; lParam is the mouse message.
    static constexpr UINT CALLBACK_MESSAGE = WM_USER + 2;

    NotifyIcon() = default;
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;

    const wchar_t* getClassName() const override { return CLASS_NAME; }
    NotifyIcon* newInstance() const override;

    bool isPresent() const { return present_; }
    // Adds the icon of `window` (not owned) and marks it present.
    void add(HWND window);
    // Removes the icon when present.
    void remove();
    // Icon and tip again from the window, when present.
    void update();
    // Only the tip again from the window's title, when present.
    void updateTip();
    // Adds the present icon again: the shell forgets every icon when the task bar is re-created.
    void addAgain();

private:
    bool send(DWORD action, UINT flags) const;

    HWND window_ = nullptr;  // not owned
    bool present_ = false;
};

}  // namespace s::app::win
