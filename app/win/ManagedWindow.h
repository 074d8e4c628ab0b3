#pragma once
// ManagedWindow: a toolkit window with the application's window behaviours.
//
// Bound to an AppWindow (its settings section), it takes its icons, title and
// switches from there, places itself where it was last (centred on the work
// area when that place is unknown or off every screen), and saves its placement
// when hidden, closed, minimized, maximized and restored. It can stay on top, be
// dragged by its body, be kept inside the screen, answer a middle click, keep
// its height within the work area while sized, live in the notification area
// (iconize / restore), come to the front when another copy of the program asks
// (WM_USER+3), and hold global hot keys.
//
// Every operation runs on the window's thread: called from another thread it is
// sent there as WM_APP_BEHAVIOUR and returns when done. Flags that only steer
// later messages (keep icon, close button iconizes ...) are plain stores.
//
// Like every Window, it is released from another thread than its own.
#include <windows.h>

#include <cstdint>

#include "app/win/NotifyIcon.h"
#include "app/win/PlacementRules.h"
#include "foundation/thread/Pooled.h"
#include "gui/win/Window.h"

namespace s::gui::drawer {
class Skinner;
}
namespace s::lang {
class Localizer;
}
namespace s::str::strarray {
class StrArray;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::app::win {

class AppWindow;

class ManagedWindow : public gui::win::Window {
    S_POOLED_CLASS(ManagedWindow, L"s_app_win_ManagedWindow")

public:
    enum : UINT {
        WM_APP_ANOTHER_INSTANCE = WM_USER + 3,  // another copy of the program asks to be shown
        WM_APP_REMOVE_HOT_KEY = WM_USER + 13,   // wParam: the hot key's name
        WM_APP_REMOVE_ALL_HOT_KEYS = WM_USER + 14,
        WM_APP_BEHAVIOUR = 0x8040,  // wParam: the operation to run on the window's thread
    };
    // SetWindowPos flags of keep on top: no move, no size, and shown when visible.
    static constexpr UINT KEEP_ON_TOP_FLAGS = SWP_NOMOVE | SWP_NOSIZE;                     // 3
    static constexpr UINT KEEP_ON_TOP_VISIBLE_FLAGS = KEEP_ON_TOP_FLAGS | SWP_SHOWWINDOW;  // 0x43
    // A click on the notification icon deactivates the window first: a window that lost
    // the activation this recently was active for the user, and the click iconizes it.
    static constexpr DWORD ICON_CLICK_DEACTIVATION_MS = 150;
    // No auto-repeat for hot keys, known from Windows 6.1.
    static constexpr UINT MOD_NO_REPEAT = 0x4000;
    // A notification icon the shell refused is tried again this often (NotifyIcon::ADD_RETRIES times).
    static constexpr UINT ICON_RETRY_MS = 1000;

    ManagedWindow();
    ~ManagedWindow() override;
    ManagedWindow(const ManagedWindow&) = delete;
    ManagedWindow& operator=(const ManagedWindow&) = delete;

    void reset() override;

    // ---- Settings binding and placement
    // Binds the window to `appWindow` (not owned): icons, title ("name", or "name vX"
    // with the version), switches and the stored placement.
    void attachAppWindow(AppWindow* appWindow, bool withVersion);
    AppWindow* getAppWindow() const { return appWindow_; }
    lang::Localizer* getLanguagePack() const { return languagePack_; }
    gui::drawer::Skinner* getSkinner() const { return skinner_; }
    // The title's language-pack ids (-1 for no version), kept for a language change.
    int32_t getTitleTextId() const { return titleTextId_; }
    int32_t getVersionTextId() const { return versionTextId_; }
    // Title and notification-icon tip again from the kept ids, in the language now
    // current (on the window's thread, after a language change).
    void refreshTitle();

    // Shows (where it belongs: maximized, or centred when its place is unknown) or hides
    // (saving the placement) the window.
    void show(bool visible, bool activate);
    bool isShown() const { return shown_; }
    // Saves the placement: "Maximized", or the normal bounds of the window (nothing
    // while minimized). Reads the window only, so any thread that may use the store can.
    void savePlacement();
    // Brings a window that sticks out of the virtual screen back onto it; a minimized or
    // maximized window stays where it is.
    void moveIntoScreen();
    void setOnScreenTest(bool on) { onScreenTest_ = on; }
    bool isOnScreenTest() const { return onScreenTest_; }

    // ---- Switches (each writes its setting through the binding where it has one)
    void setKeepOnTop(bool on);
    bool isKeepOnTop() const { return keepOnTop_; }
    // Also writes "EasyDrag", whichever type the call goes through.
    void setDragByBody(bool on) override;
    void setResizable(bool on);
    bool isResizable() const { return resizable_; }
    void setClientEdge(bool on);
    void setKeepInScreen(bool on);
    bool isKeepInScreen() const { return keepInScreen_; }
    void setTaskBarButton(bool on);
    bool hasTaskBarButton() const { return taskBarButton_; }
    // "DoNothing", "Iconize" or "Close" (any letter case; anything else does nothing).
    void setMiddleClickAction(const wchar_t* action);
    const wchar_t* getMiddleClickAction() const { return middleClickAction_; }

    // The rectangle a WM_SIZING proposes, while EVENT_SIZING listeners run (else null):
    // listeners may change it.
    RECT* getSizingRect() const { return sizingRect_; }

    // ---- Notification area
    void iconize();
    void restore();
    void activate(bool on);
    bool isIconized() const { return iconized_; }
    void setNotifyIcon(bool on);
    void updateNotifyIcon();
    bool isNotifyIconPresent() const { return notifyIcon_.isPresent(); }
    // Present, but the shell has refused it so far: it is being tried again.
    bool isNotifyIconPending() const { return notifyIcon_.isAddPending(); }
    // The window text and, while the icon is present, its tip.
    void setTitle(const wchar_t* title);
    void setKeepIconOnRestore(bool on) { keepIconOnRestore_ = on; }
    void setKeepIconOnRemoval(bool on) { keepIconOnRemoval_ = on; }
    void setCloseButtonIconizes(bool on) { closeButtonIconizes_ = on; }
    void setRestoreOnIconClick(bool on) { restoreOnIconClick_ = on; }
    // The window shows no cursor while its owner is busy.
    void setBusyCursor(bool on) { busyCursor_ = on; }
    bool isSuspended() const { return suspended_; }

    // ---- Global hot keys (named; the name's global atom is the hot key's id)
    // Replaces a hot key of the same name. False when the keys are taken; with
    // `reportFailure` a message box then names them.
    bool registerHotKey(bool alt, bool ctrl, bool shift, bool win, UINT virtualKey, const wchar_t* name,
                        bool reportFailure);
    void unregisterHotKey(const wchar_t* name);
    void unregisterAllHotKeys();
    int getHotKeyCount() const;

    // "HotKey " + the modifiers ("Alt+", "Ctrl+", "Shift+", "WinKey+") + the key code in
    // decimal + " has been occupied by another application.".
    static bool hotKeyFailureText(bool alt, bool ctrl, bool shift, bool win, UINT virtualKey,
                                  str::strbuffer::StrBuffer& text);
    static UINT hotKeyModifiers(bool alt, bool ctrl, bool shift, bool win);

protected:
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void prepareClose() override;
    void onMiddleClick() override;
    void onTrayRestore() override;

private:
    enum class Op;
    struct Call;

    void resetBehaviour();
    // Runs `op` on the window's thread and answers its result.
    LRESULT run(Op op, intptr_t a = 0, intptr_t b = 0);
    LRESULT perform(const Call& call);
    bool handleBehaviourMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    bool handleTrayMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

    // On the window's thread (ManagedWindow.cpp).
    void attachNow(AppWindow* appWindow, bool withVersion);
    void applyTitle(bool withVersion);
    void applyStoredPlacement();
    void showNow(bool visible, bool activate);
    void placeForShow();
    void centreOnWorkArea();
    void saveNormalPlacement();
    void applyKeepOnTop(bool on);
    void setKeepInScreenNow(bool on);
    void setTaskBarButtonNow(bool on);
    void changeStyle(int index, LONG_PTR bits, bool on);
    void moveIntoScreenNow();
    void onDisplayChange();
    ShowState showState() const;
    LRESULT onSizing(WPARAM wp, LPARAM lp);
    void onSize(WPARAM type);
    void recordNormalBounds();
    bool restoresToMaximized() const;
    void onEndSession(WPARAM wp);
    bool windowRect(RECT& rect) const;
    static void trimWorkingSet();

    // On the window's thread (ManagedWindowTray.cpp).
    void iconizeNow();
    void restoreNow();
    void activateNow(bool on);
    void setNotifyIconNow(bool on);
    void addNotifyIcon(HWND hwnd);
    void retryRefusedIcon();
    void onIconRetryTimer();
    void removeNotifyIcon();
    void setTitleNow(const wchar_t* title);
    void onAnotherInstance();
    LRESULT onAddHotKey(WPARAM wp, LPARAM lp);
    void removeHotKey(const wchar_t* name);
    void removeAllHotKeys();
    void releaseShellState();
    static UINT taskbarCreatedMessage();

    AppWindow* appWindow_;           // not owned: null means no settings
    lang::Localizer* languagePack_;  // not owned: the binding's
    gui::drawer::Skinner* skinner_;  // not owned: the binding's
    int32_t titleTextId_, versionTextId_;
    bool shown_, keepOnTop_, resizable_, taskBarButton_, keepInScreen_, onScreenTest_;
    RECT lastNormal_;  // the bounds the window last had while neither minimized nor maximized
    bool haveLastNormal_;
    bool maximizedByUser_;              // a WM_SIZE maximized it; the next restore saves the placement
    const wchar_t* middleClickAction_;  // not owned: one of IAppWindow's ACTION_ texts
    RECT* sizingRect_;                  // not owned: the WM_SIZING rectangle while its listeners run
    bool iconized_, keepIconOnRestore_, keepIconOnRemoval_, closeButtonIconizes_, restoreOnIconClick_;
    bool busyCursor_, suspended_;
    DWORD deactivatedAt_;               // tick count when the window last lost the activation; 0 while active
    NotifyIcon notifyIcon_;             // owned (embedded)
    str::strarray::StrArray* hotKeys_;  // owned: names of the registered hot keys; used on the window's thread
};

}  // namespace s::app::win
