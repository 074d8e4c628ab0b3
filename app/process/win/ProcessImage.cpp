#include "app/process/win/ProcessImage.h"

#include <tlhelp32.h>

#include <cwchar>

#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::process::win {

using str::strbuffer::StrBuffer;

namespace {

// Long-path systems allow 32,767 characters.
constexpr DWORD LONGEST_PATH = 32768;
// Windows 6.0 and later; opening with it needs less than PROCESS_QUERY_INFORMATION.
constexpr DWORD QUERY_LIMITED_INFORMATION = 0x1000;

using QueryFullProcessImageNameFunction = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
using GetProcessImageFileNameFunction = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD);

template <class Function>
Function lookUp(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

QueryFullProcessImageNameFunction queryFullProcessImageName() {
    static const auto function =
        lookUp<QueryFullProcessImageNameFunction>(GetModuleHandleW(L"kernel32.dll"), "QueryFullProcessImageNameW");
    return function;
}

GetProcessImageFileNameFunction getProcessImageFileName() {
    static const auto function = [] {
        auto found = lookUp<GetProcessImageFileNameFunction>(GetModuleHandleW(L"kernel32.dll"),
                                                             "K32GetProcessImageFileNameW");
        // psapi.dll stays loaded for the rest of the run: the function is kept for later calls.
        if (!found) found = lookUp<GetProcessImageFileNameFunction>(LoadLibraryW(L"psapi.dll"),
                                                                    "GetProcessImageFileNameW");
        return found;
    }();
    return function;
}

// A process handle that may read the image name; null when it cannot be opened.
HANDLE openForQuery(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (!process && queryFullProcessImageName()) process = OpenProcess(QUERY_LIMITED_INFORMATION, FALSE, processId);
    return process;
}

bool readFullImageName(HANDLE process, StrBuffer& path) {
    const QueryFullProcessImageNameFunction query = queryFullProcessImageName();
    for (DWORD size = MAX_PATH; size <= LONGEST_PATH; size *= 2) {
        if (!path.reserveExact(size)) return false;
        DWORD length = size;
        if (query(process, 0, path.pointerAt(0), &length)) {
            path.setLength(length);
            return true;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    }
    return false;
}

bool readDeviceImageName(HANDLE process, StrBuffer& path) {
    const GetProcessImageFileNameFunction read = getProcessImageFileName();
    for (DWORD size = MAX_PATH; size <= LONGEST_PATH; size *= 2) {
        if (!path.reserveExact(size)) return false;
        const DWORD length = read(process, path.pointerAt(0), size);
        // A name that fills the buffer may have been cut.
        if (length > 0 && length < size - 1) {
            path.setLength(length);
            return true;
        }
        if (length == 0 && GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    }
    return false;
}

bool isDrivePathAt(const StrBuffer& path, uint32_t index) {
    if (path.length() < index + 3) return false;
    const wchar_t letter = StrBuffer::upperAscii(path.charAt(index));
    return letter >= L'A' && letter <= L'Z' && path.charAt(index + 1) == L':' && path.charAt(index + 2) == L'\\';
}

// "\Device\HarddiskVolume1\x" -> "C:\x" when `drive`'s device is a prefix of the path.
bool replaceDeviceOfDrive(StrBuffer& path, const wchar_t drive[3]) {
    wchar_t device[MAX_PATH + 1];
    if (!QueryDosDeviceW(drive, device, MAX_PATH)) return false;
    const uint32_t length = uint32_t(wcslen(device));
    if (length == 0 || path.length() <= length || path.charAt(length) != L'\\') return false;
    if (!path.regionMatchesIgnoreCase(0, device, 0, int32_t(length))) return false;
    path.keepRange(length, path.length());
    return path.prepend(drive, 2);
}

}  // namespace

bool imagePath(DWORD processId, StrBuffer& path) {
    return imagePathFromSnapshot(processId, path) || imagePathFromProcess(processId, path);
}

bool imagePathFromSnapshot(DWORD processId, StrBuffer& path) {
    path.clear();
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    MODULEENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    const bool found = Module32FirstW(snapshot, &entry) && entry.szExePath[0] && path.set(entry.szExePath);
    CloseHandle(snapshot);
    if (!found) path.clear();
    return found;
}

bool imagePathFromProcess(DWORD processId, StrBuffer& path) {
    path.clear();
    if (!queryFullProcessImageName()) return imagePathFromDeviceName(processId, path);
    HANDLE process = openForQuery(processId);
    if (!process) return false;
    const bool found = readFullImageName(process, path);
    CloseHandle(process);
    if (!found) path.clear();
    return found;
}

bool imagePathFromDeviceName(DWORD processId, StrBuffer& path) {
    path.clear();
    if (!getProcessImageFileName()) return false;
    HANDLE process = openForQuery(processId);
    if (!process) return false;
    const bool found = readDeviceImageName(process, path) && devicePathToDrivePath(path);
    CloseHandle(process);
    if (!found) path.clear();
    return found;
}

bool devicePathToDrivePath(StrBuffer& path) {
    if (isDrivePathAt(path, 0)) return true;
    // "\??\C:\x" (the object manager's name) and "\\?\C:\x" (a long-path name).
    if ((path.startsWith(L"\\??\\") || path.startsWith(L"\\\\?\\")) && isDrivePathAt(path, 4)) {
        path.keepRange(4, path.length());
        return true;
    }
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        const wchar_t drive[3] = {wchar_t(L'A' + i), L':', 0};
        if ((drives & (1u << i)) && replaceDeviceOfDrive(path, drive)) return true;
    }
    return false;
}

DWORD findProcessRunning(const wchar_t* executablePath) {
    if (!executablePath || !*executablePath) return 0;
    const uint32_t length = uint32_t(wcslen(executablePath));
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    StrBuffer* candidate = StrBuffer::acquire();
    DWORD found = 0;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    const DWORD self = GetCurrentProcessId();
    for (BOOL more = candidate && Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry)) {
        const DWORD id = entry.th32ProcessID;
        if (id == 0 || id == self) continue;
        // A path that cannot be read stays empty and matches nothing.
        imagePath(id, *candidate);
        if (candidate->length() == length && candidate->regionMatchesIgnoreCase(0, executablePath, 0, int32_t(length)))
            found = id;
    }
    if (candidate) candidate->release();
    CloseHandle(snapshot);
    return found;
}

}  // namespace s::process::win
