#pragma once
// Localizer: every text the user sees, by entry id, in the current language.
//
// The texts come from the language pack embedded in the program (an XML
// resource). loadPack turns a parsed pack into one LangPack per language, every
// one filled. create, over the embedded pack, holds less: every language's names,
// but the texts of the current language and of English only (a user reads one
// language; the pack has dozens). Selecting another language reads its texts from
// the embedded pack again, before the listeners are told, so every lookup through
// the localizer answers as before; a LangPack of another language has its names
// and no texts (textsInEveryLanguage reads one entry of all of them). The
// language is picked from the user's interface language; the application may
// later select the one the user chose.
//
// Loading fills the gaps: an entry a language does not translate gets the
// entry's first text (English in the embedded pack), so every language answers
// every id of the pack and a lookup never falls back at run time.
//
// Picking a language by name (selectLanguage, findLanguage): the English name
// ignoring case; names of a language family pick a member of it ("Chinese..." ->
// Chinese_Simplified, else Chinese_Traditional; "Portuguese..." ->
// Portuguese_Brazilian, else Portuguese_Portugal; "Serbian..." ->
// Serbian_Cyrillic, else Serbian_Latin); anything else picks English, else the
// first language. So a Portuguese (Portugal) system gets Portuguese_Brazilian and
// a Norwegian one English.
//
// Failure: a missing resource or a pack without languages gives a localizer
// without languages: there is no current language, texts are "", selections do
// nothing. Ids a language lacks answer "".
//
// Not locked: the localizer is filled at start-up and then used by one thread at
// a time. Texts handed out stay valid until the current language changes (a
// localizer made by create then gives the left language's texts back) or the
// localizer is released; names and English texts stay until the release.
#include <windows.h>

#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::xml {
class IXml;
}

namespace s::lang {

class ILanguageListener;
class LangPack;
class PackReader;

class Localizer : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(Localizer, L"s_lang_Localizer")

public:
    // Where the program keeps its pack: resource type "IDR_XML", id 130.
    static constexpr wchar_t RESOURCE_TYPE[] = L"IDR_XML";
    static constexpr uint16_t RESOURCE_ID = 130;
    // The event kind listeners receive when the current language changed.
    static constexpr int32_t LANGUAGE_CHANGED = 0;
    // Systems before this major version show the Venetian letter U+019A badly (see loadPack).
    static constexpr uint32_t FIRST_VERSION_WITH_VENETIAN_LETTER = 6;

    Localizer();
    // Deletes the languages.
    ~Localizer() override;
    Localizer(const Localizer&) = delete;
    Localizer& operator=(const Localizer&) = delete;

    // Gives the languages back to their pool and forgets the current language and
    // the listeners.
    void reset() override;

    // ---- Making one
    // A localizer from the pool holding the pack in resource (type, id) of `module`
    // (null: the program), with the language of the user's interface selected and
    // the letters suited to this system. Without the resource, or when it holds no
    // element, the localizer has no languages. Null only when no localizer could be made.
    static Localizer* create(HMODULE module, const wchar_t* resourceType, uint16_t resourceId);
    // The same with the language name and the Windows major version given, as the
    // tests need them; create above passes systemLanguageName() and windowsMajorVersion().
    static Localizer* create(HMODULE module, const wchar_t* resourceType, uint16_t resourceId,
                             const wchar_t* languageName, uint32_t windowsMajorVersion);

    // Replaces the languages by those of the pack under `root` (its "languages" and
    // "entries" children), fills every language's texts and gaps, and clears the
    // current language. On systems before FIRST_VERSION_WITH_VENETIAN_LETTER every U+019A in
    // a text of the language tagged exactly "vec" becomes U+0142, which those
    // systems' fonts show. True when at least one language was loaded.
    bool loadPack(const xml::IXml* root);
    bool loadPack(const xml::IXml* root, uint32_t windowsMajorVersion);

    // ---- The current language
    // On first use it becomes findLanguage(systemLanguageName()), else the first
    // language; null only when there are no languages.
    LangPack* currentLanguage();
    // The text of `id` in the current language; "" when the id is not present.
    const wchar_t* getText(int32_t id);
    // The text of a keyed entry (an entry whose id is not a number); "" when absent.
    const wchar_t* getText(const wchar_t* key);
    // The text of `id` in English (the language named "English", else the first),
    // for names that must not depend on the user's language; "" when absent.
    const wchar_t* getEnglishText(int32_t id) const;
    // Replaces `texts` by the text of `id` in every language, in pack order, as
    // getText answers it with that language current ("" where the id is absent).
    // Languages whose texts are not held are read from the pack again, all in one pass.
    void textsInEveryLanguage(int32_t id, str::strarray::StrArray& texts) const;
    // Whether only the current language and English hold their texts (made by create).
    bool holdsCurrentLanguageOnly() const { return module_ != nullptr; }

    // ---- Choosing the language
    // Selects by English name with the family and English fallbacks above. Listeners
    // are told only when the current language actually changes.
    void selectLanguage(const wchar_t* name);
    // Selects the language at `index` in pack order (the language menu's item
    // index), telling the listeners when it changes; an index outside the
    // languages does nothing.
    void selectLanguageAt(uint32_t index);
    // The language `name` picks without the English fallback, or null.
    LangPack* findLanguage(const wchar_t* name) const;

    uint32_t languageCount() const { return languages_.length(); }
    // In pack order; null outside the range.
    LangPack* languageAt(uint32_t index) const;
    // Position of `language` in pack order, or -1.
    int32_t indexOfLanguage(const LangPack* language) const;

    // ---- Listeners (not owned), told in registration order
    bool addListener(ILanguageListener* listener);
    // Removes the first registration of `listener`; false when it was not registered.
    bool removeListener(ILanguageListener* listener);
    uint32_t listenerCount() const { return listeners_.length(); }

    // The running system's major version (GetVersionExW), read once.
    static uint32_t windowsMajorVersion();

private:
    // The current language; when there is none yet, the one `systemName` picks
    // (findLanguage), else the first. Nobody is told: nothing changed for them.
    LangPack* ensureCurrent(const wchar_t* systemName);
    // Makes `language` current and tells the listeners, unless it already is.
    void makeCurrent(LangPack* language);
    // The first language whose English name equals `name` ignoring case, or null.
    LangPack* languageNamed(const wchar_t* name) const;
    // The pack's languages from its "languages" child.
    void loadLanguages(const xml::IXml* languages);
    // The texts of the "entries" child under `root` (or of the pack `reader` reads)
    // into the languages `filled` admits (all when it is null).
    void loadEntries(const xml::IXml* root, uint32_t windowsMajorVersion, const col::_array::ArrayP* filled);
    void loadEntries(PackReader& reader, uint32_t windowsMajorVersion, const col::_array::ArrayP* filled);
    // One entry of the "entries" child.
    void loadEntry(const xml::IXml* entry, bool swapVenetianLetter, const col::_array::ArrayP* filled);
    // The language getEnglishText reads: "English", else the first.
    const LangPack* englishLanguage() const;
    // Holding the current language only: gives `previous` its texts back (unless it
    // is English) and reads the current language's texts from the embedded pack.
    void readCurrentTexts(LangPack* previous);

    col::_array::ArrayP languages_;  // owned LangPack objects (disposer: the LangPack pool), pack order
    LangPack* current_;              // not owned: one of languages_, or null until first needed
    col::_array::ArrayP listeners_;  // not owned ILanguageListener pointers, no disposer
    // The embedded pack, read again on a change of language; module_ is null when
    // every language holds its texts (loadPack).
    HMODULE module_;
    const wchar_t* resourceType_;    // not owned: a static text of the caller
    uint16_t resourceId_;
    uint32_t windowsMajorVersion_;
};

}  // namespace s::lang
