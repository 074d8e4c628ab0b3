#include "gui/win/Slider.h"

#include <commctrl.h>

#include "foundation/thread/EasyPooler.h"
#include "gui/control/JumpToClick.h"
#include "gui/drawer/ISlider.h"
#include "gui/win/Dpi.h"

namespace s::gui::win {

// Sliders hold a native window: a released one is always deleted.
S_POOLED_CLASS_IMPL(Slider, thread::EasyPooler::NO_CAPACITY)

namespace {

constexpr uint32_t SLIDER_EVENTS = events::ListenerLists::bit(ISlider::CHANGED);

// Registers the trackbar class for threads that did not (the window threads do).
bool ensureTrackbarClass() {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
}

// Whether the system trackbar moves on a wheel turn itself. One that does not
// hands the turn to its parent (the default handling), which would move nothing
// and tell the window's wheel listeners instead. Asked once per process of a
// hidden top-level trackbar, which has no parent to hand the turn to.
enum WheelSupport : LONG { kUnknown = 0, kTurns = 1, kIgnores = 2 };
volatile LONG gWheelSupport = kUnknown;

bool probeTrackbarWheel() {
    HWND probe = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_POPUP, 0, 0, 200, 30, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (!probe) return false;
    SendMessageW(probe, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageW(probe, TBM_SETPOS, FALSE, 50);
    SendMessageW(probe, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(100, 15));
    const bool moved = SendMessageW(probe, TBM_GETPOS, 0, 0) != 50;
    DestroyWindow(probe);
    return moved;
}

}  // namespace

bool Slider::trackbarTurnsWheel() {
    LONG support = InterlockedCompareExchange(&gWheelSupport, kUnknown, kUnknown);
    if (support == kUnknown) {
        ensureTrackbarClass();
        support = probeTrackbarWheel() ? kTurns : kIgnores;
        InterlockedExchange(&gWheelSupport, support);
    }
    return support == kTurns;
}

Slider::Slider() : Control<ISlider>(SLIDER_EVENTS) {
    reset();
}

Slider::~Slider() {
    destroyNative();
}

void Slider::reset() {
    resetControl();
    minimum_ = 0;
    maximum_ = 100;
    position_ = 0;
    step_ = 1;
    thumbLength_ = 0;
    ticks_ = jumpToClick_ = vertical_ = tracking_ = false;
    wheelDelta_ = 0;
    gradientMode_ = gradientFirst_ = gradientSecond_ = 0;
    drawer_ = nullptr;
}

DWORD Slider::creationStyle() const {
    DWORD style = STYLE | (ticks_ ? TBS_AUTOTICKS : TBS_NOTICKS);
    if (vertical_) style |= TBS_VERT;
    if (thumbLength_ > 0) style |= TBS_FIXEDLENGTH;
    return style;
}

bool Slider::create(HWND parent) {
    if (isBound()) return true;
    ensureTrackbarClass();
    if (!createNative(0, TRACKBAR_CLASSW, L"", creationStyle(), CONTROL_ID, parent)) return false;
    applyRange();
    applyStep();
    if (thumbLength_ > 0) send(TBM_SETTHUMBLENGTH, WPARAM(thumbLength_));
    placeCreated();
    return true;
}

// ---- Properties

void Slider::setRange(int minimum, int maximum) {
    minimum_ = minimum <= maximum ? minimum : maximum;
    maximum_ = minimum <= maximum ? maximum : minimum;
    position_ = clampToRange(position_);
    if (isBound()) applyRange();
}

void Slider::applyRange() {
    send(TBM_SETRANGEMIN, FALSE, minimum_);
    send(TBM_SETRANGEMAX, TRUE, maximum_);
    send(TBM_SETPOS, TRUE, position_);
}

void Slider::setPosition(int position) {
    position_ = clampToRange(position);
    if (isBound()) send(TBM_SETPOS, TRUE, position_);
}

void Slider::setStep(int step) {
    step_ = step < 1 ? 1 : step;
    if (isBound()) applyStep();
}

void Slider::applyStep() {
    send(TBM_SETTICFREQ, WPARAM(step_));
    send(TBM_SETPAGESIZE, 0, LPARAM(PAGE_STEPS) * step_);
    send(TBM_SETLINESIZE, 0, step_);
}

void Slider::setTicks(bool ticks) {
    ticks_ = ticks;
    if (!isBound()) return;
    const DWORD style = DWORD(GetWindowLongW(handle(), GWL_STYLE)) & ~DWORD(TBS_AUTOTICKS | TBS_NOTICKS);
    SetWindowLongW(handle(), GWL_STYLE, LONG(style | (ticks ? TBS_AUTOTICKS : TBS_NOTICKS)));
    if (ticks) send(TBM_SETTICFREQ, WPARAM(step_));
    repaint();
}

void Slider::setThumbLength(int length) {
    thumbLength_ = length < 0 ? 0 : length;
    if (!isBound() || thumbLength_ == 0) return;
    SetWindowLongW(handle(), GWL_STYLE, GetWindowLongW(handle(), GWL_STYLE) | TBS_FIXEDLENGTH);
    send(TBM_SETTHUMBLENGTH, WPARAM(thumbLength_));
}

void Slider::setGradient(int mode, int first, int second) {
    gradientMode_ = mode;
    gradientFirst_ = first;
    gradientSecond_ = second;
    repaint();
}

void Slider::setDrawer(drawer::ISlider* drawer) {
    drawer_ = drawer;
    repaint();
}

int Slider::clampToRange(int position) const {
    if (position < minimum_) return minimum_;
    return position > maximum_ ? maximum_ : position;
}

int Slider::readPosition() const {
    return clampToRange(int(send(TBM_GETPOS)));
}

void Slider::takePosition() {
    const int now = readPosition();
    if (now == position_) return;
    position_ = now;
    raise(CHANGED);
}

// ---- Messages

bool Slider::handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (jumpToClick_ && handleJump(msg, lp, result)) return true;
    switch (msg) {
        case WM_KEYDOWN:
            // Up and Down move a page, as Page Down and Page Up do.
            if (wp != VK_UP && wp != VK_DOWN) return false;
            *result = defaultProc(msg, wp == VK_UP ? VK_NEXT : VK_PRIOR, lp);
            takePosition();
            return true;
        case WM_MOUSEWHEEL:
            if (!isAcceptingWheel()) return false;  // goes on to the window
            if (trackbarTurnsWheel()) {
                // Moves as the system's users know them; the position is read back.
                *result = defaultProc(msg, wp, lp);
                takePosition();
            } else {
                turnWheel(wp);
                *result = 0;
            }
            return true;
        case WM_ERASEBKGND:
            if (!drawer_) return false;
            *result = 1;
            return true;
        case WM_PAINT:
            if (!drawer_) return false;
            *result = paintWindow();
            return true;
        case WM_PRINTCLIENT:
            if (!drawer_) return false;
            paintBufferedTo(reinterpret_cast<HDC>(wp));
            *result = 0;
            return true;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lp) != handle()) tracking_ = false;
            return false;
        case WM_CANCELMODE:
            endJump();
            return false;
        case WM_ENABLE:
            if (!wp) endJump();
            return false;
        default:
            return false;
    }
}

bool Slider::readsBackAfter(UINT msg, LPARAM lp) const {
    switch (msg) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            return reinterpret_cast<HWND>(lp) == handle();
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_LBUTTONUP:
            return true;
        case WM_MOUSEMOVE:
            return GetCapture() == handle();
        default:
            return false;
    }
}

void Slider::handleAfter(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (readsBackAfter(msg, lp)) takePosition();
}

// As the system trackbar turns it: a step per notch, a forward turn towards the
// minimum, parts of a notch kept for the next turn.
void Slider::turnWheel(WPARAM wp) {
    wheelDelta_ += GET_WHEEL_DELTA_WPARAM(wp);
    const int notches = wheelDelta_ / WHEEL_DELTA;
    if (notches == 0) return;
    wheelDelta_ -= notches * WHEEL_DELTA;
    send(TBM_SETPOS, TRUE, clampToRange(readPosition() - notches * step_));
    takePosition();
}

bool Slider::handleJump(UINT msg, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_LBUTTONDOWN:
            SetCapture(handle());
            SetFocus(handle());
            tracking_ = true;
            jumpTo(lp);
            break;
        case WM_MOUSEMOVE:
            if (!tracking_) return false;
            jumpTo(lp);
            break;
        case WM_LBUTTONUP:
            if (!tracking_) return false;
            endJump();
            break;
        default:
            return false;
    }
    *result = 0;
    return true;
}

void Slider::endJump() {
    if (!tracking_) return;
    tracking_ = false;
    if (GetCapture() == handle()) ReleaseCapture();
}

void Slider::jumpTo(LPARAM lp) {
    RECT channel = {0, 0, 0, 0};
    send(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    int point = short(LOWORD(lp));
    int start = channel.left;
    int end = channel.right;
    if (vertical_) {
        point = short(HIWORD(lp));
        // The system reports a vertical channel as if it lay horizontally: then
        // its left and right are the top and bottom ends.
        if (channel.bottom - channel.top > channel.right - channel.left) {
            start = channel.top;
            end = channel.bottom;
        }
    }
    const int position = control::JumpToClick::position(point, start, end, minimum_, maximum_);
    if (position == readPosition()) return;
    send(TBM_SETPOS, TRUE, position);
    PostMessageW(GetParent(handle()), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
                 reinterpret_cast<LPARAM>(handle()));
}

// ---- Painting by the skin

void Slider::paintClient(HDC dc, int width, int height) {
    ControlPaint::fill(dc, 0, 0, width, height, ControlCore::parentBackground(*this));
    if (!core_.isTransparent()) ControlPaint::fill(dc, 0, 0, width, height, getBackground());
    drawer_->paintTrack(dc, 0, 0, width, height, minimum_, maximum_, readPosition(), gradientMode_, gradientFirst_,
                        gradientSecond_, false, Dpi::forWindow(handle()));
}

}  // namespace s::gui::win
