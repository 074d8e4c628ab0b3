// The user's interface language as a name the localizer can pick a language by.
#include <gtest/gtest.h>
#include <windows.h>

#include "LangTestSupport.h"
#include "lang/SystemLanguage.h"

namespace s::langtest {
namespace {

using lang::languageConstantName;
using str::strbuffer::StrBuffer;

std::wstring nameOf(uint16_t languageId) {
    StrBuffer name;
    EXPECT_TRUE(lang::languageName(languageId, name));
    return textOf(&name);
}

struct IdName {
    uint16_t id;
    const wchar_t* name;
};

TEST(SystemLanguage, FullIdentifiersComeBeforeThePrimaryLanguage) {
    const IdName cases[] = {
        {0x0004, L"CHINESE_SIMPLIFIED"},
        {0x0804, L"CHINESE_SIMPLIFIED"},
        {0x1004, L"CHINESE_SIMPLIFIED"},
        {0x0404, L"CHINESE_TRADITIONAL"},
        {0x0C04, L"CHINESE_TRADITIONAL"},
        {0x1404, L"CHINESE_TRADITIONAL"},
        {0x7C04, L"CHINESE_TRADITIONAL"},
        {0x001A, L"CROATIAN"},
        {0x041A, L"CROATIAN"},
        {0x101A, L"CROATIAN"},
        {0x0416, L"PORTUGUESE_BRAZILIAN"},
        {0x0816, L"PORTUGUESE_PORTUGAL"},
        {0x081A, L"SERBIAN_LATIN"},
        {0x181A, L"SERBIAN_LATIN"},
        {0x0C1A, L"SERBIAN_CYRILLIC"},
        {0x1C1A, L"SERBIAN_CYRILLIC"},
        {0x7C1A, L"SERBIAN"},
        {0x201A, L"BOSNIAN"},
        {0x042E, L"UPPER_SORBIAN"},
        {0x082E, L"LOWER_SORBIAN"},
    };
    for (const IdName& c : cases) EXPECT_STREQ(c.name, languageConstantName(c.id)) << std::hex << c.id;
}

TEST(SystemLanguage, OtherIdentifiersGoByTheirLowEightBits) {
    const IdName cases[] = {
        {0x0407, L"GERMAN"},        {0x0C07, L"GERMAN"},     {0x0409, L"ENGLISH"},    {0x0809, L"ENGLISH"},
        {0x0429, L"PERSIAN"},       {0x042A, L"VIETNAMESE"}, {0x0414, L"NORWEGIAN"},  {0x0814, L"NORWEGIAN"},
        {0x0C0A, L"SPANISH"},       {0x7804, L"CHINESE"},    {0x0016, L"PORTUGUESE"}, {0x241A, L"CROATIAN"},
        {0x0403, L"CATALAN"},       {0x048C, L"DARI"},       {0x0486, L"KICHE"},      {0x0423, L"BELARUSIAN"},
        {0x0412, L"KOREAN"},        {0x0401, L"ARABIC"},     {0x0425, L"ESTONIAN"},   {0x0421, L"INDONESIAN"},
        {0x046E, L"LUXEMBOURGISH"}, {0x0473, L"TIGRIGNA"},   {0x0488, L"WOLOF"},      {0x0478, L"YI"},
    };
    for (const IdName& c : cases) EXPECT_STREQ(c.name, languageConstantName(c.id)) << std::hex << c.id;
}

TEST(SystemLanguage, IdentifiersWithoutAConstantAreUnknown) {
    // 0x00 neutral, 0x58 Manipuri (not a name the program knows), 0x7F invariant, 0xFF unused.
    for (uint16_t id : {uint16_t(0x0000), uint16_t(0x0458), uint16_t(0x007F), uint16_t(0x04FF), uint16_t(0x0030)}) {
        EXPECT_STREQ(L"Unknown", languageConstantName(id)) << std::hex << id;
    }
}

TEST(SystemLanguage, NamesAreCapitalized) {
    EXPECT_EQ(L"German", nameOf(0x0407));
    EXPECT_EQ(L"English", nameOf(0x0409));
    EXPECT_EQ(L"Chinese_simplified", nameOf(0x0804));
    EXPECT_EQ(L"Portuguese_portugal", nameOf(0x0816));
    EXPECT_EQ(L"Serbian", nameOf(0x7C1A));
    EXPECT_EQ(L"Upper_sorbian", nameOf(0x042E));
    EXPECT_EQ(L"Unknown", nameOf(0x0458));
}

TEST(SystemLanguage, TheSystemNameIsTheUsersLanguageAndIsKept) {
    const wchar_t* first = lang::systemLanguageName();
    EXPECT_EQ(nameOf(GetUserDefaultUILanguage()), first);
    EXPECT_EQ(first, lang::systemLanguageName());
}

// Every name a Windows language leads to, looked up in the real pack: the
// language each identifier ends in, through the name and the localizer's rules.
TEST(SystemLanguage, IdentifiersSelectTheirPackLanguage) {
    struct IdTag {
        uint16_t id;
        const wchar_t* tag;
    };
    const IdTag cases[] = {
        {0x0407, L"deu"},
        {0x0409, L"eng"},
        {0x0423, L"bel"},
        {0x0408, L"ell"},
        {0x040C, L"fra"},
        {0x0410, L"ita"},
        {0x040E, L"hun"},
        {0x0413, L"nld"},
        {0x0418, L"rom"},
        {0x0419, L"rus"},
        {0x041F, L"tur"},
        {0x0804, L"zhs"},
        {0x0411, L"jpn"},
        {0x0412, L"kor"},
        {0x0401, L"ara"},
        {0x0421, L"ind"},
        {0x0402, L"bul"},
        {0x0405, L"cze"},
        {0x0C1A, L"cpn"},
        {0x0406, L"dan"},
        {0x0425, L"est"},
        {0x0C0A, L"spa"},
        {0x041A, L"hrv"},
        {0x0429, L"per"},
        {0x0415, L"pol"},
        {0x0416, L"bra"},
        {0x041B, L"slk"},
        {0x081A, L"srp"},
        {0x040B, L"fin"},
        {0x041D, L"swe"},
        {0x0422, L"ukr"},
        {0x0404, L"zht"},
        {0x042A, L"vie"},
        // Family and fallback rules.
        {0x0816, L"bra"},
        {0x0016, L"bra"},
        {0x7C1A, L"cpn"},
        {0x1004, L"zhs"},
        {0x7804, L"zhs"},
        {0x7C04, L"zht"},
        {0x0414, L"eng"},
        {0x201A, L"eng"},
        {0x042E, L"eng"},
        {0x0458, L"eng"},
        {0x0000, L"eng"},
    };
    for (const IdTag& c : cases) {
        HeldLocalizer localizer = embeddedLocalizer(nameOf(c.id).c_str());
        EXPECT_EQ(c.tag, currentTag(*localizer)) << std::hex << c.id;
    }
}

}  // namespace
}  // namespace s::langtest
