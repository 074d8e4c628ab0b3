#pragma once
// A disposer: what owners (pointer arrays, hash tables, lockers) call to get
// rid of an object they own, whether that means deleting it or giving it back
// to a pool.

namespace s::base {

class IDestructor {
public:
    virtual ~IDestructor() = default;
    // `ref` is the address of a pointer variable (holding an IObject pointer for
    // library objects): disposes of the object it points to, if any, and sets the
    // variable to null.
    virtual void destroy(void** ref) = 0;
};

}  // namespace s::base
