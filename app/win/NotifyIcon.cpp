#include "app/win/NotifyIcon.h"

#include <shellapi.h>

#include <new>

namespace s::app::win {

namespace {

// NIF_MESSAGE | NIF_ICON | NIF_TIP.
constexpr UINT ALL_FIELDS = NIF_MESSAGE | NIF_ICON | NIF_TIP;

}  // namespace

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
    return Shell_NotifyIconW(action, &data) != FALSE;
}

void NotifyIcon::add(HWND window) {
    window_ = window;
    present_ = true;
    send(NIM_ADD, ALL_FIELDS);
}

void NotifyIcon::remove() {
    if (!present_) return;
    present_ = false;
    send(NIM_DELETE, 0);
}

void NotifyIcon::update() {
    if (present_) send(NIM_MODIFY, ALL_FIELDS);
}

void NotifyIcon::updateTip() {
    if (present_) send(NIM_MODIFY, NIF_TIP);
}

void NotifyIcon::addAgain() {
    if (present_) send(NIM_ADD, ALL_FIELDS);
}

}  // namespace s::app::win
