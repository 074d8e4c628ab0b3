#include "foundation/col/_array/ArrayU08.h"

#include "foundation/comp/CompU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"

namespace s::col::_array {

S_POOLED_CLASS_IMPL(ArrayU08, thread::EasyPooler::DEFAULT_CAPACITY)

ArrayU08::ArrayU08() : ArrayBase(SHIFT) {}

const ArrayDescriptor& ArrayU08::descriptor() const {
    static const ArrayDescriptor descriptor = {CLASS_NAME, SHIFT, ELEMENT_ARRAY_TYPE};
    return descriptor;
}

const base::IComparator& ArrayU08::elementComparator() const {
    return comp::CompU08::shared();
}

void ArrayU08::appendElementText(str::strbuffer::StrBuffer* string, const void* element) const {
    string->appendU32(*static_cast<const uint8_t*>(element));
}

str::strbuffer::StrBuffer* ArrayU08::appendElements(str::strbuffer::StrBuffer* string, bool append) const {
    if (!string) {
        string = str::strbuffer::StrBuffer::acquire();
        if (!string) return nullptr;
    } else if (!append) {
        string->clear();
    }
    string->appendHexU08(elements(), length_);
    return string;
}

int32_t ArrayU08::indexOf(uint8_t value) const {
    const uint8_t* values = elements();
    for (uint32_t i = 0; i < length_; ++i) {
        if (values[i] == value) return int32_t(i);
    }
    return -1;
}

}  // namespace s::col::_array
