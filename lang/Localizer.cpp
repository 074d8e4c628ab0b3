#include "lang/Localizer.h"

#include <cstdint>
#include <cwchar>

#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "lang/ILanguageListener.h"
#include "lang/LangPack.h"
#include "lang/PackReader.h"
#include "lang/SystemLanguage.h"
#include "xml/IXml.h"
#include "xml/Node.h"

namespace s::lang {

using str::strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(Localizer, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

constexpr wchar_t ENGLISH[] = L"English";
constexpr wchar_t VENETIAN_TAG[] = L"vec";
// Venetian writes "ƚ"; fonts of systems before Windows 6.0 lack it and show "ł" well.
constexpr wchar_t VENETIAN_LETTER[] = L"\u019A";
constexpr wchar_t VENETIAN_LETTER_OLD_SYSTEMS[] = L"\u0142";

// ASCII-only case folding, as every name comparison of the library does.
bool startsWithIgnoreCase(const wchar_t* text, const wchar_t* prefix) {
    for (; *prefix; ++text, ++prefix) {
        if (StrBuffer::lowerAscii(*text) != StrBuffer::lowerAscii(*prefix)) return false;
    }
    return true;
}

bool sameTextIgnoreCase(const StrBuffer& string, const wchar_t* text) {
    return string.regionMatchesIgnoreCase(0, text, 0, -1);
}

bool sameText(const StrBuffer& string, const wchar_t* text) {
    return string.regionMatches(0, text, 0, -1);
}

// The value of the leading decimal digits; false when it does not fit an id.
bool parseLeadingNumber(const wchar_t* text, int32_t& value) {
    int64_t number = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        number = number * 10 + (*text - L'0');
        if (number > INT32_MAX) return false;
    }
    value = int32_t(number);
    return true;
}

// The numeric id of an entry as loadEntry reads it; -1 for a keyed entry or one too large.
int32_t entryId(const xml::IXml* entry) {
    const wchar_t* rawId = entry->getAttribute(L"id", L"");
    int32_t id = 0;
    return *rawId >= L'0' && *rawId <= L'9' && parseLeadingNumber(rawId, id) ? id : -1;
}

LangPack* languageTagged(const col::_array::ArrayP& languages, const xml::IXml* element) {
    for (uint32_t i = 0; i < languages.length(); ++i) {
        LangPack* language = languages.getAs<LangPack>(i);
        if (language->tagName().length() != 0 && element->nameEquals(language->tagName().c_str())) return language;
    }
    return nullptr;
}

// The text as the language keeps it: the Venetian letter swapped where needed.
StrBuffer* prepared(StrBuffer* text, const LangPack* language, bool swapVenetianLetter) {
    if (text && swapVenetianLetter && sameText(language->tagName(), VENETIAN_TAG)) {
        text->replaceAll(VENETIAN_LETTER, VENETIAN_LETTER_OLD_SYSTEMS);
    }
    return text;
}

// Whether `language` takes texts: every language when `filled` is null.
bool isFilled(const col::_array::ArrayP* filled, const LangPack* language) {
    return !filled || filled->indexOf(static_cast<const base::IObject*>(language)) >= 0;
}

// Loads one entry's texts into the languages `filled` admits (all when null),
// then gives each of them that has none the entry's first text. `has` (language)
// and `add` (language, text) hide whether the entry is numeric or keyed; `add`
// takes the text over.
template <class Has, class Add>
void loadEntryTexts(const col::_array::ArrayP& languages, const col::_array::ArrayP* filled, const xml::IXml* entry,
                    bool swapVenetianLetter, Has has, Add add) {
    // The first element's text, whatever language it names: the entry's own English.
    StrBuffer* fallback = nullptr;
    for (uint32_t i = 0; i < entry->childCount(); ++i) {
        const xml::IXml* element = entry->childAt(i);
        LangPack* language = languageTagged(languages, element);
        if (language && !isFilled(filled, language)) language = nullptr;
        if (!language && i != 0) continue;
        StrBuffer* text = element->getText(L"", nullptr, L"", false);
        if (!text) continue;
        if (i == 0) fallback = text->clone();
        if (language) {
            add(language, prepared(text, language, swapVenetianLetter));
        } else {
            text->release();
        }
    }
    for (uint32_t i = 0; i < languages.length(); ++i) {
        LangPack* language = languages.getAs<LangPack>(i);
        if (!isFilled(filled, language) || has(language)) continue;
        StrBuffer* copy = fallback ? fallback->clone() : StrBuffer::acquire();
        if (copy) add(language, prepared(copy, language, swapVenetianLetter));
    }
    if (fallback) fallback->release();
}

}  // namespace

Localizer::Localizer()
    : current_(nullptr), module_(nullptr), resourceType_(nullptr), resourceId_(0), windowsMajorVersion_(0) {
    languages_.setDisposer(&LangPack::pool());
    reset();
}

Localizer::~Localizer() {
    // Destruction deletes what it owns; reset is the path that recycles languages.
    languages_.setDisposer(nullptr);
    for (uint32_t i = 0; i < languages_.length(); ++i) delete languages_.objectAt(i);
    languages_.freeBuffer();
}

void Localizer::reset() {
    languages_.freeBuffer();  // gives the languages back to their pool
    listeners_.freeBuffer();
    current_ = nullptr;
    module_ = nullptr;
    resourceType_ = nullptr;
    resourceId_ = 0;
    windowsMajorVersion_ = 0;
}

// ---- Making one

Localizer* Localizer::create(HMODULE module, const wchar_t* resourceType, uint16_t resourceId) {
    return create(module, resourceType, resourceId, systemLanguageName(), windowsMajorVersion());
}

Localizer* Localizer::create(HMODULE module, const wchar_t* resourceType, uint16_t resourceId,
                             const wchar_t* languageName, uint32_t windowsMajorVersion) {
    Localizer* localizer = acquire();
    if (!localizer) return nullptr;
    PackReader reader;
    if (reader.open(module, resourceType, resourceId)) {
        // The language is picked on the names alone; then only it and English take their texts.
        if (const xml::IXml* languages = reader.languages()) localizer->loadLanguages(languages);
        localizer->ensureCurrent(languageName);
        localizer->selectLanguage(languageName);
        col::_array::ArrayP filled;
        if (localizer->current_) filled.addObject(localizer->current_);
        const LangPack* english = localizer->englishLanguage();
        if (english && english != localizer->current_) filled.addObject(const_cast<LangPack*>(english));
        localizer->loadEntries(reader, windowsMajorVersion, &filled);
        localizer->module_ = module ? module : GetModuleHandleW(nullptr);
        localizer->resourceType_ = resourceType;
        localizer->resourceId_ = resourceId;
        localizer->windowsMajorVersion_ = windowsMajorVersion;
    }
    return localizer;
}

uint32_t Localizer::windowsMajorVersion() {
    static const uint32_t major = [] {
        OSVERSIONINFOW info = {};
        info.dwOSVersionInfoSize = sizeof(info);
        // Unknown counts as new: the swap is only for systems known to need it.
        return GetVersionExW(&info) ? uint32_t(info.dwMajorVersion) : FIRST_VERSION_WITH_VENETIAN_LETTER;
    }();
    return major;
}

// ---- Loading

bool Localizer::loadPack(const xml::IXml* root) {
    return loadPack(root, windowsMajorVersion());
}

bool Localizer::loadPack(const xml::IXml* root, uint32_t windowsMajorVersion) {
    languages_.disposeAll();
    current_ = nullptr;
    module_ = nullptr;  // every language holds its texts now
    if (!root) return false;
    if (const xml::IXml* languages = root->getChild(L"languages")) loadLanguages(languages);
    loadEntries(root, windowsMajorVersion, nullptr);
    return languageCount() != 0;
}

void Localizer::loadEntries(PackReader& reader, uint32_t windowsMajorVersion, const col::_array::ArrayP* filled) {
    if (languageCount() == 0) return;
    struct Loading {
        Localizer* localizer;
        bool swapVenetianLetter;
        const col::_array::ArrayP* filled;
    } loading = {this, windowsMajorVersion < FIRST_VERSION_WITH_VENETIAN_LETTER, filled};
    reader.forEachEntry(
        [](void* context, const xml::IXml* entry) {
            const Loading& with = *static_cast<const Loading*>(context);
            if (entry->nameEquals(L"entry")) with.localizer->loadEntry(entry, with.swapVenetianLetter, with.filled);
        },
        &loading);
}

void Localizer::loadEntries(const xml::IXml* root, uint32_t windowsMajorVersion, const col::_array::ArrayP* filled) {
    const xml::IXml* entries = root->getChild(L"entries");
    if (!entries || languageCount() == 0) return;
    const bool swapVenetianLetter = windowsMajorVersion < FIRST_VERSION_WITH_VENETIAN_LETTER;
    for (uint32_t i = 0; i < entries->childCount(); ++i) {
        const xml::IXml* entry = entries->childAt(i);
        if (entry->nameEquals(L"entry")) loadEntry(entry, swapVenetianLetter, filled);
    }
}

void Localizer::loadLanguages(const xml::IXml* languages) {
    for (uint32_t i = 0; i < languages->childCount(); ++i) {
        const xml::IXml* element = languages->childAt(i);
        if (!element->nameEquals(L"entry")) continue;
        LangPack* language = LangPack::acquire();
        if (!language) continue;
        element->getText(L"tagName", &language->tagName(), L"", false);
        element->getText(L"engName", &language->engName(), L"", false);
        element->getText(L"trueName", &language->trueName(), L"", false);
        if (!languages_.addObject(language)) language->release();
    }
}

void Localizer::loadEntry(const xml::IXml* entry, bool swapVenetianLetter, const col::_array::ArrayP* filled) {
    const wchar_t* rawId = entry->getAttribute(L"id", L"");
    if (*rawId >= L'0' && *rawId <= L'9') {
        int32_t id = 0;
        if (!parseLeadingNumber(rawId, id)) return;  // no id of the pack is that large
        loadEntryTexts(
            languages_, filled, entry, swapVenetianLetter,
            [id](const LangPack* language) { return language->hasId(id); },
            [id](LangPack* language, StrBuffer* text) { language->addText(id, text); });
        return;
    }
    StrBuffer* key = StrBuffer::acquire();
    if (!key) return;
    if (key->set(rawId)) {
        loadEntryTexts(
            languages_, filled, entry, swapVenetianLetter,
            [key](const LangPack* language) { return language->hasKey(key); },
            [key](LangPack* language, StrBuffer* text) { language->addKeyedText(key->clone(), text); });
    }
    key->release();
}

// ---- The current language

LangPack* Localizer::ensureCurrent(const wchar_t* systemName) {
    if (!current_ && languageCount() != 0) {
        current_ = findLanguage(systemName);
        if (!current_) current_ = languageAt(0);
    }
    return current_;
}

LangPack* Localizer::currentLanguage() {
    return ensureCurrent(systemLanguageName());
}

const wchar_t* Localizer::getText(int32_t id) {
    const LangPack* language = currentLanguage();
    const StrBuffer* text = language ? language->findText(id) : nullptr;
    return text ? text->c_str() : L"";
}

const wchar_t* Localizer::getText(const wchar_t* key) {
    const LangPack* language = currentLanguage();
    StrBuffer* keyString = language && key ? StrBuffer::acquire() : nullptr;
    if (!keyString) return L"";
    const StrBuffer* text = keyString->set(key) ? language->findKeyedText(keyString) : nullptr;
    keyString->release();
    return text ? text->c_str() : L"";
}

const wchar_t* Localizer::getEnglishText(int32_t id) const {
    const LangPack* english = englishLanguage();
    const StrBuffer* text = english ? english->findText(id) : nullptr;
    return text ? text->c_str() : L"";
}

const LangPack* Localizer::englishLanguage() const {
    const LangPack* english = languageNamed(ENGLISH);
    return english ? english : languageAt(0);
}

void Localizer::textsInEveryLanguage(int32_t id, str::strarray::StrArray& texts) const {
    texts.clear();
    if (!holdsCurrentLanguageOnly()) {
        for (uint32_t i = 0; i < languageCount(); ++i) {
            const StrBuffer* text = languageAt(i)->findText(id);
            texts.addCopy(text ? text->c_str() : L"");
        }
        return;
    }
    // Read again: a localizer holding every language, of that one entry, answers them all.
    Localizer* all = acquire();
    PackReader reader;
    if (all && reader.open(module_, resourceType_, resourceId_)) {
        if (const xml::IXml* languages = reader.languages()) all->loadLanguages(languages);
        struct Finding {
            Localizer* all;
            int32_t id;
            bool swapVenetianLetter;
        } finding = {all, id, windowsMajorVersion_ < FIRST_VERSION_WITH_VENETIAN_LETTER};
        reader.forEachEntry(
            [](void* context, const xml::IXml* entry) {
                const Finding& with = *static_cast<const Finding*>(context);
                // The first entry of the id gives every language a text: later ones change nothing.
                const bool first = with.all->languageCount() != 0 && !with.all->languageAt(0)->hasId(with.id);
                if (first && entry->nameEquals(L"entry") && entryId(entry) == with.id)
                    with.all->loadEntry(entry, with.swapVenetianLetter, nullptr);
            },
            &finding);
        all->textsInEveryLanguage(id, texts);
    }
    if (all) all->release();
}

// ---- Choosing the language

void Localizer::selectLanguage(const wchar_t* name) {
    if (!name) name = L"";
    const LangPack* current = currentLanguage();
    if (!current || sameTextIgnoreCase(current->engName(), name)) return;
    LangPack* candidate = findLanguage(name);
    if (!candidate) candidate = findLanguage(ENGLISH);
    if (!candidate) candidate = languageAt(0);
    makeCurrent(candidate);
}

void Localizer::selectLanguageAt(uint32_t index) {
    LangPack* language = languageAt(index);
    if (!language) return;
    // The language in use before this call is the first one; choosing it changes nothing.
    currentLanguage();
    makeCurrent(language);
}

LangPack* Localizer::findLanguage(const wchar_t* name) const {
    if (!name) return nullptr;
    if (LangPack* language = languageNamed(name)) return language;
    // A language of a family the pack has in other variants picks one of them.
    struct Family {
        const wchar_t* prefix;
        const wchar_t* preferred;
        const wchar_t* alternative;
    };
    static constexpr Family FAMILIES[] = {
        {L"Chinese", L"CHINESE_SIMPLIFIED", L"CHINESE_TRADITIONAL"},
        {L"Portuguese", L"PORTUGUESE_BRAZILIAN", L"PORTUGUESE_PORTUGAL"},
        {L"Serbian", L"SERBIAN_CYRILLIC", L"SERBIAN_LATIN"},
    };
    for (const Family& family : FAMILIES) {
        if (!startsWithIgnoreCase(name, family.prefix)) continue;
        LangPack* language = languageNamed(family.preferred);
        return language ? language : languageNamed(family.alternative);
    }
    return nullptr;
}

LangPack* Localizer::languageNamed(const wchar_t* name) const {
    for (uint32_t i = 0; i < languages_.length(); ++i) {
        LangPack* language = languages_.getAs<LangPack>(i);
        if (sameTextIgnoreCase(language->engName(), name)) return language;
    }
    return nullptr;
}

LangPack* Localizer::languageAt(uint32_t index) const {
    return index < languages_.length() ? languages_.getAs<LangPack>(index) : nullptr;
}

int32_t Localizer::indexOfLanguage(const LangPack* language) const {
    return language ? languages_.indexOf(static_cast<const base::IObject*>(language)) : -1;
}

void Localizer::makeCurrent(LangPack* language) {
    if (!language || language == current_) return;
    LangPack* previous = current_;
    current_ = language;
    if (holdsCurrentLanguageOnly()) readCurrentTexts(previous);
    for (uint32_t i = 0; i < listeners_.length(); ++i) {
        static_cast<ILanguageListener*>(listeners_.get(i))->languageChanged(this, LANGUAGE_CHANGED);
    }
}

void Localizer::readCurrentTexts(LangPack* previous) {
    const LangPack* english = englishLanguage();
    if (previous && previous != english) previous->clearTexts();
    if (!current_ || current_ == english) return;
    PackReader reader;
    if (reader.open(module_, resourceType_, resourceId_)) {
        col::_array::ArrayP filled;
        filled.addObject(current_);
        loadEntries(reader, windowsMajorVersion_, &filled);
    }
}

// ---- Listeners

bool Localizer::addListener(ILanguageListener* listener) {
    return listener && listeners_.add(listener);
}

bool Localizer::removeListener(ILanguageListener* listener) {
    return listener && listeners_.remove(listener);
}

}  // namespace s::lang
