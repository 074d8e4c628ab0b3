#include "foundation/base/IComparable.h"

#include <cstdint>

#include "foundation/base/IComparator.h"

namespace s::base {

int32_t IComparable::compareTo(const IComparable* other, const IComparator* comparator) const {
    if (comparator) return comparator->compare(this, other);
    const uintptr_t mine = reinterpret_cast<uintptr_t>(this);
    const uintptr_t theirs = reinterpret_cast<uintptr_t>(other);
    if (mine == theirs) return 0;
    return mine < theirs ? -1 : 1;
}

int32_t IComparable::compareToIgnoreCase(const IComparable* other, const IComparator* comparator) const {
    if (comparator) return comparator->compareIgnoreCase(this, other);
    return compareTo(other, nullptr);
}

bool IComparable::equals(const IComparable* other, const IComparator* comparator) const {
    return compareTo(other, comparator) == 0;
}

bool IComparable::equalsIgnoreCase(const IComparable* other, const IComparator* comparator) const {
    return compareToIgnoreCase(other, comparator) == 0;
}

int32_t IComparable::hashCode() const {
    return 0;
}

int32_t IComparable::hashCodeIgnoreCase() const {
    return hashCode();
}

}  // namespace s::base
