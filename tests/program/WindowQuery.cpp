#include "WindowQuery.h"

#include <cwchar>

#include "ProgramDriver.h"

namespace testing_program {

namespace {

struct ProcessWindows {
    DWORD processId;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK collectProcessWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ProcessWindows*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && (!search->visibleOnly || IsWindowVisible(window)))
        search->found.push_back(window);
    return TRUE;
}

struct ChildSearch {
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectChild(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    // EnumChildWindows reaches every descendant; a hidden box hides its children too.
    if (!IsWindowVisible(window)) return TRUE;
    if (!search->className || classOf(window) == search->className) search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK findPopupMenu(HWND window, LPARAM param) {
    if (!IsWindowVisible(window) || classOf(window) != L"#32768") return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

}  // namespace

std::wstring classOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring textOf(HWND window) {
    // WM_GETTEXT reaches another process's window with a time-out, so a hung
    // program cannot hang the test.
    wchar_t text[512] = L"";
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied))
        return L"";
    return text;
}

bool hasExStyle(HWND window, DWORD exStyle) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & exStyle) == exStyle;
}

RECT screenRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

POINT centreOf(HWND window) {
    const RECT rect = screenRect(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT offsetIn(HWND window, int dx, int dy) {
    const RECT rect = screenRect(window);
    return {rect.left + dx, rect.top + dy};
}

std::vector<HWND> topLevelWindowsOf(DWORD processId) {
    ProcessWindows search = {processId, false, {}};
    EnumWindows(collectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> visibleWindowsOf(DWORD processId) {
    ProcessWindows search = {processId, true, {}};
    EnumWindows(collectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> visibleChildren(HWND parent, const wchar_t* className) {
    ChildSearch search = {className, {}};
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&search));
    std::vector<HWND> shown;
    // A child counts only when every ancestor up to `parent` is shown as well.
    for (HWND child : search.found) {
        bool allShown = true;
        for (HWND up = GetParent(child); up && up != parent; up = GetParent(up))
            allShown = allShown && IsWindowVisible(up);
        if (allShown) shown.push_back(child);
    }
    return shown;
}

HWND findChild(HWND parent, const wchar_t* className, const std::wstring& text) {
    for (HWND child : visibleChildren(parent, className))
        if (textOf(child) == text) return child;
    return nullptr;
}

HWND topmostChild(HWND parent, const wchar_t* className) {
    HWND best = nullptr;
    RECT bestRect = {};
    for (HWND child : visibleChildren(parent, className)) {
        const RECT rect = screenRect(child);
        if (!best || rect.top < bestRect.top || (rect.top == bestRect.top && rect.left < bestRect.left)) {
            best = child;
            bestRect = rect;
        }
    }
    return best;
}

HWND visiblePopupMenu() {
    HWND menu = nullptr;
    EnumWindows(findPopupMenu, reinterpret_cast<LPARAM>(&menu));
    return menu;
}

COLORREF screenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool waitForPixel(POINT at, COLORREF colour, DWORD timeoutMs) {
    return waitUntil(timeoutMs, [&] { return screenPixel(at) == colour; });
}

std::wstring rgbText(COLORREF colour) {
    if (colour == CLR_INVALID) return L"CLR_INVALID";
    wchar_t text[16];
    swprintf(text, 16, L"%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

}  // namespace testing_program
