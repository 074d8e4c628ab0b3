#pragma once
// Where an application window may be and how big: the rules that need no
// window, so they are checked without a screen. ManagedWindow feeds them the
// system's screen areas (ScreenAreas) and the window's rectangles.
#include <windows.h>

namespace s::app::win {

// A screen area by its left, top, width and height (the virtual screen, a work area).
struct ScreenArea {
    int left;
    int top;
    int width;
    int height;
};

ScreenArea areaOf(const RECT& rect);

// What keep-in-screen knows of the attached monitors: how many there are, the
// virtual screen they span and the desktop work area (without the task bar). A
// monitor plugged in or out, or a task bar moved, changes it while the program runs.
struct MonitorList {
    int count;
    ScreenArea virtualScreen;
    ScreenArea workArea;
};

// The area a window kept in the screen may use: the virtual screen with two
// monitors or more (gaps between them included), else the desktop work area.
ScreenArea keepInScreenArea(const MonitorList& monitors);

// At least 10 pixels of the window (x, y, width x height) lie on `virtualScreen`,
// and the window is more than 10 pixels wide and high.
bool passesOnScreenTest(int x, int y, int width, int height, const ScreenArea& virtualScreen);

// The top-left corner that centres a window of width x height on `workArea`;
// never left of or above the area.
POINT centredOn(const RECT& workArea, int width, int height);

// WM_SIZING, before the listeners: a proposed rectangle higher than `limit` is cut
// back at the dragged edge (`edge` is WMSZ_...): the bottom edges move the bottom,
// every other edge moves the top.
void limitSizingHeight(RECT& proposed, int edge, int limit);

// WM_SIZING, after the listeners: a rectangle narrower or lower than `minimum` grows
// at the dragged edge (the left edges move left, others right; the top edges move
// the top, others the bottom). A minimum of 0 or less is none.
void applyMinimumSize(RECT& proposed, int edge, SIZE minimum);

// How a window is shown while its place is decided.
enum class ShowState { Normal, Minimized, Maximized };

// Keep-in-screen and moving into the screen only ever move a window shown
// normally. A minimized window sits at (-32000, -32000) and a maximized one fills
// its monitor; either comes back to its normal bounds, and moving it would show a
// minimized window on the screen or shift a maximized one off its monitor.
bool mayMoveIntoScreen(ShowState state);

// Moves the position (x, y) of a cx x cy window into `area`: the right and bottom
// edges first, then the left and top, so a window larger than the area lines up
// with its left and top edges. True when x or y changed.
bool keepInArea(int& x, int& y, int cx, int cy, const ScreenArea& area);

// WM_WINDOWPOSCHANGING while the window is kept in `area`; `current` is the
// window's rectangle now. A move is corrected in place. A size change without a
// move is checked at the current position, and turned into a move to the corrected
// position when needed. With both SWP_NOMOVE and SWP_NOSIZE nothing changes. The
// current size stands in when the message keeps it (SWP_NOSIZE). A window that is
// not shown normally (`state`) is left alone. True when the message was changed.
bool correctPositionChanging(WINDOWPOS& position, const RECT& current, const ScreenArea& area,
                             ShowState state = ShowState::Normal);

// The position that brings a window (x, y, width x height) back onto the virtual
// screen: an overshoot past the right or bottom edge is shifted back, then the
// position is kept at or after the left and top edges.
POINT movedIntoScreen(int x, int y, int width, int height, const ScreenArea& virtualScreen);

}  // namespace s::app::win
