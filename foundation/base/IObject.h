#pragma once
// The root interface of every class of the library.
//
// getClassName returns the class's static class-name string: its qualified name
// with "::" replaced by "_" (s::col::_array::ArrayP -> "s_col__array_ArrayP").
// The pointer, not the text, is the type identity: code tests a type with
// `object->getClassName() == SomeClass::CLASS_NAME`. Every class declares that
// string as `static constexpr wchar_t CLASS_NAME[]` (an inline variable, so one
// address in the whole program); pooled classes get it from S_POOLED_CLASS
// (thread/Pooled.h).
//
// Pointer slots that hold objects as void* (pointer arrays, pools, hash tables,
// disposers) always hold the object's IObject pointer, so a disposer can turn
// the slot back into an IObject and delete or release it whatever the layout of
// the concrete class.
#include "foundation/base/IComparable.h"

namespace s::base {

class IObject : public IComparable {
public:
    // A per-class constant: the text hash of the class-name string.
    int32_t hashCode() const override;

    virtual const wchar_t* getClassName() const = 0;
    // A fresh object of the same concrete class in its reset state (from the
    // class pool for pooled classes). Ignores the state of this object.
    virtual IObject* newInstance() const = 0;
};

}  // namespace s::base
