#pragma once
// LangPack: the texts of one language of the language pack.
//
// A language has three names (the tag that names its elements in the pack, its
// English name and its native name) and two kinds of texts:
// - numeric entries: ids and texts in two parallel lists, the n-th text
//   belonging to the n-th id, in the order they were added. Lookups search the
//   ids from the start, so an id added twice answers with its first text. A pack
//   holds under a hundred entries, so a linear search is all it needs.
// - keyed entries (an entry whose id is not a number): the keys in the order
//   added, and a table from key to text. The first text added for a key wins.
// Keyed texts are kept apart from the numeric texts so the two numeric lists
// stay aligned whatever order the pack mixes the two kinds in.
//
// Languages come from their pool and are filled by the localizer's loader; reset
// empties the names, the lists and the table.
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayS32.h"
#include "foundation/map/MapTable.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::lang {

class LangPack : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(LangPack, L"s_lang_LangPack")

public:
    LangPack();
    ~LangPack() override;
    LangPack(const LangPack&) = delete;
    LangPack& operator=(const LangPack&) = delete;

    // Empties the three names, the id and text lists, the keys and the table.
    void reset() override;
    // Empties the id and text lists, the keys and the table; the names stay.
    void clearTexts();

    // ---- Names ("" when the pack gave none)
    str::strbuffer::StrBuffer& tagName() { return tagName_; }
    const str::strbuffer::StrBuffer& tagName() const { return tagName_; }
    str::strbuffer::StrBuffer& engName() { return engName_; }
    const str::strbuffer::StrBuffer& engName() const { return engName_; }
    str::strbuffer::StrBuffer& trueName() { return trueName_; }
    const str::strbuffer::StrBuffer& trueName() const { return trueName_; }

    // ---- Numeric entries
    // Appends (id, text) and takes the text over (a pooled string). False when the
    // lists cannot grow; the text is then released.
    bool addText(int32_t id, str::strbuffer::StrBuffer* text);
    bool hasId(int32_t id) const { return ids_.indexOf(id) >= 0; }
    // The first text of the id, or null when the language has none.
    const str::strbuffer::StrBuffer* findText(int32_t id) const;
    uint32_t textCount() const { return ids_.length(); }
    int32_t idAt(uint32_t index) const { return ids_.get(index); }
    const str::strbuffer::StrBuffer* textAt(uint32_t index) const { return texts_.get(index); }

    // ---- Keyed entries
    // Adds key -> text and takes both over (pooled strings). When the key is already
    // present the first text stays and both are released. False when memory ran out
    // (both are released).
    bool addKeyedText(str::strbuffer::StrBuffer* key, str::strbuffer::StrBuffer* text);
    bool hasKey(const str::strbuffer::StrBuffer* key) const { return findKeyedText(key) != nullptr; }
    // The text of the key, or null.
    const str::strbuffer::StrBuffer* findKeyedText(const str::strbuffer::StrBuffer* key) const;
    uint32_t keyCount() const { return keys_.count(); }
    const str::strbuffer::StrBuffer* keyAt(uint32_t index) const { return keys_.get(index); }

private:
    str::strbuffer::StrBuffer tagName_;   // owned, embedded
    str::strbuffer::StrBuffer engName_;   // owned, embedded
    str::strbuffer::StrBuffer trueName_;  // owned, embedded
    col::_array::ArrayS32 ids_;           // owned, embedded
    str::strarray::StrArray texts_;       // owned, embedded; owns its strings
    str::strarray::StrArray keys_;        // owned, embedded; owns the key strings the table points to
    map::MapTable table_;                 // owned, embedded; borrows its keys, owns its texts
};

}  // namespace s::lang
