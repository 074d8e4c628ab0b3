#pragma once
// The name of the user's interface language, in the form the language pack's
// English names are written, so the localizer can pick a language from it.
//
// A Windows language identifier is turned into the upper-case name of its Windows
// language constant: a few full identifiers first (the Chinese scripts, the
// Portuguese and Serbian variants, Croatian, Bosnian, the two Sorbian languages),
// then the primary language (the low 8 bits) by the table of primary-language
// constants ("GERMAN", "PERSIAN", ...), and "Unknown" for anything else. The
// name is then capitalised ("CHINESE_SIMPLIFIED" -> "Chinese_simplified"); the
// localizer compares names ignoring case.
//
// The mapping takes the identifier as an argument so every branch can be tested;
// systemLanguageName asks GetUserDefaultUILanguage once and keeps the result.
#include <cstdint>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::lang {

// The upper-case constant name for `languageId` ("GERMAN", "SERBIAN_CYRILLIC"), or
// "Unknown". A static string.
const wchar_t* languageConstantName(uint16_t languageId);

// Replaces the text of `name` by the capitalised constant name ("German",
// "Serbian_cyrillic", "Unknown"). False when the string could not grow.
bool languageName(uint16_t languageId, str::strbuffer::StrBuffer& name);

// languageName of the user's interface language, computed on first use (safe
// from any thread) and kept for the rest of the run.
const wchar_t* systemLanguageName();

}  // namespace s::lang
