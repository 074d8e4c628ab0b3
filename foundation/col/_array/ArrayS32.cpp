#include "foundation/col/_array/ArrayS32.h"

#include "foundation/comp/CompS32.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"

namespace s::col::_array {

S_POOLED_CLASS_IMPL(ArrayS32, thread::EasyPooler::DEFAULT_CAPACITY)

ArrayS32::ArrayS32() : ArrayBase(SHIFT) {}

const ArrayDescriptor& ArrayS32::descriptor() const {
    static const ArrayDescriptor descriptor = {CLASS_NAME, SHIFT, ELEMENT_ARRAY_TYPE};
    return descriptor;
}

const base::IComparator& ArrayS32::elementComparator() const {
    return comp::CompS32::shared();
}

void ArrayS32::appendElementText(str::strbuffer::StrBuffer* string, const void* element) const {
    string->appendS32(*static_cast<const int32_t*>(element));
}

str::strbuffer::StrBuffer* ArrayS32::appendElements(str::strbuffer::StrBuffer* string, bool append) const {
    if (!string) {
        string = str::strbuffer::StrBuffer::acquire();
        if (!string) return nullptr;
    } else if (!append) {
        string->clear();
    }
    string->appendHexS32(elements(), length_);
    return string;
}

int32_t ArrayS32::indexOf(int32_t value) const {
    const int32_t* values = elements();
    for (uint32_t i = 0; i < length_; ++i) {
        if (values[i] == value) return int32_t(i);
    }
    return -1;
}

}  // namespace s::col::_array
