#pragma once
// Stable merge sort of pointer lists, in ascending or descending order.
//
// `compare(a, b, user)` receives two elements (the pointers stored in the list)
// and the caller's value, and answers <0, 0 or >0. Elements that compare equal
// keep their order. Ranges of fewer than 7 elements are insertion-sorted; a merge
// is skipped when the two halves are already in order.
#include <cstdint>

namespace s::col {

namespace _array {
class ArrayP;
}

class MergeSort {
public:
    using CompareFunction = int32_t (*)(const void* a, const void* b, void* user);

    // Sorts `list` in place; false (list unchanged) when the scratch copy cannot be made.
    static bool sortAscending(_array::ArrayP* list, CompareFunction compare, void* user = nullptr);
    static bool sortDescending(_array::ArrayP* list, CompareFunction compare, void* user = nullptr);

    // The raw form: `source` and `aux` hold the same `count` pointers; the result ends in `source`.
    static void sort(void** source, void** aux, uint32_t count, CompareFunction compare, void* user, bool descending);

private:
    static void sortRange(void** source, void** destination, int32_t low, int32_t high, int32_t offset,
                          CompareFunction compare, void* user, bool descending);
};

}  // namespace s::col
