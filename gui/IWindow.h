#pragma once
// IWindow: a top-level window. A container with listener lists per event kind,
// user events sent from other threads, application timers and the values that
// belong to the event being handled (key code, wheel amount, hot-key id ...).
//
// Listeners run on the window's own thread. Values of an event are stored in the
// window before its listeners run; listeners read them back from the window while
// they handle the event.
#include <windows.h>

#include "gui/IContainer.h"
#include "gui/events/IEventListener.h"

namespace s::gui {

class IPopupMenu;

// The event kinds a window raises (the numbers are part of the listener contract).
enum EventKind : int {
    EVENT_CLOSING = 1,            // WM_CLOSE; a listener may refuse it
    EVENT_USER = 2,               // sendUserEvent
    EVENT_RBUTTON_DOWN = 3,
    EVENT_LBUTTON_DOWN = 5,
    EVENT_ACTIVATED = 6,
    EVENT_DEACTIVATED = 7,
    EVENT_SIZING = 8,
    EVENT_MBUTTON_DOWN = 9,
    EVENT_POSITION_CHANGING = 10,
    EVENT_KEY_DOWN = 12,
    EVENT_MOUSE_MOVE = 13,
    EVENT_MOUSE_WHEEL = 14,
    EVENT_APP_REQUEST = 15,       // WM_USER+7 from another instance
    EVENT_LBUTTON_DBLCLK = 16,
    EVENT_CAPTURE_LOST = 17,
    EVENT_TRAY_RBUTTON_DOWN = 18,
    EVENT_POPUP_MENU = 19,        // the right-click popup menu is about to show
    EVENT_TRAY_LBUTTON_DOWN = 22,
    EVENT_HOT_KEY = 23,
    EVENT_RBUTTON_UP = 24,
    EVENT_LBUTTON_UP = 25,
    EVENT_TIMER = 26,
    EVENT_CLIPBOARD_CHANGED = 27,
    EVENT_KIND_COUNT = 27,        // kinds run from 1 to this
};

class IWindow : public IContainer {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_IWindow";

    // Appends `listener` (not owned) to the list of `kind`; false for an unknown kind.
    virtual bool addListener(int kind, events::IEventListener* listener) = 0;
    // Appends a child component (not owned) and makes this window its parent.
    virtual bool addComponent(IComponent* component) = 0;
    // Takes a child off the list (its native window stays as it is); a component
    // released while the window lives must be removed first. False when not a child.
    virtual bool removeComponent(IComponent* component) = 0;

    // From any thread: raises EVENT_USER on the window's thread and returns after the
    // listeners ran, with the result a listener set (setResult); 0 without a native window.
    virtual LRESULT sendUserEvent(const wchar_t* name, void* data, int a, int b) = 0;
    // The values of the user event being handled (valid only while it is handled).
    virtual const wchar_t* getUserEventName() const = 0;
    virtual void* getUserEventData() const = 0;
    virtual int getUserEventA() const = 0;
    virtual int getUserEventB() const = 0;
    // The result the current message returns (user events).
    virtual void setResult(LRESULT result) = 0;

    // During EVENT_CLOSING: keep the window open.
    virtual void refuseClose() = 0;
    // From any thread: asks the window to close on its own thread (listeners may refuse).
    virtual void close() = 0;
    // True once a close went through.
    virtual bool isClosingDone() const = 0;

    // From any thread: application timer `id` fires every intervalMs (EVENT_TIMER).
    virtual bool startTimer(int id, int intervalMs) = 0;
    virtual bool stopTimer(int id) = 0;

    // Values of the event being handled.
    virtual int getLastKeyCode() const = 0;
    virtual int getLastWheelAmount() const = 0;
    virtual int getLastHotKeyId() const = 0;
    virtual int getLastTimerId() const = 0;
    virtual POINT getLastCursorPosition() const = 0;

    // Menus, owned by the window from here on (a replaced one is released at once,
    // the rest with the window). The menu bar is attached to the native window;
    // the popup menu shows on a right click inside the window; the tray menu shows
    // on a right click on the notification icon.
    virtual void setMenuBar(IPopupMenu* menu) = 0;
    virtual void setPopupMenu(IPopupMenu* menu) = 0;
    virtual void setTrayMenu(IPopupMenu* menu) = 0;
    virtual IPopupMenu* getMenuBar() const = 0;
    virtual IPopupMenu* getPopupMenu() const = 0;
    virtual IPopupMenu* getTrayMenu() const = 0;
    // The window's small and large icons, owned by the window from here on (pass
    // copies of shared icons): set on the window and its hidden owner, destroyed
    // when replaced and with the window.
    virtual void setIcons(HICON smallIcon, HICON largeIcon) = 0;
};

}  // namespace s::gui
