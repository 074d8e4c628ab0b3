// Localizer and LangPack over small packs written here: loading with its gap
// filling, lookups, choosing a language, listeners, bad input and pooling.
#include <gtest/gtest.h>

#include "LangTestSupport.h"
#include "foundation/thread/EasyPooler.h"

namespace s::langtest {
namespace {

using lang::LangPack;
using lang::Localizer;
using str::strbuffer::StrBuffer;

// Four languages; entries that exercise every loading rule.
const wchar_t SMALL_PACK[] =
    LR"(<lang>
  <languages>
    <entry tagName="eng" engName="English" trueName="English"/>
    <entry tagName="deu" engName="German" trueName="Deutsch"/>
    <entry tagName="fra" engName="French" trueName="Fran&amp;&quot;ais&quot;"/>
    <entry tagName="vec" engName="Venetian" trueName="V&#232;neto"/>
    <other tagName="xxx" engName="NotALanguage"/>
  </languages>
  <!-- a comment between the two parts -->
  <entries>
    <entry id="100">
      note for translators
      <eng>One</eng>
      <deu>Eins</deu>
      <fra>Un</fra>
      <fra>Une</fra>
      <xyz>not a language</xyz>
    </entry>
    <entry id="200"><eng>&#160;Two&#160;</eng><FRA>Deux</FRA></entry>
    <entry id="300abc"><deu>Drei</deu><eng>Three</eng></entry>
    <entry id="greeting"><eng>Hello</eng><deu>Hallo</deu></entry>
    <entry id="400"><eng>ƚa roda</eng><vec>ƚa roda ƚ</vec></entry>
    <entry id="99999999999"><eng>too large for an id</eng></entry>
    <entry id="500"></entry>
    <entry id="600"><zzz>Orphan</zzz><deu>Sechs</deu></entry>
    <other id="700"><eng>not an entry</eng></other>
  </entries>
</lang>)";

std::wstring textIn(Localizer& localizer, const wchar_t* language, int32_t id) {
    localizer.selectLanguage(language);
    return localizer.getText(id);
}

TEST(Localizer, LoadsTheLanguagesInPackOrderWithDecodedNames) {
    HeldLocalizer localizer = localizerFrom(SMALL_PACK);
    EXPECT_STREQ(L"s_lang_Localizer", localizer->getClassName());
    ASSERT_EQ(4u, localizer->languageCount());
    const wchar_t* tags[] = {L"eng", L"deu", L"fra", L"vec"};
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(tags[i], textOf(&localizer->languageAt(i)->tagName()));
        EXPECT_EQ(int32_t(i), localizer->indexOfLanguage(localizer->languageAt(i)));
    }
    EXPECT_EQ(L"German", textOf(&localizer->languageAt(1)->engName()));
    EXPECT_EQ(L"Fran&\"ais\"", textOf(&localizer->languageAt(2)->trueName()));
    EXPECT_EQ(nullptr, localizer->languageAt(4));
    EXPECT_EQ(L"s_lang_LangPack", std::wstring(localizer->languageAt(0)->getClassName()));
}

TEST(Localizer, MissingAttributesGiveEmptyNames) {
    HeldLocalizer localizer = localizerFrom(
        L"<lang><languages><entry tagName=\"eng\"/><entry/></languages>"
        L"<entries><entry id=\"1\"><eng>x</eng></entry></entries></lang>");
    ASSERT_EQ(2u, localizer->languageCount());
    EXPECT_EQ(L"", textOf(&localizer->languageAt(0)->engName()));
    EXPECT_EQ(L"", textOf(&localizer->languageAt(1)->tagName()));
    EXPECT_EQ(L"", textOf(&localizer->languageAt(1)->trueName()));
    // A language without a tag receives no element, only the fallback.
    EXPECT_EQ(L"x", textOf(localizer->languageAt(1)->findText(1)));
}

TEST(Localizer, EveryLanguageAnswersEveryIdWithTheFirstTextAsFallback) {
    HeldLocalizer localizer = localizerFrom(SMALL_PACK);
    EXPECT_EQ(L"Eins", textIn(*localizer, L"German", 100));
    EXPECT_EQ(L" Two ", textIn(*localizer, L"German", 200));  // English, with both spaces
    EXPECT_EQ(L"Deux", textIn(*localizer, L"French", 200));   // element names match tags ignoring case
    EXPECT_EQ(L"Un", textIn(*localizer, L"French", 100));     // the first of two elements
    // The fallback is the entry's first element, whichever language it is.
    EXPECT_EQ(L"Three", textIn(*localizer, L"English", 300));
    EXPECT_EQ(L"Drei", textIn(*localizer, L"French", 300));
    // ... even when it names no language of the pack.
    EXPECT_EQ(L"Orphan", textIn(*localizer, L"English", 600));
    EXPECT_EQ(L"Sechs", textIn(*localizer, L"German", 600));
    // An entry without elements gives every language the empty text.
    for (uint32_t i = 0; i < localizer->languageCount(); ++i) {
        EXPECT_TRUE(localizer->languageAt(i)->hasId(500));
        EXPECT_EQ(L"", textOf(localizer->languageAt(i)->findText(500)));
    }
}

TEST(Localizer, IdsNotInThePackGiveTheEmptyText) {
    HeldLocalizer localizer = localizerFrom(SMALL_PACK);
    localizer->selectLanguage(L"German");
    EXPECT_STREQ(L"", localizer->getText(12345));
    EXPECT_STREQ(L"", localizer->getText(700));  // under an element not named "entry"
    EXPECT_STREQ(L"", localizer->getText(-1));
    // The id too large for 32 bits is left out rather than wrapped onto another id.
    const LangPack* english = localizer->languageAt(0);
    ASSERT_EQ(6u, english->textCount());
    const int32_t ids[] = {100, 200, 300, 400, 500, 600};
    for (uint32_t i = 0; i < 6; ++i) EXPECT_EQ(ids[i], english->idAt(i));
    // French keeps both of its elements of 100: seven texts, the first one answers.
    EXPECT_EQ(7u, localizer->languageAt(2)->textCount());
}

TEST(Localizer, KeyedEntriesAreFilledLikeNumericOnesAndKeptApart) {
    HeldLocalizer localizer = localizerFrom(SMALL_PACK);
    localizer->selectLanguage(L"German");
    EXPECT_STREQ(L"Hallo", localizer->getText(L"greeting"));
    localizer->selectLanguage(L"Venetian");
    EXPECT_STREQ(L"Hello", localizer->getText(L"greeting"));
    EXPECT_STREQ(L"", localizer->getText(L"GREETING"));  // keys are exact
    EXPECT_STREQ(L"", localizer->getText(L"absent"));
    EXPECT_STREQ(L"", localizer->getText(static_cast<const wchar_t*>(nullptr)));
    for (uint32_t i = 0; i < localizer->languageCount(); ++i) {
        const LangPack* language = localizer->languageAt(i);
        ASSERT_EQ(1u, language->keyCount());
        EXPECT_EQ(L"greeting", textOf(language->keyAt(0)));
        EXPECT_FALSE(language->hasId(0));  // "greeting" never became a numeric id
    }
}

TEST(Localizer, TheVenetianLetterIsSwappedOnlyForVecOnOldSystems) {
    HeldLocalizer old = localizerFrom(SMALL_PACK, OLD_WINDOWS);
    EXPECT_EQ(L"\u0142a roda \u0142", textIn(*old, L"Venetian", 400));
    EXPECT_EQ(L"\u019Aa roda", textIn(*old, L"English", 400));  // other languages keep it
    HeldLocalizer current = localizerFrom(SMALL_PACK, Localizer::FIRST_VERSION_WITH_VENETIAN_LETTER);
    EXPECT_EQ(L"\u019Aa roda \u019A", textIn(*current, L"Venetian", 400));
    // The tag must be exactly "vec".
    HeldLocalizer upper = localizerFrom(
        L"<lang><languages><entry tagName=\"Vec\" engName=\"Venetian\"/></languages>"
        L"<entries><entry id=\"1\"><Vec>\u019A</Vec></entry></entries></lang>",
        OLD_WINDOWS);
    EXPECT_STREQ(L"\u019A", upper->getText(1));
}

TEST(Localizer, SelectingTellsTheListenersInOrderOnlyWhenTheLanguageChanges) {
    HeldLocalizer localizer = localizerFrom(SMALL_PACK);
    localizer->selectLanguageAt(0);  // English, whatever the system language
    std::vector<RecordingListener::Call> log;
    RecordingListener first(log), second(log);
    ASSERT_TRUE(localizer->addListener(&first));
    ASSERT_TRUE(localizer->addListener(&second));
    EXPECT_FALSE(localizer->addListener(nullptr));

    localizer->selectLanguage(L"German");
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ(&first, log[0].listener);
    EXPECT_EQ(&second, log[1].listener);
    for (const auto& call : log) {
        EXPECT_EQ(localizer.get(), call.localizer);
        EXPECT_EQ(Localizer::LANGUAGE_CHANGED, call.kind);
        EXPECT_EQ(L"deu", call.currentTag);  // already current when told
    }
    log.clear();
    localizer->selectLanguage(L"gERMAN");  // the current language in other letter case
    localizer->selectLanguageAt(1);
    localizer->selectLanguageAt(4);
    localizer->selectLanguageAt(0xFFFFFFFF);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(L"deu", currentTag(*localizer));

    localizer->selectLanguage(L"Klingon");  // no such language: English
    EXPECT_EQ(L"eng", currentTag(*localizer));
    EXPECT_EQ(2u, log.size());
    localizer->selectLanguage(L"Klingon");  // leads to English again: nothing changes
    localizer->selectLanguage(nullptr);
    EXPECT_EQ(2u, log.size());

    EXPECT_TRUE(localizer->removeListener(&first));
    EXPECT_FALSE(localizer->removeListener(&first));
    localizer->selectLanguageAt(2);
    ASSERT_EQ(3u, log.size());
    EXPECT_EQ(&second, log[2].listener);
    EXPECT_EQ(L"fra", log[2].currentTag);
    EXPECT_EQ(1u, localizer->listenerCount());
}

TEST(Localizer, UnknownNamesFallBackToEnglishElseTheFirstLanguage) {
    HeldLocalizer noEnglish = localizerFrom(
        L"<lang><languages><entry tagName=\"deu\" engName=\"German\"/><entry tagName=\"fra\" engName=\"French\"/>"
        L"</languages><entries><entry id=\"1\"><deu>Eins</deu><fra>Un</fra></entry></entries></lang>");
    noEnglish->selectLanguageAt(1);
    noEnglish->selectLanguage(L"English");
    EXPECT_EQ(L"deu", currentTag(*noEnglish));
    noEnglish->selectLanguageAt(1);
    // Without a language called English, the first language stands in for it.
    EXPECT_STREQ(L"Eins", noEnglish->getEnglishText(1));
}

TEST(Localizer, EnglishTextDoesNotDependOnTheCurrentLanguage) {
    HeldLocalizer localizer = localizerFrom(SMALL_PACK);
    localizer->selectLanguage(L"German");
    EXPECT_STREQ(L"Eins", localizer->getText(100));
    EXPECT_STREQ(L"One", localizer->getEnglishText(100));
    EXPECT_STREQ(L"", localizer->getEnglishText(12345));
}

TEST(Localizer, FamiliesPickTheVariantThePackHas) {
    HeldLocalizer localizer = localizerFrom(
        L"<lang><languages>"
        L"<entry tagName=\"eng\" engName=\"English\"/>"
        L"<entry tagName=\"zht\" engName=\"Chinese_Traditional\"/>"
        L"<entry tagName=\"ptp\" engName=\"Portuguese_Portugal\"/>"
        L"<entry tagName=\"srp\" engName=\"Serbian_Latin\"/>"
        L"</languages><entries/></lang>");
    auto tagFound = [&](const wchar_t* name) {
        LangPack* language = localizer->findLanguage(name);
        return language ? textOf(&language->tagName()) : std::wstring(L"(none)");
    };
    EXPECT_EQ(L"zht", tagFound(L"Chinese_simplified"));
    EXPECT_EQ(L"zht", tagFound(L"chinese"));
    EXPECT_EQ(L"ptp", tagFound(L"Portuguese_brazilian"));
    EXPECT_EQ(L"ptp", tagFound(L"PORTUGUESEX"));
    EXPECT_EQ(L"srp", tagFound(L"Serbian"));
    EXPECT_EQ(L"srp", tagFound(L"Serbian_cyrillic"));
    EXPECT_EQ(L"(none)", tagFound(L"Chin"));
    EXPECT_EQ(L"(none)", tagFound(L"Norwegian"));
    EXPECT_EQ(L"(none)", tagFound(nullptr));
    // A family the pack lacks altogether ends in English.
    HeldLocalizer plain = localizerFrom(
        L"<lang><languages><entry tagName=\"deu\" engName=\"German\"/><entry tagName=\"eng\" engName=\"English\"/>"
        L"</languages></lang>");
    EXPECT_EQ(nullptr, plain->findLanguage(L"Chinese_simplified"));
    plain->selectLanguageAt(0);
    plain->selectLanguage(L"Chinese_simplified");
    EXPECT_EQ(L"eng", currentTag(*plain));
}

// Whatever the pack is missing, nothing crashes and every text is "".
void expectNoLanguages(Localizer& localizer) {
    std::vector<RecordingListener::Call> log;
    RecordingListener listener(log);
    localizer.addListener(&listener);
    EXPECT_EQ(0u, localizer.languageCount());
    EXPECT_EQ(nullptr, localizer.currentLanguage());
    EXPECT_EQ(nullptr, localizer.languageAt(0));
    EXPECT_STREQ(L"", localizer.getText(100));
    EXPECT_STREQ(L"", localizer.getText(L"greeting"));
    EXPECT_STREQ(L"", localizer.getEnglishText(100));
    localizer.selectLanguage(L"German");
    localizer.selectLanguage(L"English");
    localizer.selectLanguageAt(0);
    EXPECT_EQ(nullptr, localizer.findLanguage(L"English"));
    EXPECT_TRUE(log.empty());
    localizer.removeListener(&listener);
}

TEST(Localizer, WithoutAUsablePackThereAreNoLanguages) {
    HeldLocalizer missing(Localizer::create(nullptr, Localizer::RESOURCE_TYPE, 999, L"German", CURRENT_WINDOWS));
    ASSERT_NE(nullptr, missing);
    expectNoLanguages(*missing);
    HeldLocalizer wrongType(Localizer::create(nullptr, L"IDR_NONE", Localizer::RESOURCE_ID, L"German", 10));
    ASSERT_NE(nullptr, wrongType);
    expectNoLanguages(*wrongType);
    HeldLocalizer notXml(Localizer::create(nullptr, Localizer::RESOURCE_TYPE, 131, L"German", CURRENT_WINDOWS));
    ASSERT_NE(nullptr, notXml);
    expectNoLanguages(*notXml);

    const wchar_t* broken[] = {
        L"",
        L"<lang/>",
        L"<lang><entries><entry id=\"1\"><eng>x</eng></entry></entries></lang>",
        L"<lang><languages></languages><entries><entry id=\"1\"><eng>x</eng></entry></entries></lang>",
        L"no element at all",
    };
    for (const wchar_t* xml : broken) {
        HeldLocalizer localizer = localizerFrom(xml);
        expectNoLanguages(*localizer);
    }
    HeldLocalizer none(Localizer::acquire());
    EXPECT_FALSE(none->loadPack(nullptr));
    expectNoLanguages(*none);
}

TEST(Localizer, APackCutOffKeepsWhatCameBefore) {
    HeldLocalizer localizer = localizerFrom(
        L"<lang><languages><entry tagName=\"eng\" engName=\"English\"/><entry tagName=\"deu\" engName=\"German\"/>"
        L"</languages><entries><entry id=\"1\"><eng>One</eng><deu>Eins</deu></entry><entry id=\"2\"><eng>Tw");
    ASSERT_EQ(2u, localizer->languageCount());
    localizer->selectLanguage(L"German");
    EXPECT_STREQ(L"Eins", localizer->getText(1));
    EXPECT_STREQ(L"Tw", localizer->getText(2));
}

TEST(Localizer, LoadingAgainReplacesTheLanguages) {
    HeldLocalizer localizer = localizerFrom(SMALL_PACK);
    localizer->selectLanguage(L"German");
    Held<xml::Node> root(xml::Node::acquire());
    root->parse(
        L"<lang><languages><entry tagName=\"ita\" engName=\"Italian\"/></languages>"
        L"<entries><entry id=\"1\"><ita>Uno</ita></entry></entries></lang>");
    EXPECT_TRUE(localizer->loadPack(root.get(), CURRENT_WINDOWS));
    ASSERT_EQ(1u, localizer->languageCount());
    EXPECT_EQ(L"ita", currentTag(*localizer));
    EXPECT_STREQ(L"Uno", localizer->getText(1));
    EXPECT_STREQ(L"", localizer->getText(100));
}

TEST(Localizer, ReleasingGivesEverythingBackAndARecycledLocalizerIsEmpty) {
    // After one round to warm the pools, a second identical round must leave them
    // exactly as full as the first did: nothing kept, nothing lost.
    auto round = [] {
        HeldLocalizer localizer = localizerFrom(SMALL_PACK);
        localizer->selectLanguage(L"German");
        std::vector<RecordingListener::Call> log;
        RecordingListener listener(log);
        localizer->addListener(&listener);
    };
    round();
    const uint32_t strings = StrBuffer::pool().freeCount();
    const uint32_t languages = LangPack::pool().freeCount();
    round();
    EXPECT_EQ(strings, StrBuffer::pool().freeCount());
    EXPECT_EQ(languages, LangPack::pool().freeCount());

    HeldLocalizer recycled(Localizer::acquire());
    EXPECT_EQ(0u, recycled->languageCount());
    EXPECT_EQ(0u, recycled->listenerCount());
    EXPECT_EQ(nullptr, recycled->currentLanguage());
}

TEST(LangPack, TextsByIdAndKeyFirstOneWins) {
    Held<LangPack> language(LangPack::acquire());
    auto text = [](const wchar_t* value) {
        StrBuffer* string = StrBuffer::acquire();
        string->set(value);
        return string;
    };
    EXPECT_TRUE(language->addText(7, text(L"seven")));
    EXPECT_TRUE(language->addText(7, text(L"again")));
    EXPECT_FALSE(language->addText(8, nullptr));
    EXPECT_EQ(L"seven", textOf(language->findText(7)));
    EXPECT_EQ(nullptr, language->findText(8));
    EXPECT_EQ(2u, language->textCount());

    // Four free strings at least, so the counts below do not depend on earlier tests.
    StrBuffer* warm[4];
    for (StrBuffer*& string : warm) string = StrBuffer::acquire();
    for (StrBuffer* string : warm) string->release();
    const uint32_t before = StrBuffer::pool().freeCount();
    EXPECT_TRUE(language->addKeyedText(text(L"k"), text(L"first")));
    EXPECT_TRUE(language->addKeyedText(text(L"k"), text(L"second")));  // refused, both given back
    EXPECT_EQ(before - 2, StrBuffer::pool().freeCount());
    EXPECT_EQ(1u, language->keyCount());
    Held<StrBuffer> key(text(L"k"));
    EXPECT_EQ(L"first", textOf(language->findKeyedText(key.get())));

    language->tagName().set(L"eng");
    language->reset();
    EXPECT_EQ(0u, language->tagName().length());
    EXPECT_EQ(0u, language->textCount());
    EXPECT_EQ(0u, language->keyCount());
    EXPECT_FALSE(language->hasKey(key.get()));
    EXPECT_TRUE(language->addKeyedText(text(L"k"), text(L"after reset")));
    EXPECT_EQ(L"after reset", textOf(language->findKeyedText(key.get())));
}

}  // namespace
}  // namespace s::langtest
