#pragma once
// ArrayP: an array of pointers (sizeof(void*) bytes each), optionally owning them.
//
// With a disposer set the array owns its elements: freeBuffer, disposeAll, remove
// and the destructor give each element to disposer->destroy. Typical disposers are
// s::cleaner::CleanerIObject (delete) and a class pool (release). Object elements
// are stored as their IObject pointer (addObject/objectAt do the conversion), which
// is what those disposers expect. Without a disposer the array only stores pointers.
// reset (on return to the pool) disposes of the elements, frees the block and
// clears the disposer, so a recycled array never owns anything until told to.
#include <cassert>
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayBase.h"
#include "foundation/thread/Pooled.h"

namespace s::base {
class IDestructor;
}

namespace s::col::_array {

class ArrayP : public ArrayBase {
    S_POOLED_CLASS(ArrayP, L"s_col__array_ArrayP")

public:
    // log2(sizeof(void*)): 3 on 64-bit builds.
    static constexpr uint8_t SHIFT = sizeof(void*) == 8 ? 3 : 2;

    ArrayP();
    // Disposes of the elements (when a disposer is set), then frees the block.
    ~ArrayP() override;

    int32_t typeCode() const override { return ELEMENT_ARRAY_TYPE; }
    const ArrayDescriptor& descriptor() const override;
    const base::IComparator& elementComparator() const override;
    // The element's class-name string, "(", its address in decimal, ")".
    void appendElementText(str::strbuffer::StrBuffer* string, const void* element) const override;
    void appendElementXml(str::strbuffer::StrBuffer* string, const void* element) const override {}
    void freeBuffer() override;
    void reset() override;

    // ---- Elements
    void** elements() { return reinterpret_cast<void**>(block_); }
    void* const* elements() const { return reinterpret_cast<void* const*>(block_); }
    void* get(uint32_t i) const {
        assert(i < length_);
        return elements()[i];
    }
    void set(uint32_t i, void* element) {
        assert(i < length_);
        elements()[i] = element;
    }
    // Appends one pointer (one growth step when full).
    bool add(void* element) {
        if (length_ == capacity_ && !grow()) return false;
        elements()[length_++] = element;
        return true;
    }
    // Removes and returns the last pointer (null when empty); no disposal.
    void* removeLast() { return length_ ? elements()[--length_] : nullptr; }
    void* last() const { return length_ ? elements()[length_ - 1] : nullptr; }

    // Object elements: stored as their IObject pointer.
    bool addObject(base::IObject* object) { return add(object); }
    base::IObject* objectAt(uint32_t i) const { return static_cast<base::IObject*>(get(i)); }
    // The element as a T (T derives from IObject).
    template <class T>
    T* getAs(uint32_t i) const {
        return static_cast<T*>(objectAt(i));
    }

    // First index holding `element` (by identity), or -1.
    int32_t indexOf(const void* element) const;
    // Removes the first occurrence keeping the order of the rest, and disposes of it
    // when a disposer is set. False when not found.
    bool remove(void* element);
    // Disposes of every element (when a disposer is set) and empties the array; the block is kept.
    void disposeAll();

    base::IDestructor* disposer() const { return disposer_; }
    void setDisposer(base::IDestructor* disposer) { disposer_ = disposer; }

private:
    void disposeElements();

    base::IDestructor* disposer_;  // not owned; may be null
};

}  // namespace s::col::_array
