// floor_window.exe: the shape of HueSnap without its work. It is bare_window.exe
// (the same system libraries, OLE initialised) arranged as HueSnap is: the main
// thread only starts and waits, the window lives on a thread of its own and holds
// 55 native child windows (11 "box" windows of 4 static or button children each),
// and one more thread only waits, as the sampler does while Alt is up. What
// HueSnap needs beyond this program is its own work, not its shape.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <ole2.h>

namespace {

constexpr int BOXES = 11;
constexpr int CHILDREN_PER_BOX = 4;
constexpr int BOX_HEIGHT = 34;

struct WindowThreadStart {
    HINSTANCE instance;
    int showCommand;
    HANDLE shown;  // set once the window is shown (or could not be made)
    bool made;
};

LRESULT CALLBACK floorWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool registerClasses(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = floorWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"FloorWindow";
    if (!RegisterClassExW(&windowClass)) return false;
    // A box is a plain child window of its own class, as HueSnap's boxes are.
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = L"FloorBox";
    return RegisterClassExW(&windowClass) != 0;
}

// One box: a label, a button, a label and a button side by side.
void addBox(HWND parent, HINSTANCE instance, int index) {
    HWND box = CreateWindowExW(0, L"FloorBox", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 4,
                               4 + index * BOX_HEIGHT, 300, BOX_HEIGHT - 4, parent, nullptr, instance, nullptr);
    if (!box) return;
    for (int i = 0; i < CHILDREN_PER_BOX; ++i) {
        const bool button = i % 2 == 1;
        CreateWindowExW(0, button ? L"BUTTON" : L"STATIC", button ? L"Button" : L"Label",
                        WS_CHILD | WS_VISIBLE | (button ? BS_PUSHBUTTON : SS_LEFT), 4 + i * 74, 2, 70, 24, box,
                        nullptr, instance, nullptr);
    }
}

DWORD WINAPI windowThread(void* parameter) {
    WindowThreadStart& start = *static_cast<WindowThreadStart*>(parameter);
    HWND window = CreateWindowExW(0, L"FloorWindow", L"Floor Window", WS_OVERLAPPEDWINDOW, 100, 100, 320, 420,
                                  nullptr, nullptr, start.instance, nullptr);
    if (window) {
        for (int i = 0; i < BOXES; ++i) addBox(window, start.instance, i);
        ShowWindow(window, start.showCommand);
        UpdateWindow(window);
    }
    start.made = window != nullptr;
    SetEvent(start.shown);
    if (!window) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

// The thread that only waits: woken once, at the end.
DWORD WINAPI waitingThread(void* stop) {
    WaitForSingleObject(static_cast<HANDLE>(stop), INFINITE);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const bool ole = SUCCEEDED(OleInitialize(nullptr));
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CommDlgExtendedError();  // loads comdlg32, as bare_window.exe does
    int exitCode = 1;
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    WindowThreadStart start = {instance, showCommand, CreateEventW(nullptr, TRUE, FALSE, nullptr), false};
    HANDLE threads[2] = {};
    if (stop && start.shown && registerClasses(instance)) {
        threads[0] = CreateThread(nullptr, 0, windowThread, &start, 0, nullptr);
        if (threads[0]) WaitForSingleObject(start.shown, INFINITE);
        threads[1] = start.made ? CreateThread(nullptr, 0, waitingThread, stop, 0, nullptr) : nullptr;
        if (threads[0]) WaitForSingleObject(threads[0], INFINITE);
        exitCode = start.made ? 0 : 1;
    }
    if (stop) SetEvent(stop);
    for (HANDLE thread : threads) {
        if (!thread) continue;
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    if (start.shown) CloseHandle(start.shown);
    if (stop) CloseHandle(stop);
    if (ole) OleUninitialize();
    return exitCode;
}
