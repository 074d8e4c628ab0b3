#pragma once
// A program under measurement, started by the benchmark and observed from
// outside as a user's system sees it: when its window shows, the processor time
// and memory it used, the handles it holds, how long it takes to end on WM_CLOSE.
#include <windows.h>

#include <string>

namespace program_bench {

// Milliseconds on the performance counter.
double nowMs();

struct MemoryFigures {
    double peakWorkingSetMiB;
    double privateMiB;
    double workingSetMiB;  // now
};

// GDI objects, USER objects (under Wine: windows only) and kernel handles.
struct HandleFigures {
    unsigned long gdi;
    unsigned long user;
    unsigned long kernel;  // under Wine: the next free handle slot, which grows with the count
    bool operator==(const HandleFigures& o) const { return gdi == o.gdi && user == o.user && kernel == o.kernel; }
};

class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();  // ends a program still running: a failed run leaves nothing behind

    bool start(const std::wstring& program, const std::wstring& arguments);
    // Waits until a visible top-level window of the program has a size; answers
    // the milliseconds since start, or a negative number on timeout.
    double waitForShownWindow(DWORD timeoutMs);
    HWND shownWindow() const { return window_; }
    double startedMs() const { return startedMs_; }  // nowMs() just before the process was made
    DWORD processId() const { return info_.dwProcessId; }

    double processorMs() const;  // user + kernel time so far
    MemoryFigures memory() const;
    HandleFigures handles() const;

    // Posts WM_CLOSE to the shown window; answers milliseconds until the process
    // ended, or a negative number when it did not end within the timeout.
    double closeAndWait(DWORD timeoutMs);

private:
    void end();

    PROCESS_INFORMATION info_ = {};
    double startedMs_ = 0;
    HWND window_ = nullptr;
};

}  // namespace program_bench
