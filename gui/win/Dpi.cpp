#include "gui/win/Dpi.h"

namespace s::gui::win {

namespace {

typedef UINT(WINAPI* GetDpiForWindowFn)(HWND);
// shcore's GetDpiForMonitor with MDT_EFFECTIVE_DPI (0).
typedef HRESULT(WINAPI* GetDpiForMonitorFn)(HMONITOR, int, UINT*, UINT*);
constexpr int EFFECTIVE_DPI = 0;

template <typename Fn>
Fn lookUp(const wchar_t* module, const char* name) {
    HMODULE library = GetModuleHandleW(module);
    if (!library) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

int monitorDpi(HMONITOR monitor) {
    if (!monitor) return 0;
    // shcore is not loaded by anything else the program uses; keep it once loaded.
    static HMODULE shcore = LoadLibraryW(L"shcore.dll");
    if (!shcore) return 0;
    auto query = reinterpret_cast<GetDpiForMonitorFn>(
        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
    UINT x = 0, y = 0;
    if (!query || FAILED(query(monitor, EFFECTIVE_DPI, &x, &y))) return 0;
    return int(y);
}

// The window property that holds the DPI a top-level window was told.
constexpr wchar_t TOLD_DPI_PROPERTY[] = L"s.gui.win.Dpi";

int toldDpi(HWND window) {
    HWND top = GetAncestor(window, GA_ROOT);
    return top ? int(reinterpret_cast<INT_PTR>(GetPropW(top, TOLD_DPI_PROPERTY))) : 0;
}

}  // namespace

int Dpi::scale(int designUnits, int dpi) {
    if (dpi <= 0 || dpi == DESIGN) return designUnits;
    return MulDiv(designUnits, dpi, DESIGN);
}

int Dpi::unscale(int pixels, int dpi) {
    if (dpi <= 0 || dpi == DESIGN) return pixels;
    return MulDiv(pixels, DESIGN, dpi);
}

int Dpi::forSystem() {
    // The system DPI is fixed for a process's life (a new scale needs a new
    // sign-in), and every font setting asks for it: it is read once.
    static volatile LONG known = 0;
    if (const LONG dpi = InterlockedCompareExchange(&known, 0, 0)) return int(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    if (dpi <= 0) return DESIGN;  // asked again next time
    InterlockedExchange(&known, dpi);
    return dpi;
}

int Dpi::forWindow(HWND window) {
    if (!window) return forSystem();
    if (const int told = toldDpi(window)) return told;
    static const auto windowQuery = lookUp<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (windowQuery) {
        const UINT dpi = windowQuery(window);
        if (dpi > 0) return int(dpi);
    }
    const int dpi = monitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
    return dpi > 0 ? dpi : forSystem();
}

void Dpi::tell(HWND window, int dpi) {
    if (!window) return;
    if (dpi > 0) {
        SetPropW(window, TOLD_DPI_PROPERTY, reinterpret_cast<HANDLE>(INT_PTR(dpi)));
    } else {
        RemovePropW(window, TOLD_DPI_PROPERTY);
    }
}

namespace {

typedef HANDLE(WINAPI* SetThreadContextFn)(HANDLE);
typedef BOOL(WINAPI* PhysicalCursorFn)(LPPOINT);
// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE.
const HANDLE PER_MONITOR_V2 = reinterpret_cast<HANDLE>(INT_PTR(-4));
const HANDLE PER_MONITOR = reinterpret_cast<HANDLE>(INT_PTR(-3));

SetThreadContextFn setThreadContext() {
    static const auto query = lookUp<SetThreadContextFn>(L"user32.dll", "SetThreadDpiAwarenessContext");
    return query;
}

}  // namespace

HANDLE Dpi::makeThreadPerMonitorAware() {
    const SetThreadContextFn set = setThreadContext();
    if (!set) return nullptr;
    HANDLE previous = set(PER_MONITOR_V2);
    return previous ? previous : set(PER_MONITOR);
}

void Dpi::restoreThread(HANDLE previous) {
    const SetThreadContextFn set = setThreadContext();
    if (set && previous) set(previous);
}

bool Dpi::physicalPointer(POINT* point) {
    static const auto physical = lookUp<PhysicalCursorFn>(L"user32.dll", "GetPhysicalCursorPos");
    if (physical && physical(point)) return true;
    return GetCursorPos(point) != 0;
}

int Dpi::forPoint(POINT point) {
    const int dpi = monitorDpi(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
    return dpi > 0 ? dpi : forSystem();
}

}  // namespace s::gui::win
