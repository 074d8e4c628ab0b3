#include "foundation/thread/EasyPooler.h"

namespace s::thread {

EasyPooler::EasyPooler(int capacity, FactoryFunction factory, DestroyerFunction destroyer, ResetterFunction resetter)
    : capacity_(capacity), factory_(factory), destroyer_(destroyer), resetter_(resetter) {}

EasyPooler::~EasyPooler() {
    close();
}

EasyPooler* EasyPooler::newInstance() const {
    return new (std::nothrow) EasyPooler(capacity_, factory_, destroyer_, resetter_);
}

EasyPooler* EasyPooler::openStatic(void* storage, int capacity, FactoryFunction factory, DestroyerFunction destroyer,
                                   ResetterFunction resetter) {
    return new (storage) EasyPooler(capacity, factory, destroyer, resetter);
}

void* EasyPooler::acquire() {
    locker_.lock();
    if (freeList_.length() != 0) {
        void* object = freeList_.removeLast();
        locker_.unlock();
        return object;
    }
    locker_.unlock();
    return factory_ ? factory_() : nullptr;
}

void EasyPooler::release(void* object) {
    if (!object) return;
    locker_.lock();
    if (freeList_.length() < uint32_t(capacity_)) {
        if (resetter_) resetter_(object);
        // A free list that cannot grow keeps nothing more: the object is destroyed below.
        if (freeList_.add(object)) {
            locker_.unlock();
            return;
        }
    }
    locker_.unlock();
    if (destroyer_) destroyer_(object);
}

void EasyPooler::destroy(void** ref) {
    if (!ref || !*ref) return;
    release(*ref);
    *ref = nullptr;
}

uint32_t EasyPooler::freeCount() {
    ObjLocker::Guard guard(locker_);
    return freeList_.length();
}

void EasyPooler::close() {
    // One object at a time out of the list under the lock, destroyed outside it as
    // release does; nothing is allocated, so closing cannot fail.
    locker_.lock();
    capacity_ = NO_CAPACITY;
    while (freeList_.length() != 0) {
        void* object = freeList_.removeLast();
        locker_.unlock();
        if (destroyer_) destroyer_(object);
        locker_.lock();
    }
    freeList_.freeBuffer();
    locker_.unlock();
}

}  // namespace s::thread
