#pragma once
// Starts HueSnap.exe from the folder of the running test program and finds its
// windows, through Win32 only, so the same tests run on Windows and under Wine.
#include <windows.h>

#include <string>

namespace testing_program {

// The product name at the start of the main window's title (entry 500000 in
// every language of the shipped pack; a version may follow it).
extern const wchar_t kProductName[];

// Pumps this thread's queue and sleeps in short steps until `done` or the timeout.
template <typename Done>
bool waitUntil(DWORD timeoutMs, Done done) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
    }
}

class ProgramDriver {
public:
    ProgramDriver() = default;
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;
    // Kills the program if a failing test left it running, so no test leaks a process.
    ~ProgramDriver();

    // Starts <test folder>\HueSnap.exe with the given arguments.
    bool start(const std::wstring& arguments = std::wstring());
    // The first visible top-level window of the program's process with that title.
    HWND waitForWindow(const wchar_t* title, DWORD timeoutMs);
    // The main colour window: the program's top-level window whose title starts
    // with the product name and that holds the hex fields. Hidden or shown.
    HWND mainWindow() const;
    // Waits until the main window exists and is shown; null on timeout.
    HWND waitForMainWindow(DWORD timeoutMs);
    // Waits until the main window exists but is hidden (iconized); null on timeout.
    HWND waitForHiddenMainWindow(DWORD timeoutMs);
    // Waits for the process to end; returns false on timeout. Stores the exit code.
    bool waitForExit(DWORD timeoutMs);
    // Ends a program a failed test left behind.
    void kill();
    DWORD exitCode() const { return exitCode_; }
    DWORD processId() const { return info_.dwProcessId; }
    HANDLE process() const { return info_.hProcess; }
    bool running() const;

    static std::wstring folderOfThisProgram();
    static std::wstring executablePath();

private:
    PROCESS_INFORMATION info_ = {};  // owned: both handles are closed in the destructor
    DWORD exitCode_ = STILL_ACTIVE;
};

}  // namespace testing_program
