#pragma once
// The notification area as a person uses it: find the program's icon and click
// it. Without a desktop shell Wine's explorer shows the icons in a small window
// of its own (class "Shell_TrayWnd"), one child window per icon; Windows keeps
// them inside the task bar. Either way an icon is found as a visible child of
// the tray window.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_program {

// The visible icon windows of the notification area, left to right.
std::vector<HWND> trayIcons();
// Waits until the area shows at least `count` icons (or, with `count` 0, none); false on timeout.
bool waitForTrayIconCount(size_t count, DWORD timeoutMs);
// Every visible top-level window with its class, text and rectangle, for a failure message.
std::string describeScreen();

}  // namespace testing_program
