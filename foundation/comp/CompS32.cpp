#include "foundation/comp/CompS32.h"

#include <new>

namespace s::comp {

// Built in static storage and never destructed: arrays that die late at exit may still compare.
const CompS32& CompS32::shared() {
    alignas(CompS32) static unsigned char storage[sizeof(CompS32)];
    static const CompS32* const instance = new (storage) CompS32();
    return *instance;
}

CompS32* CompS32::newInstance() const {
    return new (std::nothrow) CompS32();
}

int32_t CompS32::compare(const void* a, const void* b) const {
    const int32_t x = *static_cast<const int32_t*>(a);
    const int32_t y = *static_cast<const int32_t*>(b);
    if (x == y) return 0;
    return x < y ? -1 : 1;
}

}  // namespace s::comp
