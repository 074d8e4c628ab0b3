// Sliders: the jump-to-click mapping without a window; then real trackbars in a
// window: what creation applies, position changes reaching listeners through
// the reflected WM_HSCROLL, Up/Down as page keys, jump-to-click on the real
// channel, wheel turns, and the skin's drawer painting the gradient.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "gui/IWindow.h"
#include "gui/control/JumpToClick.h"
#include "gui/drawer/slider/win/Thin.h"
#include "gui/win/Slider.h"
#include "tests/gui/ControlTestSupport.h"
#include "tests/gui/ImageCanvas.h"

namespace {

using control_testing::EventRecorder;
using control_testing::Host;
using control_testing::waitFor;
using s::gui::ISlider;
using s::gui::control::JumpToClick;
using s::gui::win::Slider;

TEST(SliderJumpToClick, MapsTheChannelOntoTheRangeRoundedAndClamped) {
    // The channel runs from x = 10 to x = 110, the range is 0..100.
    EXPECT_EQ(50, JumpToClick::position(60, 10, 110, 0, 100));
    EXPECT_EQ(0, JumpToClick::position(5, 10, 110, 0, 100));
    EXPECT_EQ(100, JumpToClick::position(300, 10, 110, 0, 100));
    // Halves go away from zero, above and below it.
    EXPECT_EQ(1, JumpToClick::position(1, 0, 4, 0, 2));     // 0.5
    EXPECT_EQ(-8, JumpToClick::position(1, 0, 4, -10, 0));  // -7.5
    EXPECT_EQ(-3, JumpToClick::position(3, 0, 4, -10, 0));  // -2.5
    // Nothing to map onto: the minimum.
    EXPECT_EQ(3, JumpToClick::position(50, 10, 10, 3, 9));
    EXPECT_EQ(3, JumpToClick::position(50, 10, 110, 3, 3));
    // Products that overflow 32 bits.
    EXPECT_EQ(1000000000, JumpToClick::position(60, 10, 110, 0, 2000000000));
}

class SliderInWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.ready()); }
    void create(int width = 200, int height = 30) {
        slider.addListener(ISlider::CHANGED, &events);
        ASSERT_TRUE(host.attach(&slider, 10, 10, width, height));
        hwnd = slider.getHandle();
        ASSERT_NE(nullptr, hwnd);
    }
    // What the trackbar tells its parent after the user moved it.
    void notifyParent(WORD code) { SendMessageW(host.handle(), WM_HSCROLL, MAKEWPARAM(code, 0), LPARAM(hwnd)); }

    Slider slider;
    EventRecorder events;
    EventRecorder windowEvents;
    Host host;
    HWND hwnd = nullptr;
};

TEST_F(SliderInWindow, CreationAppliesRangePositionStepsTicksAndThumb) {
    slider.setRange(100, -20);  // swapped
    slider.setPosition(500);    // clamped
    slider.setStep(3);
    slider.setTicks(true);
    slider.setThumbLength(12);
    slider.setEnabled(false);
    create();
    EXPECT_EQ(Slider::CONTROL_ID, GetDlgCtrlID(hwnd));
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_EQ(LONG(WS_CHILD | TBS_TOP), style & LONG(WS_CHILD | TBS_TOP | TBS_VERT));
    EXPECT_TRUE(style & TBS_AUTOTICKS);
    EXPECT_TRUE(style & TBS_FIXEDLENGTH);
    EXPECT_EQ(-20, SendMessageW(hwnd, TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(100, SendMessageW(hwnd, TBM_GETRANGEMAX, 0, 0));
    EXPECT_EQ(100, SendMessageW(hwnd, TBM_GETPOS, 0, 0));
    EXPECT_EQ(30, SendMessageW(hwnd, TBM_GETPAGESIZE, 0, 0));
    EXPECT_EQ(3, SendMessageW(hwnd, TBM_GETLINESIZE, 0, 0));
    EXPECT_EQ(12, SendMessageW(hwnd, TBM_GETTHUMBLENGTH, 0, 0));
    EXPECT_FALSE(IsWindowEnabled(hwnd));
}

TEST_F(SliderInWindow, MovesReachListenersThroughTheReflectedScrollOnlyWhenThePositionChanged) {
    create();
    SendMessageW(hwnd, TBM_SETPOS, TRUE, 30);  // as a drag of the thumb leaves it
    notifyParent(TB_THUMBTRACK);
    EXPECT_EQ(std::vector<int>{ISlider::CHANGED}, events.kinds());
    EXPECT_EQ(30, slider.getPosition());
    notifyParent(TB_ENDTRACK);  // no move
    EXPECT_EQ(1u, events.count());
    slider.setPosition(60);  // set by the program: no event
    notifyParent(TB_ENDTRACK);
    EXPECT_EQ(1u, events.count());
    SendMessageW(hwnd, TBM_SETPOS, TRUE, 40);  // a vertical track bar reports with WM_VSCROLL
    SendMessageW(host.handle(), WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, 0), LPARAM(hwnd));
    EXPECT_EQ(2u, events.count());
}

TEST_F(SliderInWindow, UpAndDownArrowsMoveAPage) {
    slider.setStep(2);
    slider.setPosition(50);
    create();
    SendMessageW(hwnd, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(70, slider.getPosition());
    SendMessageW(hwnd, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(hwnd, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(30, slider.getPosition());
    EXPECT_EQ(3u, events.count());
}

TEST_F(SliderInWindow, JumpToClickGoesStraightToTheClickedPointAndFollowsTheDrag) {
    slider.setJumpToClick(true);
    create();
    RECT channel = {};
    SendMessageW(hwnd, TBM_GETCHANNELRECT, 0, LPARAM(&channel));
    ASSERT_GT(channel.right - channel.left, 20);
    const int x = channel.left + (channel.right - channel.left) * 3 / 4;
    const int expected = JumpToClick::position(x, channel.left, channel.right, 0, 100);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 15));
    EXPECT_EQ(expected, SendMessageW(hwnd, TBM_GETPOS, 0, 0));
    // The change is announced to the parent by a posted WM_HSCROLL, reflected back.
    ASSERT_TRUE(waitFor([&] { return events.count() == 1; }));
    EXPECT_EQ(expected, slider.getPosition());

    SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(channel.left - 30, 15));
    ASSERT_TRUE(waitFor([&] { return slider.getPosition() == 0; }));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(channel.left - 30, 15));
    HWND captured = hwnd;
    host.onWindowThread([&] { captured = GetCapture(); });
    EXPECT_EQ(nullptr, captured);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(channel.right, 15));  // no longer held
    Sleep(50);
    EXPECT_EQ(0, slider.getPosition());
}

// ---- A jump-to-click press cut short: the slider stops following the pointer.

class SliderPressCutShort : public SliderInWindow {
protected:
    void pressHeld() {
        slider.setJumpToClick(true);
        create();
        SendMessageW(hwnd, TBM_GETCHANNELRECT, 0, LPARAM(&channel));
        ASSERT_GT(channel.right - channel.left, 20);
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(channel.left + 5, 15));
        held = int(SendMessageW(hwnd, TBM_GETPOS, 0, 0));
        ASSERT_EQ(hwnd, capture());
    }
    HWND capture() {
        HWND found = nullptr;
        host.onWindowThread([&] { found = GetCapture(); });
        return found;
    }
    void expectEnded(const char* why) {
        EXPECT_NE(hwnd, capture()) << why;
        // Moving with the button still down no longer drags the thumb.
        SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(channel.right, 15));
        EXPECT_EQ(held, SendMessageW(hwnd, TBM_GETPOS, 0, 0)) << why;
        EXPECT_NE(hwnd, capture()) << why;
    }

    RECT channel = {};
    int held = 0;
};

TEST_F(SliderPressCutShort, AnotherWindowTakingTheCaptureEndsTheDrag) {
    pressHeld();
    host.onWindowThread([&] { SetCapture(host.handle()); });
    host.onWindowThread([] { ReleaseCapture(); });
    expectEnded("capture taken by the host window");
}

TEST_F(SliderPressCutShort, CancelModeEndsTheDrag) {
    pressHeld();
    SendMessageW(hwnd, WM_CANCELMODE, 0, 0);
    expectEnded("WM_CANCELMODE");
}

TEST_F(SliderPressCutShort, DisablingAHeldSliderEndsTheDrag) {
    pressHeld();
    slider.setEnabled(false);
    expectEnded("disabled while held");
}

TEST_F(SliderInWindow, WheelGoesToTheWindowUnlessTheSliderTakesIt) {
    slider.setPosition(50);
    create();
    host.window()->addListener(s::gui::EVENT_MOUSE_WHEEL, &windowEvents);
    const POINT over = Host::screenAt(hwnd, 5, 5);
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(over.x, over.y));
    EXPECT_EQ(1u, windowEvents.count());
    EXPECT_EQ(50, slider.getPosition());
    EXPECT_EQ(0u, events.count());
}

// Whether the system trackbar or the slider turns the wheel, a turn moves the
// slider (a turn back towards the maximum), listeners hear it, and the window
// hears nothing.
TEST_F(SliderInWindow, SliderTakingTheWheelMovesAndKeepsTheTurn) {
    slider.setPosition(50);
    slider.setAcceptingWheel(true);
    create();
    host.window()->addListener(s::gui::EVENT_MOUSE_WHEEL, &windowEvents);
    const POINT over = Host::screenAt(hwnd, 5, 5);
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(over.x, over.y));
    const int back = slider.getPosition();
    EXPECT_GT(back, 50);
    EXPECT_EQ(back, SendMessageW(hwnd, TBM_GETPOS, 0, 0));
    EXPECT_EQ(std::vector<int>{ISlider::CHANGED}, events.kinds());
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(over.x, over.y));
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(over.x, over.y));
    EXPECT_LT(slider.getPosition(), 50);
    EXPECT_EQ(3u, events.count());
    EXPECT_EQ(0u, windowEvents.count());
}

TEST_F(SliderInWindow, OwnWheelTurningKeepsPartsOfANotch) {
    if (Slider::trackbarTurnsWheel()) GTEST_SKIP() << "the system trackbar turns the wheel here";
    slider.setAcceptingWheel(true);
    slider.setStep(5);
    slider.setPosition(10);
    create();
    const POINT over = Host::screenAt(hwnd, 5, 5);
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(over.x, over.y));
    EXPECT_EQ(15, slider.getPosition());  // one step per notch
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), MAKELPARAM(over.x, over.y));
    EXPECT_EQ(15, slider.getPosition());  // half a notch: not yet
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), MAKELPARAM(over.x, over.y));
    EXPECT_EQ(10, slider.getPosition());
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 5 * WHEEL_DELTA), MAKELPARAM(over.x, over.y));
    EXPECT_EQ(0, slider.getPosition());  // kept inside the range
    EXPECT_EQ(3u, events.count());
}

TEST_F(SliderInWindow, SkinDrawerPaintsTheGradientAtThePosition) {
    s::gui::drawer::slider::win::Thin* drawer = s::gui::drawer::slider::win::Thin::acquire();
    ASSERT_NE(nullptr, drawer);
    slider.setDrawer(drawer);
    slider.setGradient(1, RGB(10, 200, 30), RGB(250, 0, 130));
    slider.setPosition(25);
    create(102, 12);
    testing_gui::ImageCanvas canvas(102, 12);
    ASSERT_TRUE(canvas.valid());
    SendMessageW(hwnd, WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(RGB(10, 200, 30), canvas.at(1, 6));
    EXPECT_EQ(RGB(130, 100, 80), canvas.at(51, 6));
    // The thumb sits at 92 x 25 / 100 = 23: columns 23 .. 32 show it, not the gradient.
    EXPECT_NE(canvas.at(22, 6), canvas.at(27, 6));
    slider.setDrawer(nullptr);
    drawer->release();
}

}  // namespace
