#pragma once
// Counts of the process's GDI objects, windows and kernel handles, to prove a
// piece of code gives back everything it takes.
//
// On Windows the system counters answer (GetGuiResources, GetProcessHandleCount).
// Wine answers 0 to both, so there the counts come from elsewhere (marked WINE
// below): GDI objects from the process's shared GDI handle table, windows by
// enumerating them, and kernel handles by a probe that relies on Wine's server
// always handing out the lowest free handle slot. Compare counts taken after a
// warm-up run, since first use may create lasting objects (caches, stock objects).
#include <windows.h>
#include <winternl.h>

namespace testing_resources {

struct Counts {
    DWORD gdi;
    DWORD user;        // Windows: all USER objects; WINE: windows only
    ULONG_PTR kernel;  // Windows: the handle count; WINE: the value of the next free handle
    bool operator==(const Counts& o) const { return gdi == o.gdi && user == o.user && kernel == o.kernel; }
    bool operator!=(const Counts& o) const { return !(*this == o); }
};

inline bool runningOnWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

namespace detail {

// WINE: one entry of the per-process GDI handle table the PEB points to.
struct GdiTableEntry {
    unsigned long long object;
    unsigned short processId, count, unique;
    unsigned char type, flags;
    unsigned long long userPointer;
};

// GCC 12 mistakes the segment-register read inside NtCurrentTeb for an array access.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
inline const char* processEnvironmentBlock() {
    return reinterpret_cast<const char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
}
#pragma GCC diagnostic pop

inline DWORD wineGdiObjects() {
    const char* peb = processEnvironmentBlock();
    const GdiTableEntry* table = *reinterpret_cast<GdiTableEntry* const*>(peb + 0xF8);  // GdiSharedHandleTable
    if (!table) return 0;
    DWORD live = 0;
    for (int i = 0; i < 0x10000; ++i)
        if (table[i].type) ++live;
    return live;
}

inline BOOL CALLBACK countWindow(HWND hwnd, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<DWORD*>(param);
    EnumChildWindows(hwnd, countWindow, param);
    return TRUE;
}

inline DWORD wineWindows() {
    DWORD count = 0;
    EnumWindows(countWindow, reinterpret_cast<LPARAM>(&count));
    // Message-only windows are not enumerated by EnumWindows.
    HWND messageOnly = nullptr;
    while ((messageOnly = FindWindowExW(HWND_MESSAGE, messageOnly, nullptr, nullptr)) != nullptr)
        countWindow(messageOnly, reinterpret_cast<LPARAM>(&count));
    return count;
}

inline ULONG_PTR wineNextFreeHandle() {
    HANDLE probe = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    CloseHandle(probe);
    return reinterpret_cast<ULONG_PTR>(probe);
}

}  // namespace detail

inline Counts current() {
    typedef BOOL(WINAPI * HandleCountFn)(HANDLE, PDWORD);
    static const HandleCountFn handleCount = reinterpret_cast<HandleCountFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetProcessHandleCount")));
    if (runningOnWine()) {
        // The first window enumeration sets up user32 and creates lasting GDI objects.
        static const DWORD warmUp = detail::wineWindows();
        (void)warmUp;
        const DWORD windows = detail::wineWindows();
        return Counts{detail::wineGdiObjects(), windows, detail::wineNextFreeHandle()};
    }
    DWORD kernel = 0;
    if (handleCount) handleCount(GetCurrentProcess(), &kernel);
    return Counts{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                  GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), kernel};
}

}  // namespace testing_resources
