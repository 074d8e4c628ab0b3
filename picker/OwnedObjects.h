#pragma once
// OwnedObjects: the pooled objects a window's owner made for it (components,
// font settings), given back together in the reverse order of their making, so
// children go before the boxes that hold them and boxes before the window.
#include "foundation/thread/IPoolable.h"

namespace s::image::gui::dialogs::huesnap {

template <int Capacity>
class OwnedObjects {
public:
    OwnedObjects() = default;
    OwnedObjects(const OwnedObjects&) = delete;
    OwnedObjects& operator=(const OwnedObjects&) = delete;
    ~OwnedObjects() { releaseAll(); }

    // Takes `object` over; false (and the object given back) when it is null or
    // the list is full, so a caller never keeps what it does not own.
    bool keep(thread::IPoolable* object) {
        if (!object) return false;
        if (count_ >= Capacity) {
            object->release();
            return false;
        }
        objects_[count_++] = object;
        return true;
    }
    void releaseAll() {
        while (count_ > 0) objects_[--count_]->release();
    }

private:
    thread::IPoolable* objects_[Capacity] = {};  // owned
    int count_ = 0;
};

}  // namespace s::image::gui::dialogs::huesnap
