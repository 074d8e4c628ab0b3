#pragma once
// ArrayU08: an array of unsigned bytes (the byte buffer of encoders and files).
#include <cassert>
#include <cstdint>

#include "foundation/col/_array/ArrayBase.h"
#include "foundation/thread/Pooled.h"

namespace s::col::_array {

class ArrayU08 : public ArrayBase {
    S_POOLED_CLASS(ArrayU08, L"s_col__array_ArrayU08")

public:
    static constexpr uint8_t SHIFT = 0;

    ArrayU08();

    int32_t typeCode() const override { return ELEMENT_ARRAY_TYPE; }
    const ArrayDescriptor& descriptor() const override;
    const base::IComparator& elementComparator() const override;
    // The value in decimal.
    void appendElementText(str::strbuffer::StrBuffer* string, const void* element) const override;
    // The elements as %02x groups.
    str::strbuffer::StrBuffer* appendElements(str::strbuffer::StrBuffer* string = nullptr,
                                              bool append = false) const override;

    // ---- Elements
    uint8_t* elements() { return reinterpret_cast<uint8_t*>(block_); }
    const uint8_t* elements() const { return reinterpret_cast<const uint8_t*>(block_); }
    uint8_t get(uint32_t i) const {
        assert(i < length_);
        return elements()[i];
    }
    void set(uint32_t i, uint8_t value) {
        assert(i < length_);
        elements()[i] = value;
    }
    // Appends one value (one growth step when full).
    bool add(uint8_t value) {
        if (length_ == capacity_ && !grow()) return false;
        elements()[length_++] = value;
        return true;
    }
    // Removes and returns the last value (0 when empty).
    uint8_t removeLast() { return length_ ? elements()[--length_] : uint8_t(0); }
    // First index holding `value`, or -1.
    int32_t indexOf(uint8_t value) const;
};

}  // namespace s::col::_array
