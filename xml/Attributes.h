#pragma once
// Attributes: the attribute records of one element, in document (or insertion)
// order. The text content of an element is kept here too, as records whose name
// is empty (one per run of text; reads use the first).
//
// Names are looked up ignoring case (ASCII letters), first match. Values are held
// in their escaped form (see XmlText.h); this class never escapes or decodes.
// The records come from AttrFactory::shared() and go back to it.
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayP.h"
#include "xml/AttrFactory.h"

namespace s::xml {

class Attributes : public base::IObject {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_xml_Attributes";

    Attributes();
    // Gives every record back to the factory.
    ~Attributes() override;
    Attributes(const Attributes&) = delete;
    Attributes& operator=(const Attributes&) = delete;

    const wchar_t* getClassName() const override { return CLASS_NAME; }
    // A new, empty list (attribute lists are not pooled).
    Attributes* newInstance() const override;

    uint32_t count() const { return records_.length(); }
    const AttrRecord* at(uint32_t i) const { return static_cast<const AttrRecord*>(records_.get(i)); }
    // Index of the first record named `name` (NUL-terminated; null means ""), or -1.
    int32_t indexOf(const wchar_t* name) const;
    const AttrRecord* find(const wchar_t* name) const;

    // Appends a record holding copies of the name and the (already escaped) value;
    // counts -1: NUL-terminated. False when memory ran out (nothing is added).
    bool add(const wchar_t* name, int32_t nameCount, const wchar_t* value, int32_t valueCount);
    // Removes the record at i, keeping the order of the rest.
    void removeAt(uint32_t i);
    // Removes every record of that name; answers how many went.
    uint32_t removeAll(const wchar_t* name);
    // Gives every record back to the factory; the list's block is kept.
    void clear();

private:
    col::_array::ArrayP records_;  // owns its AttrRecord blocks (disposer: the shared AttrFactory)
};

}  // namespace s::xml
