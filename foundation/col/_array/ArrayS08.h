#pragma once
// ArrayS08: an array of signed bytes.
#include <cassert>
#include <cstdint>

#include "foundation/col/_array/ArrayBase.h"
#include "foundation/thread/Pooled.h"

namespace s::col::_array {

class ArrayS08 : public ArrayBase {
    S_POOLED_CLASS(ArrayS08, L"s_col__array_ArrayS08")

public:
    static constexpr uint8_t SHIFT = 0;

    ArrayS08();

    int32_t typeCode() const override { return ELEMENT_ARRAY_TYPE; }
    const ArrayDescriptor& descriptor() const override;
    const base::IComparator& elementComparator() const override;
    // The value in decimal.
    void appendElementText(str::strbuffer::StrBuffer* string, const void* element) const override;

    // ---- Elements
    int8_t* elements() { return reinterpret_cast<int8_t*>(block_); }
    const int8_t* elements() const { return reinterpret_cast<const int8_t*>(block_); }
    int8_t get(uint32_t i) const {
        assert(i < length_);
        return elements()[i];
    }
    void set(uint32_t i, int8_t value) {
        assert(i < length_);
        elements()[i] = value;
    }
    // Appends one value (one growth step when full).
    bool add(int8_t value) {
        if (length_ == capacity_ && !grow()) return false;
        elements()[length_++] = value;
        return true;
    }
    // Removes and returns the last value (0 when empty).
    int8_t removeLast() { return length_ ? elements()[--length_] : int8_t(0); }
    // First index holding `value`, or -1.
    int32_t indexOf(int8_t value) const;
};

}  // namespace s::col::_array
