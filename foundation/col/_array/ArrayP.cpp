#include "foundation/col/_array/ArrayP.h"

#include "foundation/base/IDestructor.h"
#include "foundation/comp/CompP.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"

namespace s::col::_array {

S_POOLED_CLASS_IMPL(ArrayP, thread::EasyPooler::DEFAULT_CAPACITY)

ArrayP::ArrayP() : ArrayBase(SHIFT), disposer_(nullptr) {}

ArrayP::~ArrayP() {
    disposeElements();
}

const ArrayDescriptor& ArrayP::descriptor() const {
    static const ArrayDescriptor descriptor = {CLASS_NAME, SHIFT, ELEMENT_ARRAY_TYPE};
    return descriptor;
}

const base::IComparator& ArrayP::elementComparator() const {
    return comp::CompP::shared();
}

void ArrayP::disposeElements() {
    if (!disposer_) return;
    void** slots = elements();
    for (uint32_t i = 0; i < length_; ++i) {
        if (slots[i]) disposer_->destroy(&slots[i]);
    }
}

void ArrayP::freeBuffer() {
    disposeElements();
    ArrayBase::freeBuffer();
}

void ArrayP::reset() {
    freeBuffer();
    disposer_ = nullptr;
}

void ArrayP::disposeAll() {
    disposeElements();
    clear();
}

// Elements must be library objects (or null) for their class name to be read.
void ArrayP::appendElementText(str::strbuffer::StrBuffer* string, const void* element) const {
    void* pointer = *static_cast<void* const*>(element);
    if (pointer) string->append(static_cast<base::IObject*>(pointer)->getClassName());
    string->appendChar(L'(');
    string->appendU64(uint64_t(reinterpret_cast<uintptr_t>(pointer)));
    string->appendChar(L')');
}

int32_t ArrayP::indexOf(const void* element) const {
    void* const* slots = elements();
    for (uint32_t i = 0; i < length_; ++i) {
        if (slots[i] == element) return int32_t(i);
    }
    return -1;
}

bool ArrayP::remove(void* element) {
    const int32_t index = indexOf(element);
    if (index < 0) return false;
    removeRange(uint32_t(index), 1);
    if (disposer_ && element) disposer_->destroy(&element);
    return true;
}

}  // namespace s::col::_array
