#include "foundation/col/_array/ArrayS08.h"

#include "foundation/comp/CompS08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"

namespace s::col::_array {

S_POOLED_CLASS_IMPL(ArrayS08, thread::EasyPooler::DEFAULT_CAPACITY)

ArrayS08::ArrayS08() : ArrayBase(SHIFT) {}

const ArrayDescriptor& ArrayS08::descriptor() const {
    static const ArrayDescriptor descriptor = {CLASS_NAME, SHIFT, ELEMENT_ARRAY_TYPE};
    return descriptor;
}

const base::IComparator& ArrayS08::elementComparator() const {
    return comp::CompS08::shared();
}

void ArrayS08::appendElementText(str::strbuffer::StrBuffer* string, const void* element) const {
    string->appendS32(*static_cast<const int8_t*>(element));
}

int32_t ArrayS08::indexOf(int8_t value) const {
    const int8_t* values = elements();
    for (uint32_t i = 0; i < length_; ++i) {
        if (values[i] == value) return int32_t(i);
    }
    return -1;
}

}  // namespace s::col::_array
