#pragma once
// A writable byte stream with a movable position (in bytes). The positioning
// operations have the same signatures as IInputStream's, so a class that is both
// (strings, arrays) implements them once for both views.
//
// IPoolable is a virtual base of both stream interfaces, so a class that is both
// streams (and maybe IPoolable directly, as `public virtual thread::IPoolable`)
// has one release/reset and converts to IPoolable* unambiguously.
#include <cstdint>

#include "foundation/thread/IPoolable.h"

namespace s::io {

class IOutputStream : public virtual thread::IPoolable {
public:
    // Stores `size` bytes at the position, advancing it and growing the storage as
    // needed. False (nothing written) when the storage cannot grow.
    virtual bool write(const void* source, uint32_t size) = 0;
    // Hands buffered bytes on; true when nothing is left pending.
    virtual bool flush() = 0;

    // Positioning: as in IInputStream.
    virtual void rewind() = 0;
    virtual uint32_t position() const = 0;
    virtual void setPosition(uint32_t position) = 0;
    virtual void seekToEnd() = 0;
    virtual void seekBackFromEnd(uint32_t count) = 0;
    virtual void skip(uint32_t count) = 0;
    virtual void skipBack(uint32_t count) = 0;
};

}  // namespace s::io
