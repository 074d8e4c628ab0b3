#pragma once
// Dpi: the one place that answers "how many device pixels is this design size
// here?". Every size the windows are designed with is written in 96-DPI units
// (design units); code turns it into pixels at the point of use with `scale`,
// for the DPI of the window that shows it, so one rounding rule holds everywhere.
//
// The DPI of a window comes from the newest query the system has, each looked up
// at run time (the baseline system has none of them): GetDpiForWindow (Windows 10
// 1607), then the effective DPI of the window's monitor (GetDpiForMonitor, 8.1),
// then LOGPIXELSY of the screen (every system; the system DPI, which is also what
// a system-aware process sees on every monitor).
#include <windows.h>

namespace s::gui::win {

class Dpi {
public:
    // The DPI at which design units are pixels (100 %).
    static constexpr int DESIGN = 96;
    // WM_DPICHANGED (Windows 8.1), which the baseline headers leave out: wParam's high
    // word is the new DPI, lParam the suggested window RECT at that DPI.
    static constexpr UINT CHANGED_MESSAGE = 0x02E0;

    // Design units to device pixels at `dpi`: rounded to the nearest pixel, halves
    // away from zero (MulDiv's rule). A DPI of 0 or less counts as DESIGN.
    static int scale(int designUnits, int dpi);
    // Device pixels at `dpi` back to design units, with the same rule.
    static int unscale(int pixels, int dpi);

    // The DPI of `window` (null: the system's), never 0. A top-level window that was
    // told its DPI (`tell`, from WM_DPICHANGED) answers that for itself and its children.
    static int forWindow(HWND window);
    // The top-level `window` now shows at `dpi` (WM_DPICHANGED's new DPI). The system's
    // queries may still answer the old DPI while the message is handled, and some systems
    // (Wine) send the message without ever changing what they answer. 0 forgets it; a
    // window forgets it before it is destroyed (it is kept as a window property).
    static void tell(HWND window, int dpi);
    // The DPI of the monitor nearest to the point (screen pixels), never 0.
    static int forPoint(POINT point);
    // The system DPI (LOGPIXELSY of the screen), never 0.
    static int forSystem();

    // Makes the calling thread per-monitor DPI aware (version 2, else version 1;
    // Windows 10 1607 and later), so its pointer positions and screen reads are
    // physical pixels on every monitor even when the process could not be made
    // so. Answers the thread's previous awareness for `restoreThread`, or null
    // when the system has no such call or refused (then nothing changed).
    static HANDLE makeThreadPerMonitorAware();
    static void restoreThread(HANDLE previous);
    // The pointer in physical screen pixels: GetPhysicalCursorPos (Vista and
    // later), else GetCursorPos. False when neither answered.
    static bool physicalPointer(POINT* point);
};

}  // namespace s::gui::win
