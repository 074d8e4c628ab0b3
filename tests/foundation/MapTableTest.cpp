// The hash table and hash set: the prime growth, chain order, case rules,
// duplicate refusal, clearing with disposal, and node recycling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MapTestKey.h"
#include "foundation/base/IDestructor.h"
#include "foundation/cleaner/CleanerIObject.h"
#include "foundation/map/HashChains.h"
#include "foundation/map/Map.h"
#include "foundation/map/MapTable.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"

namespace s::test {
namespace {

using map::Map;
using map::MapTable;

// Keys owned by the test and freed at its end.
class MapTableTest : public ::testing::Test {
protected:
    MapTestKey* key(const std::wstring& text) {
        keys_.push_back(new MapTestKey(text.c_str()));
        return keys_.back();
    }
    void TearDown() override {
        for (MapTestKey* k : keys_) delete k;
    }
    std::vector<MapTestKey*> keys_;
};

struct CountingDisposer : base::IDestructor {
    std::vector<void*> seen;
    void destroy(void** ref) override {
        seen.push_back(*ref);
        *ref = nullptr;
    }
};

TEST_F(MapTableTest, FirstPutMakes211BucketsAndThe106thGrowsTo431) {
    MapTable* table = MapTable::acquire();
    EXPECT_EQ(table->bucketCount(), 0u);
    for (int i = 0; i < 105; ++i) {
        MapTestKey* k = key(L"k" + std::to_wstring(i));
        ASSERT_TRUE(table->put(k, table->hashOf(k), k));
        EXPECT_EQ(table->bucketCount(), 211u);
    }
    MapTestKey* k = key(L"k105");
    ASSERT_TRUE(table->put(k, table->hashOf(k), k));
    EXPECT_EQ(table->bucketCount(), 431u);
    EXPECT_EQ(table->sizeIndex(), 1u);
    EXPECT_EQ(table->count(), 106u);
    for (MapTestKey* each : keys_) EXPECT_EQ(table->get(each, table->hashOf(each)), each);
    table->release();
}

TEST_F(MapTableTest, GrowthKeepsEveryEntryThroughSeveralPrimes) {
    MapTable* table = MapTable::acquire();
    for (int i = 0; i < 5000; ++i) {
        MapTestKey* k = key(std::to_wstring(i * 7919));
        ASSERT_TRUE(table->put(k, table->hashOf(k), nullptr));
    }
    EXPECT_EQ(table->bucketCount(), map::HASH_BUCKET_COUNTS[table->sizeIndex()]);
    EXPECT_EQ(table->bucketCount(), 13901u);  // the first count with 5000 < count / 2 + 1
    uint32_t visited = 0;
    table->forEach([&](const MapTable::Node& node) {
        ++visited;
        EXPECT_EQ(node.hash, table->hashOf(node.key));
    });
    EXPECT_EQ(visited, 5000u);
    for (MapTestKey* k : keys_) EXPECT_NE(table->find(k, table->hashOf(k)), nullptr);
    table->release();
}

TEST_F(MapTableTest, EqualKeyIsRefusedAndChangesNothing) {
    MapTable* table = MapTable::acquire();
    MapTestKey* a = key(L"alpha");
    MapTestKey* again = key(L"alpha");
    EXPECT_TRUE(table->put(a, table->hashOf(a), a));
    EXPECT_FALSE(table->put(again, table->hashOf(again), again));
    EXPECT_EQ(table->count(), 1u);
    EXPECT_EQ(table->get(again, table->hashOf(again)), a);
    EXPECT_EQ(table->find(key(L"beta"), table->hashOf(key(L"beta"))), nullptr);
    table->release();
}

TEST_F(MapTableTest, CaseInsensitiveTableTreatsAbcAndaBCAsOneKey) {
    MapTestKey* upper = key(L"Abc");
    MapTestKey* mixed = key(L"aBC");
    EXPECT_NE(upper->hashCode(), mixed->hashCode());
    EXPECT_EQ(upper->hashCodeIgnoreCase(), mixed->hashCodeIgnoreCase());

    MapTable* exact = MapTable::acquire();
    EXPECT_TRUE(exact->put(upper, exact->hashOf(upper), upper));
    EXPECT_TRUE(exact->put(mixed, exact->hashOf(mixed), mixed));
    EXPECT_EQ(exact->count(), 2u);
    exact->release();

    MapTable* folded = MapTable::acquire();
    folded->setCaseInsensitive(true);
    EXPECT_EQ(folded->hashOf(mixed), uint32_t(mixed->hashCodeIgnoreCase()));
    EXPECT_TRUE(folded->put(upper, folded->hashOf(upper), upper));
    EXPECT_FALSE(folded->put(mixed, folded->hashOf(mixed), mixed));
    EXPECT_EQ(folded->get(mixed, folded->hashOf(mixed)), upper);
    folded->release();
    MapTable* recycled = MapTable::acquire();
    EXPECT_FALSE(recycled->caseInsensitive());  // reset on release
    recycled->release();
}

TEST_F(MapTableTest, NewEntriesGoToTheEndOfTheirChain) {
    MapTable* table = MapTable::acquire();
    // One hash for all: a single chain in insertion order.
    const wchar_t* names[] = {L"one", L"two", L"three", L"four"};
    for (const wchar_t* name : names) table->put(key(name), 42, nullptr);
    std::vector<std::wstring> order;
    table->forEach([&](const MapTable::Node& node) { order.push_back(static_cast<MapTestKey*>(node.key)->text()); });
    EXPECT_EQ(order, (std::vector<std::wstring>{L"one", L"two", L"three", L"four"}));
    // A stored hash that differs never matches, even for an equal key.
    EXPECT_EQ(table->find(key(L"one"), 43), nullptr);
    EXPECT_NE(table->find(key(L"one"), 42), nullptr);
    table->release();
}

TEST_F(MapTableTest, ClearDisposesKeysAndValuesAndAllowsPuttingAgain) {
    CountingDisposer keysGone, valuesGone;
    MapTable* table = new MapTable(&keysGone, &valuesGone);
    MapTestKey* k = key(L"k");
    MapTestKey* v = key(L"v");
    ASSERT_TRUE(table->put(k, table->hashOf(k), v));
    table->clear();
    EXPECT_EQ(keysGone.seen, std::vector<void*>{static_cast<base::IObject*>(k)});
    EXPECT_EQ(valuesGone.seen, std::vector<void*>{static_cast<base::IObject*>(v)});
    EXPECT_EQ(table->count(), 0u);
    EXPECT_EQ(table->bucketCount(), 211u);  // kept
    EXPECT_EQ(table->find(k, table->hashOf(k)), nullptr);
    EXPECT_TRUE(table->put(k, table->hashOf(k), v));
    delete table;  // destruction disposes like clear
    EXPECT_EQ(keysGone.seen.size(), 2u);
    EXPECT_EQ(valuesGone.seen.size(), 2u);
}

TEST_F(MapTableTest, OwnedKeysAreDeletedByTheCleaner) {
    MapTestKey::destroyed = 0;
    MapTable* table = MapTable::acquire();
    table->setDisposers(&cleaner::CleanerIObject::shared(), nullptr);
    for (int i = 0; i < 10; ++i) {
        MapTestKey* k = new MapTestKey(std::to_wstring(i).c_str());
        table->put(k, table->hashOf(k), nullptr);
    }
    table->release();  // reset clears with the disposers, then forgets them
    EXPECT_EQ(MapTestKey::destroyed, 10);
}

TEST_F(MapTableTest, ClearedNodesGoBackToTheNodePool) {
    thread::EasyPooler& nodes = map::HashChains<MapTable::Node>::nodePool();
    MapTable* table = MapTable::acquire();
    for (int i = 0; i < 50; ++i) {
        MapTestKey* k = key(std::to_wstring(i));
        table->put(k, table->hashOf(k), nullptr);
    }
    const uint32_t before = nodes.freeCount();
    table->clear();
    EXPECT_EQ(nodes.freeCount(), before + 50);
    MapTable::Node* node = static_cast<MapTable::Node*>(nodes.acquire());
    EXPECT_EQ(node->key, nullptr);  // zeroed on return
    EXPECT_EQ(node->next, nullptr);
    nodes.release(node);
    EXPECT_EQ(sizeof(MapTable::Node), 4 * sizeof(void*));  // hash padded to a pointer
    table->release();
}

// ---- The set

TEST_F(MapTableTest, SetRefusesDuplicatesAndFollowsTheSameGrowth) {
    Map* set = Map::create(true);
    ASSERT_NE(set, nullptr);
    EXPECT_TRUE(set->caseInsensitive());
    for (int i = 0; i < 106; ++i) {
        MapTestKey* k = key(L"K" + std::to_wstring(i));
        ASSERT_TRUE(set->put(k, set->hashOf(k)));
    }
    EXPECT_EQ(set->bucketCount(), 431u);
    MapTestKey* lower = key(L"k5");
    EXPECT_TRUE(set->contains(lower, set->hashOf(lower)));
    EXPECT_FALSE(set->put(lower, set->hashOf(lower)));
    set->clear();
    EXPECT_EQ(set->count(), 0u);
    EXPECT_TRUE(set->put(lower, set->hashOf(lower)));
    EXPECT_EQ(sizeof(Map::Node), 3 * sizeof(void*));
    set->release();
    Map* plain = Map::create(false);
    EXPECT_FALSE(plain->caseInsensitive());
    plain->release();
}

// ---- String keys, owned by the table and given back to the string pool

str::strbuffer::StrBuffer* text(const wchar_t* value) {
    str::strbuffer::StrBuffer* string = str::strbuffer::StrBuffer::acquire();
    string->append(value);
    return string;
}

TEST(MapTableStringKeyTest, CaseRulesAndPoolDisposal) {
    using str::strbuffer::StrBuffer;
    MapTable* table = MapTable::acquire();
    table->setDisposers(&StrBuffer::pool(), &StrBuffer::pool());
    table->setCaseInsensitive(true);
    StrBuffer* upper = text(L"Abc");
    ASSERT_TRUE(table->put(upper, table->hashOf(upper), text(L"value")));
    StrBuffer* mixed = text(L"aBC");
    EXPECT_FALSE(table->put(mixed, table->hashOf(mixed), nullptr));
    const base::IObject* found = table->get(mixed, table->hashOf(mixed));
    ASSERT_NE(found, nullptr);
    EXPECT_STREQ(static_cast<const StrBuffer*>(found)->c_str(), L"value");
    const uint32_t freeBefore = StrBuffer::pool().freeCount();
    table->clear();  // key and value back to the string pool
    EXPECT_EQ(StrBuffer::pool().freeCount(), freeBefore + 2);
    EXPECT_TRUE(table->put(mixed, table->hashOf(mixed), nullptr));  // re-put after clear
    table->release();

    MapTable* exact = MapTable::acquire();
    StrBuffer* a = text(L"Abc");
    StrBuffer* b = text(L"aBC");
    EXPECT_NE(exact->hashOf(a), exact->hashOf(b));
    EXPECT_TRUE(exact->put(a, exact->hashOf(a), nullptr));
    EXPECT_TRUE(exact->put(b, exact->hashOf(b), nullptr));
    StrBuffer* probe = text(L"aBC");
    EXPECT_EQ(exact->find(probe, exact->hashOf(probe))->key, b);
    exact->release();  // no disposers: the strings are still ours
    for (StrBuffer* string : {a, b, probe}) string->release();
}

TEST(MapTableStringKeyTest, HundredThousandKeysAllFound) {
    using str::strbuffer::StrBuffer;
    MapTable* table = MapTable::acquire();
    table->setDisposers(&StrBuffer::pool(), nullptr);
    for (uint32_t i = 0; i < 100000; ++i) {
        StrBuffer* key = StrBuffer::acquire();
        key->append(L"key");
        key->appendU32(i);
        ASSERT_TRUE(table->put(key, table->hashOf(key), nullptr));
    }
    EXPECT_EQ(table->bucketCount(), 222461u);
    StrBuffer* probe = StrBuffer::acquire();
    for (uint32_t i = 0; i < 100000; i += 997) {
        probe->clear();
        probe->append(L"key");
        probe->appendU32(i);
        EXPECT_NE(table->find(probe, table->hashOf(probe)), nullptr) << i;
    }
    probe->set(L"key100000");
    EXPECT_EQ(table->find(probe, table->hashOf(probe)), nullptr);
    probe->release();
    table->release();
}

}  // namespace
}  // namespace s::test
