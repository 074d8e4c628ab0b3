#pragma once
// Something that hands out iterators over its elements. Arrays and strings
// implement every operation directly; the defaults build them from iterator(),
// iteratorAtEnd() and the iterator's own steps. Iterators come from their pools:
// the caller releases them.
#include <cstdint>

namespace s::col {

class IteratorBase;

class IEnumerable {
public:
    virtual ~IEnumerable() = default;
    // At the start: index -1, pointing at element 0.
    virtual IteratorBase* iterator() = 0;
    // At the end: index = length, pointing one past the last element.
    virtual IteratorBase* iteratorAtEnd() = 0;
    // Index n - 1, pointing at element n.
    virtual IteratorBase* iteratorAt(uint32_t n);
    // Index length - n, pointing at element length - n.
    virtual IteratorBase* reverseIteratorAt(uint32_t n);
    // The address of element n.
    virtual void* elementAt(uint32_t n);
};

}  // namespace s::col
