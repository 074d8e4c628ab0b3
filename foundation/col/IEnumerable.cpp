#include "foundation/col/IEnumerable.h"

#include "foundation/col/IteratorBase.h"

namespace s::col {

IteratorBase* IEnumerable::iteratorAt(uint32_t n) {
    IteratorBase* it = iterator();
    if (it) it->skip(n);
    return it;
}

IteratorBase* IEnumerable::reverseIteratorAt(uint32_t n) {
    IteratorBase* it = iteratorAtEnd();
    if (it) it->skipBack(n);
    return it;
}

void* IEnumerable::elementAt(uint32_t n) {
    IteratorBase* it = iteratorAt(n);
    if (!it) return nullptr;
    void* element = it->elementPointer();
    it->release();
    return element;
}

}  // namespace s::col
