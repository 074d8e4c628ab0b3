#pragma once
// ResizerGrip: the "#Resizer" button of a window's bottom-right corner. Without a
// skin it shows six 2 x 2 dots in a triangle; dragging it resizes the window.
#include <windows.h>

#include "gui/drawer/IRectSink.h"

namespace s::gui::control {

class ResizerGrip {
public:
    static constexpr wchar_t NAME[] = L"#Resizer";
    static constexpr COLORREF LIGHT = RGB(0xFF, 0xFF, 0xFF);
    static constexpr COLORREF SHADE = RGB(0xB8, 0xB5, 0xA1);
    static constexpr int DOT_COUNT = 6;

    // True for the grip's button text.
    static bool isGrip(const wchar_t* text);
    // Paints the dots for a client area w x h: each white dot, then its grey shade
    // one pixel up and left, which covers the white dot's top-left pixel.
    static void paintDots(drawer::IRectSink& sink, int width, int height);
    // The window rectangle a drag proposes: left and top stay, right and bottom
    // follow the pointer's movement since the press.
    static RECT draggedRect(const RECT& atPress, POINT pointerAtPress, POINT pointer);
};

}  // namespace s::gui::control
