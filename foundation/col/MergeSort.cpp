#include "foundation/col/MergeSort.h"

#include <cstdlib>
#include <cstring>

#include "foundation/col/_array/ArrayP.h"

namespace s::col {

namespace {

// Below this many elements a range is insertion-sorted.
constexpr int32_t INSERTION_SORT_LIMIT = 7;

// True when a may stay before b: <= 0 ascending, >= 0 descending (equal keys keep their order).
inline bool inOrder(int32_t comparison, bool descending) {
    return descending ? comparison >= 0 : comparison <= 0;
}

}  // namespace

bool MergeSort::sortAscending(_array::ArrayP* list, CompareFunction compare, void* user) {
    const uint32_t count = list->length();
    if (count < 2) return true;
    void** aux = static_cast<void**>(malloc(count * sizeof(void*)));
    if (!aux) return false;
    memcpy(aux, list->elements(), count * sizeof(void*));
    sort(list->elements(), aux, count, compare, user, false);
    free(aux);
    return true;
}

bool MergeSort::sortDescending(_array::ArrayP* list, CompareFunction compare, void* user) {
    const uint32_t count = list->length();
    if (count < 2) return true;
    void** aux = static_cast<void**>(malloc(count * sizeof(void*)));
    if (!aux) return false;
    memcpy(aux, list->elements(), count * sizeof(void*));
    sort(list->elements(), aux, count, compare, user, true);
    free(aux);
    return true;
}

void MergeSort::sort(void** source, void** aux, uint32_t count, CompareFunction compare, void* user, bool descending) {
    // The top level reads from the copy and writes into the list itself.
    sortRange(aux, source, 0, int32_t(count), 0, compare, user, descending);
}

// Sorts destination[low, high) using source[low + offset, high + offset), which holds
// the same elements; at each level the two arrays exchange roles and the offset
// changes sign, so no copying back is needed.
void MergeSort::sortRange(void** source, void** destination, int32_t low, int32_t high, int32_t offset,
                          CompareFunction compare, void* user, bool descending) {
    const int32_t length = high - low;
    if (length < INSERTION_SORT_LIMIT) {
        for (int32_t i = low; i < high; ++i) {
            for (int32_t j = i; j > low && !inOrder(compare(destination[j - 1], destination[j], user), descending);
                 --j) {
                void* moved = destination[j];
                destination[j] = destination[j - 1];
                destination[j - 1] = moved;
            }
        }
        return;
    }
    const int32_t destinationLow = low;
    const int32_t destinationHigh = high;
    low += offset;
    high += offset;
    const int32_t mid = int32_t((uint32_t(low) + uint32_t(high)) >> 1);
    sortRange(destination, source, low, mid, -offset, compare, user, descending);
    sortRange(destination, source, mid, high, -offset, compare, user, descending);

    // Already in order: the halves together are the result.
    if (inOrder(compare(source[mid - 1], source[mid], user), descending)) {
        memcpy(destination + destinationLow, source + low, size_t(length) * sizeof(void*));
        return;
    }
    for (int32_t i = destinationLow, p = low, q = mid; i < destinationHigh; ++i) {
        if (q >= high || (p < mid && inOrder(compare(source[p], source[q], user), descending))) {
            destination[i] = source[p++];
        } else {
            destination[i] = source[q++];
        }
    }
}

}  // namespace s::col
