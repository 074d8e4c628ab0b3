// The localizer over the pack the program embeds (linked into this test program
// under the same resource type and id).
#include <gtest/gtest.h>

#include <string>

#include "LangTestSupport.h"
#include "lang/SystemLanguage.h"

namespace s::langtest {
namespace {

using lang::LangPack;
using lang::Localizer;

TEST(EmbeddedPack, CreateWithTheSystemsLanguage) {
    HeldLocalizer localizer(Localizer::create(nullptr, Localizer::RESOURCE_TYPE, Localizer::RESOURCE_ID));
    ASSERT_NE(nullptr, localizer);
    ASSERT_EQ(34u, localizer->languageCount());
    LangPack* expected = localizer->findLanguage(lang::systemLanguageName());
    if (!expected) expected = localizer->findLanguage(L"English");
    EXPECT_EQ(expected, localizer->currentLanguage()) << "system language " << lang::systemLanguageName();
}

TEST(EmbeddedPack, TheFirstOfTwoFrenchElementsIsShown) {
    HeldLocalizer localizer = embeddedLocalizer(L"French");
    ASSERT_EQ(L"fra", currentTag(*localizer));
    EXPECT_STREQ(L"Fermer par le Bouton du Milieu", localizer->getText(609200));
}

TEST(EmbeddedPack, RoleButtonsKeepTheirPaddingInEveryLanguage) {
    HeldLocalizer localizer = embeddedLocalizer();
    EXPECT_STREQ(L" Text ", localizer->getText(740000));
    EXPECT_STREQ(L" Background ", localizer->getText(740100));
    for (uint32_t i = 0; i < localizer->languageCount(); ++i) {
        localizer->selectLanguageAt(i);
        for (int32_t id : {740000, 740100}) {
            const std::wstring text = localizer->getText(id);
            ASSERT_GE(text.size(), 3u) << i;
            EXPECT_EQ(L' ', text.front()) << currentTag(*localizer) << " " << id;
            EXPECT_EQ(L' ', text.back()) << currentTag(*localizer) << " " << id;
            EXPECT_NE(L' ', text[1]) << currentTag(*localizer) << " " << id;
            EXPECT_NE(L' ', text[text.size() - 2]) << currentTag(*localizer) << " " << id;
        }
    }
}

// Chinese and Japanese full-width punctuation carries its own spacing: a space
// after it shows as a gap, before the "(online)" marker too.
TEST(EmbeddedPack, NoSpaceFollowsFullWidthPunctuation) {
    HeldLocalizer localizer = embeddedLocalizer();
    const std::wstring fullWidth = L"\uFF1F\uFF01\uFF1A\uFF0C\u3002\u3001\uFF09";  // ？！：，。、）
    for (uint32_t i = 0; i < localizer->languageCount(); ++i) {
        const LangPack* language = localizer->languageAt(i);
        for (uint32_t t = 0; t < language->textCount(); ++t) {
            const std::wstring text = textOf(language->textAt(t));
            for (size_t at = text.find(L' '); at != std::wstring::npos; at = text.find(L' ', at + 1))
                EXPECT_TRUE(at == 0 || fullWidth.find(text[at - 1]) == std::wstring::npos)
                    << textOf(&language->tagName()) << " " << language->idAt(t);
        }
    }
}

TEST(EmbeddedPack, EntriesALanguageDoesNotCarryGiveTheEnglishText) {
    HeldLocalizer localizer = embeddedLocalizer(L"German");
    ASSERT_EQ(L"deu", currentTag(*localizer));
    // Addresses and the product name stand in English only.
    for (int32_t id : {101000, 500003, 500000, 300000}) {
        EXPECT_STRNE(L"", localizer->getText(id)) << id;
        EXPECT_STREQ(localizer->getEnglishText(id), localizer->getText(id)) << id;
    }
    EXPECT_STREQ(L"Sample Text", localizer->getEnglishText(900000));
    EXPECT_STRNE(L"Sample Text", localizer->getText(900000));
    EXPECT_STREQ(L"", localizer->getText(123456));
    EXPECT_STREQ(L"", localizer->getEnglishText(123456));
}

TEST(EmbeddedPack, ReselectingTheCurrentLanguageInOtherCaseTellsNobody) {
    HeldLocalizer localizer = embeddedLocalizer(L"German");
    std::vector<RecordingListener::Call> log;
    RecordingListener listener(log);
    localizer->addListener(&listener);
    localizer->selectLanguage(L"GERMAN");
    localizer->selectLanguage(L"german");
    EXPECT_TRUE(log.empty());
    localizer->selectLanguage(L"Chinese_simplified");
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ(L"zhs", log[0].currentTag);
}

// On systems before Windows 6.0 the Venetian texts read "ł" where the pack has
// "ƚ"; nothing else differs.
TEST(EmbeddedPack, VenetianLetterOnOldSystems) {
    HeldLocalizer current = embeddedLocalizer(L"Venetian", CURRENT_WINDOWS);
    HeldLocalizer old = embeddedLocalizer(L"Venetian", OLD_WINDOWS);
    ASSERT_EQ(L"vec", currentTag(*old));
    EXPECT_STREQ(L"Sara col clic de \u0142a roda del mouse", old->getText(609200));
    ASSERT_EQ(current->languageCount(), old->languageCount());
    uint32_t swapped = 0;
    for (uint32_t l = 0; l < current->languageCount(); ++l) {
        const LangPack* now = current->languageAt(l);
        const LangPack* before = old->languageAt(l);
        const bool venetian = textOf(&now->tagName()) == L"vec";
        ASSERT_EQ(now->textCount(), before->textCount());
        for (uint32_t i = 0; i < now->textCount(); ++i) {
            std::wstring expected = textOf(now->textAt(i));
            if (venetian) {
                for (wchar_t& c : expected) c = c == L'\u019A' ? L'\u0142' : c;
            }
            const std::wstring got = textOf(before->textAt(i));
            EXPECT_EQ(expected, got) << textOf(&now->tagName()) << " " << now->idAt(i);
            if (venetian && got != textOf(now->textAt(i))) ++swapped;
        }
    }
    EXPECT_GT(swapped, 0u);
}

}  // namespace
}  // namespace s::langtest
