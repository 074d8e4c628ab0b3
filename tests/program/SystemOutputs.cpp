#include "SystemOutputs.h"

#include <cwchar>

#include "ProgramDriver.h"

namespace testing_program {

namespace {

const wchar_t kRecorderName[] = L"record-opened-page.sh";
const wchar_t kLogName[] = L"opened-pages.log";

std::string toUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string bytes(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &bytes[0], size, nullptr, nullptr);
    bytes.resize(size_t(size) - 1);
    return bytes;
}

std::wstring fromUtf8(const std::string& bytes) {
    if (bytes.empty()) return std::wstring();
    const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring text(size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), &text[0], size);
    return text;
}

// Wine's own export turns a Unix path into a DOS path; it is absent on Windows.
std::wstring dosPathOf(const std::wstring& unixPath) {
    using ToDos = WCHAR*(CDECL*)(const char*);
    auto toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (!toDos) return std::wstring();
    WCHAR* dos = toDos(toUtf8(unixPath).c_str());
    if (!dos) return std::wstring();
    std::wstring path(dos);
    HeapFree(GetProcessHeap(), 0, dos);
    return path;
}

std::wstring browserLauncher() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::wstring();
    wchar_t value[1024] = L"";
    DWORD size = sizeof(value) - sizeof(wchar_t), type = 0;
    const LONG status = RegQueryValueExW(key, L"Browsers", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ ? value : std::wstring();
}

}  // namespace

std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool setClipboardText(const std::wstring& text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool stored = false;
    if (void* target = block ? GlobalLock(block) : nullptr) {
        memcpy(target, text.c_str(), bytes);
        GlobalUnlock(block);
        stored = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    }
    if (!stored && block) GlobalFree(block);  // the clipboard owns it only once set
    CloseClipboard();
    return stored;
}

OpenedPages::OpenedPages() {
    const std::wstring launcher = browserLauncher();
    const size_t slash = launcher.find_last_of(L'/');
    if (slash == std::wstring::npos || launcher.compare(slash + 1, std::wstring::npos, kRecorderName) != 0) return;
    logPath_ = dosPathOf(launcher.substr(0, slash + 1) + kLogName);
}

void OpenedPages::clear() {
    if (available()) DeleteFileW(logPath_.c_str());
}

std::vector<std::wstring> OpenedPages::read() const {
    std::vector<std::wstring> pages;
    if (!available()) return pages;
    HANDLE file = CreateFileW(logPath_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return pages;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    size_t start = 0;
    for (size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
        pages.push_back(fromUtf8(bytes.substr(start, end - start)));
        start = end + 1;
    }
    return pages;
}

std::vector<std::wstring> OpenedPages::waitFor(size_t count, DWORD timeoutMs) const {
    std::vector<std::wstring> pages;
    waitUntil(timeoutMs, [&] {
        pages = read();
        return pages.size() >= count;
    });
    return pages;
}

}  // namespace testing_program
