#include "foundation/comp/CompU08.h"

#include <new>

namespace s::comp {

// Built in static storage and never destructed: arrays that die late at exit may still compare.
const CompU08& CompU08::shared() {
    alignas(CompU08) static unsigned char storage[sizeof(CompU08)];
    static const CompU08* const instance = new (storage) CompU08();
    return *instance;
}

CompU08* CompU08::newInstance() const {
    return new (std::nothrow) CompU08();
}

int32_t CompU08::compare(const void* a, const void* b) const {
    const uint8_t x = *static_cast<const uint8_t*>(a);
    const uint8_t y = *static_cast<const uint8_t*>(b);
    if (x == y) return 0;
    return x < y ? -1 : 1;
}

}  // namespace s::comp
