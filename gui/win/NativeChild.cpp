#include "gui/win/NativeChild.h"

#include "gui/IComponent.h"

namespace s::gui::win {

void NativeChild::reportCreationFailure() {
    MessageBoxW(nullptr, L"Window Creation Failed!", L"Error!", MB_ICONWARNING | MB_OK);
}

NativeChild::Place NativeChild::recordedPlace(const IComponent& component, DWORD style, HWND parent) {
    if (component.isVisible() && parent && !IsWindowVisible(parent)) style |= WS_VISIBLE;
    return Place{component.getOriginX() + component.getX(), component.getOriginY() + component.getY(),
                 component.getWidth(), component.getHeight(), style};
}

void NativeChild::placeCreated(IComponent* component, HWND hwnd) {
    component->commit();
    if (component->isVisible() && !(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOW);
}

bool NativeChild::move(HWND hwnd, int x, int y, int width, int height) {
    if (!hwnd) return false;
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE) != 0;
}

LRESULT NativeChild::eraseWith(HWND hwnd, HDC dc, COLORREF colour) {
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH brush = CreateSolidBrush(colour);  // owned here, deleted below
    if (brush) {
        FillRect(dc, &client, brush);
        DeleteObject(brush);
    }
    return 1;
}

}  // namespace s::gui::win
