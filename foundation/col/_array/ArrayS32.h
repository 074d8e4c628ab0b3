#pragma once
// ArrayS32: an array of signed 32-bit values.
#include <cassert>
#include <cstdint>

#include "foundation/col/_array/ArrayBase.h"
#include "foundation/thread/Pooled.h"

namespace s::col::_array {

class ArrayS32 : public ArrayBase {
    S_POOLED_CLASS(ArrayS32, L"s_col__array_ArrayS32")

public:
    static constexpr uint8_t SHIFT = 2;

    ArrayS32();

    int32_t typeCode() const override { return ELEMENT_ARRAY_TYPE; }
    const ArrayDescriptor& descriptor() const override;
    const base::IComparator& elementComparator() const override;
    // The value in decimal.
    void appendElementText(str::strbuffer::StrBuffer* string, const void* element) const override;
    // The elements as %08x groups.
    str::strbuffer::StrBuffer* appendElements(str::strbuffer::StrBuffer* string = nullptr,
                                              bool append = false) const override;

    // ---- Elements
    int32_t* elements() { return reinterpret_cast<int32_t*>(block_); }
    const int32_t* elements() const { return reinterpret_cast<const int32_t*>(block_); }
    int32_t get(uint32_t i) const {
        assert(i < length_);
        return elements()[i];
    }
    void set(uint32_t i, int32_t value) {
        assert(i < length_);
        elements()[i] = value;
    }
    // Appends one value (one growth step when full).
    bool add(int32_t value) {
        if (length_ == capacity_ && !grow()) return false;
        elements()[length_++] = value;
        return true;
    }
    // Removes and returns the last value (0 when empty).
    int32_t removeLast() { return length_ ? elements()[--length_] : int32_t(0); }
    // First index holding `value`, or -1.
    int32_t indexOf(int32_t value) const;
};

}  // namespace s::col::_array
