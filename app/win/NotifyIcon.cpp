#include "app/win/NotifyIcon.h"

#include <new>

namespace s::app::win {

namespace {

// NIF_MESSAGE | NIF_ICON | NIF_TIP.
constexpr UINT ALL_FIELDS = NIF_MESSAGE | NIF_ICON | NIF_TIP;

// Set from one thread before the windows that use them exist (tests), read by all.
NotifyIcon::ShellCall shellCall = &Shell_NotifyIconW;
int addRetries = NotifyIcon::ADD_RETRIES;

}  // namespace

void NotifyIcon::setShellCall(ShellCall call, int retries) {
    shellCall = call ? call : &Shell_NotifyIconW;
    addRetries = call ? retries : ADD_RETRIES;
}

NotifyIcon* NotifyIcon::newInstance() const {
    return new (std::nothrow) NotifyIcon();
}

// The record is the full NOTIFYICONDATAW of this build: the layout of 952 bytes in
// a 32-bit program is 968 bytes in a 64-bit one, since handles are 8 bytes there.
bool NotifyIcon::send(DWORD action, UINT flags) const {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = 0;
    data.uFlags = flags;
    data.uCallbackMessage = CALLBACK_MESSAGE;
    if (flags & NIF_ICON) data.hIcon = reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_SMALL, 0));
    // The tip holds 127 characters: a longer title is cut, never written past the record.
    if (flags & NIF_TIP) GetWindowTextW(window_, data.szTip, int(sizeof(data.szTip) / sizeof(data.szTip[0])));
    return shellCall(action, &data) != FALSE;
}

void NotifyIcon::addNow() {
    added_ = send(NIM_ADD, ALL_FIELDS);
    retriesLeft_ = added_ ? 0 : addRetries;
}

bool NotifyIcon::add(HWND window) {
    window_ = window;
    present_ = true;
    addNow();
    return added_;
}

bool NotifyIcon::retryAdd() {
    if (!isAddPending() || retriesLeft_ <= 0) return false;
    --retriesLeft_;
    // A busy shell may refuse in time but add the icon all the same: then only a
    // modify finds it.
    added_ = send(NIM_MODIFY, ALL_FIELDS) || send(NIM_ADD, ALL_FIELDS);
    return isAddPending() && retriesLeft_ > 0;
}

void NotifyIcon::remove() {
    if (!present_) return;
    present_ = added_ = false;
    retriesLeft_ = 0;
    send(NIM_DELETE, 0);
}

void NotifyIcon::update() {
    if (present_) send(NIM_MODIFY, ALL_FIELDS);
}

void NotifyIcon::updateTip() {
    if (present_) send(NIM_MODIFY, NIF_TIP);
}

void NotifyIcon::addAgain() {
    if (present_) addNow();
}

}  // namespace s::app::win
