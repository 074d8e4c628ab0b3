#pragma once
// PackReader: the embedded language pack read one element at a time.
//
// Parsed whole, the pack is thousands of nodes for a few dozen texts a user
// reads: the localizer only needs the languages' names and, per entry, the texts
// of the languages it holds. The reader keeps the pack's text and parses the
// "languages" element, then each element of "entries" in turn into one reused
// node, with the same parser and so the same rules as a whole parse.
//
// A pack of another shape (the entries before the languages, an "entries" tag
// with attributes) is read the same way, its "entries" element parsed whole.
// As for a whole parse, the first "languages" and the first "entries" child of
// the root element count.
#include <windows.h>

#include <cstdint>

#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::xml {
class IXml;
class Node;
}  // namespace s::xml

namespace s::lang {

class PackReader {
public:
    // Called with each element of "entries" (comments left out), in order.
    typedef void (*EntryVisitor)(void* context, const xml::IXml* entry);

    PackReader();
    ~PackReader();
    PackReader(const PackReader&) = delete;
    PackReader& operator=(const PackReader&) = delete;

    // Reads the resource (type, id) of `module` (null: the program) as UTF-8 text
    // and parses the "languages" element; false when there is no such resource.
    bool open(HMODULE module, const wchar_t* type, uint16_t id);
    // The "languages" element; null when the pack has none.
    const xml::IXml* languages() const;
    // Hands each element of "entries" to `visit`; valid only during the call.
    void forEachEntry(EntryVisitor visit, void* context);

private:
    // Reads the root's children up to the "entries" content (entriesAt_) or the
    // end, parsing "languages" and any "entries" that cannot be read in steps.
    void readRootChildren();

    str::strbuffer::StrBuffer text_;  // owned, embedded: the pack as text
    xml::Node* languages_;            // owned (pooled); null until found
    xml::Node* entries_;              // owned (pooled): an "entries" parsed whole, or null
    xml::Node* entry_;                // owned (pooled): the entry being handed out
    const wchar_t* entriesAt_;        // in text_: the content of "entries" to read in steps, or null
};

}  // namespace s::lang
