// Entry point of HueSnap.exe: the application object and wWinMain.
//
// Until the start-up sequence is built on the class library, the program shows
// a plain window with the product name so that the build, the resources and the
// whole-program tests have a real window to work with.
#include <windows.h>

#include "framework/WinApp.h"

namespace {

const wchar_t kClassName[] = L"TuvoHueSnapFrame";
const wchar_t kTitle[] = L"Tuvo HueSnap";

void paintProductName(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, kTitle, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT:
            paintProductName(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

bool registerFrameClass(HINSTANCE instance) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = frameProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(128));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(128), IMAGE_ICON, 16, 16, 0));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

class HueSnapApp : public framework::WinApp {
protected:
    // Shows the product window; its WM_DESTROY ends the loop with code 0.
    bool initInstance() override {
        if (!registerFrameClass(instance())) {
            MessageBoxW(nullptr, L"Window Registration Failed!", L"Error!", MB_ICONERROR | MB_OK);
            return false;
        }
        HWND frame = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 360, 200,
                                     nullptr, nullptr, instance(), nullptr);
        if (!frame) {
            MessageBoxW(nullptr, L"Window Creation Failed!", L"Error!", MB_ICONERROR | MB_OK);
            return false;
        }
        ShowWindow(frame, showCommand());
        UpdateWindow(frame);
        started_ = true;
        return true;
    }

    // A window that could not be made is a failed start, not a normal end.
    int exitInstance(int code) override { return started_ ? code : 1; }

private:
    bool started_ = false;  // the product window was made and shown
};

// The program's one application object: it registers itself before wWinMain runs.
HueSnapApp theApp;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return framework::WinApp::runMain(instance, showCommand);
}
