// bare_window.exe: the yardstick HueSnap's start, memory and close are measured
// against. A plain Win32 window program that loads what HueSnap loads from the
// system (OLE, the common controls, the common dialogs) and does nothing else:
// the difference between the two is what HueSnap itself costs.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <ole2.h>

namespace {

LRESULT CALLBACK bareWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND createBareWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = bareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    if (!RegisterClassExW(&windowClass)) return nullptr;
    return CreateWindowExW(0, L"BareWindow", L"Bare Window", WS_OVERLAPPEDWINDOW, 100, 100, 320, 420, nullptr,
                           nullptr, instance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const bool ole = SUCCEEDED(OleInitialize(nullptr));
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // Loads comdlg32 as HueSnap's colour dialog does, without showing anything.
    CommDlgExtendedError();
    HWND window = createBareWindow(instance);
    int exitCode = 1;
    if (window) {
        ShowWindow(window, showCommand);
        UpdateWindow(window);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        exitCode = 0;
    }
    if (ole) OleUninitialize();
    return exitCode;
}
