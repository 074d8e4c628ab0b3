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
        localizer->selectLanguageAt(i);  // the localizer holds the current language's texts
        const LangPack* language = localizer->currentLanguage();
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
        current->selectLanguageAt(l);
        old->selectLanguageAt(l);
        const LangPack* now = current->currentLanguage();
        const LangPack* before = old->currentLanguage();
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

// The localizer over the embedded pack holds one language's texts and reads the
// next on a switch: every lookup must answer as a localizer holding them all does,
// already when the listeners are told.
class TextReader : public lang::ILanguageListener {
public:
    void languageChanged(Localizer* localizer, int32_t) override { seen = localizer->getText(740000); }
    std::wstring seen;
};

TEST(EmbeddedPack, ASwitchAnswersEveryEntryAsTheWholePack) {
    Held<xml::Node> document = embeddedPackDocument();
    HeldLocalizer whole = localizerOf(document.get());
    HeldLocalizer lean = embeddedLocalizer(L"German");
    ASSERT_TRUE(lean->holdsCurrentLanguageOnly());
    ASSERT_EQ(whole->languageCount(), lean->languageCount());
    TextReader reader;
    lean->addListener(&reader);
    for (uint32_t l = 0; l < whole->languageCount(); ++l) {
        const uint32_t previous = uint32_t(lean->indexOfLanguage(lean->currentLanguage()));
        whole->selectLanguageAt(l);
        lean->selectLanguageAt(l);
        const LangPack* expected = whole->currentLanguage();
        ASSERT_EQ(lean->languageAt(l), lean->currentLanguage());
        EXPECT_EQ(expected->textCount(), lean->currentLanguage()->textCount()) << l;
        for (uint32_t t = 0; t < expected->textCount(); ++t) {
            const int32_t id = expected->idAt(t);
            EXPECT_STREQ(whole->getText(id), lean->getText(id)) << textOf(&expected->tagName()) << " " << id;
            EXPECT_STREQ(whole->getEnglishText(id), lean->getEnglishText(id)) << id;
        }
        for (uint32_t k = 0; k < expected->keyCount(); ++k) {
            const std::wstring key = textOf(expected->keyAt(k));
            EXPECT_STREQ(whole->getText(key.c_str()), lean->getText(key.c_str())) << key.c_str();
        }
        if (previous != l) {
            EXPECT_EQ(std::wstring(whole->getText(740000)), reader.seen) << l;
        }
        // The language left behind gives its texts back, English excepted.
        if (previous != l && previous != 0) {
            EXPECT_EQ(0u, lean->languageAt(previous)->textCount()) << previous;
        }
    }
    for (int32_t id : {300000, 740000, 609200, 123456}) {
        Held<str::strarray::StrArray> all(str::strarray::StrArray::acquire()), held(str::strarray::StrArray::acquire());
        whole->textsInEveryLanguage(id, *all);
        lean->textsInEveryLanguage(id, *held);
        ASSERT_EQ(whole->languageCount(), held->count()) << id;
        for (uint32_t l = 0; l < all->count(); ++l)
            EXPECT_EQ(textOf(all->get(l)), textOf(held->get(l))) << l << " " << id;
    }
    lean->removeListener(&reader);
}

}  // namespace
}  // namespace s::langtest
