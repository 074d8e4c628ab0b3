#pragma once
// The one growth policy of every growable block (arrays and strings): one step
// from the current capacity, in elements. Geometric, 3x while small so that
// appending one element touches the allocator rarely, gentler for huge blocks.
// The result is 64-bit so a caller can cap it without wrapping around.
#include <cstdint>

namespace s {
namespace col {

inline uint64_t grownCapacity(uint32_t capacity) {
    if (capacity < 100) return 100;
    if (capacity < 10000000) return uint64_t(capacity) * 3;
    if (capacity < 50000000) return uint64_t(capacity) * 2;
    if (capacity < 100000000) return uint64_t(capacity) * 3 / 2;
    return uint64_t(capacity) * 6 / 5;
}

}  // namespace col
}  // namespace s
