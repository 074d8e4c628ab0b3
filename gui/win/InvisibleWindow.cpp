#include "gui/win/InvisibleWindow.h"

#include <new>

#include "gui/win/WindowClass.h"

namespace s::gui::win {

InvisibleWindow* InvisibleWindow::newInstance() const {
    return new (std::nothrow) InvisibleWindow();
}

bool InvisibleWindow::create() {
    if (!createSelfBinding(0, WindowClass::NAME, L"", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr)) {
        MessageBoxW(nullptr, L"Window Creation Failed!", L"Error!", MB_ICONWARNING | MB_OK);
        return false;
    }
    ShowWindow(handle(), SW_HIDE);
    UpdateWindow(handle());
    const LONG_PTR exStyle = GetWindowLongPtrW(handle(), GWL_EXSTYLE);
    SetWindowLongPtrW(handle(), GWL_EXSTYLE, (exStyle & ~LONG_PTR(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW);
    return true;
}

LRESULT InvisibleWindow::windowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // Closing the owner would destroy the owned window behind its listeners' back.
    if (msg == WM_CLOSE) return owned_ && IsWindow(owned_) ? SendMessageW(owned_, WM_CLOSE, 0, 0) : 0;
    return defaultProc(msg, wp, lp);
}

}  // namespace s::gui::win
