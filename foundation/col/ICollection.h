#pragma once
// A collection of elements (the arrays of col/_array).
#include "foundation/base/IObject.h"

namespace s::col {

class ICollection : public base::IObject {
public:
    // The collection's name: its class-name string.
    virtual const wchar_t* collectionName() const { return getClassName(); }
};

}  // namespace s::col
