#pragma once
// Control<Interface>: the native side every control shares, on top of its
// interface (IButton, ILabel ...), the pool contract and a framework window.
//
// Creation runs on the parent's thread (WM_APP_ATTACH): the native window is made
// with an empty rectangle, given its font and the properties kept so far, then
// placed at its recorded geometry and shown when visible. A failure shows
// "Window Creation Failed!" / "Error!" and create returns false.
//
// Messages: the control's handleFirst sees each message first; what it does not
// consume goes to the default handling (the system control's, or the window
// class's), after which handleAfter may act on the result. Two messages are
// answered here for every control: the reflected WM_CTLCOLOR* (0x8003, see
// answerColour) and WM_APP_DESTROY_CONTROL; a wheel turn the control did not
// consume goes on to its top-level window.
//
// Texts: setLocalizer gives the control the localiser of its window; a text id
// is looked up in it at creation (ControlCore::resolveText).
//
// Release: the native window is destroyed on its own thread, from whatever
// thread releases the control; the font and brush go with it. A control is never
// released by its own listeners: the message being handled would go on in a
// deleted object.
#include <windows.h>

#include <cstdint>

#include "foundation/thread/IPoolable.h"
#include "framework/Wnd.h"
#include "gui/IComponent.h"
#include "gui/win/ControlCore.h"
#include "gui/win/ControlMessages.h"
#include "gui/win/ControlPaint.h"
#include "gui/win/NativeChild.h"

namespace s::gui::win {

class FontSetting;

template <class Interface>
class Control : public Interface, public thread::IPoolable, public framework::Wnd {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // ---- IControl
    bool setText(const wchar_t* text) override {
        if (!core_.setText(text)) return false;
        if (isBound()) SetWindowTextW(handle(), core_.text());
        return true;
    }
    const wchar_t* getText() const override { return core_.text(); }
    void setTextId(int id) override { core_.setTextId(id); }
    int getTextId() const override { return core_.textId(); }
    void setLocalizer(lang::Localizer* localizer) override { core_.setLocalizer(localizer); }
    void setTransparent(bool transparent) override {
        core_.setTransparent(transparent);
        repaint();
    }
    bool isTransparent() const override { return core_.isTransparent(); }
    bool addListener(int kind, events::IEventListener* listener) override {
        return core_.listeners().add(kind, listener);
    }
    bool removeListener(int kind, events::IEventListener* listener) override {
        return core_.listeners().remove(kind, listener);
    }
    int getListenerCount(int kind) const override { return core_.listeners().count(kind); }

    // ---- IComponent
    HWND getHandle() const override { return handle(); }
    void setVisible(bool visible) override {
        Interface::setVisible(visible);
        if (isBound()) ShowWindow(handle(), visible ? SW_SHOW : SW_HIDE);
    }
    void setEnabled(bool enabled) override {
        Interface::setEnabled(enabled);
        if (isBound()) EnableWindow(handle(), enabled);
    }
    void setForeground(COLORREF colour) override {
        Interface::setForeground(colour);
        repaint();
    }
    void setBackground(COLORREF colour) override {
        Interface::setBackground(colour);
        repaint();
    }

    // ---- Font (not owned): its foreground is the text colour; a created control
    // takes the new font at once.
    void setFontSetting(FontSetting* setting) {
        core_.setFontSetting(setting);
        if (isBound()) {
            applyFont();
        } else {
            fontSettingChangedUnbound();
        }
    }
    FontSetting* getFontSetting() const { return core_.fontSetting(); }

protected:
    explicit Control(uint32_t eventKinds) : core_(eventKinds) {}
    // A derived control destroys its window in its own destructor (while its own
    // message handling still exists); this is the last resort.
    ~Control() override { destroyNative(); }

    // Makes the native window at the component's recorded place (see
    // NativeChild::recordedPlace) and gives it its font; the caller then applies its
    // properties and calls placeCreated(). Reports a failure.
    bool createNative(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int id, HWND parent) {
        if (isBound()) return false;
        core_.resolveText();
        const NativeChild::Place at = NativeChild::recordedPlace(*this, style, parent);
        HMENU menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
        const wchar_t* shown = title ? title : core_.text();
        const bool made =
            NativeChild::isOwnClass(className)
                ? createSelfBinding(exStyle, className, shown, at.style, at.x, at.y, at.width, at.height, parent,
                                    menuId)
                : createThenBind(exStyle, className, shown, at.style, at.x, at.y, at.width, at.height, parent, menuId);
        if (!made) {
            NativeChild::reportCreationFailure();
            return false;
        }
        this->setCommittedGeometry(at.x, at.y, at.width, at.height);
        if (!this->isEnabled()) EnableWindow(handle(), FALSE);
        applyFont();
        return true;
    }
    // Moves to the recorded geometry when it changed and shows the window when visible.
    void placeCreated() { NativeChild::placeCreated(this, handle()); }
    // On its own thread, from any thread; idempotent.
    void destroyNative() {
        HWND hwnd = handle();
        if (!hwnd) return;
        ControlCore::destroyWindow(hwnd);
        // The window's thread did not answer: never route a message to a dead object.
        if (handle() == hwnd) detach();
        core_.releaseGdi();
    }
    virtual void applyFont() { send(WM_SETFONT, reinterpret_cast<WPARAM>(core_.makeFont()), TRUE); }
    // The setting changed before the window exists: the font is made at creation.
    virtual void fontSettingChangedUnbound() {}
    bool moveNative(int x, int y, int width, int height) override {
        return NativeChild::move(handle(), x, y, width, height);
    }
    void repaint() const {
        if (isBound()) InvalidateRect(handle(), nullptr, TRUE);
    }

    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_APP_DESTROY_CONTROL) return DestroyWindow(handle()) ? 1 : 0;
        if (msg == WM_APP_CTLCOLOR) return answerColour(reinterpret_cast<HDC>(wp));
        LRESULT result = 0;
        if (handleFirst(msg, wp, lp, &result)) return result;
        if (msg == WM_MOUSEWHEEL) return passWheelOn(wp, lp);
        result = defaultProc(msg, wp, lp);
        handleAfter(msg, wp, lp, &result);
        if (msg == WM_NCDESTROY) core_.releaseGdi();  // the window that used them is gone
        return result;
    }
    // A wheel turn the control did not use goes to its top-level window, which
    // raises its wheel event (the window offers turns to the children that take
    // the wheel first, so this sends nothing back to a child that wants it).
    LRESULT passWheelOn(WPARAM wp, LPARAM lp) {
        HWND top = ControlCore::topLevel(handle());
        if (top && top != handle()) SendMessageW(top, WM_MOUSEWHEEL, wp, lp);
        return 0;
    }
    // True when the message was consumed (the result is *result).
    virtual bool handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) { return false; }
    // After the default handling; may change the result.
    virtual void handleAfter(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {}
    // The reflected WM_CTLCOLOR*: the control's background brush and text colour.
    virtual LRESULT answerColour(HDC dc) { return core_.answerColour(*this, dc, this->getBackground(), textColour()); }
    COLORREF textColour() const { return ControlCore::textColour(core_.fontSetting(), *this); }

    // ---- Painting by the toolkit (controls that paint themselves override paintClient)
    virtual void paintClient(HDC dc, int width, int height) {}
    // Paints the client area through a back buffer onto `target`.
    bool paintBufferedTo(HDC target) { return ControlPaint::paintBuffered(handle(), target, &paintThunk, this); }
    // WM_PAINT through the back buffer.
    LRESULT paintWindow() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(handle(), &paint);
        if (dc) paintBufferedTo(dc);
        EndPaint(handle(), &paint);
        return 0;
    }
    // Paints at once: invalidates the client area and updates the window.
    void repaintNow() const {
        if (!isBound()) return;
        InvalidateRect(handle(), nullptr, FALSE);
        UpdateWindow(handle());
    }

    void raise(int kind) { core_.listeners().raise(this, kind); }
    // Back to a new control: no window, component defaults, empty core.
    void resetControl() {
        destroyNative();
        core_.clear();
        this->resetComponent();
    }

    ControlCore core_;

private:
    static void paintThunk(void* context, HDC dc, int width, int height) {
        static_cast<Control*>(context)->paintClient(dc, width, height);
    }
};

}  // namespace s::gui::win
