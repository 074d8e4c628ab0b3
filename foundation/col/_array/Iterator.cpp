#include "foundation/col/_array/Iterator.h"

#include "foundation/col/_array/ArrayBase.h"
#include "foundation/thread/EasyPooler.h"

namespace s::col::_array {

S_POOLED_CLASS_IMPL(Iterator, thread::EasyPooler::DEFAULT_CAPACITY)

void Iterator::bind(const ArrayBase* array, int32_t index, uint32_t elementIndex) {
    // The iterator hands out writable element addresses, as the array itself does.
    ArrayBase* owner = const_cast<ArrayBase*>(array);
    IteratorBase::bind(array, index, owner->elementAddress(elementIndex));
}

uint32_t Iterator::ownerLength() const {
    return owner_ ? static_cast<const ArrayBase*>(owner_)->length() : 0;
}

uint32_t Iterator::elementSize() const {
    return owner_ ? static_cast<const ArrayBase*>(owner_)->elementSize() : 0;
}

}  // namespace s::col::_array
