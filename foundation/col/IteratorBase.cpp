#include "foundation/col/IteratorBase.h"

namespace s::col {

void IteratorBase::bind(const base::IObject* owner, int32_t index, void* element) {
    owner_ = owner;
    index_ = index;
    element_ = static_cast<uint8_t*>(element);
}

bool IteratorBase::hasNext() const {
    return owner_ && int64_t(index_) < int64_t(ownerLength()) - 1;
}

bool IteratorBase::hasPrevious() const {
    return index_ > 0;
}

void IteratorBase::skip(uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) next();
}

void IteratorBase::skipBack(uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) previous();
}

void* IteratorBase::next() {
    uint8_t* current = element_;
    ++index_;
    element_ += elementSize();
    return current;
}

void* IteratorBase::previous() {
    --index_;
    element_ -= elementSize();
    return element_;
}

void IteratorBase::reset() {
    index_ = -1;
    owner_ = nullptr;
    element_ = nullptr;
}

}  // namespace s::col
