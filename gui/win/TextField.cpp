#include "gui/win/TextField.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::win {

// Text fields hold a native window: a released one is always deleted.
S_POOLED_CLASS_IMPL(TextField, thread::EasyPooler::NO_CAPACITY)

namespace {
constexpr uint32_t FIELD_EVENTS =
    events::ListenerLists::bit(ITextField::CHANGED) | events::ListenerLists::bit(ITextField::FOCUS_LOST) |
    events::ListenerLists::bit(ITextField::PASTED);
}  // namespace

TextField::TextField() : Control<ITextField>(FIELD_EVENTS) {
    reset();
}

TextField::~TextField() {
    destroyNative();
}

void TextField::reset() {
    resetControl();
    setBackground(GetSysColor(COLOR_WINDOW));
    password_ = false;
    notifyChange_ = false;
    creating_ = false;
    pasteTaken_ = pasting_ = false;
    pasted_.reset();
}

bool TextField::create(HWND parent) {
    if (isBound()) return true;
    creating_ = true;
    const bool created = createNative(0, L"EDIT", nullptr, STYLE, CONTROL_ID, parent);
    if (created) {
        if (!isEditable()) send(EM_SETREADONLY, TRUE);
        applyPassword();
        placeCreated();
    }
    creating_ = false;
    return created;
}

const wchar_t* TextField::getText() const {
    HWND hwnd = handle();
    if (!hwnd) return core_.text();
    // The user edits the native text: read it back (GetWindowText works from any thread).
    str::strbuffer::StrBuffer& text = core_.textBuffer();
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0 || !text.reserve(uint32_t(length))) {
        text.setLength(0);
        return text.c_str();
    }
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.setLength(uint32_t(copied > 0 && copied <= length ? copied : 0));
    return text.c_str();
}

void TextField::setEditable(bool editable) {
    IComponent::setEditable(editable);
    if (!isBound()) return;
    send(EM_SETREADONLY, editable ? FALSE : TRUE);
    repaint();
}

void TextField::setEnabled(bool enabled) {
    Control<ITextField>::setEnabled(enabled);
    repaint();
}

void TextField::setPassword(bool password) {
    password_ = password;
    if (!isBound()) return;
    applyPassword();
    repaint();
}

void TextField::applyPassword() {
    send(EM_SETPASSWORDCHAR, password_ ? WPARAM(PASSWORD_CHAR) : 0);
}

void TextField::takePaste() {
    pasted_.set(L"");
    if (OpenClipboard(handle())) {
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        const wchar_t* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
        if (text) {
            // The block need not end inside its size: never read past it.
            const SIZE_T units = GlobalSize(data) / sizeof(wchar_t);
            SIZE_T length = 0;
            while (length < units && text[length]) ++length;
            pasted_.set(text, int32_t(length));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    pasting_ = true;
    raise(PASTED);
    pasting_ = false;
    pasted_.reset();
}

void TextField::focusAndSelectAll() {
    if (isBound()) send(WM_APP_FOCUS_SELECT_ALL);
}

bool TextField::handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_SETCURSOR:
            SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
            *result = TRUE;
            return true;
        case WM_CHAR:
            *result = onChar(wp, lp);
            return true;
        case WM_APP_FOCUS_SELECT_ALL:
            SetFocus(handle());
            send(EM_SETSEL, 0, -1);
            send(EM_SCROLLCARET);
            *result = 0;
            return true;
        case WM_APP_EDIT_CHANGED:
            if (notifyChange_ && !creating_) raise(CHANGED);
            *result = 0;
            return true;
        case WM_PASTE:
            if (!pasteTaken_) return false;
            takePaste();
            *result = 0;
            return true;
        case WM_APP_KILL_FOCUS:
            raise(FOCUS_LOST);
            *result = 0;
            return true;
        default:
            return false;
    }
}

LRESULT TextField::onChar(WPARAM wp, LPARAM lp) {
    send(WM_SETREDRAW, FALSE);
    const LRESULT result = defaultProc(WM_CHAR, wp, lp);
    SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
    send(WM_SETREDRAW, TRUE);
    InvalidateRect(handle(), nullptr, TRUE);
    UpdateWindow(handle());
    return result;
}

LRESULT TextField::answerColour(HDC dc) {
    const COLORREF background = isEnabled() && isEditable() ? getBackground() : GetSysColor(COLOR_BTNFACE);
    return core_.answerColour(*this, dc, background, textColour());
}

}  // namespace s::gui::win
