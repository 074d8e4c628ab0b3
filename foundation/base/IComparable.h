#pragma once
// Root of every comparable object: ordering, equality and hashing, each with a
// case-insensitive twin. Without a comparator an object compares by identity
// (its address); text classes override all six with their text rules.
//
// The default arguments are repeated by overriding classes so that calls
// through a derived pointer read the same as calls through this interface.
#include <cstdint>

namespace s::base {

class IComparator;

class IComparable {
public:
    virtual ~IComparable() = default;

    // With a comparator: comparator->compare(this, other). Without: 0 for the same
    // object, else -1/1 by unsigned address order.
    virtual int32_t compareTo(const IComparable* other, const IComparator* comparator = nullptr) const;
    // With a comparator: comparator->compareIgnoreCase(this, other); else compareTo(other).
    virtual int32_t compareToIgnoreCase(const IComparable* other, const IComparator* comparator = nullptr) const;
    // True exactly when compareTo (same comparator) is 0.
    virtual bool equals(const IComparable* other, const IComparator* comparator = nullptr) const;
    // True exactly when compareToIgnoreCase (same comparator) is 0.
    virtual bool equalsIgnoreCase(const IComparable* other, const IComparator* comparator = nullptr) const;
    // A constant here; IObject makes it a per-class constant.
    virtual int32_t hashCode() const;
    // hashCode() through the virtual call, so overriding hashCode alone serves both.
    virtual int32_t hashCodeIgnoreCase() const;
};

}  // namespace s::base
