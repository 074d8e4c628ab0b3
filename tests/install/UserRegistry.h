#pragma once
// Keys of the current user's registry outside the program's own key, as the
// system's "installed programs" list and its start-up list read them.
#include <windows.h>

#include <string>

namespace testing_install {

extern const wchar_t kUninstallKey[];  // the program's entry in the installed-programs list
extern const wchar_t kRunKey[];        // programs started when the user logs on
extern const wchar_t kRunValue[];      // the program's value there

namespace user_registry {

bool keyExists(const wchar_t* key);
bool hasValue(const wchar_t* key, const wchar_t* name);
// A REG_SZ or REG_EXPAND_SZ value; false when missing or of another type.
bool readText(const wchar_t* key, const wchar_t* name, std::wstring* value);
bool readNumber(const wchar_t* key, const wchar_t* name, DWORD* value);
bool removeValue(const wchar_t* key, const wchar_t* name);
bool writeText(const wchar_t* key, const wchar_t* name, const std::wstring& value);
// Removes the key and everything below it; true when it is gone.
bool removeTree(const wchar_t* key);

}  // namespace user_registry

}  // namespace testing_install
