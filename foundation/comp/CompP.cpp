#include "foundation/comp/CompP.h"

#include <new>

namespace s::comp {

// Built in static storage and never destructed: arrays that die late at exit may still compare.
const CompP& CompP::shared() {
    alignas(CompP) static unsigned char storage[sizeof(CompP)];
    static const CompP* const instance = new (storage) CompP();
    return *instance;
}

CompP* CompP::newInstance() const {
    return new (std::nothrow) CompP();
}

int32_t CompP::compare(const void* a, const void* b) const {
    const uintptr_t x = reinterpret_cast<uintptr_t>(*static_cast<void* const*>(a));
    const uintptr_t y = reinterpret_cast<uintptr_t>(*static_cast<void* const*>(b));
    if (x == y) return 0;
    return x < y ? -1 : 1;
}

}  // namespace s::comp
