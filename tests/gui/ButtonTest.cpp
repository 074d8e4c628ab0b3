// Buttons: the auto-repeat plan, the hover state machine and the resize grip's
// dots without a window; then real buttons in a window: events through the
// window class's reflection, toggles that cannot be released, auto-repeat
// timers, the grip resizing its window, default-button style, keys and wheel
// turns travelling to the window, and toolkit painting.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "gui/IWindow.h"
#include "gui/control/AutoRepeat.h"
#include "gui/control/HoverState.h"
#include "gui/control/ResizerGrip.h"
#include "gui/win/Button.h"
#include "gui/win/ControlMessages.h"
#include "tests/gui/ControlTestSupport.h"
#include "tests/gui/ImageCanvas.h"
#include "tests/gui/PixelCanvas.h"

namespace {

using control_testing::EventRecorder;
using control_testing::Host;
using control_testing::waitFor;
using s::gui::IButton;
using s::gui::control::AutoRepeat;
using s::gui::control::HoverState;
using s::gui::control::ResizerGrip;
using s::gui::win::Button;

// ---- Without a window

TEST(ButtonAutoRepeat, RaisesAtOnceThenOnTheSlowTickThenOnEveryFastTickInside) {
    AutoRepeat repeat;
    AutoRepeat::Step step = repeat.press();
    EXPECT_TRUE(step.raise);
    EXPECT_EQ(AutoRepeat::SLOW_TIMER, step.startTimer);
    EXPECT_EQ(500u, step.intervalMs);

    step = repeat.tick(AutoRepeat::SLOW_TIMER, false);  // outside: paused, the timer stays
    EXPECT_FALSE(step.raise);
    EXPECT_EQ(0u, step.killTimer);
    EXPECT_EQ(0u, step.startTimer);

    step = repeat.tick(AutoRepeat::SLOW_TIMER, true);
    EXPECT_TRUE(step.raise);
    EXPECT_EQ(AutoRepeat::SLOW_TIMER, step.killTimer);
    EXPECT_EQ(AutoRepeat::FAST_TIMER, step.startTimer);
    EXPECT_EQ(100u, step.intervalMs);

    EXPECT_TRUE(repeat.tick(AutoRepeat::FAST_TIMER, true).raise);
    EXPECT_FALSE(repeat.tick(AutoRepeat::FAST_TIMER, false).raise);
    EXPECT_TRUE(repeat.tick(AutoRepeat::FAST_TIMER, true).raise);

    repeat.release();
    step = repeat.tick(AutoRepeat::FAST_TIMER, true);  // a tick already queued at the release
    EXPECT_FALSE(step.raise);
    EXPECT_EQ(AutoRepeat::FAST_TIMER, step.killTimer);
}

TEST(ButtonHoverState, CaptureFollowsThePointerButStaysWhileHeld) {
    HoverState hover;
    HoverState::Change change = hover.move(true);
    EXPECT_EQ(HoverState::HOVER, hover.state());
    EXPECT_TRUE(change.changed && change.takeCapture);
    EXPECT_FALSE(hover.move(true).changed);

    EXPECT_TRUE(hover.press().changed);
    EXPECT_EQ(HoverState::PRESSED, hover.state());
    change = hover.move(false);  // dragged out while held: shown as away, capture kept
    EXPECT_EQ(HoverState::NONE, hover.state());
    EXPECT_FALSE(change.releaseCapture);
    EXPECT_FALSE(hover.captureLost().changed);  // the press tracking gave it up: still held
    hover.move(true);
    EXPECT_EQ(HoverState::PRESSED, hover.state());

    change = hover.release(true);
    EXPECT_EQ(HoverState::HOVER, hover.state());
    EXPECT_TRUE(change.takeCapture);  // taken again: the press tracking released it
    EXPECT_TRUE(hover.captureLost().changed);
    EXPECT_EQ(HoverState::NONE, hover.state());

    hover.press();
    change = hover.release(false);
    EXPECT_EQ(HoverState::NONE, hover.state());
    EXPECT_TRUE(change.releaseCapture);
}

TEST(ButtonHoverState, CancelEndsAPressSoTheNextHoverIsNoPress) {
    HoverState hover;
    hover.move(true);
    hover.press();
    HoverState::Change change = hover.cancel();
    EXPECT_TRUE(change.changed);
    EXPECT_TRUE(change.releaseCapture);
    EXPECT_FALSE(hover.isPressed());
    EXPECT_EQ(HoverState::NONE, hover.state());
    change = hover.move(true);  // back over the button: hovered, not held
    EXPECT_EQ(HoverState::HOVER, hover.state());
    EXPECT_TRUE(change.takeCapture);

    HoverState idle;  // nothing to cut short: no repaint needed
    EXPECT_FALSE(idle.cancel().changed);
}

TEST(ButtonResizerGrip, SixWhiteDotsEachShadedAtItsTopLeft) {
    testing_gui::PixelCanvas canvas(20, 20);
    ResizerGrip::paintDots(canvas, 20, 20);
    // Each 2 x 2 white dot keeps three pixels; its grey shade covers four.
    EXPECT_EQ(6 * 3, canvas.countOf(ResizerGrip::LIGHT));
    EXPECT_EQ(6 * 4, canvas.countOf(ResizerGrip::SHADE));
    EXPECT_EQ(ResizerGrip::LIGHT, canvas.at(18, 18));  // (w-3, h-3) dot, bottom right
    EXPECT_EQ(ResizerGrip::SHADE, canvas.at(17, 17));  // its top-left, covered
    EXPECT_EQ(ResizerGrip::SHADE, canvas.at(16, 16));
    EXPECT_EQ(ResizerGrip::LIGHT, canvas.at(10, 18));  // the (w-11, h-3) dot
    EXPECT_EQ(ResizerGrip::SHADE, canvas.at(8, 16));   // (w-12, h-4)
    EXPECT_EQ(ResizerGrip::LIGHT, canvas.at(18, 10));  // the (w-3, h-11) dot
    EXPECT_FALSE(canvas.isSet(10, 10));                // no dot above the diagonal
    EXPECT_EQ(0, canvas.outside);

    const RECT moved = ResizerGrip::draggedRect(RECT{10, 20, 110, 220}, POINT{100, 200}, POINT{130, 190});
    EXPECT_EQ(10, moved.left);
    EXPECT_EQ(20, moved.top);
    EXPECT_EQ(140, moved.right);
    EXPECT_EQ(210, moved.bottom);
}

// ---- In a window

class ButtonInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.ready());
        button.setText(L"Go");
        for (int kind : {IButton::CLICKED, IButton::AFTER_CLICK, IButton::PRESSED})
            ASSERT_TRUE(button.addListener(kind, &events));
        ASSERT_TRUE(host.attach(&button, 20, 20, 80, 30));
        hwnd = button.getHandle();
        ASSERT_NE(nullptr, hwnd);
    }
    // What the system button tells its parent on a click (code 0) or double click (5).
    void notifyParent(WORD code) {
        SendMessageW(host.handle(), WM_COMMAND, MAKEWPARAM(Button::CONTROL_ID, code), LPARAM(hwnd));
    }
    // The real pointer goes there first: the system also sends moves of its own
    // (after a window moved, for instance), and they must tell the same story.
    void mouse(UINT msg, int x, int y) {
        const POINT at = Host::screenAt(hwnd, x, y);
        SetCursorPos(at.x, at.y);
        SendMessageW(hwnd, msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    void centrePointer() {
        const POINT centre = Host::screenAt(hwnd, 40, 15);
        SetCursorPos(centre.x, centre.y);
    }

    // Declared before the host: the host's window goes first.
    Button button;
    EventRecorder events;
    EventRecorder windowEvents;  // what the window raises, for the tests that listen to it
    Host host;
    HWND hwnd = nullptr;
};

TEST_F(ButtonInWindow, NativeWindowHasTheButtonStyleIdAndText) {
    EXPECT_EQ(LONG(Button::STYLE | WS_VISIBLE), GetWindowLongW(hwnd, GWL_STYLE) & ~LONG(WS_CLIPSIBLINGS));
    EXPECT_EQ(Button::CONTROL_ID, GetDlgCtrlID(hwnd));
    wchar_t text[16] = {};
    GetWindowTextW(hwnd, text, 16);
    EXPECT_STREQ(L"Go", text);
    RECT area;
    GetWindowRect(hwnd, &area);
    EXPECT_EQ(80, area.right - area.left);
}

TEST_F(ButtonInWindow, ClickReachesListenersThroughReflectionAndFlipsAToggle) {
    button.setToggleMode(true);
    notifyParent(BN_CLICKED);
    EXPECT_EQ((std::vector<int>{IButton::CLICKED, IButton::AFTER_CLICK}), events.kinds());
    EXPECT_EQ(&button, events.lastSource());
    EXPECT_TRUE(button.isToggled());
    notifyParent(BN_CLICKED);
    EXPECT_FALSE(button.isToggled());

    events.clear();
    notifyParent(BN_DOUBLECLICKED);  // a double click presses first
    EXPECT_EQ((std::vector<int>{IButton::PRESSED, IButton::CLICKED, IButton::AFTER_CLICK}), events.kinds());
}

TEST_F(ButtonInWindow, ToggledOnButtonThatCannotBeReleasedStaysOnAndLetsClicksThrough) {
    const POINT inside = Host::screenAt(hwnd, 5, 5);
    EXPECT_EQ(HTCLIENT, SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)));
    button.setToggleMode(true);
    button.setReleasable(false);
    notifyParent(BN_CLICKED);
    ASSERT_TRUE(button.isToggled());
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)));
    notifyParent(BN_CLICKED);
    EXPECT_TRUE(button.isToggled());
    EXPECT_EQ(HoverState::NONE, button.getHoverState());

    button.setToggled(false);
    button.setEnabled(false);  // disabled buttons are transparent too
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)));
}

TEST_F(ButtonInWindow, AutoRepeatTicksRaiseWhileThePointerIsInsideAndStopAtRelease) {
    button.setAutoRepeat(true);
    centrePointer();
    mouse(WM_LBUTTONDOWN, 40, 15);
    EXPECT_EQ(1u, events.count());
    EXPECT_EQ(HoverState::PRESSED, button.getHoverState());
    SendMessageW(hwnd, WM_TIMER, AutoRepeat::SLOW_TIMER, 0);
    SendMessageW(hwnd, WM_TIMER, AutoRepeat::FAST_TIMER, 0);
    SendMessageW(hwnd, WM_TIMER, AutoRepeat::FAST_TIMER, 0);
    EXPECT_EQ(4u, events.count());

    const POINT away = Host::screenAt(hwnd, 200, 200);
    SetCursorPos(away.x, away.y);
    SendMessageW(hwnd, WM_TIMER, AutoRepeat::FAST_TIMER, 0);  // paused outside
    EXPECT_EQ(4u, events.count());

    centrePointer();
    mouse(WM_LBUTTONUP, 40, 15);                              // released inside: the system reports a click
    SendMessageW(hwnd, WM_TIMER, AutoRepeat::FAST_TIMER, 0);  // stale after the release
    EXPECT_EQ((std::vector<int>{3, 3, 3, 3, IButton::CLICKED, IButton::AFTER_CLICK}), events.kinds());
}

TEST_F(ButtonInWindow, HeldAutoRepeatButtonRepeatsAfterHalfASecondThenFaster) {
    button.setAutoRepeat(true);
    centrePointer();
    const DWORD pressedAt = GetTickCount();
    mouse(WM_LBUTTONDOWN, 40, 15);
    ASSERT_TRUE(waitFor([&] { return events.count() >= 2; }, 5000));
    const DWORD firstRepeat = GetTickCount() - pressedAt;
    ASSERT_TRUE(waitFor([&] { return events.count() >= 5; }, 5000));
    const DWORD threeMore = GetTickCount() - pressedAt - firstRepeat;
    mouse(WM_LBUTTONUP, 40, 15);
    const size_t atRelease = events.count();
    Sleep(300);
    EXPECT_EQ(atRelease, events.count());
    EXPECT_GE(firstRepeat, 400u);           // 500 ms, less the timer's granularity
    EXPECT_LT(threeMore, firstRepeat * 3);  // the fast timer outpaces the slow one
}

TEST_F(ButtonInWindow, HoverCapturesThePointerAndLeavingGivesItBack) {
    mouse(WM_MOUSEMOVE, 10, 10);
    EXPECT_EQ(HoverState::HOVER, button.getHoverState());
    HWND captured = nullptr;
    host.onWindowThread([&] { captured = GetCapture(); });
    EXPECT_EQ(hwnd, captured);
    mouse(WM_MOUSEMOVE, -5, 10);
    EXPECT_EQ(HoverState::NONE, button.getHoverState());
    host.onWindowThread([&] { captured = GetCapture(); });
    EXPECT_EQ(nullptr, captured);
}

TEST_F(ButtonInWindow, KeysGoToTheWindowAndOnlyEnterReachesTheButton) {
    EventRecorder& keys = windowEvents;
    host.window()->addListener(s::gui::EVENT_KEY_DOWN, &keys);
    EXPECT_EQ(0, SendMessageW(hwnd, WM_KEYDOWN, 'A', 0));
    EXPECT_EQ(1u, keys.count());
    EXPECT_EQ('A', host.window()->getLastKeyCode());
    EXPECT_TRUE(SendMessageW(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
}

TEST_F(ButtonInWindow, WheelTurnsGoToTheWindow) {
    EventRecorder& wheel = windowEvents;
    host.window()->addListener(s::gui::EVENT_MOUSE_WHEEL, &wheel);
    const POINT over = Host::screenAt(hwnd, 5, 5);
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(over.x, over.y));
    EXPECT_EQ(1u, wheel.count());
}

TEST_F(ButtonInWindow, DefaultButtonStyleComesAndGoes) {
    button.setDefault(true);
    EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK);
    button.setDefault(false);
    EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK);
}

TEST_F(ButtonInWindow, GripPaintsItsDotsAndDraggingResizesTheWindow) {
    button.setText(ResizerGrip::NAME);
    button.setBackground(RGB(0x20, 0x40, 0x60));
    testing_gui::ImageCanvas canvas(80, 30);
    ASSERT_TRUE(canvas.valid());
    SendMessageW(hwnd, WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(ResizerGrip::LIGHT, canvas.at(78, 28));
    EXPECT_EQ(ResizerGrip::SHADE, canvas.at(77, 27));
    EXPECT_EQ(RGB(0x20, 0x40, 0x60), canvas.at(40, 5));

    EventRecorder& sizing = windowEvents;  // the window's size limits apply in its WM_SIZING handling
    host.window()->addListener(s::gui::EVENT_SIZING, &sizing);
    RECT before;
    GetWindowRect(host.handle(), &before);
    mouse(WM_LBUTTONDOWN, 70, 20);
    mouse(WM_MOUSEMOVE, 100, 40);  // 30 right, 20 down
    mouse(WM_LBUTTONUP, 100, 40);
    RECT after;
    GetWindowRect(host.handle(), &after);
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.right - before.left + 30, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top + 20, after.bottom - after.top);
    EXPECT_GE(sizing.count(), 1u);
}

// ---- A press cut short: no release will come, so nothing may go on as if held

// The window thread's capture, and whether the button still had a repeat timer
// (KillTimer only finds timers of its own thread, and reports whether one was there).
struct PressLeftovers {
    HWND capture = nullptr;
    bool slowTimer = false;
    bool fastTimer = false;
};

class ButtonPressCutShort : public ButtonInWindow {
protected:
    PressLeftovers leftovers() {
        PressLeftovers found;
        host.onWindowThread([&] {
            found.capture = GetCapture();
            found.slowTimer = KillTimer(hwnd, AutoRepeat::SLOW_TIMER) != FALSE;
            found.fastTimer = KillTimer(hwnd, AutoRepeat::FAST_TIMER) != FALSE;
        });
        return found;
    }
    void pressHeld() {
        centrePointer();
        mouse(WM_MOUSEMOVE, 40, 15);
        mouse(WM_LBUTTONDOWN, 40, 15);
        ASSERT_EQ(HoverState::PRESSED, button.getHoverState());
        ASSERT_EQ(1u, events.count());
    }
    void expectUnpressed(const char* why) {
        const PressLeftovers found = leftovers();
        EXPECT_EQ(HoverState::NONE, button.getHoverState()) << why;
        EXPECT_NE(hwnd, found.capture) << why;
        EXPECT_FALSE(found.slowTimer) << why;
        EXPECT_FALSE(found.fastTimer) << why;
        EXPECT_EQ(0, SendMessageW(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) << why;
        // A tick already queued raises nothing.
        SendMessageW(hwnd, WM_TIMER, AutoRepeat::SLOW_TIMER, 0);
        EXPECT_EQ(1u, events.count()) << why;
    }
};

TEST_F(ButtonPressCutShort, AnotherWindowTakingTheCaptureStopsTheRepeat) {
    button.setAutoRepeat(true);
    pressHeld();
    host.onWindowThread([&] { SetCapture(host.handle()); });
    expectUnpressed("capture taken by the host window");
    host.onWindowThread([] { ReleaseCapture(); });

    // The next press works as ever.
    events.clear();
    mouse(WM_LBUTTONDOWN, 40, 15);
    EXPECT_EQ(HoverState::PRESSED, button.getHoverState());
    EXPECT_TRUE(leftovers().slowTimer);
    mouse(WM_LBUTTONUP, 40, 15);
}

TEST_F(ButtonPressCutShort, CancelModeStopsTheRepeat) {
    button.setAutoRepeat(true);
    pressHeld();
    SendMessageW(hwnd, WM_CANCELMODE, 0, 0);
    expectUnpressed("WM_CANCELMODE");
}

TEST_F(ButtonPressCutShort, DisablingAHeldButtonStopsTheRepeat) {
    button.setAutoRepeat(true);
    pressHeld();
    button.setEnabled(false);  // from this thread, as a listener elsewhere might
    expectUnpressed("disabled while held");
    button.setEnabled(true);
}

TEST_F(ButtonPressCutShort, ReleaseStillEndsAPressWithAClick) {
    // The release gives up the capture too: that is no press cut short.
    button.setAutoRepeat(true);
    pressHeld();
    mouse(WM_LBUTTONUP, 40, 15);
    EXPECT_EQ((std::vector<int>{IButton::PRESSED, IButton::CLICKED, IButton::AFTER_CLICK}), events.kinds());
    EXPECT_EQ(HoverState::HOVER, button.getHoverState());
    EXPECT_FALSE(leftovers().slowTimer);
}

TEST_F(ButtonPressCutShort, GripDragEndsWhenTheModeIsCancelled) {
    button.setText(ResizerGrip::NAME);
    RECT before;
    GetWindowRect(host.handle(), &before);
    mouse(WM_MOUSEMOVE, 70, 20);
    mouse(WM_LBUTTONDOWN, 70, 20);
    SendMessageW(hwnd, WM_CANCELMODE, 0, 0);
    mouse(WM_MOUSEMOVE, 100, 40);  // would be 30 right and 20 down
    RECT after;
    GetWindowRect(host.handle(), &after);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
    mouse(WM_LBUTTONUP, 100, 40);
}

TEST_F(ButtonPressCutShort, GripDragEndsWhenAnotherWindowTakesTheCapture) {
    button.setText(ResizerGrip::NAME);
    RECT before;
    GetWindowRect(host.handle(), &before);
    mouse(WM_MOUSEMOVE, 70, 20);
    mouse(WM_LBUTTONDOWN, 70, 20);
    host.onWindowThread([&] { SetCapture(host.handle()); });
    mouse(WM_MOUSEMOVE, 100, 40);
    host.onWindowThread([] { ReleaseCapture(); });
    RECT after;
    GetWindowRect(host.handle(), &after);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
}

// ---- A toggled-on button that cannot be released never holds the capture:
// with it, the next click anywhere on the window would go to the button.

TEST_F(ButtonPressCutShort, ClickThatSticksAToggleOnLeavesTheCaptureFree) {
    button.setToggleMode(true);
    button.setReleasable(false);
    mouse(WM_MOUSEMOVE, 10, 10);
    mouse(WM_LBUTTONDOWN, 10, 10);
    mouse(WM_LBUTTONUP, 10, 10);  // still inside: a plain button would take the hover capture back
    ASSERT_TRUE(button.isToggled());
    EXPECT_NE(hwnd, leftovers().capture);
    EXPECT_EQ(HoverState::NONE, button.getHoverState());
}

TEST_F(ButtonPressCutShort, ToggleStuckOnWhileHoveredLetsGoOfTheCapture) {
    button.setToggleMode(true);
    button.setReleasable(false);
    mouse(WM_MOUSEMOVE, 10, 10);
    ASSERT_EQ(hwnd, leftovers().capture);
    button.setToggled(true);
    EXPECT_NE(hwnd, leftovers().capture);
    EXPECT_EQ(HoverState::NONE, button.getHoverState());

    // A releasable toggle keeps its hover as before.
    button.setToggled(false);
    button.setReleasable(true);
    mouse(WM_MOUSEMOVE, 10, 10);
    button.setToggled(true);
    EXPECT_EQ(hwnd, leftovers().capture);
}

}  // namespace
