#include "foundation/base/IObject.h"

#include <cstdint>

namespace s::base {

// The text hash rule of the string class (shift left by one, bit 30 rotated into
// bit 0, XOR the code unit) over the class-name string: stable from run to run.
int32_t IObject::hashCode() const {
    uint32_t h = 0;
    for (const wchar_t* p = getClassName(); p && *p; ++p) {
        h = ((h << 1) | ((h >> 30) & 1u)) ^ uint16_t(*p);
    }
    return int32_t(h);
}

}  // namespace s::base
