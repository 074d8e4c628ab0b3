// winctl: waits for or closes a top-level window by its title.
//
//   winctl wait  <title> [timeout-ms]   exit 0 once a visible window has that title
//   winctl close <title> [timeout-ms]   ask it to close (WM_CLOSE), exit 0 once gone
//   winctl rect  <title> [margin]       print its screen rectangle grown by margin
//                                       pixels as an X geometry, WxH+X+Y
//   winctl command <title> <id>         post it the menu command id (for pictures,
//                                       not for tests: a user chooses from the menu)
//
// Exit codes: 0 done, 1 timed out, 2 bad arguments.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

HWND findVisible(const wchar_t* title) {
    HWND hwnd = FindWindowW(nullptr, title);
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

template <typename Done>
bool waitFor(DWORD timeoutMs, Done done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

int waitVisible(const wchar_t* title, DWORD timeoutMs) {
    if (!waitFor(timeoutMs, [&] { return findVisible(title) != nullptr; })) {
        fwprintf(stderr, L"winctl: no visible window titled \"%ls\" after %lu ms\n", title, timeoutMs);
        return 1;
    }
    // A reply to a sent message means the window's thread is pumping again.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(findVisible(title), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored);
    return 0;
}

int closeWindow(const wchar_t* title, DWORD timeoutMs) {
    HWND hwnd = FindWindowW(nullptr, title);
    if (!hwnd) return 0;
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    if (!waitFor(timeoutMs, [&] { return !IsWindow(hwnd); })) {
        fwprintf(stderr, L"winctl: window \"%ls\" still open after %lu ms\n", title, timeoutMs);
        return 1;
    }
    return 0;
}

int printRect(const wchar_t* title, int margin) {
    HWND hwnd = findVisible(title);
    RECT rect;
    if (!hwnd || !GetWindowRect(hwnd, &rect)) return 1;
    const long left = rect.left > margin ? rect.left - margin : 0;
    const long top = rect.top > margin ? rect.top - margin : 0;
    wprintf(L"%ldx%ld+%ld+%ld\n", rect.right + margin - left, rect.bottom + margin - top, left, top);
    return 0;
}

int postCommand(const wchar_t* title, int id) {
    HWND hwnd = FindWindowW(nullptr, title);
    return hwnd && PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fwprintf(stderr, L"usage: winctl wait|close|rect|command <title> [timeout-ms|margin|id]\n");
        return 2;
    }
    const DWORD timeoutMs = argc > 3 ? wcstoul(argv[3], nullptr, 10) : 30000;
    if (wcscmp(argv[1], L"wait") == 0) return waitVisible(argv[2], timeoutMs);
    if (wcscmp(argv[1], L"close") == 0) return closeWindow(argv[2], timeoutMs);
    if (wcscmp(argv[1], L"command") == 0 && argc > 3) return postCommand(argv[2], _wtoi(argv[3]));
    if (wcscmp(argv[1], L"rect") == 0) return printRect(argv[2], argc > 3 ? _wtoi(argv[3]) : 0);
    fwprintf(stderr, L"winctl: unknown command %ls\n", argv[1]);
    return 2;
}
