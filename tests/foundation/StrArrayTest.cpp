// StrArray: a list that owns its strings and gives them back to the string pool.
#include <gtest/gtest.h>

#include "StrTestSupport.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"

namespace s::strtest {
namespace {

using str::strarray::StrArray;
using str::strbuffer::StrBuffer;

TEST(StrArray, AddGetAndClassName) {
    Held<StrArray> list(StrArray::acquire());
    EXPECT_STREQ(L"s_str_strarray_StrArray", list->getClassName());
    EXPECT_TRUE(list->add(makeStr(L"one").release()));
    ASSERT_NE(nullptr, list->addCopy(L"two and more", 3));
    EXPECT_TRUE(list->add(nullptr));
    ASSERT_EQ(2u, list->count());
    EXPECT_EQ(L"one", textOf(list->get(0)));
    EXPECT_EQ(L"two", textOf(list->get(1)));
    EXPECT_EQ(1, list->indexOfIgnoreCase(L"TWO", 3));
    EXPECT_EQ(-1, list->indexOfIgnoreCase(L"tw", 2));
}

TEST(StrArray, ClearAndReleaseGiveTheStringsBackToTheStringPool) {
    StrArray* list = StrArray::acquire();
    StrBuffer* first = StrBuffer::acquire();
    StrBuffer* second = StrBuffer::acquire();
    first->set(L"a");
    second->set(L"b");
    list->add(first);
    list->add(second);
    const uint32_t before = StrBuffer::pool().freeCount();
    list->clear();
    EXPECT_EQ(0u, list->count());
    EXPECT_EQ(before + 2, StrBuffer::pool().freeCount());
    list->addCopy(L"c");
    const uint32_t afterAdd = StrBuffer::pool().freeCount();
    list->release();
    EXPECT_EQ(afterAdd + 1, StrBuffer::pool().freeCount());
    // A recycled list still owns what it is given.
    StrArray* again = StrArray::acquire();
    again->addCopy(L"d");
    const uint32_t beforeRelease = StrBuffer::pool().freeCount();
    again->release();
    EXPECT_EQ(beforeRelease + 1, StrBuffer::pool().freeCount());
}

TEST(StrArray, DestructionDeletesTheStrings) {
    StrArray* list = new StrArray();
    list->addCopy(L"x");
    list->addCopy(L"y");
    const uint32_t before = StrBuffer::pool().freeCount();
    delete list;
    EXPECT_EQ(before, StrBuffer::pool().freeCount());
}

}  // namespace
}  // namespace s::strtest
