// winctl: waits for or closes a top-level window by its title.
//
//   winctl wait  <title> [timeout-ms]   exit 0 once a visible window has that title
//   winctl close <title> [timeout-ms]   ask it to close (WM_CLOSE), exit 0 once gone
//   winctl rect  <title> [margin]       print its screen rectangle grown by margin
//                                       pixels as an X geometry, WxH+X+Y
//   winctl command <title> <id>         post it the menu command id (for pictures,
//                                       not for tests: a user chooses from the menu)
//   winctl hold-alt <x> <y> <ms>        show a picture to point at (a white window with
//                                       coloured letters) at x,y, activate it, rest the
//                                       pointer on a letter's edge and hold Alt for ms
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

LRESULT CALLBACK letterProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_PAINT) return DefWindowProcW(hwnd, msg, wp, lp);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = CreateFontW(-72, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0x1E, 0x6F, 0xD0));
    TextOutW(dc, 10, 8, L"Hue", 3);
    SetTextColor(dc, RGB(0xE0, 0x40, 0x60));
    TextOutW(dc, 150, 8, L"Snap", 4);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(hwnd, &paint);
    return 0;
}

void sendAlt(bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_LMENU;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

int holdAlt(int x, int y, DWORD ms) {
    WNDCLASSW letters = {};
    letters.lpfnWndProc = letterProc;
    letters.hInstance = GetModuleHandleW(nullptr);
    letters.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    letters.lpszClassName = L"WinctlLetters";
    RegisterClassW(&letters);
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, letters.lpszClassName, L"", WS_POPUP | WS_VISIBLE, x, y, 340, 100,
                                nullptr, nullptr, letters.hInstance, nullptr);
    if (!hwnd) return 1;
    SetForegroundWindow(hwnd);
    SetCursorPos(x + 17, y + 52);  // the left edge of the "H"
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        if ((GetAsyncKeyState(VK_LMENU) & 0x8000) == 0) sendAlt(true);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
    }
    sendAlt(false);
    DestroyWindow(hwnd);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fwprintf(stderr, L"usage: winctl wait|close|rect|command <title> [timeout-ms|margin|id]\n");
        return 2;
    }
    if (wcscmp(argv[1], L"hold-alt") == 0 && argc > 4)
        return holdAlt(_wtoi(argv[2]), _wtoi(argv[3]), wcstoul(argv[4], nullptr, 10));
    const DWORD timeoutMs = argc > 3 ? wcstoul(argv[3], nullptr, 10) : 30000;
    if (wcscmp(argv[1], L"wait") == 0) return waitVisible(argv[2], timeoutMs);
    if (wcscmp(argv[1], L"close") == 0) return closeWindow(argv[2], timeoutMs);
    if (wcscmp(argv[1], L"command") == 0 && argc > 3) return postCommand(argv[2], _wtoi(argv[3]));
    if (wcscmp(argv[1], L"rect") == 0) return printRect(argv[2], argc > 3 ? _wtoi(argv[3]) : 0);
    fwprintf(stderr, L"winctl: unknown command %ls\n", argv[1]);
    return 2;
}
