#include "lang/SystemLanguage.h"

#include <windows.h>

#include <cwchar>

#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::lang {

namespace {

struct NamedId {
    uint16_t id;
    const wchar_t* name;
};

// Identifiers whose primary language alone would pick the wrong pack language
// (or a script the user does not read), matched before the primary language.
constexpr NamedId FULL_IDENTIFIERS[] = {
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

// The Windows primary-language constants by value. Where several constants share
// a value, the name is the one the table above gives the neutral or main
// identifier of that language (0x1A: Croatian, as for 0x001A; 0x2E: Upper
// Sorbian, as for 0x042E).
constexpr NamedId PRIMARY_LANGUAGES[] = {
    {0x01, L"ARABIC"},      {0x02, L"BULGARIAN"},     {0x03, L"CATALAN"},     {0x04, L"CHINESE"},
    {0x05, L"CZECH"},       {0x06, L"DANISH"},        {0x07, L"GERMAN"},      {0x08, L"GREEK"},
    {0x09, L"ENGLISH"},     {0x0A, L"SPANISH"},       {0x0B, L"FINNISH"},     {0x0C, L"FRENCH"},
    {0x0D, L"HEBREW"},      {0x0E, L"HUNGARIAN"},     {0x0F, L"ICELANDIC"},   {0x10, L"ITALIAN"},
    {0x11, L"JAPANESE"},    {0x12, L"KOREAN"},        {0x13, L"DUTCH"},       {0x14, L"NORWEGIAN"},
    {0x15, L"POLISH"},      {0x16, L"PORTUGUESE"},    {0x17, L"ROMANSH"},     {0x18, L"ROMANIAN"},
    {0x19, L"RUSSIAN"},     {0x1A, L"CROATIAN"},      {0x1B, L"SLOVAK"},      {0x1C, L"ALBANIAN"},
    {0x1D, L"SWEDISH"},     {0x1E, L"THAI"},          {0x1F, L"TURKISH"},     {0x20, L"URDU"},
    {0x21, L"INDONESIAN"},  {0x22, L"UKRAINIAN"},     {0x23, L"BELARUSIAN"},  {0x24, L"SLOVENIAN"},
    {0x25, L"ESTONIAN"},    {0x26, L"LATVIAN"},       {0x27, L"LITHUANIAN"},  {0x28, L"TAJIK"},
    {0x29, L"PERSIAN"},     {0x2A, L"VIETNAMESE"},    {0x2B, L"ARMENIAN"},    {0x2C, L"AZERI"},
    {0x2D, L"BASQUE"},      {0x2E, L"UPPER_SORBIAN"}, {0x2F, L"MACEDONIAN"},  {0x32, L"TSWANA"},
    {0x34, L"XHOSA"},       {0x35, L"ZULU"},          {0x36, L"AFRIKAANS"},   {0x37, L"GEORGIAN"},
    {0x38, L"FAEROESE"},    {0x39, L"HINDI"},         {0x3A, L"MALTESE"},     {0x3B, L"SAMI"},
    {0x3C, L"IRISH"},       {0x3E, L"MALAY"},         {0x3F, L"KAZAK"},       {0x40, L"KYRGYZ"},
    {0x41, L"SWAHILI"},     {0x42, L"TURKMEN"},       {0x43, L"UZBEK"},       {0x44, L"TATAR"},
    {0x45, L"BENGALI"},     {0x46, L"PUNJABI"},       {0x47, L"GUJARATI"},    {0x48, L"ORIYA"},
    {0x49, L"TAMIL"},       {0x4A, L"TELUGU"},        {0x4B, L"KANNADA"},     {0x4C, L"MALAYALAM"},
    {0x4D, L"ASSAMESE"},    {0x4E, L"MARATHI"},       {0x4F, L"SANSKRIT"},    {0x50, L"MONGOLIAN"},
    {0x51, L"TIBETAN"},     {0x52, L"WELSH"},         {0x53, L"KHMER"},       {0x54, L"LAO"},
    {0x56, L"GALICIAN"},    {0x57, L"KONKANI"},       {0x59, L"SINDHI"},      {0x5A, L"SYRIAC"},
    {0x5B, L"SINHALESE"},   {0x5D, L"INUKTITUT"},     {0x5E, L"AMHARIC"},     {0x5F, L"TAMAZIGHT"},
    {0x60, L"KASHMIRI"},    {0x61, L"NEPALI"},        {0x62, L"FRISIAN"},     {0x63, L"PASHTO"},
    {0x64, L"FILIPINO"},    {0x65, L"DIVEHI"},        {0x68, L"HAUSA"},       {0x6A, L"YORUBA"},
    {0x6B, L"QUECHUA"},     {0x6C, L"SOTHO"},         {0x6D, L"BASHKIR"},     {0x6E, L"LUXEMBOURGISH"},
    {0x6F, L"GREENLANDIC"}, {0x70, L"IGBO"},          {0x73, L"TIGRIGNA"},    {0x78, L"YI"},
    {0x7A, L"MAPUDUNGUN"},  {0x7C, L"MOHAWK"},        {0x7E, L"BRETON"},      {0x80, L"UIGHUR"},
    {0x81, L"MAORI"},       {0x82, L"OCCITAN"},       {0x83, L"CORSICAN"},    {0x84, L"ALSATIAN"},
    {0x85, L"YAKUT"},       {0x86, L"KICHE"},         {0x87, L"KINYARWANDA"}, {0x88, L"WOLOF"},
    {0x8C, L"DARI"},
};

constexpr wchar_t UNKNOWN[] = L"Unknown";

template <size_t N>
const wchar_t* nameIn(const NamedId (&table)[N], uint16_t id) {
    for (const NamedId& entry : table) {
        if (entry.id == id) return entry.name;
    }
    return nullptr;
}

// The longest name is "CHINESE_TRADITIONAL"; room for it and more.
constexpr size_t NAME_CAPACITY = 32;

// The capitalised name of the user's interface language, built once.
struct CachedName {
    wchar_t text[NAME_CAPACITY];

    explicit CachedName(uint16_t languageId) {
        str::strbuffer::StrBuffer name;
        const wchar_t* source = languageName(languageId, name) ? name.c_str() : UNKNOWN;
        wcsncpy(text, source, NAME_CAPACITY - 1);
        text[NAME_CAPACITY - 1] = 0;
    }
};

}  // namespace

const wchar_t* languageConstantName(uint16_t languageId) {
    if (const wchar_t* name = nameIn(FULL_IDENTIFIERS, languageId)) return name;
    if (const wchar_t* name = nameIn(PRIMARY_LANGUAGES, uint16_t(languageId & 0xFF))) return name;
    return UNKNOWN;
}

bool languageName(uint16_t languageId, str::strbuffer::StrBuffer& name) {
    if (!name.set(languageConstantName(languageId))) return false;
    name.capitalize();
    return true;
}

const wchar_t* systemLanguageName() {
    static const CachedName cached(GetUserDefaultUILanguage());
    return cached.text;
}

}  // namespace s::lang
