// The root interfaces' default rules, class-name identity and the plain-object disposer.
#include <gtest/gtest.h>

#include <cwchar>

#include "foundation/base/IComparator.h"
#include "foundation/base/IObject.h"
#include "foundation/cleaner/CleanerIObject.h"
#include "foundation/col/_array/ArrayBase.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/col/_array/ArrayS08.h"
#include "foundation/col/_array/ArrayS32.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/col/_array/Iterator.h"
#include "foundation/col/CollectionInputStream.h"
#include "foundation/comp/CompP.h"
#include "foundation/comp/CompS08.h"
#include "foundation/comp/CompS32.h"
#include "foundation/comp/CompU08.h"
#include "foundation/map/Map.h"
#include "foundation/map/MapTable.h"
#include "foundation/thread/EasyPooler.h"
#include "foundation/thread/Factory.h"
#include "foundation/thread/ObjLocker.h"

namespace s::test {
namespace {

// A plain object with only the default rules.
class Plain : public base::IObject {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_test_Plain";
    static int destroyed;
    ~Plain() override { ++destroyed; }
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    Plain* newInstance() const override { return new Plain(); }
};
int Plain::destroyed = 0;

class Other : public base::IObject {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_test_Other";
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    Other* newInstance() const override { return new Other(); }
};

// Says "equal" to everything, or "less" when asked to ignore case.
class Fixed : public base::IComparator {
public:
    int32_t compare(const void*, const void*) const override { return 0; }
    int32_t compareIgnoreCase(const void*, const void*) const override { return -1; }
};

TEST(ComparableTest, WithoutComparatorObjectsCompareByIdentity) {
    Plain a, b;
    EXPECT_EQ(a.compareTo(&a), 0);
    EXPECT_TRUE(a.equals(&a));
    const int32_t ab = a.compareTo(&b);
    const int32_t ba = b.compareTo(&a);
    EXPECT_NE(ab, 0);
    EXPECT_EQ(ab, -ba);
    EXPECT_EQ(ab, &a < &b ? -1 : 1);
    EXPECT_FALSE(a.equals(&b));
    EXPECT_EQ(a.compareToIgnoreCase(&b), ab);
    EXPECT_FALSE(a.equalsIgnoreCase(&b));
}

TEST(ComparableTest, AComparatorAloneDecides) {
    Plain a, b;
    Fixed fixed;
    EXPECT_TRUE(a.equals(&b, &fixed));
    EXPECT_EQ(a.compareTo(&b, &fixed), 0);
    EXPECT_FALSE(a.equalsIgnoreCase(&a, &fixed));  // even the same object
    EXPECT_EQ(a.compareToIgnoreCase(&a, &fixed), -1);
}

TEST(ComparableTest, HashIsOneConstantPerClass) {
    Plain a, b;
    Other c;
    EXPECT_EQ(a.hashCode(), b.hashCode());
    EXPECT_EQ(a.hashCodeIgnoreCase(), a.hashCode());
    EXPECT_NE(a.hashCode(), c.hashCode());
}

TEST(ClassNameTest, OnePointerPerClassAndTheExactTexts) {
    col::_array::ArrayS32* a = col::_array::ArrayS32::acquire();
    col::_array::ArrayS32* b = col::_array::ArrayS32::acquire();
    EXPECT_EQ(a->getClassName(), b->getClassName());
    EXPECT_EQ(a->getClassName(), col::_array::ArrayS32::CLASS_NAME);
    EXPECT_EQ(a->collectionName(), a->getClassName());
    a->release();
    b->release();

    struct Expected {
        const wchar_t* name;
        const wchar_t* text;
    } expected[] = {
        {col::_array::ArrayBase::CLASS_NAME, L"s_col_array_ArrayBase"},
        {col::_array::Iterator::CLASS_NAME, L"s_col_array_Iterator"},
        {col::_array::ArrayP::CLASS_NAME, L"s_col__array_ArrayP"},
        {col::_array::ArrayS32::CLASS_NAME, L"s_col__array_ArrayS32"},
        {col::_array::ArrayU08::CLASS_NAME, L"s_col__array_ArrayU08"},
        {col::_array::ArrayS08::CLASS_NAME, L"s_col__array_ArrayS08"},
        {col::CollectionInputStream::CLASS_NAME, L"s_col_CollectionInputStream"},
        {comp::CompP::CLASS_NAME, L"s_comp_CompP"},
        {comp::CompS32::CLASS_NAME, L"s_comp_CompS32"},
        {comp::CompU08::CLASS_NAME, L"s_comp_CompU08"},
        {comp::CompS08::CLASS_NAME, L"s_comp_CompS08"},
        {map::MapTable::CLASS_NAME, L"s_map_MapTable"},
        {map::Map::CLASS_NAME, L"s_map_Map"},
        {thread::ObjLocker::CLASS_NAME, L"s_thread_ObjLocker"},
        {thread::EasyPooler::CLASS_NAME, L"s_thread_EasyPooler"},
        {thread::PoolerBase::CLASS_NAME, L"s_thread_PoolerBase"},
        {thread::Factory::CLASS_NAME, L"s_thread_Factory"},
    };
    for (const Expected& e : expected) EXPECT_STREQ(e.name, e.text);
}

TEST(ClassNameTest, NewInstanceMakesAnObjectOfTheSameClass) {
    col::_array::ArrayU08* bytes = col::_array::ArrayU08::acquire();
    bytes->add(1);
    base::IObject* fresh = bytes->newInstance();
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, bytes);
    EXPECT_EQ(fresh->getClassName(), col::_array::ArrayU08::CLASS_NAME);
    EXPECT_EQ(static_cast<col::_array::ArrayU08*>(fresh)->length(), 0u);  // not a copy
    static_cast<col::_array::ArrayU08*>(fresh)->release();
    bytes->release();

    const comp::CompS32& shared = comp::CompS32::shared();
    EXPECT_EQ(&shared, &comp::CompS32::shared());
    comp::CompS32* own = shared.newInstance();
    ASSERT_NE(own, nullptr);
    EXPECT_NE(own, &shared);
    delete own;
}

TEST(CleanerTest, DeletesThroughTheVirtualDestructorAndNullsTheSlot) {
    Plain::destroyed = 0;
    base::IObject* object = new Plain();
    void* slot = object;
    cleaner::CleanerIObject::shared().destroy(&slot);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(Plain::destroyed, 1);
    cleaner::CleanerIObject::shared().destroy(&slot);  // null: nothing happens
    EXPECT_EQ(Plain::destroyed, 1);

    // The usual use: a pointer array that owns plain objects.
    col::_array::ArrayP* list = col::_array::ArrayP::acquire();
    list->setDisposer(&cleaner::CleanerIObject::shared());
    list->addObject(new Plain());
    list->addObject(new Plain());
    list->release();
    EXPECT_EQ(Plain::destroyed, 3);
}

}  // namespace
}  // namespace s::test
