#pragma once
// Helpers of the localiser tests: pooled objects held until the end of a test,
// localizers built from small packs written in the test or from the pack linked
// into the test program, and a listener that records what it is told.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/str/strbuffer/StrBuffer.h"
#include "lang/ILanguageListener.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"
#include "xml/Node.h"

namespace s::langtest {

struct ReleaseDeleter {
    template <class T>
    void operator()(T* object) const {
        if (object) object->release();
    }
};

template <class T>
using Held = std::unique_ptr<T, ReleaseDeleter>;
using HeldLocalizer = Held<lang::Localizer>;

// A system new enough to show every letter as the pack writes it.
constexpr uint32_t CURRENT_WINDOWS = 10;
// Windows XP.
constexpr uint32_t OLD_WINDOWS = 5;

inline std::wstring textOf(const str::strbuffer::StrBuffer* string) {
    if (!string || string->length() == 0) return std::wstring();
    return std::wstring(string->data(), string->length());
}

// A localizer holding the pack written in `xml`, as loadPack builds it.
inline HeldLocalizer localizerFrom(const wchar_t* xml, uint32_t windowsMajorVersion = CURRENT_WINDOWS) {
    HeldLocalizer localizer(lang::Localizer::acquire());
    Held<xml::Node> root(xml::Node::acquire());
    root->parse(xml);
    localizer->loadPack(root.get(), windowsMajorVersion);
    return localizer;
}

// A localizer holding every language of the parsed pack under `root`.
inline HeldLocalizer localizerOf(const xml::Node* root, uint32_t windowsMajorVersion = CURRENT_WINDOWS) {
    HeldLocalizer localizer(lang::Localizer::acquire());
    localizer->loadPack(root, windowsMajorVersion);
    return localizer;
}

// The pack as a plain document, read from this program's resource.
inline Held<xml::Node> embeddedPackDocument() {
    Held<xml::Node> root(xml::Node::acquire());
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(lang::Localizer::RESOURCE_ID), lang::Localizer::RESOURCE_TYPE);
    if (!info) return root;
    const DWORD size = SizeofResource(module, info);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, info)));
    Held<str::strbuffer::StrBuffer> text(str::strbuffer::StrBuffer::acquire());
    text->fromUtf8(bytes, false, int32_t(size));
    root->parse(text->c_str());
    return root;
}

// The pack linked into the test program, with `languageName` as the user's language.
inline HeldLocalizer embeddedLocalizer(const wchar_t* languageName = L"English",
                                       uint32_t windowsMajorVersion = CURRENT_WINDOWS) {
    return HeldLocalizer(lang::Localizer::create(nullptr, lang::Localizer::RESOURCE_TYPE, lang::Localizer::RESOURCE_ID,
                                                 languageName, windowsMajorVersion));
}

inline std::wstring currentTag(lang::Localizer& localizer) {
    lang::LangPack* language = localizer.currentLanguage();
    return language ? textOf(&language->tagName()) : L"(none)";
}

// Records every notification: which localizer, which kind, and in what order
// among all recorders (through the shared log).
class RecordingListener : public lang::ILanguageListener {
public:
    struct Call {
        const RecordingListener* listener;
        lang::Localizer* localizer;
        int32_t kind;
        std::wstring currentTag;  // the language current while the listener ran
    };

    explicit RecordingListener(std::vector<Call>& log) : log_(log) {}

    void languageChanged(lang::Localizer* localizer, int32_t kind) override {
        log_.push_back({this, localizer, kind, currentTag(*localizer)});
    }

private:
    std::vector<Call>& log_;  // not owned: the test's
};

}  // namespace s::langtest
