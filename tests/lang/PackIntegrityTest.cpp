// The integrity of the language pack as the build embeds it: the languages and
// their names, every entry, every language answering every id, every text a user
// reads translated into every language (its own element, not the English
// fallback, and not left identical to English unless that is right), the
// addresses, and the version and date the build filled in.
//
// The XML is read twice: through the localizer's loader with every language
// filled, and as a plain document, to tell a language's own element from a
// filled-in fallback.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "LangTestSupport.h"

namespace s::langtest {
namespace {

using lang::LangPack;
using lang::Localizer;
using str::strbuffer::StrBuffer;

struct LanguageNames {
    const wchar_t* tag;
    const wchar_t* engName;
    const wchar_t* trueName;
};

// In menu order; native names as the program has always stored them.
const LanguageNames LANGUAGES[] = {
    {L"eng", L"English", L"English"},
    {L"bel", L"Belarusian", L"Беларускі"},
    {L"deu", L"German", L"Deutsch"},
    {L"ell", L"Greek", L"Ελληνικά"},
    {L"fra", L"French", L"Français"},
    {L"ita", L"Italian", L"Italiano"},
    {L"hun", L"Hungarian", L"Magyar"},
    {L"nld", L"Dutch", L"Nederlands"},
    {L"rom", L"Romanian", L"Română"},
    {L"rus", L"Russian", L"Русский"},
    {L"tur", L"Turkish", L"Türkçe"},
    {L"zhs", L"Chinese_Simplified", L"简体中文"},
    {L"jpn", L"Japanese", L"日本語"},
    {L"kor", L"Korean", L"한국어"},
    {L"ara", L"Arabic", L"عربي (Partial)"},
    {L"ind", L"Indonesian", L"Bahasa Indonesia (Partial)"},
    {L"bul", L"Bulgarian", L"Български (Partial)"},
    {L"cze", L"Czech", L"Cestina (Partial)"},
    {L"cpn", L"Serbian_Cyrillic", L"Српски (Partial)"},
    {L"dan", L"Danish", L"Dansk (Partial)"},
    {L"est", L"Estonian", L"Eesti (Partial)"},
    {L"spa", L"Spanish", L"Español (Partial)"},
    {L"hrv", L"Croatian", L"Hrvatski (Partial)"},
    {L"per", L"Persian", L"فارسی (Partial)"},
    {L"pol", L"Polish", L"Polski (Partial)"},
    {L"bra", L"Portuguese_Brazilian", L"Portugus Brasileiro (Partial)"},
    {L"slk", L"Slovak", L"Slovensky (Partial)"},
    {L"srp", L"Serbian_Latin", L"Srpski (Partial)"},
    {L"fin", L"Finnish", L"Suomeksi (Partial)"},
    {L"swe", L"Swedish", L"Svenska (Partial)"},
    {L"ukr", L"Ukrainian", L"Українська (Partial)"},
    {L"vec", L"Venetian", L"Vèneto Vec-to (Partial)"},
    {L"zht", L"Chinese_Traditional", L"繁體中文 (Partial)"},
    {L"vie", L"Vietnamese", L"Việt Nam (Partial)"},
};
constexpr uint32_t LANGUAGE_COUNT = sizeof(LANGUAGES) / sizeof(LANGUAGES[0]);

// Every entry of the pack, ascending.
const int32_t ALL_IDS[] = {
    100000, 101000, 105000, 106000, 107000, 108000, 108100,  108200,  108500,  109000, 109100, 300000,
    400010, 400020, 400030, 400080, 400100, 400110, 400120,  500000,  500001,  500002, 500003, 500004,
    500006, 500010, 500020, 500030, 500089, 500090, 500100,  500101,  500102,  609000, 609100, 609200,
    609300, 609400, 609500, 609900, 700000, 700001, 701000, 701100,  701200,  701300,  740000, 740100, 750000,
    751000, 830000, 900000, 900200, 900210, 900500, 920000,  920010,  920020,  920030, 920040, 920100,
    920110, 920200, 920300, 920400, 1000100, 1000200, 1000300,
};

// Web addresses (the donation page twice).
const std::set<int32_t> ADDRESS_IDS = {101000, 106000, 108000, 108200, 108500, 500003, 500004, 500006, 500100};

// Entries that read the same in every language: the site and product names, the
// version, the date, the two empty entries and the addresses. English only.
std::set<int32_t> sameEverywhereIds() {
    std::set<int32_t> ids = {100000, 300000, 500000, 500001, 500002, 500010, 500020, 500101, 500102};
    ids.insert(ADDRESS_IDS.begin(), ADDRESS_IDS.end());
    return ids;
}

// Names of Windows editions are not translated.
constexpr int32_t WINDOWS_EDITIONS_ID = 500030;

// Translations rightly identical to the English text, with the reason.
const std::map<std::pair<std::wstring, int32_t>, const char*> ALLOWED_SAME = {
    {{L"deu", 400010}, "German 'Version' is the same word"},
    {{L"nld", 920000}, "Dutch 'Contrast' is the same word"},
    {{L"rom", 920000}, "Romanian 'Contrast' is the same word"},
    {{L"deu", 400080}, "'URL' is the usual German term"},
    {{L"deu", 740000}, "German 'Text' is the same word"},
    {{L"deu", 1000200}, "S = Saettigung"},
    {{L"ita", 400080}, "'URL' is the usual Italian term"},
    {{L"ita", 1000200}, "S = Saturazione"},
    {{L"ita", 1000300}, "L = Luminosita"},
    {{L"nld", 400080}, "'URL' is the usual Dutch term"},
    {{L"nld", 920000}, "Dutch 'Contrast' is the same word"},
    {{L"rom", 400080}, "'URL' is the usual Romanian term"},
    {{L"rom", 920000}, "Romanian 'Contrast' is the same word"},
    {{L"rom", 740000}, "Romanian 'Text' is the same word"},
    {{L"rom", 1000200}, "S = Saturatie"},
    {{L"rom", 1000300}, "L = Luminozitate"},
    {{L"jpn", 400030}, "Japanese programs write 'OS'"},
    {{L"jpn", 400080}, "Japanese programs write 'URL'"},
    {{L"ind", 1000200}, "S = Saturasi"},
    {{L"cze", 740000}, "Czech 'Text' is the same word"},
    {{L"cze", 1000200}, "S = Sytost"},
    {{L"dan", 400010}, "Danish 'Version' is the same word"},
    {{L"dan", 1000300}, "L = Lysstyrke"},
    {{L"spa", 1000200}, "S = Saturacion"},
    {{L"spa", 1000300}, "L = Luminosidad"},
    {{L"bra", 1000200}, "S = Saturacao"},
    {{L"bra", 1000300}, "L = Luminosidade"},
    {{L"slk", 740000}, "Slovak 'Text' is the same word"},
    {{L"slk", 1000200}, "S = Sytost"},
    {{L"swe", 400010}, "Swedish 'Version' is the same word"},
    {{L"swe", 740000}, "Swedish 'Text' is the same word"},
    {{L"swe", 1000300}, "L = Ljusstyrka"},
    {{L"vec", 400010}, "Venetian 'Version' is the same word"},
    {{L"vec", 1000200}, "S = Saturasion"},
};

std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += (c < 0x80) ? char(c) : '?';
    return out;
}


class PackIntegrity : public ::testing::Test {
protected:
    void SetUp() override {
        document_ = embeddedPackDocument();
        localizer_ = localizerOf(document_.get());
        const xml::Node* entries = document_->getChild(L"entries");
        ASSERT_NE(nullptr, entries);
        for (uint32_t i = 0; i < entries->childCount(); ++i) {
            const xml::Node* entry = entries->childAt(i);
            elements_[entry->getS32(L"id", -1)] = entry;
        }
    }

    // The entry's elements of `tag` (exact name), in document order.
    uint32_t elementCount(int32_t id, const wchar_t* tag) const {
        const xml::Node* entry = elements_.at(id);
        uint32_t count = 0;
        for (uint32_t i = 0; i < entry->childCount(); ++i) count += entry->childAt(i)->nameEquals(tag, 3) ? 1 : 0;
        return count;
    }

    std::wstring textIn(uint32_t language, int32_t id) const {
        return textOf(localizer_->languageAt(language)->findText(id));
    }

    Held<xml::Node> document_;
    HeldLocalizer localizer_;
    std::map<int32_t, const xml::Node*> elements_;  // not owned: nodes of document_
};

TEST_F(PackIntegrity, ThirtyFourLanguagesInOrderWithTheirNames) {
    EXPECT_STREQ(L"lang", document_->getName());
    ASSERT_EQ(LANGUAGE_COUNT, localizer_->languageCount());
    for (uint32_t i = 0; i < LANGUAGE_COUNT; ++i) {
        const LangPack* language = localizer_->languageAt(i);
        EXPECT_EQ(LANGUAGES[i].tag, textOf(&language->tagName())) << i;
        EXPECT_EQ(LANGUAGES[i].engName, textOf(&language->engName())) << i;
        EXPECT_EQ(LANGUAGES[i].trueName, textOf(&language->trueName())) << i;
    }
}

TEST_F(PackIntegrity, EveryEntryOnceWithEnglishFirst) {
    std::vector<int32_t> found;
    const xml::Node* entries = document_->getChild(L"entries");
    for (uint32_t i = 0; i < entries->childCount(); ++i) {
        const xml::Node* entry = entries->childAt(i);
        EXPECT_STREQ(L"entry", entry->getName());
        found.push_back(entry->getS32(L"id", -1));
        ASSERT_GT(entry->childCount(), 0u) << found.back();
        EXPECT_TRUE(entry->childAt(0)->nameEquals(L"eng", 3)) << found.back();
    }
    EXPECT_EQ(std::vector<int32_t>(std::begin(ALL_IDS), std::end(ALL_IDS)), found);
}

TEST_F(PackIntegrity, EveryLanguageAnswersEveryId) {
    for (uint32_t l = 0; l < localizer_->languageCount(); ++l) {
        const LangPack* language = localizer_->languageAt(l);
        for (int32_t id : ALL_IDS) EXPECT_TRUE(language->hasId(id)) << LANGUAGES[l].engName << " " << id;
        // Only the French double of 609200 adds a text beyond one per entry.
        const uint32_t extra = std::wstring(LANGUAGES[l].tag) == L"fra" ? 1 : 0;
        EXPECT_EQ(std::size(ALL_IDS) + extra, language->textCount()) << narrow(LANGUAGES[l].engName);
    }
}

TEST_F(PackIntegrity, EveryUserVisibleEntryIsTranslatedInEveryLanguage) {
    const std::set<int32_t> sameEverywhere = sameEverywhereIds();
    std::set<std::pair<std::wstring, int32_t>> allowancesUsed;
    std::printf("User-visible entries translated per language (own element, differing from English):\n");
    for (uint32_t l = 0; l < LANGUAGE_COUNT; ++l) {
        const std::wstring tag = LANGUAGES[l].tag;
        uint32_t userVisible = 0, own = 0, sameAllowed = 0;
        for (int32_t id : ALL_IDS) {
            if (sameEverywhere.count(id)) continue;
            ++userVisible;
            const uint32_t elements = elementCount(id, tag.c_str());
            const uint32_t expectedElements = (tag == L"fra" && id == 609200) ? 2 : 1;
            EXPECT_EQ(expectedElements, elements) << narrow(tag) << " " << id;
            if (elements == 0) continue;
            const std::wstring text = textIn(l, id);
            EXPECT_FALSE(text.empty()) << narrow(tag) << " " << id;
            ++own;
            if (tag == L"eng" || text != textIn(0, id)) continue;
            const auto key = std::make_pair(tag, id);
            if (id == WINDOWS_EDITIONS_ID || ALLOWED_SAME.count(key)) {
                ++sameAllowed;
                allowancesUsed.insert(key);
            } else {
                ADD_FAILURE() << narrow(tag) << " " << id << " is left identical to English: " << narrow(text);
            }
        }
        std::printf("  %s %-21s %2u/%u%s\n", narrow(tag).c_str(), narrow(LANGUAGES[l].engName).c_str(), own,
                    userVisible,
                    sameAllowed ? (" (" + std::to_string(sameAllowed) + " same as English, allowed)").c_str() : "");
    }
    for (const auto& allowed : ALLOWED_SAME) {
        EXPECT_TRUE(allowancesUsed.count(allowed.first))
            << narrow(allowed.first.first) << " " << allowed.first.second << " is translated now: drop its allowance";
    }
}

TEST_F(PackIntegrity, FixedEntriesStandInEnglishOnly) {
    const std::set<int32_t> sameEverywhere = sameEverywhereIds();
    for (int32_t id : sameEverywhere) {
        EXPECT_EQ(1u, elements_.at(id)->childCount()) << id;
        for (uint32_t l = 1; l < LANGUAGE_COUNT; ++l) EXPECT_EQ(textIn(0, id), textIn(l, id)) << id;
    }
    EXPECT_EQ(L"Tuvo HueSnap", textIn(0, 300000));
    EXPECT_EQ(L"Tuvo HueSnap", textIn(0, 500000));
    EXPECT_EQ(L"Freeware", textIn(0, 500001));
    EXPECT_EQ(L"HueSnap", textIn(0, 500002));
    EXPECT_EQ(HUESNAP_TEST_VERSION, textIn(0, 500010));
    EXPECT_EQ(HUESNAP_TEST_RELEASE_DATE, textIn(0, 500020));
    EXPECT_EQ(L"", textIn(0, 500101));
    EXPECT_EQ(L"", textIn(0, 500102));
}

TEST_F(PackIntegrity, EveryAddressIsHttps) {
    for (int32_t id : ADDRESS_IDS) {
        const std::wstring address = textIn(0, id);
        EXPECT_EQ(0u, address.rfind(L"https://", 0)) << id << " " << narrow(address);
        EXPECT_EQ(std::wstring::npos, address.find(L' ')) << id;
    }
}

}  // namespace
}  // namespace s::langtest
