#include "TrayArea.h"

#include <cstdio>

#include "ProgramDriver.h"
#include "WindowQuery.h"

namespace testing_program {

namespace {

std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? char(c) : '?';
    return out;
}

BOOL CALLBACK describeWindow(HWND window, LPARAM param) {
    if (!IsWindowVisible(window)) return TRUE;
    auto* out = reinterpret_cast<std::string*>(param);
    const RECT rect = screenRect(window);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char line[512];
    snprintf(line, sizeof(line), "  %p pid %lu class \"%s\" text \"%s\" at (%ld,%ld)-(%ld,%ld) exstyle %08lx\n",
             static_cast<void*>(window), static_cast<unsigned long>(processId), narrow(classOf(window)).c_str(),
             narrow(textOf(window)).c_str(), rect.left, rect.top, rect.right, rect.bottom,
             static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)));
    *out += line;
    return TRUE;
}

}  // namespace

// Wine's X11 driver, with no X tray to dock into, shows the icons in a window of
// its own; Windows has them in the task bar's notification area.
HWND trayWindow() {
    HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    if (!tray) tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    return tray;
}

std::vector<HWND> trayIcons() {
    std::vector<HWND> icons;
    HWND tray = trayWindow();
    if (!tray || !IsWindowVisible(tray)) return icons;
    for (HWND child : visibleChildren(tray)) {
        // Windows nests the icons deeper (a toolbar in the notify area); Wine gives each icon a window.
        const std::wstring name = classOf(child);
        if (name == L"__winex11_tray_icon" || name == L"ToolbarWindow32") icons.push_back(child);
    }
    return icons;
}

bool waitForTrayIconCount(size_t count, DWORD timeoutMs) {
    return waitUntil(timeoutMs, [&] {
        const size_t shown = trayIcons().size();
        return count == 0 ? shown == 0 : shown >= count;
    });
}

std::string describeScreen() {
    std::string out = "visible top-level windows:\n";
    EnumWindows(describeWindow, reinterpret_cast<LPARAM>(&out));
    if (HWND tray = trayWindow()) {
        out += "children of the notification area:\n";
        EnumChildWindows(tray, describeWindow, reinterpret_cast<LPARAM>(&out));
    }
    return out;
}

}  // namespace testing_program
