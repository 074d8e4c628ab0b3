// The array family: growth, element operations, comparison, pointer ownership,
// iterators and the stream views.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "foundation/base/IDestructor.h"
#include "foundation/col/CollectionInputStream.h"
#include "foundation/col/IteratorBase.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/col/_array/ArrayS08.h"
#include "foundation/col/_array/ArrayS32.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/comp/CompS32.h"

namespace s::test {
namespace {

using col::_array::ArrayBase;
using col::_array::ArrayP;
using col::_array::ArrayS08;
using col::_array::ArrayS32;
using col::_array::ArrayU08;

// Pooled arrays given back at the end of each test.
class ArrayTest : public ::testing::Test {
protected:
    ArrayS32* ints(std::vector<int32_t> values) {
        ArrayS32* a = ArrayS32::acquire();
        for (int32_t v : values) a->add(v);
        taken_.push_back(a);
        return a;
    }
    std::vector<int32_t> values(const ArrayS32* a) {
        return std::vector<int32_t>(a->elements(), a->elements() + a->length());
    }
    void TearDown() override {
        for (ArrayBase* a : taken_) a->release();
    }
    std::vector<ArrayBase*> taken_;
};

struct CountingDisposer : base::IDestructor {
    std::vector<void*> destroyed;
    void destroy(void** ref) override {
        destroyed.push_back(*ref);
        *ref = nullptr;
    }
};

// ---- Growth

TEST_F(ArrayTest, GrowthStepsFollowTheTable) {
    EXPECT_EQ(ArrayBase::nextCapacity(0), 100u);
    EXPECT_EQ(ArrayBase::nextCapacity(99), 100u);
    EXPECT_EQ(ArrayBase::nextCapacity(100), 300u);
    EXPECT_EQ(ArrayBase::nextCapacity(9999999), 29999997u);
    EXPECT_EQ(ArrayBase::nextCapacity(10000000), 20000000u);
    EXPECT_EQ(ArrayBase::nextCapacity(50000000), 75000000u);
    EXPECT_EQ(ArrayBase::nextCapacity(100000001), 120000001u);
    EXPECT_EQ(ArrayBase::nextCapacity(4000000000u), 4294967295u);  // saturates instead of wrapping
}

TEST_F(ArrayTest, OneElementGivesOneHundredAndTheHundredAndFirstThreeHundred) {
    ArrayS32* a = ints({});
    EXPECT_EQ(a->capacity(), 0u);
    a->add(1);
    EXPECT_EQ(a->capacity(), 100u);
    for (int i = 2; i <= 100; ++i) a->add(i);
    EXPECT_EQ(a->capacity(), 100u);
    a->add(101);
    EXPECT_EQ(a->capacity(), 300u);
    EXPECT_EQ(a->get(100), 101);
}

TEST_F(ArrayTest, MultiElementAppendRepeatsStepsAndExactOperationsReserveExactly) {
    std::vector<int32_t> source(150, 7);
    ArrayS32* a = ints({});
    a->append(source.data(), 150);
    EXPECT_EQ(a->capacity(), 300u);  // 0 -> 100 -> 300
    ArrayS32* b = ints({});
    b->setRange(source.data(), 5, 0, 3);
    EXPECT_EQ(b->capacity(), 8u);
    EXPECT_EQ(b->length(), 8u);
    b->setLength(20);
    EXPECT_EQ(b->capacity(), 20u);
    b->setLength(2);
    EXPECT_EQ(b->capacity(), 20u);
    EXPECT_EQ(b->length(), 2u);
}

// ---- Element operations

TEST_F(ArrayTest, InsertPrependAndAppendPlaceElements) {
    ArrayS32* a = ints({1, 2, 3});
    const int32_t more[] = {10, 20, 30};
    a->insert(1, more, 2, 1);  // 20 30 between 1 and 2
    EXPECT_EQ(values(a), (std::vector<int32_t>{1, 20, 30, 2, 3}));
    a->prepend(more, 1);
    a->insert(a->length(), more, 1, 2);
    EXPECT_EQ(values(a), (std::vector<int32_t>{10, 1, 20, 30, 2, 3, 30}));
    EXPECT_TRUE(a->insert(2, more, 0));  // nothing
    EXPECT_EQ(a->length(), 7u);
}

TEST_F(ArrayTest, DropRemoveAndTakeMoveTheRest) {
    ArrayS32* a = ints({1, 2, 3, 4, 5, 6, 7, 8});
    a->dropFirst(1);
    a->dropLast(1);
    EXPECT_EQ(values(a), (std::vector<int32_t>{2, 3, 4, 5, 6, 7}));
    a->removeRange(1, 2);
    EXPECT_EQ(values(a), (std::vector<int32_t>{2, 5, 6, 7}));
    int32_t out[4] = {0, 0, 0, 0};
    a->takeLast(out, 1, 3);
    EXPECT_EQ(out[3], 7);
    a->takeFirst(out, 1);
    EXPECT_EQ(out[0], 2);
    a->takeRange(1, out, 1, 1);
    EXPECT_EQ(out[1], 6);
    EXPECT_EQ(values(a), (std::vector<int32_t>{5}));
    a->takeLast(out, 1);
    EXPECT_EQ(a->length(), 0u);
    EXPECT_EQ(a->removeLast(), 0);  // empty: nothing to pop
}

TEST_F(ArrayTest, CopiesBetweenArraysAndToRawMemory) {
    ArrayS32* a = ints({1, 2, 3, 4});
    ArrayS32* b = ints({9});
    a->copyTo(b, 1, 2);  // rest from index 2
    EXPECT_EQ(values(b), (std::vector<int32_t>{9, 3, 4}));
    b->copyFrom(a, 0, 3, 2);
    EXPECT_EQ(values(b), (std::vector<int32_t>{9, 3, 4, 1, 2}));
    int32_t raw[3] = {};
    b->copyOut(raw, 1, 3);
    EXPECT_EQ(raw[0], 0);
    EXPECT_EQ(raw[1], 1);
    EXPECT_EQ(raw[2], 2);
    EXPECT_EQ(a->byteSize(), 16u);
    EXPECT_EQ(a->byteSize(3), 12u);
}

TEST_F(ArrayTest, AppendingFromItsOwnBlockSurvivesTheMove) {
    ArrayS32* a = ints({});
    for (int i = 0; i < 100; ++i) a->add(i);  // full: the next append moves the block
    a->append(a->data(), 50, 10);
    ASSERT_EQ(a->length(), 150u);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(a->get(100 + i), 10 + i);
    a->insert(0, a->data(), 2, 148);  // the source shifts with the insert
    EXPECT_EQ(a->get(0), 58);
    EXPECT_EQ(a->get(1), 59);
    ArrayS32* one = ints({5});
    for (int i = 0; i < 99; ++i) one->add(5);
    one->append(one->elementAddress(0), 1);  // single-element path, block full
    EXPECT_EQ(one->get(100), 5);
}

TEST_F(ArrayTest, SwapReverseAndSearch) {
    ArrayS32* a = ints({1, 2, 3, 4, 5});
    a->swap(0, 4);
    EXPECT_EQ(values(a), (std::vector<int32_t>{5, 2, 3, 4, 1}));
    a->reverse();
    EXPECT_EQ(values(a), (std::vector<int32_t>{1, 4, 3, 2, 5}));
    EXPECT_EQ(a->indexOf(3), 2);
    EXPECT_EQ(a->indexOf(99), -1);
    ArrayS32* single = ints({1});
    single->reverse();
    EXPECT_EQ(single->get(0), 1);
}

TEST_F(ArrayTest, ClearKeepsTheBlockAndFreeBufferDropsIt) {
    ArrayS32* a = ints({1, 2, 3});
    a->clear();
    EXPECT_EQ(a->length(), 0u);
    EXPECT_EQ(a->capacity(), 100u);
    a->freeBuffer();
    EXPECT_EQ(a->capacity(), 0u);
    EXPECT_EQ(a->data(), nullptr);
}

TEST_F(ArrayTest, TypeCodesAndElementSizes) {
    ArrayP* p = ArrayP::acquire();
    ArrayS08* s8 = ArrayS08::acquire();
    EXPECT_EQ(p->elementSize(), sizeof(void*));
    EXPECT_EQ(p->shift(), sizeof(void*) == 8 ? 3 : 2);
    EXPECT_EQ(s8->elementSize(), 1u);
    EXPECT_EQ(ints({})->elementSize(), 4u);
    EXPECT_EQ(p->typeCode(), ArrayBase::ELEMENT_ARRAY_TYPE);
    EXPECT_EQ(p->descriptor().className, ArrayP::CLASS_NAME);
    EXPECT_EQ(s8->descriptor().shift, 0);
    p->release();
    s8->release();
}

// ---- Comparison

TEST_F(ArrayTest, ShorterIsLessWhateverItHolds) {
    ArrayS32* shortOne = ints({100, 100});
    ArrayS32* longOne = ints({1, 1, 1});
    EXPECT_LT(shortOne->compareTo(longOne), 0);
    EXPECT_GT(longOne->compareTo(shortOne), 0);
}

TEST_F(ArrayTest, EqualLengthsCompareByTheFirstDifferentElement) {
    ArrayS32* a = ints({1, -5, 9});
    ArrayS32* b = ints({1, 3, 0});
    EXPECT_LT(a->compareTo(b), 0);  // signed: -5 < 3
    EXPECT_GT(b->compareTo(a), 0);
    EXPECT_TRUE(a->equals(ints({1, -5, 9})));
    EXPECT_TRUE(ints({})->equals(ints({})));
    ArrayU08* x = ArrayU08::acquire();
    ArrayU08* y = ArrayU08::acquire();
    x->add(0xFF);
    y->add(0x01);
    EXPECT_GT(x->compareTo(y), 0);  // unsigned bytes
    ArrayS08* sx = ArrayS08::acquire();
    ArrayS08* sy = ArrayS08::acquire();
    sx->add(-1);
    sy->add(1);
    EXPECT_LT(sx->compareTo(sy), 0);  // signed bytes
    for (ArrayBase* arr : std::vector<ArrayBase*>{x, y, sx, sy}) arr->release();
}

TEST_F(ArrayTest, ComparatorOrOtherClassOverrideTheElementRule) {
    ArrayS32* a = ints({1});
    ArrayU08* bytes = ArrayU08::acquire();
    bytes->add(1);
    EXPECT_FALSE(a->equals(bytes));  // another class: identity
    bytes->release();
    struct AlwaysEqual : base::IComparator {
        int32_t compare(const void*, const void*) const override { return 0; }
    } always;
    EXPECT_TRUE(a->equals(ints({1, 2}), &always));
}

TEST_F(ArrayTest, CompareRangeComparesTheOverlapThenTheLengths) {
    ArrayU08* a = ArrayU08::acquire();
    const uint8_t text[] = {'a', 'b', 'c', 'd'};
    a->append(text, 4);
    const uint8_t other[] = {'x', 'b', 'c'};
    EXPECT_EQ(a->compareRange(1, other, 3, 1, 2), 0);
    EXPECT_GT(a->compareRange(1, other, 3, 1), 0);  // bcd vs bc: longer
    EXPECT_LT(a->compareRange(0, other, 3, 0), 0);  // a < x
    EXPECT_LT(a->compareRange(4, other, 3, 0), 0);  // nothing vs xbc
    a->release();
}

// ---- Pointer arrays

TEST_F(ArrayTest, PointerArrayRemovesByIdentityAndDisposesWhenOwning) {
    int x, y, z;
    ArrayP* p = ArrayP::acquire();
    p->add(&x);
    p->add(&y);
    p->add(&z);
    p->add(&y);
    EXPECT_EQ(p->indexOf(&y), 1);
    EXPECT_EQ(p->indexOf(nullptr), -1);
    CountingDisposer disposer;
    p->setDisposer(&disposer);
    EXPECT_TRUE(p->remove(&y));
    EXPECT_EQ(p->length(), 3u);
    EXPECT_EQ(p->get(1), &z);
    EXPECT_EQ(p->get(2), &y);
    EXPECT_FALSE(p->remove(&disposer));
    ASSERT_EQ(disposer.destroyed.size(), 1u);
    p->dropLast(1);  // raw operations never dispose
    EXPECT_EQ(disposer.destroyed.size(), 1u);
    p->freeBuffer();
    EXPECT_EQ(disposer.destroyed, (std::vector<void*>{&y, &x, &z}));
    p->add(&x);
    p->disposeAll();
    EXPECT_EQ(disposer.destroyed.size(), 4u);
    EXPECT_EQ(p->length(), 0u);
    EXPECT_NE(p->capacity(), 0u);
    p->release();
}

// ---- Iterators

TEST_F(ArrayTest, IteratorOverAnEmptyArrayHasNothing) {
    ArrayS32* a = ints({});
    col::IteratorBase* it = a->iterator();
    ASSERT_NE(it, nullptr);
    EXPECT_EQ(it->index(), -1);
    EXPECT_FALSE(it->hasNext());
    EXPECT_FALSE(it->hasPrevious());
    it->release();
    it = a->iteratorAtEnd();
    EXPECT_EQ(it->index(), 0);
    EXPECT_FALSE(it->hasPrevious());
    it->release();
}

TEST_F(ArrayTest, IteratorWalksForwardFromTheStartAndBackFromTheEnd) {
    ArrayS32* a = ints({10, 20, 30});
    col::IteratorBase* it = a->iterator();
    EXPECT_EQ(it->elementPointer(), a->elementAddress(0));
    std::vector<int32_t> seen;
    while (it->hasNext()) seen.push_back(*static_cast<int32_t*>(it->next()));
    EXPECT_EQ(seen, (std::vector<int32_t>{10, 20, 30}));
    EXPECT_EQ(it->index(), 2);
    it->release();

    it = a->iteratorAtEnd();
    EXPECT_EQ(it->index(), 3);
    EXPECT_EQ(it->elementPointer(), a->elementAddress(3));
    seen.clear();
    while (it->hasPrevious()) seen.push_back(*static_cast<int32_t*>(it->previous()));
    EXPECT_EQ(seen, (std::vector<int32_t>{30, 20, 10}));
    EXPECT_EQ(it->index(), 0);
    it->release();
}

TEST_F(ArrayTest, IteratorsAtAnIndexAndElementAt) {
    ArrayS32* a = ints({10, 20, 30, 40});
    col::IteratorBase* it = a->iteratorAt(2);
    EXPECT_EQ(it->index(), 1);
    EXPECT_EQ(*static_cast<int32_t*>(it->next()), 30);
    it->release();
    it = a->reverseIteratorAt(1);
    EXPECT_EQ(it->index(), 3);
    EXPECT_EQ(*static_cast<int32_t*>(it->elementPointer()), 40);
    it->skipBack(2);
    EXPECT_EQ(it->index(), 1);
    it->skip(1);
    EXPECT_EQ(it->index(), 2);
    it->setIndex(0);
    EXPECT_EQ(*static_cast<int32_t*>(it->elementPointer()), 30);  // setIndex leaves the pointer
    it->release();
    EXPECT_EQ(*static_cast<int32_t*>(a->elementAt(3)), 40);
    EXPECT_EQ(*static_cast<int32_t*>(a->col::IEnumerable::elementAt(1)), 20);  // the interface default
}

TEST_F(ArrayTest, ReleasedIteratorIsResetAndRecycled) {
    ArrayS32* a = ints({1});
    col::IteratorBase* it = a->iterator();
    it->next();
    it->release();
    EXPECT_EQ(it->index(), -1);
    EXPECT_EQ(it->owner(), nullptr);
    col::IteratorBase* again = a->iterator();
    EXPECT_EQ(again, it);
    again->release();
}

// ---- Stream views

TEST_F(ArrayTest, ByteStreamWritesAndReadsAtThePosition) {
    ArrayU08* bytes = ArrayU08::acquire();
    EXPECT_TRUE(bytes->write("hello", 5));
    EXPECT_EQ(bytes->length(), 5u);
    EXPECT_EQ(bytes->position(), 5u);
    bytes->seekBackFromEnd(2);
    EXPECT_TRUE(bytes->write("LO!", 3));
    EXPECT_EQ(bytes->length(), 6u);
    bytes->rewind();
    char out[8] = {};
    uint32_t delivered = 0;
    EXPECT_TRUE(bytes->read(out, 8, &delivered));
    EXPECT_EQ(delivered, 6u);
    EXPECT_STREQ(out, "helLO!");
    EXPECT_FALSE(bytes->read(out, 8, &delivered));
    EXPECT_EQ(delivered, 0u);
    bytes->setPosition(100);
    EXPECT_EQ(bytes->position(), 6u);
    bytes->skipBack(10);
    EXPECT_EQ(bytes->position(), 0u);
    bytes->skip(4);
    EXPECT_EQ(bytes->position(), 4u);
    bytes->skip(40);
    EXPECT_EQ(bytes->position(), 6u);
    bytes->clear();
    EXPECT_EQ(bytes->position(), 0u);
    bytes->release();
}

TEST_F(ArrayTest, WritingPartOfAnElementCountsWholeElementsOnly) {
    ArrayS32* a = ints({});
    const uint8_t six[6] = {1, 0, 0, 0, 2, 0};
    a->write(six, 6);
    EXPECT_EQ(a->length(), 1u);
    EXPECT_EQ(a->get(0), 1);
    EXPECT_GE(a->capacity(), 2u);
}

TEST_F(ArrayTest, CollectionStreamDeliversTheElementBytesInOrder) {
    ArrayS32* a = ints({});
    for (int i = 0; i < 100; ++i) a->add(i * 1000);
    io::IInputStream* in = a->getInputStream();
    ASSERT_NE(in, nullptr);
    std::vector<uint8_t> got;
    uint8_t chunk[37];
    uint32_t n;
    while (in->read(chunk, sizeof(chunk), &n)) got.insert(got.end(), chunk, chunk + n);
    ASSERT_EQ(got.size(), 400u);
    EXPECT_EQ(memcmp(got.data(), a->data(), 400), 0);
    EXPECT_EQ(in->position(), 400u);
    in->seekBackFromEnd(8);
    int32_t last[2];
    EXPECT_TRUE(in->read(last, 8, &n));
    EXPECT_EQ(last[0], 98000);
    EXPECT_EQ(last[1], 99000);
    in->rewind();
    in->skip(4);
    EXPECT_TRUE(in->read(last, 4));
    EXPECT_EQ(last[0], 1000);
    in->release();

    io::IInputStream* empty = ints({})->getInputStream();
    EXPECT_FALSE(empty->read(chunk, 1, &n));
    EXPECT_EQ(n, 0u);
    empty->release();
}

// Debug builds stop on an index outside the array (release builds trust the caller).
#ifndef NDEBUG
TEST_F(ArrayTest, DebugBuildsAssertOnAnIndexOutsideTheArray) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ArrayS32* a = ints({1, 2});
    EXPECT_DEATH(a->get(2), "");
    EXPECT_DEATH(a->removeRange(1, 2), "");
}
#endif

}  // namespace
}  // namespace s::test
