#pragma once
// PoolerBase: a pool whose subclasses supply the making (generate), resetting and
// destroying of their items, with optional accounting of the bytes it holds.
//
// Without accounting an item goes onto the free list while the list holds no more
// than maxFree items (so up to maxFree + 1 are kept). With accounting an item is
// destroyed instead when the list already holds more than maxFree, when the item is
// bigger than maxItemSize, or when keeping it would make the bytes held exceed
// maxTotalBytes. Acquire takes the last item kept or, when none, calls generate.
#include <cstdint>

#include "foundation/base/IDestructor.h"
#include "foundation/base/IGenerator.h"
#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/thread/ObjLocker.h"

namespace s::thread {

class PoolerBase : public base::IObject, public base::IGenerator, public base::IDestructor {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_thread_PoolerBase";

    PoolerBase();
    // A concrete subclass calls drain() in its destructor: destroyItem is its own
    // operation and cannot be reached from here once the subclass part is gone.
    ~PoolerBase() override;
    PoolerBase(const PoolerBase&) = delete;
    PoolerBase& operator=(const PoolerBase&) = delete;

    const wchar_t* getClassName() const override { return CLASS_NAME; }

    // Slot 9: the size in bytes of an item (1024 here).
    virtual int32_t itemSize(const void* item) const { return 1024; }
    // Slot 10: keeps or destroys `item` (size -1: ask itemSize). Null is ignored.
    virtual void release(void* item, int32_t size = -1);
    // Slot 11: the last item kept, or generate() when none.
    virtual void* acquire();
    // Slot 12: back to the empty state (runs inside the lock).
    virtual void resetItem(void* item) = 0;
    // Slot 13: disposes of the item for good (runs outside the lock).
    virtual void destroyItem(void* item) = 0;

    // IDestructor: releases *ref when not null and nulls it.
    void destroy(void** ref) override;

    void setSizeAccounting(bool on) { sizeAccounting_ = on ? 1 : 0; }
    uint32_t freeCount();
    int32_t bytesHeld();

protected:
    // Destroys every kept item (destroyItem, outside the lock) and frees the list's block.
    void drain();

    ObjLocker locker_;              // its critical section is the pool lock
    col::_array::ArrayP freeList_;  // owned; the kept items (owned too), no disposer
    int32_t maxFree_;
    int32_t maxItemSize_;
    int32_t maxTotalBytes_;
    int32_t bytesHeld_;
    int32_t sizeAccounting_;
};

}  // namespace s::thread
