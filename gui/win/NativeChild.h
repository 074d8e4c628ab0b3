#pragma once
// Native steps shared by the toolkit's child windows (boxes, spacers): the
// class name they are created with, the failure report, moving and placing a
// window at its recorded geometry, and filling the background.
//
// The class "NivoWindowClass" is the window core's (WindowClass); creating a
// child makes sure it is registered.
#include <windows.h>

#include "gui/win/WindowClass.h"

namespace s::gui {
class IComponent;
}

namespace s::gui::win {

class NativeChild {
public:
    static constexpr const wchar_t* CLASS_NAME = WindowClass::NAME;

    // Registers the toolkit class when that has not happened yet; false when it fails.
    static bool ensureClass() { return WindowClass::ensureRegistered(); }

    // "Window Creation Failed!" / "Error!" with a warning icon.
    static void reportCreationFailure();
    // After CreateWindowEx with an empty rectangle: records that geometry as
    // committed, moves the window to the component's recorded geometry, and
    // shows it when the component is visible.
    static void placeCreated(IComponent* component, HWND hwnd);
    // One SetWindowPos without z-order or activation change; false without a window.
    static bool move(HWND hwnd, int x, int y, int width, int height);
    // Fills the client area with `colour`; returns 1 (erased).
    static LRESULT eraseWith(HWND hwnd, HDC dc, COLORREF colour);
};

}  // namespace s::gui::win
