#pragma once
// ILanguageListener: told when the localizer's current language changes, so a
// window can reload its texts.
//
// The localizer keeps its listeners in registration order and calls each one,
// on the thread that changed the language, after the new language is current.
// A listener is not owned: whoever registers it removes it before it dies.
// A listener may read texts from its callback; it must not add or remove
// listeners or select a language there.
#include <cstdint>

namespace s::lang {

class Localizer;

class ILanguageListener {
public:
    virtual ~ILanguageListener() = default;
    // `kind` is Localizer::LANGUAGE_CHANGED (0), the only event the localizer sends.
    virtual void languageChanged(Localizer* localizer, int32_t kind) = 0;
};

}  // namespace s::lang
