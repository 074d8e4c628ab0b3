#pragma once
// Window: a top-level window with its own user-interface thread.
//
// Construction starts the thread and returns once the thread has created the
// window and its hidden owner (both hidden) or failed to. Every native window of
// the object lives on that thread; the operations other threads use are messages
// to it. Destruction asks the thread to quit and waits at most 5000 ms in all; a
// thread that does not end in time is suspended, never terminated, since
// terminating could leave a lock of the process held for ever.
//
// Messages reach listeners through one list per event kind (see EventKind). A
// list may grow while it is walked: the count is read again after each call.
//
// A class deriving from Window must call shutdown() at the start of its own
// destructor, so the thread stops before the derived part it calls into is gone.
// A window is released from another thread, never from its own listeners: the
// message being handled would go on in a deleted object. (Released on its own
// thread by mistake, it does not wait for itself; see shutdown.)
#include <windows.h>

#include <atomic>

#include "foundation/col/_array/ArrayP.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "framework/Wnd.h"
#include "gui/IWindow.h"
#include "gui/win/InvisibleWindow.h"

namespace s::gui::drawer {
class IWindow;
}
namespace s::image::win {
class BufferedImage;
}

namespace s::gui::win {

class UIThread;

class Window : public IWindow, public thread::IPoolable, public framework::Wnd {
    S_POOLED_CLASS(Window, L"s_gui_win_Window")

public:
    // Messages other threads send to a window.
    enum : UINT {
        WM_APP_USER_EVENT = WM_USER + 1,   // wParam: UserEvent*
        WM_APP_TRAY = WM_USER + 2,         // notification-icon callback, lParam: the mouse message
        WM_APP_INFO_BOX = WM_USER + 4,     // wParam: text, lParam: caption (may be null)
        WM_APP_WARNING_BOX = WM_USER + 5,  // as above
        WM_APP_CONFIRM_BOX = WM_USER + 6,  // as above; returns 1 for yes
        WM_APP_REQUEST = WM_USER + 7,      // the second request another instance may send
        WM_APP_START_TIMER = WM_USER + 20, // wParam: TimerRequest*
        WM_APP_STOP_TIMER = WM_USER + 21,  // wParam: TimerRequest* (interval unused)
        WM_APP_SET_DRAWER = 0x8020,        // wParam: the window drawer or null (see setWindowDrawer)
        WM_APP_WATCH_CLIPBOARD = 0x8021,   // wParam: join (1) or leave (0) the clipboard-viewer chain
        WM_APP_SET_MENU_BAR = 0x8022,      // wParam: the menu bar's HMENU or null (see setMenuBar)
        WM_APP_ADD_HOT_KEY = WM_USER + 12, // wParam: HotKeyRequest*; returns 1 when registered
    };
    // Native timer ids of application timers are the application id plus this.
    static constexpr UINT_PTR TIMER_ID_OFFSET = 10000;
    // How long destruction waits for the thread in all.
    static constexpr DWORD DESTROY_BUDGET_MS = 5000;
    // Defaults of a new or reset window, for the behaviours built on this class:
    // the size it takes when nothing else says, the smallest size a user can
    // drag it to, the size of a title-bar button and the width of the border
    // band that resizes a skinned window.
    static constexpr SIZE DEFAULT_SIZE = {500, 500};
    static constexpr SIZE DEFAULT_MINIMUM_SIZE = {100, 100};
    static constexpr SIZE DEFAULT_TITLE_BUTTON_SIZE = {23, 23};
    static constexpr int DEFAULT_BORDER_WIDTH = 5;

    struct UserEvent {
        const wchar_t* name;  // not owned
        void* data;           // not owned
        int a;
        int b;
    };
    struct HotKeyRequest {
        UINT modifiers;
        UINT virtualKey;
        const wchar_t* name;         // not owned: the global atom's name, which is the hot-key id
        bool reportFailure;
        const wchar_t* failureText;  // not owned: shown after the system error code and ") "
    };
    struct TimerRequest {
        int id;
        int intervalMs;
    };

    Window();
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Stops the thread (5000 ms budget) and destroys the native windows. Idempotent.
    void shutdown();
    // False when the thread or its windows could not be created.
    bool hasNativeWindow() const { return created_.load(); }
    HWND getHandle() const override { return handle(); }
    HWND getOwnerHandle() const { return owner_.handle(); }
    DWORD getThreadId() const;

    // IPoolable: listeners, children, event values and flags back to the defaults.
    void reset() override;

    // IContainer
    int getComponentCount() const override;
    IComponent* getComponent(int i) const override;

    // IWindow
    bool addListener(int kind, events::IEventListener* listener) override;
    bool addComponent(IComponent* component) override;
    bool removeComponent(IComponent* component) override;
    LRESULT sendUserEvent(const wchar_t* name, void* data, int a, int b) override;
    const wchar_t* getUserEventName() const override { return userEvent_.name; }
    void* getUserEventData() const override { return userEvent_.data; }
    int getUserEventA() const override { return userEvent_.a; }
    int getUserEventB() const override { return userEvent_.b; }
    void setResult(LRESULT result) override { result_ = result; }
    void refuseClose() override { closeRefused_ = true; }
    void close() override;
    bool isClosingDone() const override { return closingDone_.load(); }
    // True once a close went through and the window's thread is back in its message
    // loop: no handler of the window runs any more, so its owner may release what the
    // handlers use. (isClosingDone turns true while the close is still being handled.)
    bool isFinished() const { return finished_.load(); }
    // Called by the window's thread from its message loop, outside any handler.
    void onLoopTurn();
    bool startTimer(int id, int intervalMs) override;
    bool stopTimer(int id) override;
    int getLastKeyCode() const override { return keyCode_; }
    int getLastWheelAmount() const override { return wheelAmount_; }
    int getLastHotKeyId() const override { return hotKeyId_; }
    int getLastTimerId() const override { return timerId_; }
    POINT getLastCursorPosition() const override { return cursor_; }
    void setMenuBar(IPopupMenu* menu) override;
    void setPopupMenu(IPopupMenu* menu) override;
    void setTrayMenu(IPopupMenu* menu) override;
    IPopupMenu* getMenuBar() const override { return menuBar_; }
    IPopupMenu* getPopupMenu() const override { return popupMenu_; }
    IPopupMenu* getTrayMenu() const override { return trayMenu_; }
    void setIcons(HICON smallIcon, HICON largeIcon) override;
    HICON getSmallIcon() const { return smallIcon_; }
    HICON getLargeIcon() const { return largeIcon_; }

    // The defaults above, kept per window so behaviours can change them.
    SIZE getDefaultSize() const { return defaultSize_; }
    void setDefaultSize(SIZE size) { defaultSize_ = size; }
    SIZE getMinimumSize() const { return minimumSize_; }
    void setMinimumSize(SIZE size) { minimumSize_ = size; }
    SIZE getTitleButtonSize() const { return titleButtonSize_; }
    int getBorderWidth() const { return borderWidth_; }

    // Takes the mouse capture (on the window's thread); its loss raises EVENT_CAPTURE_LOST.
    void takeCapture();
    // From any thread: join or leave the clipboard-viewer chain (EVENT_CLIPBOARD_CHANGED).
    // Before the native window exists, the wish is kept for its creation.
    void setWatchClipboard(bool watch);
    bool isInClipboardChain() const { return inClipboardChain_; }
    bool isActive() const { return active_; }

    // From any thread: paints the window with `drawer` (not owned; null for the system
    // look), frame and region included. A skinned window's client area is the whole window.
    void setWindowDrawer(drawer::IWindow* drawer);
    drawer::IWindow* getWindowDrawer() const { return drawer_; }
    // Dragging the window's body moves the window (hit test answers caption).
    virtual void setDragByBody(bool drag) { dragByBody_ = drag; }
    // The back buffer's store size (0 x 0 before the first paint).
    SIZE getBackBufferSize() const;
    // Applies the back-buffer rule for a needed size; false when no buffer could be had.
    bool prepareBackBuffer(int width, int height);

    // Called by the window's UIThread only.
    bool createOnThread();
    void destroyOnThread();

    // The system's button-face colour, or a light grey before Windows 6.0.
    static COLORREF defaultBackground();

protected:
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // Calls onEvent(this, kind) on each listener of `kind` in order.
    void raise(int kind);
    // Hooks for the window behaviours built on this class.
    virtual void prepareClose() {}
    virtual void onOwnTimer(UINT_PTR id) {}
    virtual void onMiddleClick() {}
    virtual void onSizeChanged() {}
    // A left click on the notification icon, before its listeners run: the restore
    // behaviour brings the window back from the notification area.
    virtual void onTrayRestore() {}

private:
    // The hidden owner's timer that gives the loop a turn after a close.
    static constexpr UINT_PTR FINISH_TIMER_ID = 1;
    static constexpr UINT FINISH_TIMER_MS = 10;

    void resetFields();
    // The handle while the window's thread runs it, else null: a thread that was
    // suspended because it would not end must never be sent to.
    HWND liveHandle() const { return created_.load() ? handle() : nullptr; }
    void startThread();
    void stopThread();
    LRESULT onClose(WPARAM wp, LPARAM lp);
    LRESULT onUserEvent(WPARAM wp);
    LRESULT onTimerRequest(UINT msg, WPARAM wp);
    LRESULT onTimer(WPARAM wp, LPARAM lp);
    LRESULT onActivate(WPARAM wp, LPARAM lp);
    LRESULT onMouseWheel(WPARAM wp, LPARAM lp);
    LRESULT onCaptureChanged(WPARAM wp, LPARAM lp);
    LRESULT onTray(LPARAM lp);
    LRESULT onClipboardChain(WPARAM wp, LPARAM lp);
    LRESULT onDrawClipboard(WPARAM wp, LPARAM lp);
    LRESULT showBox(UINT msg, WPARAM wp, LPARAM lp);
    bool dispatchListenerEvent(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    void leaveClipboardChain();
    void joinClipboardChain();
    LRESULT onAddHotKey(WPARAM wp);
    // Painting (WindowPaint.cpp).
    bool dispatchPaint(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    LRESULT onEraseBackground(HDC target);
    LRESULT onPaint();
    LRESULT onNcPaint();
    LRESULT onPositionChanged(WPARAM wp, LPARAM lp);
    LRESULT onHitTest(WPARAM wp, LPARAM lp);
    void applyDrawer(drawer::IWindow* drawer);
    void paintClientInto(HDC target, int width, int height);
    void excludeChildren(HDC target);
    void releaseBackBuffer();
    // Border drag of skinned windows (WindowFrameDrag.cpp): true when the message was used.
    bool handleBorderDrag(UINT msg, LPARAM lp);
    bool onBorderHover(POINT screen);
    void resizeByDrag(POINT screen);
    void endBorderCapture();
    void releaseLists();
    // Menus and icons (WindowMenus.cpp).
    bool routeMenuCommand(int commandId);
    void showPopupMenu();
    void showTrayMenu();
    void replaceMenu(IPopupMenu*& slot, IPopupMenu* menu);
    void releaseMenus();
    void applyIcons();
    void releaseIcons();
    // Offers a wheel turn at the screen point to the components of `container`
    // that take the wheel; true when one took it.
    bool offerWheel(const IContainer* container, POINT screen, WPARAM wp, LPARAM lp);

    InvisibleWindow owner_;                 // owned (embedded): the hidden owner window
    UIThread* thread_;                      // owned: deleted once it ended or was suspended
    std::atomic<bool> created_;
    col::_array::ArrayP* components_;       // owned list; the components are not owned
    col::_array::ArrayP* listeners_[EVENT_KIND_COUNT];  // owned lists, indexed kind - 1; listeners not owned

    UserEvent userEvent_;
    LRESULT result_;
    bool closeRefused_;
    std::atomic<bool> closingDone_;
    std::atomic<bool> finished_;
    int keyCode_, wheelAmount_, hotKeyId_, timerId_;
    POINT cursor_;
    bool capture_;
    bool active_;
    DWORD deactivatedAt_;
    bool watchClipboard_;
    std::atomic<bool> inClipboardChain_;
    HWND nextViewer_;  // not owned
    image::win::BufferedImage* buffer_;  // owned (pooled): the back buffer, made on first paint
    drawer::IWindow* drawer_;            // not owned: belongs to the skin
    bool dragByBody_;
    IPopupMenu* menuBar_;    // owned (pooled)
    IPopupMenu* popupMenu_;  // owned (pooled)
    IPopupMenu* trayMenu_;   // owned (pooled)
    HICON smallIcon_;        // owned: destroyed when replaced and with the window
    HICON largeIcon_;        // owned
    bool offeringWheel_;     // a child may send the wheel back while it is offered
    SIZE defaultSize_, minimumSize_, titleButtonSize_;
    int borderWidth_;
    LRESULT sizingHit_;   // the border under the pointer while it is captured, else 0
    bool borderCapture_;  // the window holds the capture for a border
    bool sizing_;         // a border is being dragged
    POINT dragStart_;     // screen position where the drag began
    RECT dragStartRect_;  // the window rectangle then
};

}  // namespace s::gui::win
