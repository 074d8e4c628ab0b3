#include "SetupProgram.h"

#include "program/ProgramDriver.h"

namespace testing_install {

namespace {

std::wstring fullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH] = L"";
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::wstring(full) : path;
}

std::wstring packageFolder() {
    return testing_program::ProgramDriver::folderOfThisProgram() + L"..\\package\\";
}

}  // namespace

std::wstring SetupProgram::path() {
    return fullPath(packageFolder() + HUESNAP_SETUP_NAME);
}

std::wstring SetupProgram::shippedProgram() {
    return fullPath(packageFolder() + L"installer\\HueSnap.exe");
}

bool SetupProgram::run(const std::wstring& program, const std::wstring& arguments, DWORD* exitCode) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return false;
    CloseHandle(info.hThread);
    const bool ended = WaitForSingleObject(info.hProcess, kSetupTimeoutMs) == WAIT_OBJECT_0;
    if (ended) {
        GetExitCodeProcess(info.hProcess, exitCode);
    } else {
        TerminateProcess(info.hProcess, 99);  // a hung setup must not outlive the test
        WaitForSingleObject(info.hProcess, 10000);
    }
    CloseHandle(info.hProcess);
    return ended;
}

bool SetupProgram::runSilent(const std::wstring& arguments, DWORD* exitCode) {
    return run(path(), arguments.empty() ? L"/S" : L"/S " + arguments, exitCode);
}

}  // namespace testing_install
