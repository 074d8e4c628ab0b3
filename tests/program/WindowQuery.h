#pragma once
// Finding windows and reading what they show, through Win32 only: class names,
// texts, rectangles and screen pixels, as a test sees another process's windows.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_program {

std::wstring classOf(HWND window);
std::wstring textOf(HWND window);
bool hasExStyle(HWND window, DWORD exStyle);
// The centre of the window's rectangle, in screen coordinates.
POINT centreOf(HWND window);
RECT screenRect(HWND window);
// A point given relative to the window's top-left corner, in screen coordinates.
POINT offsetIn(HWND window, int dx, int dy);

// Every top-level window of the process (visible or not), in z-order.
std::vector<HWND> topLevelWindowsOf(DWORD processId);
// Visible top-level windows of the process.
std::vector<HWND> visibleWindowsOf(DWORD processId);
// Visible descendants of `parent` with that class name (any class when null), in z-order per level.
std::vector<HWND> visibleChildren(HWND parent, const wchar_t* className = nullptr);
// The first visible descendant of that class whose text equals `text`, or null.
HWND findChild(HWND parent, const wchar_t* className, const std::wstring& text);
// The visible descendant of that class whose rectangle lies highest (then leftmost).
HWND topmostChild(HWND parent, const wchar_t* className);
// A visible popup menu window ("#32768") of any process, or null.
HWND visiblePopupMenu();

// The colour of the real screen at that point (what a person sees there).
COLORREF screenPixel(POINT at);
// Waits until the screen shows `colour` at the point; false on timeout.
bool waitForPixel(POINT at, COLORREF colour, DWORD timeoutMs);
// "RRGGBB" of a COLORREF, for failure messages and hex fields.
std::wstring rgbText(COLORREF colour);

}  // namespace testing_program
