#pragma once
// Helpers of the settings tests: a registry key of the test's own below
// HKCU\Software\Tuvo\HueSnapTests that is deleted afterwards, a temporary folder,
// direct registry access for setting up and checking values, and a counting
// write function for the file store.
#include <windows.h>

#include <string>

#include "support/TestFiles.h"

#include "foundation/str/strbuffer/StrBuffer.h"

namespace settingstest {

inline std::wstring text(const s::str::strbuffer::StrBuffer* string) {
    return std::wstring(string->c_str(), string->length());
}

// A name no other test run or test uses.
inline std::wstring uniqueName(const wchar_t* tag) {
    static LONG counter = 0;
    wchar_t unique[96];
    wsprintfW(unique, L"%ls-%lu-%lu-%ld", tag, GetCurrentProcessId(), GetTickCount(), InterlockedIncrement(&counter));
    return unique;
}

inline void deleteKeyTree(HKEY parent, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    wchar_t child[256];
    for (;;) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const std::wstring before = child;
        deleteKeyTree(key, child);
        DWORD again = 256;
        if (RegEnumKeyExW(key, 0, child, &again, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
            before == child) {
            break;  // could not delete it: stop rather than loop
        }
    }
    RegCloseKey(key);
    RegDeleteKeyW(parent, path.c_str());
}

// HKCU\Software\Tuvo\HueSnapTests\<unique>: the path, and its removal at the end.
class TestKey {
public:
    explicit TestKey(const wchar_t* tag) : path_(L"Software\\Tuvo\\HueSnapTests\\" + uniqueName(tag)) {}
    ~TestKey() {
        deleteKeyTree(HKEY_CURRENT_USER, path_);
        // Leave no empty parents behind either (they go only when empty).
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Tuvo\\HueSnapTests");
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Tuvo");
    }
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring below(const std::wstring& section) const { return section.empty() ? path_ : path_ + L"\\" + section; }

    bool exists(const std::wstring& section = L"") const {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, below(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
    // Writes a raw value, creating the key.
    bool setRaw(const std::wstring& section, const wchar_t* name, DWORD type, const void* data, DWORD size) const {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, below(section).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const bool set = RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
        RegCloseKey(key);
        return set;
    }
    // Reads a raw value: its type and bytes. False when missing.
    bool getRaw(const std::wstring& section, const wchar_t* name, DWORD& type, std::string& bytes) const {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, below(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        DWORD size = 0;
        bool found = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
        if (found) {
            bytes.assign(size, '\0');
            found =
                RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&bytes[0]), &size) == ERROR_SUCCESS;
            bytes.resize(size);
        }
        RegCloseKey(key);
        return found;
    }

private:
    std::wstring path_;
};

using testing_files::TemporaryFolder;
using testing_files::fileExists;
using testing_files::readBytes;
using testing_files::writeBytes;

}  // namespace settingstest
