#include "gui/win/GroupBox.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/win/ControlMessages.h"
#include "gui/win/NativeChild.h"
#include "gui/win/WindowClass.h"

namespace s::gui::win {

// Group boxes hold a native window: a released one is always deleted.
S_POOLED_CLASS_IMPL(GroupBox, thread::EasyPooler::NO_CAPACITY)

namespace {
// Room for the frame, and above for the caption.
constexpr int SIDE_MARGIN = 8;
constexpr int CAPTION_MARGIN = 18;
}  // namespace

GroupBox::GroupBox() : core_(0) {
    reset();
}

GroupBox::~GroupBox() {
    ControlCore::destroyWindow(handle());
    if (isBound()) detach();
}

void GroupBox::reset() {
    ControlCore::destroyWindow(handle());
    if (isBound()) detach();
    resetBox();
    core_.clear();
    setBackground(GetSysColor(COLOR_BTNFACE));
    setMargins(SIDE_MARGIN, SIDE_MARGIN, CAPTION_MARGIN, SIDE_MARGIN);
}

bool GroupBox::create(HWND parent) {
    if (isBound()) return true;
    core_.resolveText();
    setCreating(true);
    if (!createEx(0, L"BUTTON", L"GroupBox", STYLE, 0, 0, 0, 0, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(CONTROL_ID)))) {
        setCreating(false);
        NativeChild::reportCreationFailure();
        return false;
    }
    setCommittedGeometry(0, 0, 0, 0);
    SetWindowTextW(handle(), core_.text());
    send(WM_SETFONT, reinterpret_cast<WPARAM>(core_.makeFont()), FALSE);
    if (!isEnabled()) EnableWindow(handle(), FALSE);
    for (int i = 0; i < getComponentCount(); ++i) {
        IComponent* child = getComponent(i);
        child->setOrigin(getLeftMargin(), getTopMargin());  // so that it is made in its place
        send(WM_APP_ATTACH, reinterpret_cast<WPARAM>(child));
    }
    setCreating(false);
    doLayout();
    NativeChild::placeCreated(this, handle());
    return true;
}

void GroupBox::attachChild(IComponent* component) {
    if (!isBound()) return;
    send(WM_APP_ATTACH, reinterpret_cast<WPARAM>(component));
    doLayout();
}

bool GroupBox::setText(const wchar_t* text) {
    if (!core_.setText(text)) return false;
    if (isBound()) SetWindowTextW(handle(), core_.text());
    return true;
}

void GroupBox::setFontSetting(FontSetting* setting) {
    core_.setFontSetting(setting);
    if (isBound()) send(WM_SETFONT, reinterpret_cast<WPARAM>(core_.makeFont()), TRUE);
}

void GroupBox::setVisible(bool visible) {
    IComponent::setVisible(visible);
    if (isBound()) ShowWindow(handle(), visible ? SW_SHOW : SW_HIDE);
}

void GroupBox::setEnabled(bool enabled) {
    IComponent::setEnabled(enabled);
    if (isBound()) EnableWindow(handle(), enabled);
}

bool GroupBox::moveNative(int x, int y, int width, int height) {
    return NativeChild::move(handle(), x, y, width, height);
}

bool GroupBox::isChildNotification(UINT msg, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:  // vertical sliders report this way
            return lp != 0;
        case WM_NOTIFY:
            return true;
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return true;
        default:
            return false;
    }
}

LRESULT GroupBox::windowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (isChildNotification(msg, lp)) return WindowClass::procedure(handle(), msg, wp, lp);
    switch (msg) {
        case WM_APP_ATTACH: {
            IComponent* child = reinterpret_cast<IComponent*>(wp);
            return child && child->create(handle()) ? 1 : 0;
        }
        case WM_APP_CTLCOLOR:
            return core_.answerColour(*this, reinterpret_cast<HDC>(wp), getBackground(),
                                      ControlCore::textColour(core_.fontSetting(), *this));
        case WM_APP_DESTROY_CONTROL:
            return DestroyWindow(handle()) ? 1 : 0;
        case WM_KEYDOWN: {
            // Keys go on up, as from any box.
            const LRESULT answer = ControlCore::sendKeyUp(*this, handle(), msg, wp, lp);
            return answer == -1 ? defaultProc(msg, wp, lp) : answer;
        }
        case WM_NCDESTROY: {
            const LRESULT result = defaultProc(msg, wp, lp);
            core_.releaseGdi();
            return result;
        }
        default:
            return defaultProc(msg, wp, lp);
    }
}

}  // namespace s::gui::win
