#pragma once
// CodePage: a Windows code page (its identifier and a display name), and the
// list of the code pages this system can convert, built once on first use.
//
// UTF-16 (1200) and UTF-16BE (1201) are converted by the string itself, which
// recognises them by the identity of the objects utf16() and utf16be() return;
// every other page goes through the system's conversion functions. The list's
// objects live until exit and must not be released.
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::col::_array {
class ArrayP;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::system::codepage {

class CodePage : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(CodePage, L"s_system_codepage_CodePage")

public:
    static constexpr uint32_t UTF16 = 1200;
    static constexpr uint32_t UTF16BE = 1201;
    static constexpr uint32_t UTF8 = 65001;

    CodePage();
    ~CodePage() override;
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    // Number 0 and an empty display name.
    void reset() override;

    uint32_t number() const { return number_; }
    const str::strbuffer::StrBuffer* displayName() const { return displayName_; }
    // False when the name could not be stored.
    bool set(uint32_t number, const wchar_t* displayName);

    // ---- The list of available code pages (built on first use under a global lock)
    // Every page the system reports as supported and that has a display name below,
    // plus UTF-16 and UTF-16BE; sorted by display name ignoring case. The elements
    // are CodePage objects stored as their IObject pointer.
    static const col::_array::ArrayP& list();
    static uint32_t count();
    static const CodePage* at(uint32_t i);
    // The list's object of a page, or null when the page is not available.
    static const CodePage* find(uint32_t number);
    static const CodePage* utf16();
    static const CodePage* utf16be();
    // Null when the system does not support UTF-8.
    static const CodePage* utf8();

    // The display name given to a page ("Western (Windows-1252)"), or null for pages
    // without one.
    static const wchar_t* knownDisplayName(uint32_t number);

private:
    uint32_t number_;
    str::strbuffer::StrBuffer* displayName_;  // owned
};

}  // namespace s::system::codepage
