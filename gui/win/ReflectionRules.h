#pragma once
// Which private message a notification from a native child control is turned
// into, so each control handles its own notifications (reflection).
#include <windows.h>

namespace s {
namespace gui {
namespace win {

// Private messages of the toolkit's windows.
enum : UINT {
    WM_APP_CLOSE = 0x8001,   // sent to a window from any thread: close it on its own thread
    WM_APP_ATTACH = 0x8002,  // wParam: the child component to create inside the receiving window
    WM_APP_CTLCOLOR = 0x8003,
};

// WM_COMMAND from a control with this notification code: the message the
// control receives, or 0 for default handling.
UINT reflectedCommand(UINT notificationCode);

// WM_NOTIFY with this code (NMHDR::code): the message the sender receives, or
// 0 for default handling. *returnsZero tells whether the parent answers 0
// instead of the control's result.
UINT reflectedNotify(int code, bool* returnsZero);

// WM_CTLCOLOR (0x19) and WM_CTLCOLOREDIT .. WM_CTLCOLORSTATIC.
bool isControlColourMessage(UINT msg);

}  // namespace win
}  // namespace gui
}  // namespace s
