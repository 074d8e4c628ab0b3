#pragma once
// A cursor over the elements of an array or the code units of a string.
//
// At the start the index is -1 and the element pointer points at element 0; at
// the end the index is the owner's length and the pointer is one past the last
// element. `next` returns the element it steps over, so a forward walk is
//     while (it->hasNext()) use(it->next());
// and a backward walk from the end is
//     while (it->hasPrevious()) use(it->previous());
// Concrete iterators bind an owner and say how long it is and how big an element is.
#include <cstdint>

#include "foundation/base/IObject.h"

namespace s::col {

class IteratorBase : public base::IObject {
public:
    virtual int32_t index() const { return index_; }
    // Sets the index only; the element pointer stays where it is.
    virtual void setIndex(int32_t index) { index_ = index; }
    // index < owner length - 1.
    virtual bool hasNext() const;
    // index > 0.
    virtual bool hasPrevious() const;
    // next() `count` times.
    virtual void skip(uint32_t count);
    // previous() `count` times.
    virtual void skipBack(uint32_t count);
    // Index + 1, pointer advanced one element; returns the pointer before the advance.
    virtual void* next();
    // Index - 1, pointer moved back one element; returns the new pointer.
    virtual void* previous();
    // Back to the iterator's pool.
    virtual void release() = 0;
    // Index -1, owner and pointer null.
    virtual void reset();

    // What the concrete iterator knows about its owner.
    virtual uint32_t ownerLength() const = 0;
    virtual uint32_t elementSize() const = 0;

    const base::IObject* owner() const { return owner_; }
    void* elementPointer() const { return element_; }

protected:
    IteratorBase() = default;
    // Binds the iterator to `owner` at `index`, pointing at `element`.
    void bind(const base::IObject* owner, int32_t index, void* element);

    int32_t index_ = -1;
    const base::IObject* owner_ = nullptr;  // not owned
    uint8_t* element_ = nullptr;            // points into the owner's storage
};

}  // namespace s::col
