#pragma once
// StrArray: a list of strings that owns them. Its pointer array has the string
// pool as element disposer, so a string removed from the list or dropped by
// clear goes back to the string pool. Lists come from their own pool.
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::str::strarray {

class StrArray : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(StrArray, L"s_str_strarray_StrArray")

public:
    StrArray();
    // Deletes every string, then the list's block.
    ~StrArray() override;
    StrArray(const StrArray&) = delete;
    StrArray& operator=(const StrArray&) = delete;

    // Gives every string back to the string pool and frees the list's block.
    void reset() override;

    // The list itself (elements are StrBuffer objects stored as their IObject pointer).
    col::_array::ArrayP& list() { return list_; }
    const col::_array::ArrayP& list() const { return list_; }

    // Takes ownership of `string` (null is ignored). False when the list cannot grow;
    // the string is then released.
    bool add(strbuffer::StrBuffer* string);
    // A new string holding `count` code units of `text` (-1: NUL-terminated), added
    // to the list; null when it could not be made.
    strbuffer::StrBuffer* addCopy(const wchar_t* text, int32_t count = -1);
    strbuffer::StrBuffer* get(uint32_t i) const { return list_.getAs<strbuffer::StrBuffer>(i); }
    uint32_t count() const { return list_.length(); }
    // Gives every string back to the string pool; the list's block is kept.
    void clear() { list_.disposeAll(); }
    // Index of the first string equal to `text` ignoring case, or -1.
    int32_t indexOfIgnoreCase(const wchar_t* text, uint32_t count) const;

private:
    col::_array::ArrayP list_;  // owns its strings (disposer: the string pool)
};

}  // namespace s::str::strarray
