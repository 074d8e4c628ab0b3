#include "foundation/cleaner/CleanerIObject.h"

#include <new>

#include "foundation/base/IObject.h"

namespace s::cleaner {

// Built in static storage and never destructed: owners that die late at exit may still dispose.
CleanerIObject& CleanerIObject::shared() {
    alignas(CleanerIObject) static unsigned char storage[sizeof(CleanerIObject)];
    static CleanerIObject* const instance = new (storage) CleanerIObject();
    return *instance;
}

void CleanerIObject::destroy(void** ref) {
    if (!ref || !*ref) return;
    delete static_cast<base::IObject*>(*ref);
    *ref = nullptr;
}

}  // namespace s::cleaner
