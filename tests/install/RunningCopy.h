#pragma once
// One running copy of the program from a given file: started by the test, or
// found running (started by setup), watched and closed as the system would,
// with WM_CLOSE to its main window. It also starts and watches setup itself
// when a test works setup's pages.
#include <windows.h>

#include <string>

namespace testing_install {

class RunningCopy {
public:
    RunningCopy() = default;
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;
    // Ends a copy a failing test left running, so no test leaks a process.
    ~RunningCopy();

    // Starts "<program>" <arguments>.
    bool start(const std::wstring& program, const std::wstring& arguments = std::wstring());
    // Waits until some process runs `program` with a main window, and takes it.
    bool waitForCopyOf(const std::wstring& program, DWORD timeoutMs);
    // The main window (title starting with the product name, holding the hex
    // fields), shown or hidden; null while there is none.
    HWND mainWindow() const;
    HWND waitForMainWindow(DWORD timeoutMs) const;
    // Asks the copy to close through its main window and waits for the end.
    bool close(DWORD timeoutMs);
    bool waitForExit(DWORD timeoutMs) const;
    // The exit code of an ended process; false while it runs.
    bool exitCode(DWORD* code) const;
    bool running() const;
    void kill();
    DWORD processId() const { return processId_; }

    // The program file of a process, or "" when it cannot be read.
    static std::wstring programOf(DWORD processId);

private:
    void forget();

    HANDLE process_ = nullptr;  // owned
    DWORD processId_ = 0;
};

}  // namespace testing_install
