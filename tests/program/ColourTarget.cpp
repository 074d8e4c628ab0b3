#include "ColourTarget.h"

#include "WindowQuery.h"

namespace testing_program {

namespace {

const wchar_t kClassName[] = L"HueSnapTestColourTarget";

bool registerClassOnce() {
    WNDCLASSW existing;
    if (GetClassInfoW(GetModuleHandleW(nullptr), kClassName, &existing)) return true;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;  // replaced per window below
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassW(&windowClass) != 0;
}

}  // namespace

ColourTarget::ColourTarget(const RECT& area, COLORREF colour) : area_(area), colour_(colour) {
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, threadMain, this, 0, nullptr);
    if (thread_ && ready_) WaitForSingleObject(ready_, 10000);
}

ColourTarget::~ColourTarget() {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (thread_) {
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
    }
    if (ready_) CloseHandle(ready_);
}

void ColourTarget::setColour(COLORREF colour) {
    colour_ = colour;
    painting_.colour = colour;
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void ColourTarget::setPattern(Pattern pattern, int reach) {
    painting_.reach = reach;
    painting_.pattern = pattern;
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

bool ColourTarget::waitShown(DWORD timeoutMs) const {
    // With a pattern, the window's own colour shows just beside it.
    POINT at = centre();
    if (painting_.pattern) at.x += painting_.reach + 1;
    return window_ && waitForPixel(at, colour_, timeoutMs);
}

DWORD WINAPI ColourTarget::threadMain(void* param) {
    auto* self = static_cast<ColourTarget*>(param);
    if (registerClassOnce()) {
        const RECT& area = self->area_;
        self->window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, area.left,
                                        area.top, area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    }
    HWND window = self->window_;
    if (window) {
        self->painting_.colour = self->colour_;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&self->painting_));
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc));
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
    }
    SetEvent(self->ready_);
    if (!window) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}

LRESULT CALLBACK ColourTarget::windowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            const Painting* painting = reinterpret_cast<const Painting*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            HBRUSH brush = CreateSolidBrush(painting->colour);
            if (brush) {
                FillRect(dc, &paint.rcPaint, brush);
                DeleteObject(brush);
            }
            if (painting->pattern) {
                RECT client;
                GetClientRect(window, &client);
                const int cx = client.right / 2, cy = client.bottom / 2, reach = painting->reach;
                for (int dy = -reach; dy <= reach; ++dy)
                    for (int dx = -reach; dx <= reach; ++dx) SetPixelV(dc, cx + dx, cy + dy, painting->pattern(dx, dy));
            }
            EndPaint(window, &paint);
            return 0;
        }
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, msg, wp, lp);
    }
}

}  // namespace testing_program
