#include "foundation/comp/CompS08.h"

#include <new>

namespace s::comp {

// Built in static storage and never destructed: arrays that die late at exit may still compare.
const CompS08& CompS08::shared() {
    alignas(CompS08) static unsigned char storage[sizeof(CompS08)];
    static const CompS08* const instance = new (storage) CompS08();
    return *instance;
}

CompS08* CompS08::newInstance() const {
    return new (std::nothrow) CompS08();
}

int32_t CompS08::compare(const void* a, const void* b) const {
    const int8_t x = *static_cast<const int8_t*>(a);
    const int8_t y = *static_cast<const int8_t*>(b);
    if (x == y) return 0;
    return x < y ? -1 : 1;
}

}  // namespace s::comp
