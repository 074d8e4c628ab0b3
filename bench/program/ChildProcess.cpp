#include "ChildProcess.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace program_bench {

namespace {

bool runningOnWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findShownWindow(HWND hwnd, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    RECT rect;
    if (owner != search->processId || !IsWindowVisible(hwnd) || !GetWindowRect(hwnd, &rect)) return TRUE;
    if (rect.right <= rect.left || rect.bottom <= rect.top) return TRUE;
    search->found = hwnd;
    return FALSE;
}

struct WindowCount {
    DWORD processId;
    unsigned long count;
};

BOOL CALLBACK countWindow(HWND hwnd, LPARAM param) {
    WindowCount* counting = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != counting->processId) return TRUE;
    ++counting->count;
    return TRUE;
}

// EnumChildWindows walks every descendant, not only the direct children.
BOOL CALLBACK countTopLevelWindow(HWND hwnd, LPARAM param) {
    WindowCount* counting = reinterpret_cast<WindowCount*>(param);
    const unsigned long before = counting->count;
    countWindow(hwnd, param);
    if (counting->count != before) EnumChildWindows(hwnd, countWindow, param);
    return TRUE;
}

unsigned long windowsOf(DWORD processId) {
    WindowCount counting = {processId, 0};
    EnumWindows(countTopLevelWindow, reinterpret_cast<LPARAM>(&counting));
    HWND messageOnly = nullptr;
    while ((messageOnly = FindWindowExW(HWND_MESSAGE, messageOnly, nullptr, nullptr)) != nullptr)
        countTopLevelWindow(messageOnly, reinterpret_cast<LPARAM>(&counting));
    return counting.count;
}

// WINE: one entry of the per-process GDI handle table the process's PEB points to.
struct GdiTableEntry {
    unsigned long long object;
    unsigned short processId, count, unique;
    unsigned char type, flags;
    unsigned long long userPointer;
};
constexpr size_t GDI_TABLE_ENTRIES = 0x10000;
constexpr size_t PEB_GDI_TABLE_OFFSET = 0xF8;

// WINE: GetGuiResources answers 0, so the live entries of the program's own GDI
// table are counted, read from its memory.
unsigned long wineGdiObjectsOf(HANDLE process) {
    typedef NTSTATUS(WINAPI * QueryFn)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const QueryFn query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return 0;
    const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    void* table = nullptr;
    if (!ReadProcessMemory(process, peb + PEB_GDI_TABLE_OFFSET, &table, sizeof table, nullptr) || !table) return 0;
    std::vector<GdiTableEntry> entries(GDI_TABLE_ENTRIES);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiTableEntry), nullptr)) return 0;
    unsigned long live = 0;
    for (const GdiTableEntry& entry : entries)
        if (entry.type) ++live;
    return live;
}

// WINE: GetProcessHandleCount answers 0. The server hands out the lowest free
// slot, so the handle a duplicate gets in the program tells how far its table is filled.
unsigned long wineNextFreeHandleOf(HANDLE process) {
    HANDLE probe = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE inTarget = nullptr;
    if (probe && DuplicateHandle(GetCurrentProcess(), probe, process, &inTarget, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
        // Taken back into this process and closed here: the program keeps nothing.
        HANDLE back = nullptr;
        if (DuplicateHandle(process, inTarget, GetCurrentProcess(), &back, 0, FALSE,
                            DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE))
            CloseHandle(back);
    }
    if (probe) CloseHandle(probe);
    return static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(inTarget));
}

}  // namespace

double nowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

ChildProcess::~ChildProcess() { end(); }

bool ChildProcess::start(const std::wstring& program, const std::wstring& arguments) {
    end();
    std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startedMs_ = nowMs();
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info_)) {
        info_ = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

double ChildProcess::waitForShownWindow(DWORD timeoutMs) {
    if (!info_.hProcess) return -1;
    for (;;) {
        WindowSearch search = {info_.dwProcessId, nullptr};
        EnumWindows(findShownWindow, reinterpret_cast<LPARAM>(&search));
        const double elapsed = nowMs() - startedMs_;
        if (search.found) {
            window_ = search.found;
            return elapsed;
        }
        if (elapsed > timeoutMs || WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0) return -1;
        Sleep(1);
    }
}

double ChildProcess::processorMs() const {
    FILETIME created, exited, kernel, user;
    if (!info_.hProcess || !GetProcessTimes(info_.hProcess, &created, &exited, &kernel, &user)) return -1;
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return double(ticks(kernel) + ticks(user)) / 10000.0;
}

MemoryFigures ChildProcess::memory() const {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (!info_.hProcess ||
        !GetProcessMemoryInfo(info_.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        return MemoryFigures{-1, -1, -1};
    const double mib = 1024.0 * 1024.0;
    // WINE: PrivateUsage stays 0; the page-file usage is the same figure on Windows.
    const SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return MemoryFigures{double(counters.PeakWorkingSetSize) / mib, double(privateBytes) / mib,
                         double(counters.WorkingSetSize) / mib};
}

HandleFigures ChildProcess::handles() const {
    if (!info_.hProcess) return HandleFigures{0, 0, 0};
    if (runningOnWine()) {
        return HandleFigures{wineGdiObjectsOf(info_.hProcess), windowsOf(info_.dwProcessId),
                             wineNextFreeHandleOf(info_.hProcess)};
    }
    typedef BOOL(WINAPI * HandleCountFn)(HANDLE, PDWORD);
    const HandleCountFn handleCount = reinterpret_cast<HandleCountFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetProcessHandleCount")));
    DWORD kernel = 0;
    if (handleCount) handleCount(info_.hProcess, &kernel);
    return HandleFigures{GetGuiResources(info_.hProcess, GR_GDIOBJECTS),
                         GetGuiResources(info_.hProcess, GR_USEROBJECTS), kernel};
}

double ChildProcess::closeAndWait(DWORD timeoutMs) {
    if (!info_.hProcess || !window_) return -1;
    const double posted = nowMs();
    PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    return nowMs() - posted;
}

void ChildProcess::end() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = PROCESS_INFORMATION{};
    window_ = nullptr;
}

}  // namespace program_bench
