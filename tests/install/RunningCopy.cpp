#include "RunningCopy.h"

#include <psapi.h>

#include "InstalledFiles.h"
#include "program/ProgramDriver.h"
#include "program/WindowQuery.h"

namespace testing_install {

using testing_program::waitUntil;

namespace {

BOOL CALLBACK findEdit(HWND child, LPARAM found) {
    if (testing_program::classOf(child) != L"Edit") return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

// Shown or hidden (iconized): the hex fields are there either way.
bool holdsHexFields(HWND window) {
    bool found = false;
    EnumChildWindows(window, findEdit, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool isMainWindow(HWND window) {
    const std::wstring title = testing_program::textOf(window);
    const std::wstring product = testing_program::kProductName;
    return title.compare(0, product.size(), product) == 0 && holdsHexFields(window);
}

struct CopySearch {
    std::wstring program;
    DWORD found;
};

BOOL CALLBACK matchCopy(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<CopySearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (!isMainWindow(window)) return TRUE;
    if (lstrcmpiW(installed_files::longPath(RunningCopy::programOf(owner)).c_str(), search->program.c_str()) != 0)
        return TRUE;
    search->found = owner;
    return FALSE;
}

}  // namespace

RunningCopy::~RunningCopy() {
    kill();
    forget();
}

void RunningCopy::forget() {
    if (process_) CloseHandle(process_);
    process_ = nullptr;
    processId_ = 0;
}

bool RunningCopy::start(const std::wstring& program, const std::wstring& arguments) {
    forget();
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return false;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return true;
}

bool RunningCopy::waitForCopyOf(const std::wstring& program, DWORD timeoutMs) {
    forget();
    CopySearch search = {installed_files::longPath(program), 0};
    waitUntil(timeoutMs, [&] {
        EnumWindows(matchCopy, reinterpret_cast<LPARAM>(&search));
        return search.found != 0;
    });
    if (!search.found) return false;
    process_ = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, search.found);
    processId_ = process_ ? search.found : 0;
    return process_ != nullptr;
}

HWND RunningCopy::mainWindow() const {
    if (!processId_) return nullptr;
    for (HWND window : testing_program::topLevelWindowsOf(processId_))
        if (isMainWindow(window)) return window;
    return nullptr;
}

HWND RunningCopy::waitForMainWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    waitUntil(timeoutMs, [&] { return (found = mainWindow()) != nullptr; });
    return found;
}

bool RunningCopy::close(DWORD timeoutMs) {
    HWND window = mainWindow();
    return window && PostMessageW(window, WM_CLOSE, 0, 0) && waitForExit(timeoutMs);
}

bool RunningCopy::waitForExit(DWORD timeoutMs) const {
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

bool RunningCopy::exitCode(DWORD* code) const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(process_, code);
}

bool RunningCopy::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void RunningCopy::kill() {
    if (!running()) return;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 10000);
}

std::wstring RunningCopy::programOf(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return std::wstring();
    wchar_t path[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameExW(process, nullptr, path, MAX_PATH);
    CloseHandle(process);
    return length > 0 ? std::wstring(path, length) : std::wstring();
}

}  // namespace testing_install
