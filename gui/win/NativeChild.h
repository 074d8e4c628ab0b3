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
    // Windows of our own class bind to their objects without a creation hook.
    static bool isOwnClass(const wchar_t* className) { return className && lstrcmpW(className, CLASS_NAME) == 0; }

    // Where and how a child window is made: at the component's recorded geometry,
    // and visible at once when the component is and its parent is not shown yet
    // (a separate move and show per window are a large part of building a window).
    struct Place {
        int x, y, width, height;
        DWORD style;
    };
    static Place recordedPlace(const IComponent& component, DWORD style, HWND parent);
    // Makes `child`'s window of the toolkit class at its recorded place and records
    // that geometry as committed. The caller reports a failure.
    template <class Child>
    static bool createAtRecordedPlace(Child& child, DWORD exStyle, DWORD style, HWND parent) {
        const Place place = recordedPlace(child, style | WS_CHILD, parent);
        if (!child.createSelfBinding(exStyle, CLASS_NAME, L"", place.style, place.x, place.y, place.width, place.height,
                                     parent, nullptr))
            return false;
        child.setCommittedGeometry(place.x, place.y, place.width, place.height);
        return true;
    }

    // "Window Creation Failed!" / "Error!" with a warning icon.
    static void reportCreationFailure();
    // After creation: moves the window to the component's recorded geometry when
    // that changed since, and shows it when the component is visible.
    static void placeCreated(IComponent* component, HWND hwnd);
    // One SetWindowPos without z-order or activation change; false without a window.
    static bool move(HWND hwnd, int x, int y, int width, int height);
    // Fills the client area with `colour`; returns 1 (erased).
    static LRESULT eraseWith(HWND hwnd, HDC dc, COLORREF colour);
};

}  // namespace s::gui::win
