#pragma once
// The disposer of owned plain objects: deletes the referenced object through its
// virtual destructor and nulls the reference. The slot must hold an IObject pointer.
#include "foundation/base/IDestructor.h"

namespace s::cleaner {

class CleanerIObject : public base::IDestructor {
public:
    // The instance owners share (it has no state).
    static CleanerIObject& shared();

    void destroy(void** ref) override;
};

}  // namespace s::cleaner
