#pragma once
// The program's settings in the current user's registry, read and written the
// way an installer or a person with the registry editor would: directly, while
// the program is not running (or to see what it stored).
//
// Keys are given below the program's own key HKCU\Software\Tuvo\Tuvo HueSnap,
// for example kMainView ("SaveData\MainWindow\View").
#include <windows.h>

#include <string>

namespace testing_program {

extern const wchar_t kProgramKey[];   // Software\Tuvo\Tuvo HueSnap
extern const wchar_t kSaveData[];     // the settings store's root
extern const wchar_t kMainView[];     // the main window's view settings
extern const wchar_t kLanguageKey[];  // its unnamed value is the language's English name
extern const wchar_t kSkinKey[];      // its unnamed value is the skin's name

namespace settings {

// Removes the program's key with everything below it: the next start is a first start.
bool clearAll();
bool hasValue(const wchar_t* key, const wchar_t* name);
// False when the value is missing or of another type.
bool readNumber(const wchar_t* key, const wchar_t* name, DWORD* value);
bool readText(const wchar_t* key, const wchar_t* name, std::wstring* value);
bool writeNumber(const wchar_t* key, const wchar_t* name, DWORD value);
bool writeText(const wchar_t* key, const wchar_t* name, const std::wstring& value);
bool removeValue(const wchar_t* key, const wchar_t* name);

// The value as text for a failure message: "<missing>" when absent.
std::wstring describeNumber(const wchar_t* key, const wchar_t* name);
std::wstring describeText(const wchar_t* key, const wchar_t* name);

}  // namespace settings

}  // namespace testing_program
