#include "foundation/str/strbuffer/Iterator.h"

#include "foundation/str/IStr.h"
#include "foundation/thread/EasyPooler.h"

namespace s::str::strbuffer {

S_POOLED_CLASS_IMPL(Iterator, thread::EasyPooler::DEFAULT_CAPACITY)

void Iterator::bind(const IStr* string, int32_t index, uint32_t elementIndex) {
    // Like the array iterator, it hands out writable addresses into the owner's block.
    IteratorBase::bind(string, index, string->data() + elementIndex);
}

uint32_t Iterator::ownerLength() const { return owner_ ? static_cast<const IStr*>(owner_)->length() : 0; }

}  // namespace s::str::strbuffer
