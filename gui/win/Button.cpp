#include "gui/win/Button.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/control/ResizerGrip.h"
#include "gui/drawer/IButton.h"
#include "gui/drawer/button/Glyphs.h"
#include "gui/drawer/win/DcRectSink.h"
#include "gui/win/Dpi.h"
#include "gui/win/Font.h"
#include "gui/win/FontSetting.h"

namespace s::gui::win {

// Buttons hold a native window: a released one is always deleted.
S_POOLED_CLASS_IMPL(Button, thread::EasyPooler::NO_CAPACITY)

using control::AutoRepeat;
using control::HoverState;
using control::ResizerGrip;

namespace {

constexpr uint32_t BUTTON_EVENTS = events::ListenerLists::bit(IButton::CLICKED) |
                                   events::ListenerLists::bit(IButton::AFTER_CLICK) |
                                   events::ListenerLists::bit(IButton::PRESSED);

// The pointer's position as a mouse message's lParam (client coordinates).
LPARAM pointerParam(HWND hwnd) {
    POINT pointer = {0, 0};
    GetCursorPos(&pointer);
    ScreenToClient(hwnd, &pointer);
    return MAKELPARAM(pointer.x, pointer.y);
}

POINT screenPoint(HWND hwnd, LPARAM lp) {
    POINT point = {short(LOWORD(lp)), short(HIWORD(lp))};
    ClientToScreen(hwnd, &point);
    return point;
}

// Messages after which the system button may have drawn itself directly: a
// button the toolkit paints paints over it at once.
bool systemMayHaveDrawn(UINT msg) {
    switch (msg) {
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_UPDATEUISTATE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CAPTURECHANGED:
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case BM_SETCHECK:
            return true;
        default:
            return false;
    }
}

}  // namespace

Button::Button() : Control<IButton>(BUTTON_EVENTS) {
    reset();
}

Button::~Button() {
    destroyNative();
}

void Button::reset() {
    resetControl();
    drawer_ = nullptr;
    toggledFontSetting_ = nullptr;
    ownerPainted_ = toggleMode_ = toggled_ = shownInverted_ = autoRepeat_ = default_ = false;
    releasable_ = true;
    hover_.clear();
    repeat_.release();
    dragPointer_ = POINT{0, 0};
    dragWindow_ = RECT{0, 0, 0, 0};
    releasing_ = false;
}

bool Button::create(HWND parent) {
    if (isBound()) return true;
    if (!createNative(0, L"BUTTON", L"Button", STYLE, CONTROL_ID, parent)) return false;
    SetWindowTextW(handle(), core_.text());
    if (default_) applyDefaultStyle(true);
    placeCreated();
    return true;
}

// ---- Properties

bool Button::setGlyphText(const wchar_t* glyph) {
    ownerPainted_ = true;
    return setText(glyph);
}

void Button::setOwnerPainted(bool ownerPainted) {
    ownerPainted_ = ownerPainted;
    repaint();
}

void Button::setToggled(bool toggled) {
    toggled_ = toggled;
    repaint();
    // A button that can no longer be clicked lets go of a hover or press it holds.
    if (isStuckOn() && isBound()) send(WM_CANCELMODE);
}

void Button::setToggleShownInverted(bool inverted) {
    shownInverted_ = inverted;
    repaint();
}

void Button::setDefault(bool isDefault) {
    default_ = isDefault;
    if (isBound()) send(isDefault ? WM_APP_MAKE_DEFAULT : WM_APP_UNMAKE_DEFAULT);
}

void Button::setDrawer(drawer::IButton* drawer) {
    drawer_ = drawer;
    repaint();
}

void Button::setToggledFontSetting(FontSetting* setting) {
    toggledFontSetting_ = setting;
    repaint();
}

bool Button::isToolkitPainted() const {
    return ownerPainted_ || ResizerGrip::isGrip(core_.text());
}

void Button::applyDefaultStyle(bool isDefault) {
    const DWORD style = DWORD(GetWindowLongW(handle(), GWL_STYLE)) & ~DWORD(BS_TYPEMASK);
    send(BM_SETSTYLE, style | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
}

// ---- Messages

bool Button::handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (handleMouse(msg, wp, lp, result)) return true;
    switch (msg) {
        case WM_ERASEBKGND:
            *result = 1;
            return true;
        case WM_PAINT:
            if (!isToolkitPainted()) return false;
            *result = paintWindow();
            return true;
        case WM_PRINTCLIENT:
            if (!isToolkitPainted()) return false;
            paintBufferedTo(reinterpret_cast<HDC>(wp));
            *result = 0;
            return true;
        case WM_NCHITTEST:
            if (isEnabled() && !isStuckOn()) return false;
            *result = HTTRANSPARENT;
            return true;
        case WM_KEYDOWN:
            // The window answers 0 for every key but Enter: those are used up there.
            if (ControlCore::sendKeyUp(*this, handle(), msg, wp, lp) != 0) return false;
            *result = 0;
            return true;
        case WM_TIMER:
            if (!AutoRepeat::isOwnTimer(wp)) return false;
            onTimer(wp);
            *result = 0;
            return true;
        case WM_APP_CLICKED:
            onClick();
            *result = 0;
            return true;
        case WM_APP_DOUBLE_CLICKED:
            onPress(pointerParam(handle()));
            onClick();
            *result = 0;
            return true;
        case WM_APP_MAKE_DEFAULT:
        case WM_APP_UNMAKE_DEFAULT:
            applyDefaultStyle(msg == WM_APP_MAKE_DEFAULT);
            *result = 0;
            return true;
        case WM_CANCELMODE:
            cancelPress();
            return false;  // the system button lets go of its own press state too
        case WM_ENABLE:
            if (!wp) cancelPress();
            return false;
        case WM_DESTROY:
            stopRepeat();
            hover_.clear();
            return false;
        default:
            return false;
    }
}

bool Button::handleMouse(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_MOUSEMOVE:
            onMouseMove(lp);
            return false;
        case WM_LBUTTONDOWN:
            if (ControlCore::isInsideClient(handle(), lp)) onPress(lp);
            return false;
        case WM_LBUTTONUP:
            stopRepeat();
            releasing_ = true;  // until handleAfter: the system button gives the capture up now
            return false;
        case WM_SETCURSOR:
            if (!ResizerGrip::isGrip(core_.text())) return false;
            SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
            *result = TRUE;
            return true;
        default:
            return false;
    }
}

void Button::handleAfter(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (msg == WM_GETDLGCODE) *result |= DLGC_WANTALLKEYS;
    if (msg == WM_LBUTTONUP) {
        releasing_ = false;
        onRelease(lp);
    }
    if (msg == WM_CAPTURECHANGED && reinterpret_cast<HWND>(lp) != handle()) {
        // Given up by the release itself the press ends in onRelease; taken away
        // while held, no release will come, so the press ends here.
        if (hover_.isPressed() && !releasing_) {
            cancelPress();
        } else {
            applyHover(hover_.captureLost());
        }
    }
    if (isToolkitPainted() && systemMayHaveDrawn(msg)) repaintNow();
}

void Button::applyHover(const HoverState::Change& change) {
    const bool grip = ResizerGrip::isGrip(core_.text());
    if (change.takeCapture) {
        SetCapture(handle());
        if (grip) SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
    }
    // Only while ours: the capture may already belong to whoever took it from us.
    if (change.releaseCapture && GetCapture() == handle()) {
        ReleaseCapture();
        if (grip) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
    if (change.changed) repaintNow();
}

void Button::onMouseMove(LPARAM lp) {
    if (isStuckOn()) {
        applyHover(hover_.cancel());
        return;
    }
    applyHover(hover_.move(ControlCore::isInsideClient(handle(), lp)));
    if (hover_.isPressed() && ResizerGrip::isGrip(core_.text())) resizeWindow(lp);
}

void Button::onPress(LPARAM lp) {
    applyHover(hover_.press());
    dragPointer_ = screenPoint(handle(), lp);
    if (HWND top = ControlCore::topLevel(handle())) GetWindowRect(top, &dragWindow_);
    raise(PRESSED);
    if (autoRepeat_) {
        AutoRepeat::Step step = repeat_.press();
        step.raise = false;  // raised just above
        runStep(step);
    }
}

// A click may just have made the button stuck on: it then takes no hover capture back.
void Button::onRelease(LPARAM lp) {
    applyHover(isStuckOn() ? hover_.cancel() : hover_.release(ControlCore::isInsideClient(handle(), lp)));
}

void Button::cancelPress() {
    stopRepeat();
    applyHover(hover_.cancel());
}

void Button::onClick() {
    raise(CLICKED);
    if (toggleMode_ && isEnabled() && !isStuckOn()) toggled_ = !toggled_;
    repaintNow();
    raise(AFTER_CLICK);
}

void Button::onTimer(UINT_PTR timer) {
    runStep(repeat_.tick(timer, ControlCore::isPointerOver(handle())));
}

void Button::runStep(const AutoRepeat::Step& step) {
    if (step.killTimer) KillTimer(handle(), step.killTimer);
    if (step.startTimer) SetTimer(handle(), step.startTimer, step.intervalMs, nullptr);
    if (step.raise) raise(PRESSED);
}

void Button::stopRepeat() {
    repeat_.release();
    if (!isBound()) return;
    KillTimer(handle(), AutoRepeat::SLOW_TIMER);
    KillTimer(handle(), AutoRepeat::FAST_TIMER);
}

// The window's own WM_SIZING handling applies its size limits to the proposal.
void Button::resizeWindow(LPARAM lp) {
    HWND top = ControlCore::topLevel(handle());
    if (!top || top == handle()) return;
    RECT proposed = ResizerGrip::draggedRect(dragWindow_, dragPointer_, screenPoint(handle(), lp));
    SendMessageW(top, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
    SetWindowPos(top, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                 proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Painting by the toolkit

void Button::paintClient(HDC dc, int width, int height) {
    ControlPaint::fill(dc, 0, 0, width, height, ControlCore::parentBackground(*this));
    if (!core_.isTransparent()) ControlPaint::fill(dc, 0, 0, width, height, getBackground());
    paintFace(dc, width, height);
}

// Hover and press show the drawer's frame (the system's edge without a drawer),
// a press or a toggled-on state also moves the face one pixel down and right.
void Button::paintFace(HDC dc, int width, int height) {
    const bool toggledShown = toggled_ != shownInverted_;
    const FontSetting* setting = toggled_ && toggledFontSetting_ ? toggledFontSetting_ : core_.fontSetting();
    const COLORREF colour = ControlCore::textColour(setting, *this);
    const int hover = shownHoverState();
    const int shift = hover == HoverState::PRESSED || toggledShown ? 1 : 0;
    const wchar_t* text = core_.text();
    const bool glyph = text[0] == L'#';
    RECT box = {0, 0, width, height};
    if (hover != HoverState::NONE || toggledShown) {
        if (drawer_) {
            drawer_->paint(dc, 0, 0, width, height);
        } else if (!glyph) {
            DrawEdge(dc, &box, shift ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        }
    }
    if (!glyph) {
        OffsetRect(&box, shift, shift);
        paintText(dc, box, setting, colour);
        return;
    }
    if (drawer_) {
        drawer_->paintGlyph(dc, shift, shift, width + shift, height + shift, text, GetRValue(colour), GetGValue(colour),
                            GetBValue(colour), Dpi::forWindow(handle()));
        return;
    }
    drawer::win::DcRectSink sink(dc);
    if (ResizerGrip::isGrip(text)) {
        ResizerGrip::paintDots(sink, width, height);
    } else {
        drawer::button::paintGlyph(sink, text, shift, shift, width + shift, height + shift, colour,
                                   Dpi::forWindow(handle()));
    }
}

void Button::paintText(HDC dc, const RECT& box, const FontSetting* setting, COLORREF colour) {
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    if (!setting || setting == core_.fontSetting()) {
        ControlPaint::drawText(dc, core_.text(), box, core_.font(), colour, format);
        return;
    }
    Font* font = setting->createFont();  // the toggled font, for this paint only
    ControlPaint::drawText(dc, core_.text(), box, font ? font->handle() : core_.font(), colour, format);
    if (font) font->release();
}

}  // namespace s::gui::win
