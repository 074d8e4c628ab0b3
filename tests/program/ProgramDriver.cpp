#include "ProgramDriver.h"

#include "WindowQuery.h"

namespace testing_program {

const wchar_t kProductName[] = L"Tuvo HueSnap";

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId || !IsWindowVisible(hwnd)) return TRUE;
    wchar_t text[256] = L"";
    GetWindowTextW(hwnd, text, 256);
    if (lstrcmpW(text, search->title) != 0) return TRUE;
    search->found = hwnd;
    return FALSE;
}

bool titleStartsWithProduct(HWND window) {
    const std::wstring title = textOf(window);
    return title.compare(0, std::wstring(kProductName).size(), kProductName) == 0;
}

BOOL CALLBACK findEdit(HWND child, LPARAM found) {
    if (classOf(child) != L"Edit") return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool holdsHexFields(HWND window) {
    bool found = false;
    EnumChildWindows(window, findEdit, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

ProgramDriver::~ProgramDriver() {
    kill();
    if (info_.hThread) CloseHandle(info_.hThread);
    if (info_.hProcess) CloseHandle(info_.hProcess);
}

void ProgramDriver::kill() {
    if (!running()) return;
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 10000);
}

std::wstring ProgramDriver::folderOfThisProgram() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring ProgramDriver::executablePath() {
    return folderOfThisProgram() + L"HueSnap.exe";
}

bool ProgramDriver::start(const std::wstring& arguments) {
    if (info_.hProcess) return false;  // one process per driver
    const std::wstring exe = executablePath();
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    return CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info_) != 0;
}

HWND ProgramDriver::waitForWindow(const wchar_t* title, DWORD timeoutMs) {
    WindowSearch search = {info_.dwProcessId, title, nullptr};
    waitUntil(timeoutMs, [&] {
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

HWND ProgramDriver::mainWindow() const {
    if (!info_.hProcess) return nullptr;
    for (HWND window : topLevelWindowsOf(info_.dwProcessId))
        if (titleStartsWithProduct(window) && holdsHexFields(window)) return window;
    return nullptr;
}

HWND ProgramDriver::waitForMainWindow(DWORD timeoutMs) {
    HWND found = nullptr;
    waitUntil(timeoutMs, [&] {
        found = mainWindow();
        return found && IsWindowVisible(found);
    });
    return found && IsWindowVisible(found) ? found : nullptr;
}

HWND ProgramDriver::waitForHiddenMainWindow(DWORD timeoutMs) {
    HWND found = nullptr;
    waitUntil(timeoutMs, [&] {
        found = mainWindow();
        return found && !IsWindowVisible(found);
    });
    return found && !IsWindowVisible(found) ? found : nullptr;
}

bool ProgramDriver::waitForExit(DWORD timeoutMs) {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(info_.hProcess, &exitCode_);
    return true;
}

bool ProgramDriver::running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

}  // namespace testing_program
