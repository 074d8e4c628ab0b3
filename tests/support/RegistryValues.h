#pragma once
// Reading one value of an open registry key the way the tests check settings:
// a text (REG_SZ or REG_EXPAND_SZ, cut at its first terminator) or a REG_DWORD.
// False when the value is missing or of another type.
#include <windows.h>

#include <cwchar>
#include <string>

namespace testing_registry {

inline bool readTextValue(HKEY key, const wchar_t* name, std::wstring* value) {
    DWORD type = 0, size = 0;
    if (!key || RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&text[0]), &size) != ERROR_SUCCESS)
        return false;
    text.resize(wcsnlen(text.c_str(), text.size()));
    *value = text;
    return true;
}

inline bool readDwordValue(HKEY key, const wchar_t* name, DWORD* value) {
    DWORD type = 0, data = 0, size = sizeof(data);
    if (!key || RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(data))
        return false;
    *value = data;
    return true;
}

}  // namespace testing_registry
