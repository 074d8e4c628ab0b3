#include "ProgramSettings.h"

#include <cwchar>

#include "tests/support/RegistryValues.h"

namespace testing_program {

const wchar_t kProgramKey[] = L"Software\\Tuvo\\Tuvo HueSnap";
const wchar_t kSaveData[] = L"SaveData";
const wchar_t kMainView[] = L"SaveData\\MainWindow\\View";
const wchar_t kLanguageKey[] = L"SaveData\\Language";
const wchar_t kSkinKey[] = L"SaveData\\Skin";

namespace settings {

namespace {

std::wstring fullPath(const wchar_t* key) {
    std::wstring path = kProgramKey;
    if (key && *key) path += std::wstring(L"\\") + key;
    return path;
}

// Owns an open key for one call.
class OpenKey {
public:
    OpenKey(const wchar_t* key, bool create) {
        const std::wstring path = fullPath(key);
        const LONG status = create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                                     KEY_READ | KEY_WRITE, nullptr, &key_, nullptr)
                                   : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_WRITE, &key_);
        if (status != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// RegDeleteTreeW is not on every system the tests run on: the children go first.
bool deleteTree(HKEY parent, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, name, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return false;
    wchar_t child[256];
    for (;;) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (!deleteTree(key, child)) break;
    }
    RegCloseKey(key);
    return RegDeleteKeyW(parent, name) == ERROR_SUCCESS;
}

}  // namespace

bool clearAll() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return true;
    RegCloseKey(key);
    return deleteTree(HKEY_CURRENT_USER, kProgramKey);
}

bool hasValue(const wchar_t* key, const wchar_t* name) {
    OpenKey open(key, false);
    return open.get() && RegQueryValueExW(open.get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool readNumber(const wchar_t* key, const wchar_t* name, DWORD* value) {
    OpenKey open(key, false);
    return testing_registry::readDwordValue(open.get(), name, value);
}

bool readText(const wchar_t* key, const wchar_t* name, std::wstring* value) {
    OpenKey open(key, false);
    return testing_registry::readTextValue(open.get(), name, value);
}

bool writeNumber(const wchar_t* key, const wchar_t* name, DWORD value) {
    OpenKey open(key, true);
    return open.get() && RegSetValueExW(open.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                        sizeof(value)) == ERROR_SUCCESS;
}

bool writeText(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    OpenKey open(key, true);
    return open.get() && RegSetValueExW(open.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                        DWORD((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool removeValue(const wchar_t* key, const wchar_t* name) {
    OpenKey open(key, false);
    return open.get() && RegDeleteValueW(open.get(), name) == ERROR_SUCCESS;
}

std::wstring describeNumber(const wchar_t* key, const wchar_t* name) {
    DWORD value = 0;
    if (!readNumber(key, name, &value)) return L"<missing>";
    wchar_t text[32];
    swprintf(text, 32, L"%lu (0x%06lX)", static_cast<unsigned long>(value), static_cast<unsigned long>(value));
    return text;
}

std::wstring describeText(const wchar_t* key, const wchar_t* name) {
    std::wstring value;
    return readText(key, name, &value) ? L"\"" + value + L"\"" : L"<missing>";
}

}  // namespace settings

}  // namespace testing_program
