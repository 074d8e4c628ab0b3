// ManagedWindow: the notification area (iconize, restore, the icon's clicks),
// activation, requests of another copy of the program, the close button that
// iconizes, power events and global hot keys.
#include <cwchar>

#include "app/win/AppWindow.h"
#include "app/win/ManagedWindow.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::app::win {

using str::strbuffer::StrBuffer;

namespace {

constexpr UINT TOPMOST_FLAGS = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
// A refused notification-icon add is tried again on this timer (the window core's
// own timers are 1 to 6 and 100, a window's listeners' from 10000 up).
constexpr UINT_PTR ICON_RETRY_TIMER = 200;

bool isWindows61OrLater() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExW(&version)) return false;
    return version.dwMajorVersion > 6 || (version.dwMajorVersion == 6 && version.dwMinorVersion >= 1);
}

}  // namespace

UINT ManagedWindow::taskbarCreatedMessage() {
    // The shell broadcasts it when the task bar is (re-)created, e.g. after a crash of the shell.
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

// ---- Iconize, restore, activate

void ManagedWindow::iconizeNow() {
    if (iconized_) return;
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!hwnd) return;
    // Going to the notification area is a hide: the place is kept for the next start.
    savePlacement();
    ShowWindow(hwnd, SW_HIDE);
    if (!notifyIcon_.isPresent()) addNotifyIcon(hwnd);
    iconized_ = true;
}

// At logon the task bar may not take icons yet; a refused add is tried again every
// ICON_RETRY_MS for at most NotifyIcon::ADD_RETRIES times, beside the add again
// when the shell announces a new task bar.
void ManagedWindow::addNotifyIcon(HWND hwnd) {
    notifyIcon_.add(hwnd);
    retryRefusedIcon();
}

void ManagedWindow::retryRefusedIcon() {
    if (notifyIcon_.isAddPending()) SetTimer(getHandle(), ICON_RETRY_TIMER, ICON_RETRY_MS, nullptr);
}

// When every try was refused, an iconized window comes back on the screen: with
// neither an icon nor a task-bar button nobody could reach it.
void ManagedWindow::onIconRetryTimer() {
    if (notifyIcon_.retryAdd()) return;
    KillTimer(getHandle(), ICON_RETRY_TIMER);
    if (iconized_ && notifyIcon_.isAddPending()) restoreNow();
}

void ManagedWindow::removeNotifyIcon() {
    notifyIcon_.remove();
    if (HWND hwnd = hasNativeWindow() ? getHandle() : nullptr) KillTimer(hwnd, ICON_RETRY_TIMER);
}

// Back from the notification area or from the task bar as the window was: a
// maximized window stays maximized (and "Maximized" stays true), a minimized one
// comes back to what it was before it was minimized.
void ManagedWindow::restoreNow() {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!hwnd) return;
    if (iconized_) {
        ShowWindow(hwnd, SW_SHOW);
        SetForegroundWindow(hwnd);
        iconized_ = false;
        if (!keepIconOnRestore_) removeNotifyIcon();
    }
    // SW_RESTORE brings a minimized window back to maximized when it was, but takes
    // a maximized one down to its normal bounds.
    if (IsIconic(hwnd) || !IsZoomed(hwnd)) ShowWindow(hwnd, SW_RESTORE);
}

// Windows lets a process take the foreground only in some cases; a topmost moment
// brings the window above the others even when it is refused.
void ManagedWindow::activateNow(bool on) {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!hwnd) return;
    if (!on) {
        SendMessageW(hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
        deactivatedAt_ = GetTickCount();
        return;
    }
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, TOPMOST_FLAGS);
    SetForegroundWindow(hwnd);
    if (!keepOnTop_) SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, TOPMOST_FLAGS);
    deactivatedAt_ = 0;
}

void ManagedWindow::setNotifyIconNow(bool on) {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (on) {
        if (hwnd && !notifyIcon_.isPresent()) addNotifyIcon(hwnd);
    } else if (!keepIconOnRemoval_) {
        removeNotifyIcon();
    }
}

void ManagedWindow::setTitleNow(const wchar_t* title) {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!hwnd) return;
    SetWindowTextW(hwnd, title ? title : L"");
    notifyIcon_.updateTip();
}

void ManagedWindow::onAnotherInstance() {
    if (iconized_ || IsIconic(getHandle())) restoreNow();
    activateNow(true);
}

// A click on the icon brings an iconized window back, sends a window the user
// was just working in to the notification area, and brings any other to the front.
void ManagedWindow::onTrayRestore() {
    if (!restoreOnIconClick_) return;
    if (iconized_) {
        restoreNow();
        return;
    }
    // The click itself may have taken the activation away a moment ago.
    const bool justActive = deactivatedAt_ != 0 && GetTickCount() - deactivatedAt_ < ICON_CLICK_DEACTIVATION_MS;
    if (isActive() || justActive) {
        iconizeNow();
        return;
    }
    activateNow(true);
    if (IsIconic(getHandle())) restoreNow();
}

void ManagedWindow::releaseShellState() {
    removeAllHotKeys();
    removeNotifyIcon();
}

bool ManagedWindow::handleTrayMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    *result = 0;
    switch (msg) {
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE) {
                deactivatedAt_ = 0;
            } else if (isActive()) {
                deactivatedAt_ = GetTickCount();
            }
            return false;  // the activation listeners run next
        case NotifyIcon::CALLBACK_MESSAGE:
            if (lp != WM_MOUSEMOVE) return false;  // clicks: the restore behaviour and the icon's listeners
            if (busyCursor_) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            return true;
        case WM_APP_ANOTHER_INSTANCE:
            onAnotherInstance();
            return true;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) != SC_CLOSE || !closeButtonIconizes_ || iconized_) return false;
            iconizeNow();
            return true;
        case WM_POWERBROADCAST:
            if (wp == PBT_APMSUSPEND) suspended_ = true;
            if (wp == PBT_APMRESUMESUSPEND || wp == PBT_APMRESUMEAUTOMATIC) suspended_ = false;
            return false;
        case WM_APP_ADD_HOT_KEY:
            *result = onAddHotKey(wp, lp);
            return true;
        case WM_APP_REMOVE_HOT_KEY:
            removeHotKey(reinterpret_cast<const wchar_t*>(wp));
            return true;
        case WM_APP_REMOVE_ALL_HOT_KEYS:
            removeAllHotKeys();
            return true;
        case WM_TIMER:
            if (wp != ICON_RETRY_TIMER) return false;
            onIconRetryTimer();
            return true;
        default:
            if (msg != 0 && msg == taskbarCreatedMessage()) {
                notifyIcon_.addAgain();
                retryRefusedIcon();
            }
            return false;
    }
}

// ---- Hot keys

UINT ManagedWindow::hotKeyModifiers(bool alt, bool ctrl, bool shift, bool win) {
    UINT modifiers = (alt ? MOD_ALT : 0) | (ctrl ? MOD_CONTROL : 0) | (shift ? MOD_SHIFT : 0) | (win ? MOD_WIN : 0);
    // A held key would otherwise fire the hot key again and again.
    if (isWindows61OrLater()) modifiers |= MOD_NO_REPEAT;
    return modifiers;
}

bool ManagedWindow::hotKeyFailureText(bool alt, bool ctrl, bool shift, bool win, UINT virtualKey, StrBuffer& text) {
    bool built = text.set(L"HotKey ");
    if (alt) built = text.append(L"Alt+") && built;
    if (ctrl) built = text.append(L"Ctrl+") && built;
    if (shift) built = text.append(L"Shift+") && built;
    if (win) built = text.append(L"WinKey+") && built;
    built = text.appendU32(virtualKey) && built;
    return text.append(L" has been occupied by another application.") && built;
}

bool ManagedWindow::registerHotKey(bool alt, bool ctrl, bool shift, bool win, UINT virtualKey, const wchar_t* name,
                                   bool reportFailure) {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (!hwnd || !name || !*name) return false;
    unregisterHotKey(name);
    StrBuffer* failure = StrBuffer::acquire();
    if (!failure) return false;
    hotKeyFailureText(alt, ctrl, shift, win, virtualKey, *failure);
    HotKeyRequest request{hotKeyModifiers(alt, ctrl, shift, win), virtualKey, name, reportFailure, failure->c_str()};
    const bool registered = SendMessageW(hwnd, WM_APP_ADD_HOT_KEY, reinterpret_cast<WPARAM>(&request), 0) != 0;
    failure->release();
    return registered;
}

void ManagedWindow::unregisterHotKey(const wchar_t* name) {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (hwnd && name) SendMessageW(hwnd, WM_APP_REMOVE_HOT_KEY, reinterpret_cast<WPARAM>(name), 0);
}

void ManagedWindow::unregisterAllHotKeys() {
    HWND hwnd = hasNativeWindow() ? getHandle() : nullptr;
    if (hwnd) SendMessageW(hwnd, WM_APP_REMOVE_ALL_HOT_KEYS, 0, 0);
}

int ManagedWindow::getHotKeyCount() const {
    return hotKeys_ ? int(hotKeys_->count()) : 0;
}

// The window registers the key; the name is kept so that it can be given back.
LRESULT ManagedWindow::onAddHotKey(WPARAM wp, LPARAM lp) {
    const LRESULT registered = Window::windowProc(WM_APP_ADD_HOT_KEY, wp, lp);
    const HotKeyRequest* request = reinterpret_cast<const HotKeyRequest*>(wp);
    if (registered && request && hotKeys_ && !hotKeys_->addCopy(request->name)) {
        // A hot key that could not be listed could never be given back.
        const ATOM atom = GlobalFindAtomW(request->name);
        UnregisterHotKey(getHandle(), atom);
        GlobalDeleteAtom(atom);
        return 0;
    }
    return registered;
}

void ManagedWindow::removeHotKey(const wchar_t* name) {
    if (!hotKeys_ || !name) return;
    const int32_t index = hotKeys_->indexOfIgnoreCase(name, uint32_t(wcslen(name)));
    if (index < 0) return;
    const ATOM atom = GlobalFindAtomW(name);
    if (atom) {
        UnregisterHotKey(getHandle(), atom);
        GlobalDeleteAtom(atom);
    }
    hotKeys_->list().remove(hotKeys_->get(uint32_t(index)));
}

void ManagedWindow::removeAllHotKeys() {
    if (!hotKeys_) return;
    while (hotKeys_->count() > 0) {
        const uint32_t before = hotKeys_->count();
        removeHotKey(hotKeys_->get(before - 1)->c_str());
        if (hotKeys_->count() == before) break;  // never loops on a name that would not go
    }
}

}  // namespace s::app::win
