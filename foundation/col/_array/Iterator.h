#pragma once
// Iterator over the elements of an array (any element size).
#include <cstdint>

#include "foundation/col/IteratorBase.h"
#include "foundation/thread/Pooled.h"

namespace s::col::_array {

class ArrayBase;

class Iterator : public IteratorBase {
    S_POOLED_CLASS(Iterator, L"s_col_array_Iterator")

public:
    Iterator() = default;

    // Binds to `array` with the given index, pointing at element `elementIndex`
    // (at the start: index -1, element 0; at the end: both the length).
    void bind(const ArrayBase* array, int32_t index, uint32_t elementIndex);

    uint32_t ownerLength() const override;
    uint32_t elementSize() const override;
};

}  // namespace s::col::_array
