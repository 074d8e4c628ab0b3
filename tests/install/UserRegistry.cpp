#include "UserRegistry.h"

#include <shlwapi.h>

#include <cwchar>

#include "tests/support/RegistryValues.h"

namespace testing_install {

const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tuvo HueSnap";
const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValue[] = L"Tuvo HueSnap";

namespace user_registry {

namespace {

// Owns a key opened for one call.
class OpenKey {
public:
    OpenKey(const wchar_t* path, REGSAM access) {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
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

}  // namespace

bool keyExists(const wchar_t* key) {
    return OpenKey(key, KEY_READ).get() != nullptr;
}

bool hasValue(const wchar_t* key, const wchar_t* name) {
    OpenKey open(key, KEY_READ);
    return open.get() && RegQueryValueExW(open.get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool readText(const wchar_t* key, const wchar_t* name, std::wstring* value) {
    OpenKey open(key, KEY_READ);
    return testing_registry::readTextValue(open.get(), name, value);
}

bool readNumber(const wchar_t* key, const wchar_t* name, DWORD* value) {
    OpenKey open(key, KEY_READ);
    return testing_registry::readDwordValue(open.get(), name, value);
}

bool removeValue(const wchar_t* key, const wchar_t* name) {
    OpenKey open(key, KEY_SET_VALUE);
    return open.get() && RegDeleteValueW(open.get(), name) == ERROR_SUCCESS;
}

bool writeText(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG status = RegSetValueExW(created, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       DWORD((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(created);
    return status == ERROR_SUCCESS;
}

bool removeTree(const wchar_t* key) {
    // SHDeleteKeyW removes the subkeys too, on every system the program runs on.
    SHDeleteKeyW(HKEY_CURRENT_USER, key);
    return !keyExists(key);
}

}  // namespace user_registry

}  // namespace testing_install
