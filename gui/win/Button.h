#pragma once
// Button: a system push button ("BUTTON", WS_CHILD | WS_TABSTOP | BS_NOTIFY,
// id 1000), or one the toolkit paints: owner-painted buttons, glyph buttons
// ("#Left", "#Color-...") and the window's resize grip "#Resizer".
//
// Events: PRESSED (3) when the left button goes down inside and on every
// auto-repeat tick; CLICKED (1) on the system click (or double click); then,
// once a toggle button has flipped, AFTER_CLICK (2).
//
// Mouse: hovering takes the capture (state 1), leaving gives it back (state 0);
// a press is state 2 (see control::HoverState). Auto-repeat follows
// control::AutoRepeat with timers 20001 and 20002. A toggled-on button that
// cannot be released, and a disabled button, answer HTTRANSPARENT so clicks reach
// what lies below; such a button also never keeps the capture, which would route
// the next click anywhere on the window to it. Dragging "#Resizer" resizes the
// top-level window through its WM_SIZING limits.
//
// A press ends with the release, or earlier when it is cut short: the capture
// goes to another window, the mode is cancelled (WM_CANCELMODE), or the button
// is disabled while held. Then the repeat timers stop, a grip drag ends and the
// button shows unpressed: no release would ever come to end them.
//
// Keys go up to the parent component first (and so to the window, which tells
// whether it was Enter); only Enter then reaches the system button. Wheel turns
// go to the top-level window.
#include <windows.h>

#include "foundation/thread/Pooled.h"
#include "gui/IButton.h"
#include "gui/control/AutoRepeat.h"
#include "gui/control/HoverState.h"
#include "gui/win/Control.h"

namespace s::gui::drawer {
class IButton;
}

namespace s::gui::win {

class Button : public Control<IButton> {
    S_POOLED_CLASS(Button, L"s_gui_win_Button")

public:
    static constexpr DWORD STYLE = WS_CHILD | WS_TABSTOP | BS_NOTIFY;  // 0x40014000
    static constexpr int CONTROL_ID = 1000;

    Button();
    ~Button() override;
    // A new button: no window, no texts, no listeners, not toggled.
    void reset() override;
    bool create(HWND parent) override;

    // ---- IButton
    bool setGlyphText(const wchar_t* glyph) override;
    void setOwnerPainted(bool ownerPainted) override;
    bool isOwnerPainted() const override { return ownerPainted_; }
    void setToggleMode(bool toggle) override { toggleMode_ = toggle; }
    bool isToggleMode() const override { return toggleMode_; }
    void setReleasable(bool releasable) override { releasable_ = releasable; }
    bool isReleasable() const override { return releasable_; }
    void setToggled(bool toggled) override;
    bool isToggled() const override { return toggled_; }
    void setToggleShownInverted(bool inverted) override;
    void setAutoRepeat(bool repeat) override { autoRepeat_ = repeat; }
    bool isAutoRepeat() const override { return autoRepeat_; }
    void setDefault(bool isDefault) override;
    bool isDefault() const override { return default_; }
    int getHoverState() const override { return hover_.state(); }

    // The skin's button drawer (not owned); null paints glyphs with the shared
    // pictures and the grip with its dots.
    void setDrawer(drawer::IButton* drawer);
    drawer::IButton* getDrawer() const { return drawer_; }
    // The font setting (not owned) used while the button is toggled on; null: the usual one.
    void setToggledFontSetting(FontSetting* setting);
    // True when the toolkit paints the button (owner-painted or the grip).
    bool isToolkitPainted() const;

protected:
    bool handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    void handleAfter(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    void paintClient(HDC dc, int width, int height) override;

private:
    bool handleMouse(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    bool isStuckOn() const { return toggleMode_ && toggled_ && !releasable_; }
    int shownHoverState() const { return isStuckOn() ? control::HoverState::NONE : hover_.state(); }
    void applyHover(const control::HoverState::Change& change);
    void onMouseMove(LPARAM lp);
    void onPress(LPARAM lp);
    void onRelease(LPARAM lp);
    void onClick();
    // The press (or hover) ends without a release: timers, drag and capture go.
    void cancelPress();
    void onTimer(UINT_PTR timer);
    void runStep(const control::AutoRepeat::Step& step);
    void stopRepeat();
    void resizeWindow(LPARAM lp);
    void applyDefaultStyle(bool isDefault);
    void paintFace(HDC dc, int width, int height);
    void paintText(HDC dc, const RECT& box, const FontSetting* setting, COLORREF colour);

    drawer::IButton* drawer_;          // not owned: the skin's
    FontSetting* toggledFontSetting_;  // not owned
    bool ownerPainted_, toggleMode_, releasable_, toggled_, shownInverted_, autoRepeat_, default_;
    control::HoverState hover_;
    control::AutoRepeat repeat_;
    POINT dragPointer_;  // screen position of the press on the grip
    RECT dragWindow_;    // the top-level window's rectangle then
    // True while the system button handles WM_LBUTTONUP: the capture it gives up
    // then is the normal end of a press, not a press cut short.
    bool releasing_;
};

}  // namespace s::gui::win
