#include "foundation/thread/PoolerBase.h"

namespace s::thread {

PoolerBase::PoolerBase()
    : maxFree_(1000), maxItemSize_(1024), maxTotalBytes_(102400), bytesHeld_(0), sizeAccounting_(0) {}

// Subclass parts are gone by now, so destroyItem (pure here) cannot be called: the
// subclass destructor empties the list through drain() while it still exists. What
// is left here is only the list's block.
PoolerBase::~PoolerBase() = default;

void PoolerBase::release(void* item, int32_t size) {
    if (!item) return;
    if (size < 0) size = itemSize(item);
    locker_.lock();
    const int32_t count = int32_t(freeList_.length());
    bool keep;
    if (sizeAccounting_) {
        keep = count <= maxFree_ && size <= maxItemSize_ && bytesHeld_ + size <= maxTotalBytes_;
    } else {
        keep = count <= maxFree_;
    }
    if (keep) {
        resetItem(item);
        if (freeList_.add(item)) {
            if (sizeAccounting_) bytesHeld_ += size;
            locker_.unlock();
            return;
        }
    }
    locker_.unlock();
    destroyItem(item);
}

void* PoolerBase::acquire() {
    locker_.lock();
    if (freeList_.length() != 0) {
        void* item = freeList_.removeLast();
        if (sizeAccounting_) bytesHeld_ -= itemSize(item);
        locker_.unlock();
        return item;
    }
    locker_.unlock();
    return generate();
}

void PoolerBase::destroy(void** ref) {
    if (!ref || !*ref) return;
    release(*ref);
    *ref = nullptr;
}

uint32_t PoolerBase::freeCount() {
    ObjLocker::Guard guard(locker_);
    return freeList_.length();
}

int32_t PoolerBase::bytesHeld() {
    ObjLocker::Guard guard(locker_);
    return bytesHeld_;
}

void PoolerBase::drain() {
    locker_.lock();
    while (freeList_.length() != 0) {
        void* item = freeList_.removeLast();
        if (sizeAccounting_) bytesHeld_ -= itemSize(item);
        locker_.unlock();
        destroyItem(item);
        locker_.lock();
    }
    freeList_.freeBuffer();
    locker_.unlock();
}

}  // namespace s::thread
