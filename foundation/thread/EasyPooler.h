#pragma once
// EasyPooler: a locked LIFO free list of objects of one kind, and the per-class
// pool convention built on it.
//
// Per-class pools
// ---------------
// Every pooled class has one static EasyPooler. Header, inside the class body:
//     S_POOLED_CLASS(ArrayP, L"s_col__array_ArrayP")        (thread/Pooled.h)
// Source, inside the class's namespace:
//     S_POOLED_CLASS_IMPL(ArrayP, s::thread::EasyPooler::DEFAULT_CAPACITY)
// The capacity is DEFAULT_CAPACITY (1000) for every pooled class except those whose
// objects hold system resources (windows, buttons, fonts, memory device contexts),
// which use NO_CAPACITY so a released object is always deleted; the hash-node block
// pools keep BLOCK_CAPACITY (10,000).
// Clients write `ArrayP* a = ArrayP::acquire();` (or `other->newInstance()`) and
// `a->release();`. The pool's factory is `new (std::nothrow) Class()`, its destroyer
// deletes through the virtual destructor, its resetter calls `reset()`; null is
// ignored by both. Objects travel through the pool as their IObject pointer.
//
// First use from two threads at once: the pool is a function-local static of
// classPool<Class>(), and the compiler guards such initialisation (the posix-thread
// MinGW runtime implements the guard with a real lock), so exactly one pool is made
// and the loser of the race waits for it. No hand-written double-checked locking.
//
// Lifetime at exit: the pool object lives in static storage and is never
// destructed. Instead a companion static, constructed right after it, runs at exit
// (registered with the exit list at creation, like any static) and closes the pool:
// every free object is destroyed and the free list's block is freed. A closed pool
// stays usable, so a static object destroyed later that still releases into the pool
// (or acquires from it) gets the object deleted (or freshly made) instead of
// touching a dead pool. This makes the order in which statics die irrelevant.
//
// Block pools (the hash-table nodes) use staticPool<Tag>() with their own
// factory/destroyer/resetter functions and the same lifetime rules.
#include <cstdint>
#include <new>

#include "foundation/base/IDestructor.h"
#include "foundation/base/IGenerator.h"
#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/thread/ObjLocker.h"
#include "foundation/thread/Pooled.h"

namespace s::thread {

class EasyPooler : public base::IObject, public base::IGenerator, public base::IDestructor {
public:
    using FactoryFunction = void* (*)();
    using DestroyerFunction = void (*)(void* object);
    using ResetterFunction = void (*)(void* object);

    static constexpr wchar_t CLASS_NAME[] = L"s_thread_EasyPooler";
    static constexpr int DEFAULT_CAPACITY = 1000;
    // Classes whose objects hold system resources keep none: a released one is deleted.
    static constexpr int NO_CAPACITY = 0;
    static constexpr int BLOCK_CAPACITY = 10000;

    // At most `capacity` free objects are kept (compared unsigned: -1 keeps all).
    EasyPooler(int capacity, FactoryFunction factory, DestroyerFunction destroyer, ResetterFunction resetter);
    // Destroys every free object, then the free list and the lock.
    ~EasyPooler() override;
    EasyPooler(const EasyPooler&) = delete;
    EasyPooler& operator=(const EasyPooler&) = delete;

    const wchar_t* getClassName() const override { return CLASS_NAME; }
    // A new, empty pool with this pool's capacity and functions (plain new; pools are not pooled).
    EasyPooler* newInstance() const override;

    // The last released object (LIFO), or a new one from the factory (called outside
    // the lock, no reset applied); null when the factory fails.
    void* acquire();
    // Resets the object and keeps it (inside the lock) while fewer than capacity are
    // kept; otherwise destroys it outside the lock. Null is ignored.
    void release(void* object);

    // IGenerator: acquire().
    void* generate() override { return acquire(); }
    // IDestructor: releases *ref when not null and nulls it.
    void destroy(void** ref) override;

    int capacity() const { return capacity_; }
    // Objects currently on the free list (a snapshot: other threads may change it).
    uint32_t freeCount();

    // Destroys every free object and makes the pool keep nothing from now on; the
    // pool stays usable. Run at exit for static pools (see the top of this file).
    void close();

    // Builds a static pool in `storage` (never destructed, closed at exit); used by
    // classPool/staticPool only.
    static EasyPooler* openStatic(void* storage, int capacity, FactoryFunction factory, DestroyerFunction destroyer,
                                  ResetterFunction resetter);

private:
    ObjLocker locker_;              // its critical section is the pool lock
    col::_array::ArrayP freeList_;  // owned; holds free objects (owned too), no disposer
    int capacity_;
    FactoryFunction factory_;
    DestroyerFunction destroyer_;
    ResetterFunction resetter_;
};

// Closes a static pool when the exit list reaches it.
class StaticPoolCloser {
public:
    explicit StaticPoolCloser(EasyPooler* pool) : pool_(pool) {}
    ~StaticPoolCloser() { pool_->close(); }
    StaticPoolCloser(const StaticPoolCloser&) = delete;
    StaticPoolCloser& operator=(const StaticPoolCloser&) = delete;

private:
    EasyPooler* pool_;  // not owned: lives in static storage for the whole run
};

// One static pool per Tag type, made on first use (thread-safe), closed at exit.
// The functions and capacity of the first call are the ones used.
template <class Tag>
EasyPooler& staticPool(int capacity, EasyPooler::FactoryFunction factory, EasyPooler::DestroyerFunction destroyer,
                       EasyPooler::ResetterFunction resetter) {
    alignas(EasyPooler) static unsigned char storage[sizeof(EasyPooler)];
    static EasyPooler* const pool = EasyPooler::openStatic(storage, capacity, factory, destroyer, resetter);
    static StaticPoolCloser closer(pool);
    return *pool;
}

// Pool functions of a pooled class: objects travel as their IObject pointer.
template <class Class>
struct PooledClassFunctions {
    static void* create() {
        Class* object = new (std::nothrow) Class();
        return object ? static_cast<void*>(static_cast<base::IObject*>(object)) : nullptr;
    }
    static void destroy(void* object) { delete static_cast<base::IObject*>(object); }
    static void reset(void* object) {
        if (object) static_cast<Class*>(static_cast<base::IObject*>(object))->reset();
    }
};

template <class Class>
EasyPooler& classPool(int capacity) {
    return staticPool<Class>(capacity, &PooledClassFunctions<Class>::create, &PooledClassFunctions<Class>::destroy,
                             &PooledClassFunctions<Class>::reset);
}

}  // namespace s::thread

// The source-file half of S_POOLED_CLASS (thread/Pooled.h); use it inside the class's namespace.
#define S_POOLED_CLASS_IMPL(Class, capacity)                                            \
    ::s::thread::EasyPooler& Class::pool() {                                            \
        return ::s::thread::classPool<Class>(capacity);                                 \
    }                                                                                   \
    Class* Class::acquire() {                                                           \
        return static_cast<Class*>(static_cast<::s::base::IObject*>(pool().acquire())); \
    }                                                                                   \
    Class* Class::newInstance() const {                                                 \
        return acquire();                                                               \
    }                                                                                   \
    void Class::release() {                                                             \
        pool().release(static_cast<::s::base::IObject*>(this));                         \
    }
