// Pools: EasyPooler order and capacity rules, the per-class pool convention,
// PoolerBase accounting, ObjLocker ownership, and use from several threads.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <thread>
#include <vector>

#include "foundation/base/IDestructor.h"
#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/thread/EasyPooler.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/ObjLocker.h"
#include "foundation/thread/PoolerBase.h"

namespace s::test {

// A pooled class whose life events are counted.
class PooledThing : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(PooledThing, L"s_test_PooledThing")

public:
    static std::atomic<int> made;
    static std::atomic<int> destroyed;
    PooledThing() { ++made; }
    ~PooledThing() override { ++destroyed; }
    void reset() override {
        ++resets;
        payload = 0;
    }
    int resets = 0;
    int payload = 0;
    std::atomic<int> users{0};  // > 1 means two holders at once
};
std::atomic<int> PooledThing::made{0};
std::atomic<int> PooledThing::destroyed{0};
S_POOLED_CLASS_IMPL(PooledThing, thread::EasyPooler::DEFAULT_CAPACITY)

// A second class, touched only by the first-use race test.
class RaceThing : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(RaceThing, L"s_test_RaceThing")

public:
    void reset() override {}
};
S_POOLED_CLASS_IMPL(RaceThing, thread::EasyPooler::DEFAULT_CAPACITY)

// A pooled class that says on stderr when it is deleted, for the exit test.
class ExitThing : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(ExitThing, L"s_test_ExitThing")

public:
    ~ExitThing() override { fprintf(stderr, "%s deleted\n", label); }
    void reset() override {}
    const char* label = "?";
};
S_POOLED_CLASS_IMPL(ExitThing, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

using thread::EasyPooler;

EasyPooler* newThingPool(int capacity) {
    return new EasyPooler(capacity, &thread::PooledClassFunctions<PooledThing>::create,
                          &thread::PooledClassFunctions<PooledThing>::destroy,
                          &thread::PooledClassFunctions<PooledThing>::reset);
}

PooledThing* thing(void* object) {
    return static_cast<PooledThing*>(static_cast<base::IObject*>(object));
}

class EasyPoolerTest : public ::testing::Test {
protected:
    void SetUp() override {
        PooledThing::made = 0;
        PooledThing::destroyed = 0;
    }
};

TEST_F(EasyPoolerTest, EmptyPoolMakesDistinctObjectsAndReturnsThemLastInFirstOut) {
    EasyPooler* pool = newThingPool(1000);
    void* a = pool->acquire();
    void* b = pool->acquire();
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(PooledThing::made, 2);
    pool->release(a);
    pool->release(b);
    EXPECT_EQ(pool->acquire(), b);
    EXPECT_EQ(pool->acquire(), a);
    EXPECT_EQ(PooledThing::made, 2);
    pool->release(a);
    pool->release(b);
    delete pool;
    EXPECT_EQ(PooledThing::destroyed, 2);
}

TEST_F(EasyPoolerTest, ReleaseResetsAndAcquireDoesNot) {
    EasyPooler* pool = newThingPool(1000);
    PooledThing* t = thing(pool->acquire());
    EXPECT_EQ(t->resets, 0);  // a new object is not reset
    t->payload = 7;
    pool->release(static_cast<base::IObject*>(t));
    EXPECT_EQ(t->resets, 1);
    EXPECT_EQ(t->payload, 0);
    EXPECT_EQ(thing(pool->acquire()), t);
    EXPECT_EQ(t->resets, 1);
    pool->release(static_cast<base::IObject*>(t));
    delete pool;
}

TEST_F(EasyPoolerTest, CapacityZeroDeletesEveryReleasedObject) {
    EasyPooler* pool = newThingPool(EasyPooler::NO_CAPACITY);
    void* a = pool->acquire();
    void* b = pool->acquire();
    pool->release(a);
    EXPECT_EQ(PooledThing::destroyed, 1);
    pool->release(b);
    EXPECT_EQ(PooledThing::destroyed, 2);
    EXPECT_EQ(pool->freeCount(), 0u);
    delete pool;
}

TEST_F(EasyPoolerTest, KeepsOneThousandAndDeletesTheOneThousandAndFirst) {
    EasyPooler* pool = newThingPool(1000);
    std::vector<void*> objects;
    for (int i = 0; i < 1001; ++i) objects.push_back(pool->acquire());
    for (int i = 0; i < 1000; ++i) pool->release(objects[i]);
    EXPECT_EQ(pool->freeCount(), 1000u);
    EXPECT_EQ(PooledThing::destroyed, 0);
    pool->release(objects[1000]);
    EXPECT_EQ(pool->freeCount(), 1000u);
    EXPECT_EQ(PooledThing::destroyed, 1);
    delete pool;
    EXPECT_EQ(PooledThing::destroyed, 1001);
}

TEST_F(EasyPoolerTest, FailingFactoryGivesNullAndNullIsIgnored) {
    EasyPooler pool(
        10, [] { return static_cast<void*>(nullptr); }, [](void*) { ADD_FAILURE(); }, [](void*) { ADD_FAILURE(); });
    EXPECT_EQ(pool.acquire(), nullptr);
    pool.release(nullptr);
    void* none = nullptr;
    pool.destroy(&none);
    EXPECT_EQ(pool.freeCount(), 0u);
}

TEST_F(EasyPoolerTest, DestroyReleasesTheReferencedObjectAndNullsTheReference) {
    EasyPooler* pool = newThingPool(1000);
    void* a = pool->acquire();
    void* ref = a;
    pool->destroy(&ref);
    EXPECT_EQ(ref, nullptr);
    EXPECT_EQ(pool->freeCount(), 1u);
    EXPECT_EQ(pool->generate(), a);  // the IGenerator face is acquire
    pool->release(a);
    delete pool;
}

TEST_F(EasyPoolerTest, NewInstanceIsAnEmptyPoolWithTheSameRules) {
    EasyPooler* pool = newThingPool(1);
    pool->release(pool->acquire());
    EasyPooler* twin = pool->newInstance();
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(twin->capacity(), 1);
    EXPECT_EQ(twin->freeCount(), 0u);
    void* a = twin->acquire();
    void* b = twin->acquire();
    twin->release(a);
    twin->release(b);  // over capacity 1: destroyed
    EXPECT_EQ(twin->freeCount(), 1u);
    EXPECT_EQ(PooledThing::destroyed, 1);
    delete twin;
    delete pool;
}

TEST_F(EasyPoolerTest, ClosedPoolDestroysWhatItHeldAndEverythingReleasedLater) {
    EasyPooler* pool = newThingPool(1000);
    void* a = pool->acquire();
    void* b = pool->acquire();
    pool->release(a);
    pool->close();
    EXPECT_EQ(PooledThing::destroyed, 1);
    pool->release(b);
    EXPECT_EQ(PooledThing::destroyed, 2);
    void* c = pool->acquire();  // still usable
    ASSERT_NE(c, nullptr);
    pool->release(c);
    EXPECT_EQ(PooledThing::destroyed, 3);
    delete pool;
}

// Four threads take and give back objects as fast as they can; every object must
// have one holder at a time, and at the end every object made is either free or
// destroyed, exactly once.
TEST_F(EasyPoolerTest, ManyThreadsNeitherLoseNorDuplicateObjects) {
    EasyPooler* pool = newThingPool(50);
    std::atomic<int> clashes{0};
    std::atomic<bool> go{false};
    auto worker = [&] {
        while (!go) std::this_thread::yield();
        for (int round = 0; round < 2000; ++round) {
            PooledThing* held[8];
            for (auto& h : held) {
                h = thing(pool->acquire());
                if (h->users.fetch_add(1) != 0) ++clashes;
            }
            for (auto& h : held) {
                h->users.fetch_sub(1);
                pool->release(static_cast<base::IObject*>(h));
            }
        }
    };
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) threads.emplace_back(worker);
    go = true;
    for (auto& t : threads) t.join();
    EXPECT_EQ(clashes, 0);
    std::set<void*> free;
    const uint32_t kept = pool->freeCount();
    for (uint32_t i = 0; i < kept; ++i) free.insert(pool->acquire());
    EXPECT_EQ(free.size(), kept);  // no object twice on the list
    EXPECT_EQ(int(kept) + PooledThing::destroyed, PooledThing::made.load());
    for (void* object : free) pool->release(object);
    delete pool;
    EXPECT_EQ(PooledThing::destroyed, PooledThing::made.load());
}

// ---- Per-class pools

TEST(ClassPoolTest, ReleaseAndAcquireGoThroughTheClassPool) {
    PooledThing* a = PooledThing::acquire();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->getClassName(), PooledThing::CLASS_NAME);
    a->payload = 3;
    a->release();
    EXPECT_EQ(a->payload, 0);  // reset on the way in
    PooledThing* b = PooledThing::acquire();
    EXPECT_EQ(b, a);
    PooledThing* c = b->newInstance();
    ASSERT_NE(c, nullptr);
    EXPECT_NE(c, b);
    EXPECT_EQ(&PooledThing::pool(), &PooledThing::pool());
    c->release();
    b->release();
}

TEST(ClassPoolTest, FirstUseFromManyThreadsAtOnceMakesOnePool) {
    std::atomic<int> ready{0};
    std::atomic<bool> go{false};
    std::vector<thread::EasyPooler*> seen(8, nullptr);
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&, i] {
            ++ready;
            while (!go) std::this_thread::yield();
            RaceThing* r = RaceThing::acquire();
            seen[i] = &RaceThing::pool();
            r->release();
        });
    }
    while (ready < 8) std::this_thread::yield();
    go = true;
    for (auto& t : threads) t.join();
    for (auto* pool : seen) EXPECT_EQ(pool, seen[0]);
    EXPECT_GE(seen[0]->freeCount(), 1u);
    EXPECT_LE(seen[0]->freeCount(), 8u);
}

TEST(ClassPoolTest, RecycledPointerArrayOwnsNothing) {
    col::_array::ArrayP* list = col::_array::ArrayP::acquire();
    struct CountingDisposer : base::IDestructor {
        int calls = 0;
        void destroy(void** ref) override {
            ++calls;
            *ref = nullptr;
        }
    } disposer;
    list->setDisposer(&disposer);
    list->add(&disposer);
    list->release();  // reset disposes of the element, then forgets the disposer
    EXPECT_EQ(disposer.calls, 1);
    col::_array::ArrayP* again = col::_array::ArrayP::acquire();
    EXPECT_EQ(again, list);
    EXPECT_EQ(again->disposer(), nullptr);
    EXPECT_EQ(again->length(), 0u);
    EXPECT_EQ(again->capacity(), 0u);
    again->release();
}

// A static made before the pool: the exit list destroys it after the pool has closed.
struct LateReleaser {
    ExitThing* held = nullptr;
    ~LateReleaser() {
        if (held) held->release();
    }
};

TEST(ClassPoolTest, ExitDeletesFreeObjectsAndLateReleasesStillWork) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            static LateReleaser late;
            ExitThing* kept = ExitThing::acquire();  // first use: the pool is made now
            kept->label = "free";
            late.held = ExitThing::acquire();
            late.held->label = "late";
            kept->release();
            exit(0);
        },
        ::testing::ExitedWithCode(0), "free deleted\\slate deleted");
}

// ---- PoolerBase

class CountingPooler : public thread::PoolerBase {
public:
    ~CountingPooler() override { drain(); }
    void* generate() override {
        ++generated;
        return malloc(16);
    }
    void resetItem(void*) override { ++resets; }
    void destroyItem(void* item) override {
        ++destroyed;
        free(item);
    }
    thread::PoolerBase* newInstance() const override { return new CountingPooler(); }
    int generated = 0, resets = 0, destroyed = 0;
};

TEST(PoolerBaseTest, WithoutAccountingKeepsUpToOneThousandAndOne) {
    CountingPooler* pool = new CountingPooler();
    std::vector<void*> items;
    for (int i = 0; i < 1002; ++i) items.push_back(pool->acquire());
    EXPECT_EQ(pool->generated, 1002);
    for (void* item : items) pool->release(item);
    EXPECT_EQ(pool->freeCount(), 1001u);
    EXPECT_EQ(pool->destroyed, 1);
    EXPECT_EQ(pool->resets, 1001);
    EXPECT_EQ(pool->acquire(), items[1000]);  // last kept, first out
    pool->release(items[1000]);
    delete pool;
}

TEST(PoolerBaseTest, WithAccountingRefusesBigItemsAndTooManyBytes) {
    CountingPooler pool;
    pool.setSizeAccounting(true);
    void* big = pool.acquire();
    pool.release(big, 1025);  // above the item limit
    EXPECT_EQ(pool.destroyed, 1);
    std::vector<void*> items;
    for (int i = 0; i < 101; ++i) items.push_back(pool.acquire());
    for (void* item : items) pool.release(item);  // 1024 each: 100 fit in 102400
    EXPECT_EQ(pool.freeCount(), 100u);
    EXPECT_EQ(pool.bytesHeld(), 102400);
    EXPECT_EQ(pool.destroyed, 2);
    void* again = pool.acquire();
    EXPECT_EQ(pool.bytesHeld(), 102400 - 1024);
    void* ref = again;
    pool.destroy(&ref);
    EXPECT_EQ(ref, nullptr);
    EXPECT_EQ(pool.bytesHeld(), 102400);
}

// ---- ObjLocker

struct FreeCounter : base::IDestructor {
    int calls = 0;
    void destroy(void** ref) override {
        ++calls;
        free(*ref);
        *ref = nullptr;
    }
};

int disposerFunctionCalls = 0;
void countingDisposer(void* object) {
    ++disposerFunctionCalls;
    free(object);
}

TEST(ObjLockerTest, DisposesOfItsObjectByFunctionThenDestructorThenFree) {
    FreeCounter counter;
    disposerFunctionCalls = 0;
    { thread::ObjLocker locker(malloc(4), &countingDisposer, &counter); }
    EXPECT_EQ(disposerFunctionCalls, 1);
    EXPECT_EQ(counter.calls, 0);
    { thread::ObjLocker locker(malloc(4), nullptr, &counter); }
    EXPECT_EQ(counter.calls, 1);
    { thread::ObjLocker locker(malloc(4)); }  // freed; nothing to observe but no leak or crash
    { thread::ObjLocker locker; }
}

TEST(ObjLockerTest, GuardSerialisesAnUnlockedCounter) {
    thread::ObjLocker locker;
    int counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 20000; ++i) {
                thread::ObjLocker::Guard guard(locker);
                counter = counter + 1;
            }
        });
    }
    for (auto& t : threads) t.join();
    EXPECT_EQ(counter, 80000);
    thread::ObjLocker* other = locker.newInstance();
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->object(), nullptr);
    EXPECT_EQ(other->getClassName(), thread::ObjLocker::CLASS_NAME);
    delete other;
}

}  // namespace
}  // namespace s::test
