// The stable merge sort: order, stability with equal keys in both directions,
// both sides of the insertion-sort cut-off, and the caller's value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "foundation/col/MergeSort.h"
#include "foundation/col/_array/ArrayP.h"

namespace s::test {
namespace {

using col::MergeSort;
using col::_array::ArrayP;

struct Item {
    int key;
    int arrival;
};

int32_t byKey(const void* a, const void* b, void* user) {
    if (user) ++*static_cast<int*>(user);
    const int x = static_cast<const Item*>(a)->key, y = static_cast<const Item*>(b)->key;
    return x < y ? -1 : x > y ? 1 : 0;
}

// Items with few distinct keys (many equal), in a scrambled order.
std::vector<Item> makeItems(int count) {
    std::vector<Item> items;
    uint32_t seed = 12345;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        items.push_back({int((seed >> 16) % 5), i});
    }
    return items;
}

std::vector<Item> sorted(std::vector<Item>& items, bool descending) {
    ArrayP* list = ArrayP::acquire();
    for (Item& item : items) list->add(&item);
    const bool ok = descending ? MergeSort::sortDescending(list, &byKey) : MergeSort::sortAscending(list, &byKey);
    EXPECT_TRUE(ok);
    std::vector<Item> result;
    for (uint32_t i = 0; i < list->length(); ++i) result.push_back(*static_cast<Item*>(list->get(i)));
    list->release();
    return result;
}

void expectStableOrder(const std::vector<Item>& result, bool descending, size_t count) {
    ASSERT_EQ(result.size(), count);
    for (size_t i = 1; i < result.size(); ++i) {
        const Item& a = result[i - 1];
        const Item& b = result[i];
        if (a.key == b.key) {
            EXPECT_LT(a.arrival, b.arrival) << "equal keys swapped at " << i;
        } else {
            EXPECT_EQ(a.key > b.key, descending) << "out of order at " << i;
        }
    }
}

class MergeSortSizes : public ::testing::TestWithParam<int> {};

TEST_P(MergeSortSizes, AscendingIsOrderedAndStable) {
    std::vector<Item> items = makeItems(GetParam());
    expectStableOrder(sorted(items, false), false, items.size());
}

TEST_P(MergeSortSizes, DescendingIsOrderedAndStable) {
    std::vector<Item> items = makeItems(GetParam());
    expectStableOrder(sorted(items, true), true, items.size());
}

// 6 and 7 sit on either side of the insertion-sort cut-off; 13 and 14 split into
// halves on either side of it.
INSTANTIATE_TEST_SUITE_P(AcrossTheCutOff, MergeSortSizes, ::testing::Values(0, 1, 2, 6, 7, 8, 13, 14, 100, 1000));

TEST(MergeSortTest, AgreesWithTheStandardStableSort) {
    std::vector<Item> items = makeItems(777);
    std::vector<Item> expected = items;
    std::stable_sort(expected.begin(), expected.end(), [](const Item& a, const Item& b) { return a.key < b.key; });
    std::vector<Item> result = sorted(items, false);
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(result[i].arrival, expected[i].arrival);
}

TEST(MergeSortTest, PassesTheCallersValueAndSkipsMergingOrderedHalves) {
    std::vector<Item> items;
    for (int i = 0; i < 64; ++i) items.push_back({i, i});
    ArrayP* list = ArrayP::acquire();
    for (Item& item : items) list->add(&item);
    int calls = 0;
    MergeSort::sortAscending(list, &byKey, &calls);
    // Already sorted: insertion sorts of the leaves plus one check per merge, far below n log n.
    EXPECT_GT(calls, 0);
    EXPECT_LT(calls, 64 * 6 / 2);
    for (uint32_t i = 0; i < list->length(); ++i) EXPECT_EQ(static_cast<Item*>(list->get(i))->key, int(i));
    list->release();
}

}  // namespace
}  // namespace s::test
