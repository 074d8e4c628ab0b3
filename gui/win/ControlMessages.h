#pragma once
// Messages the controls receive: the notifications the window class reflects
// back to the control that sent them, and the controls' own requests, which
// other threads send so the work runs on the control's thread.
#include <windows.h>

#include "gui/win/ReflectionRules.h"

namespace s::gui::win {

enum : UINT {
    // Reflected notifications (see ReflectionRules): the control gets them with
    // the parent's wParam and lParam.
    WM_APP_CLICKED = 0x8004,         // BN_CLICKED
    WM_APP_DOUBLE_CLICKED = 0x8005,  // BN_DOUBLECLICKED
    WM_APP_EDIT_CHANGED = 0x800C,    // EN_CHANGE
    WM_APP_KILL_FOCUS = 0x8015,      // EN_KILLFOCUS

    // Destroy the control's window: sent from another thread, since a window can
    // only be destroyed on its own thread.
    WM_APP_DESTROY_CONTROL = 0x8030,

    // Buttons: become the default push button (BS_DEFPUSHBUTTON), or stop being it.
    WM_APP_MAKE_DEFAULT = WM_USER + 1,
    WM_APP_UNMAKE_DEFAULT = WM_USER + 2,
    // Text fields: take the focus and select all.
    WM_APP_FOCUS_SELECT_ALL = WM_USER + 1,
    // Labels: wParam the new text, lParam 1 to repaint; returns 1 when the text changed.
    WM_APP_LABEL_SET_TEXT = 0x1401,
    // Labels: wParam a TemporaryText*; shows a text for a while.
    WM_APP_LABEL_TEMPORARY_TEXT = 0x1402,
};

}  // namespace s::gui::win
