#pragma once
// The private window class every toolkit window is created with, and its class
// procedure. The procedure is where messages end that a window object passes on
// to default handling: it forwards notifications of native child controls to the
// control that sent them (as private messages, so each control handles its own
// notifications) and applies a few rules every toolkit window shares.
#include <windows.h>

namespace s::gui::win {

class WindowClass {
public:
    static constexpr wchar_t NAME[] = L"NivoWindowClass";

    // Registers the class once per process. A failure is shown to the user and
    // registration is tried again on the next call; success is remembered.
    static bool ensureRegistered();
    // The class procedure.
    static LRESULT CALLBACK procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT reflectColour(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT reflectCommand(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT reflectNotify(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT setCursor(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT forwardMenuPopup(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace s::gui::win
