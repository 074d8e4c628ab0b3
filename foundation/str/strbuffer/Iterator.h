#pragma once
// Iterator over the code units of a string. `next` returns the address of the
// code unit it steps over (a wchar_t*), so a forward walk reads
//     while (it->hasNext()) c = *static_cast<wchar_t*>(it->next());
// The string must not grow or be freed while an iterator is in use: the element
// pointer points into its block.
#include <cstdint>

#include "foundation/col/IteratorBase.h"
#include "foundation/thread/Pooled.h"

namespace s::str {
class IStr;
}

namespace s::str::strbuffer {

class Iterator : public col::IteratorBase {
    S_POOLED_CLASS(Iterator, L"s_str_strbuffer_Iterator")

public:
    Iterator() = default;

    // Binds to `string` with the given index, pointing at code unit `elementIndex`.
    void bind(const IStr* string, int32_t index, uint32_t elementIndex);

    uint32_t ownerLength() const override;
    uint32_t elementSize() const override { return sizeof(wchar_t); }
};

}  // namespace s::str::strbuffer
