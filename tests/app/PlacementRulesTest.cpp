// The placement rules without a screen: sizing limits, keep in screen, the
// on-screen test, centring and bringing a window back onto the virtual screen.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/win/PlacementRules.h"

namespace {

using namespace s::app::win;

const ScreenArea kSingleScreen = {0, 0, 1920, 1080};

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(SizingLimits, TooHighIsCutAtTheDraggedEdge) {
    // Bottom edges move the bottom back; every other edge moves the top.
    for (int edge : {WMSZ_BOTTOM, WMSZ_BOTTOMLEFT, WMSZ_BOTTOMRIGHT}) {
        RECT r = {10, 100, 300, 1300};
        limitSizingHeight(r, edge, 1000);
        EXPECT_TRUE(sameRect(RECT{10, 100, 300, 1100}, r)) << edge;
    }
    for (int edge : {WMSZ_TOP, WMSZ_TOPLEFT, WMSZ_TOPRIGHT, WMSZ_LEFT, WMSZ_RIGHT}) {
        RECT r = {10, -200, 300, 1300};
        limitSizingHeight(r, edge, 1000);
        EXPECT_TRUE(sameRect(RECT{10, 300, 300, 1300}, r)) << edge;
    }
    RECT exact = {0, 0, 100, 1000};
    limitSizingHeight(exact, WMSZ_BOTTOM, 1000);
    EXPECT_EQ(1000, exact.bottom);
}

TEST(SizingLimits, MinimumGrowsAtTheDraggedEdge) {
    RECT left = {200, 200, 250, 230};
    applyMinimumSize(left, WMSZ_TOPLEFT, SIZE{100, 80});
    EXPECT_TRUE(sameRect(RECT{150, 150, 250, 230}, left));

    RECT right = {200, 200, 250, 230};
    applyMinimumSize(right, WMSZ_BOTTOMRIGHT, SIZE{100, 80});
    EXPECT_TRUE(sameRect(RECT{200, 200, 300, 280}, right));

    // A side edge grows the height downwards, a top edge the width to the right.
    RECT side = {200, 200, 250, 230};
    applyMinimumSize(side, WMSZ_LEFT, SIZE{100, 80});
    EXPECT_TRUE(sameRect(RECT{150, 200, 250, 280}, side));
    RECT top = {200, 200, 250, 230};
    applyMinimumSize(top, WMSZ_TOP, SIZE{100, 80});
    EXPECT_TRUE(sameRect(RECT{200, 150, 300, 230}, top));

    // No minimum: nothing changes; a large enough rectangle stays.
    RECT none = {0, 0, 5, 5};
    applyMinimumSize(none, WMSZ_RIGHT, SIZE{0, 0});
    EXPECT_TRUE(sameRect(RECT{0, 0, 5, 5}, none));
}

TEST(KeepInScreen, WindowIsPushedBackIntoTheArea) {
    int x = 1500, y = 100;
    EXPECT_TRUE(keepInArea(x, y, 800, 600, kSingleScreen));
    EXPECT_EQ(1120, x);
    EXPECT_EQ(100, y);

    x = -50;
    y = 700;
    EXPECT_TRUE(keepInArea(x, y, 800, 600, kSingleScreen));
    EXPECT_EQ(0, x);
    EXPECT_EQ(480, y);

    x = 10;
    y = 10;
    EXPECT_FALSE(keepInArea(x, y, 800, 600, kSingleScreen));
}

TEST(KeepInScreen, FollowsTheMonitorsAttachedNow) {
    // A second monitor right of the first; the task bar takes 40 pixels of the first.
    const MonitorList docked = {2, {0, 0, 3840, 1080}, {0, 0, 1920, 1040}};
    const MonitorList laptop = {1, {0, 0, 1920, 1080}, {0, 0, 1920, 1040}};

    // On the laptop alone the window stays above the task bar and off the right.
    int x = 2500, y = 700;
    EXPECT_TRUE(keepInArea(x, y, 800, 600, keepInScreenArea(laptop)));
    EXPECT_EQ(1120, x);
    EXPECT_EQ(440, y);

    // Docked, it may go onto the second monitor and anywhere on the virtual screen.
    x = 2500, y = 450;
    EXPECT_FALSE(keepInArea(x, y, 800, 600, keepInScreenArea(docked)));

    // Undocked again: back onto the one monitor, out from under its task bar.
    EXPECT_TRUE(keepInArea(x, y, 800, 600, keepInScreenArea(laptop)));
    EXPECT_EQ(1120, x);
    EXPECT_EQ(440, y);

    // No monitor could be counted: the work area still holds the window.
    const MonitorList unknown = {0, {0, 0, 3840, 1080}, {0, 0, 1920, 1040}};
    x = 2500;
    EXPECT_TRUE(keepInArea(x, y, 800, 600, keepInScreenArea(unknown)));
    EXPECT_EQ(1120, x);
}

TEST(KeepInScreen, WiderThanTheAreaEndsAtItsLeftEdge) {
    const ScreenArea offset = {-1280, 40, 1280, 1000};
    int x = -100, y = 500;
    EXPECT_TRUE(keepInArea(x, y, 2000, 1200, offset));
    EXPECT_EQ(-1280, x);
    EXPECT_EQ(40, y);
}

TEST(KeepInScreen, PositionChangingMessageIsCorrected) {
    const RECT current = {100, 100, 900, 700};
    WINDOWPOS move = {};
    move.x = 1500;
    move.y = -20;
    move.cx = 800;
    move.cy = 600;
    move.flags = SWP_NOZORDER;
    EXPECT_TRUE(correctPositionChanging(move, current, kSingleScreen));
    EXPECT_EQ(1120, move.x);
    EXPECT_EQ(0, move.y);

    // A size change alone is checked at the current place and becomes a move.
    WINDOWPOS grow = {};
    grow.cx = 1900;
    grow.cy = 600;
    grow.flags = SWP_NOMOVE | SWP_NOZORDER;
    EXPECT_TRUE(correctPositionChanging(grow, current, kSingleScreen));
    EXPECT_EQ(0u, grow.flags & SWP_NOMOVE);
    EXPECT_EQ(20, grow.x);
    EXPECT_EQ(100, grow.y);

    // Nothing to correct: the flags stay.
    WINDOWPOS fits = {};
    fits.cx = 400;
    fits.cy = 300;
    fits.flags = SWP_NOMOVE;
    EXPECT_FALSE(correctPositionChanging(fits, current, kSingleScreen));
    EXPECT_EQ(UINT(SWP_NOMOVE), fits.flags);

    // Neither move nor size (a z-order change): untouched, even far off the area.
    const RECT off = {5000, 5000, 5800, 5600};
    WINDOWPOS zorder = {};
    zorder.flags = SWP_NOMOVE | SWP_NOSIZE;
    EXPECT_FALSE(correctPositionChanging(zorder, off, kSingleScreen));

    // A move that keeps the size uses the current size, not the message's zeros.
    WINDOWPOS drag = {};
    drag.x = 1500;
    drag.y = 0;
    drag.flags = SWP_NOSIZE;
    EXPECT_TRUE(correctPositionChanging(drag, current, kSingleScreen));
    EXPECT_EQ(1120, drag.x);
}

TEST(OnScreenTest, TenPixelsMustShow) {
    const ScreenArea screen = {0, 0, 1920, 1080};
    EXPECT_TRUE(passesOnScreenTest(100, 100, 800, 600, screen));
    // Right edge: x may be at most 1910.
    EXPECT_TRUE(passesOnScreenTest(1910, 100, 800, 600, screen));
    EXPECT_FALSE(passesOnScreenTest(1911, 100, 800, 600, screen));
    // Left edge: at least 10 pixels of the width on the screen.
    EXPECT_TRUE(passesOnScreenTest(-790, 100, 800, 600, screen));
    EXPECT_FALSE(passesOnScreenTest(-791, 100, 800, 600, screen));
    EXPECT_TRUE(passesOnScreenTest(100, 1070, 800, 600, screen));
    EXPECT_FALSE(passesOnScreenTest(100, 1071, 800, 600, screen));
    EXPECT_FALSE(passesOnScreenTest(100, -591, 800, 600, screen));
    // Too small to be found again.
    EXPECT_FALSE(passesOnScreenTest(100, 100, 10, 600, screen));
    EXPECT_FALSE(passesOnScreenTest(100, 100, 800, 10, screen));
    // A position on a removed monitor left of the primary one.
    EXPECT_FALSE(passesOnScreenTest(-1500, 200, 800, 600, screen));
}

TEST(Centring, CentresAndNeverLeavesTheArea) {
    const RECT work = {0, 0, 1280, 1024};
    const POINT at = centredOn(work, 800, 600);
    EXPECT_EQ(240, at.x);
    EXPECT_EQ(212, at.y);
    const RECT shifted = {100, 50, 1380, 1074};
    const POINT big = centredOn(shifted, 2000, 1500);
    EXPECT_EQ(100, big.x);
    EXPECT_EQ(50, big.y);
}

TEST(MoveIntoScreen, OvershootIsShiftedBack) {
    const ScreenArea screen = {0, 0, 1920, 1080};
    POINT at = movedIntoScreen(1500, 900, 800, 600, screen);
    EXPECT_EQ(1120, at.x);
    EXPECT_EQ(480, at.y);
    at = movedIntoScreen(-30, -40, 800, 600, screen);
    EXPECT_EQ(0, at.x);
    EXPECT_EQ(0, at.y);
    at = movedIntoScreen(200, 300, 800, 600, screen);
    EXPECT_EQ(200, at.x);
    EXPECT_EQ(300, at.y);
}

TEST(KeepInScreen, OnlyANormallyShownWindowIsEverMoved) {
    EXPECT_TRUE(mayMoveIntoScreen(ShowState::Normal));
    EXPECT_FALSE(mayMoveIntoScreen(ShowState::Minimized));
    EXPECT_FALSE(mayMoveIntoScreen(ShowState::Maximized));
}

TEST(KeepInScreen, MinimizedAndMaximizedWindowsAreNotCorrected) {
    // The system parks a minimized window far off the screen.
    const RECT parked = {-32000, -32000, -31840, -31973};
    WINDOWPOS park = {};
    park.x = park.y = -32000;
    park.cx = 160;
    park.cy = 27;
    park.flags = SWP_NOZORDER;
    EXPECT_FALSE(correctPositionChanging(park, parked, kSingleScreen, ShowState::Minimized));
    EXPECT_EQ(-32000, park.x);
    EXPECT_EQ(-32000, park.y);

    // A maximized window's frame lies just outside the area: that is where it belongs.
    const RECT full = {-8, -8, 1928, 1088};
    WINDOWPOS zoom = {};
    zoom.x = zoom.y = -8;
    zoom.cx = 1936;
    zoom.cy = 1096;
    zoom.flags = SWP_NOZORDER | SWP_FRAMECHANGED;
    EXPECT_FALSE(correctPositionChanging(zoom, full, kSingleScreen, ShowState::Maximized));
    EXPECT_EQ(-8, zoom.x);
    EXPECT_EQ(-8, zoom.y);
    // A size change alone is not turned into a move either.
    WINDOWPOS grow = {};
    grow.cx = 1936;
    grow.cy = 1096;
    grow.flags = SWP_NOMOVE;
    EXPECT_FALSE(correctPositionChanging(grow, full, kSingleScreen, ShowState::Maximized));
    EXPECT_EQ(UINT(SWP_NOMOVE), grow.flags);

    // Shown normally, the same rectangle is corrected as ever.
    EXPECT_TRUE(correctPositionChanging(zoom, full, kSingleScreen, ShowState::Normal));
    EXPECT_EQ(0, zoom.x);
}

}  // namespace
