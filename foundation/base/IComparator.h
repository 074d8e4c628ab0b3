#pragma once
// An ordering supplied from outside an object. `a` and `b` point at the things
// compared: for IComparable::compareTo they are the two objects (as their
// IComparable pointers), for the element comparators of the arrays they point
// at two array elements.
#include <cstdint>

namespace s::base {

class IComparator {
public:
    virtual ~IComparator() = default;
    // <0, 0, >0.
    virtual int32_t compare(const void* a, const void* b) const = 0;
    // Defaults to compare(a, b).
    virtual int32_t compareIgnoreCase(const void* a, const void* b) const { return compare(a, b); }
};

}  // namespace s::base
