#include "foundation/system/trace/win/StartTrace.h"

#include <windows.h>

#include <cstdio>

namespace s::system::trace::win {

namespace {

// The figures of GetProcessMemoryInfo the trace writes (PROCESS_MEMORY_COUNTERS_EX).
struct MemoryCounters {
    DWORD cb;
    DWORD pageFaultCount;
    SIZE_T peakWorkingSetSize;
    SIZE_T workingSetSize;
    SIZE_T quotaPeakPagedPoolUsage;
    SIZE_T quotaPagedPoolUsage;
    SIZE_T quotaPeakNonPagedPoolUsage;
    SIZE_T quotaNonPagedPoolUsage;
    SIZE_T pagefileUsage;
    SIZE_T peakPagefileUsage;
    SIZE_T privateUsage;
};

typedef BOOL(WINAPI* MemoryInfoFn)(HANDLE, MemoryCounters*, DWORD);

// Everything the trace needs, made on the first mark. Off when `file` is null.
struct Trace {
    HANDLE file = nullptr;
    MemoryInfoFn memoryInfo = nullptr;
    LARGE_INTEGER frequency = {};
    CRITICAL_SECTION lock;

    Trace() {
        wchar_t path[MAX_PATH];
        const DWORD length = GetEnvironmentVariableW(StartTrace::VARIABLE, path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return;
        // Systems before 6.1 have it only in psapi.dll, which a traced start may load.
        memoryInfo = reinterpret_cast<MemoryInfoFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "K32GetProcessMemoryInfo")));
        if (!memoryInfo) {
            const HMODULE psapi = LoadLibraryW(L"psapi.dll");
            if (psapi)
                memoryInfo = reinterpret_cast<MemoryInfoFn>(
                    reinterpret_cast<void*>(GetProcAddress(psapi, "GetProcessMemoryInfo")));
        }
        QueryPerformanceFrequency(&frequency);
        InitializeCriticalSection(&lock);
        file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) file = nullptr;
    }
    // The file stays open to the process's end: the system closes it then.

    void write(const char* step) {
        EnterCriticalSection(&lock);
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        MemoryCounters memory = {};
        memory.cb = sizeof memory;
        if (memoryInfo) memoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        char line[160];
        const int length = snprintf(line, sizeof line, "%s %.3f %llu %llu %llu\n", step,
                                    double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart),
                                    static_cast<unsigned long long>(memory.workingSetSize),
                                    static_cast<unsigned long long>(memory.peakWorkingSetSize),
                                    static_cast<unsigned long long>(memory.privateUsage ? memory.privateUsage
                                                                                        : memory.pagefileUsage));
        DWORD written = 0;
        if (length > 0 && length < int(sizeof line)) WriteFile(file, line, DWORD(length), &written, nullptr);
        LeaveCriticalSection(&lock);
    }
};

}  // namespace

void StartTrace::mark(const char* step) {
    // Made once, by whichever thread marks first (thread-safe local static).
    static Trace trace;
    if (trace.file) trace.write(step);
}

}  // namespace s::system::trace::win
