#pragma once
// A readable byte stream with a movable position (in bytes). Strings and arrays
// are streams over their own storage; a class that is both an input and an output
// stream implements the positioning operations once and both views share them.
#include <cstdint>

#include "foundation/thread/IPoolable.h"

namespace s::io {

class IInputStream : public virtual thread::IPoolable {
public:
    // Copies min(size, bytes left) bytes to `destination` and advances the position.
    // Returns true when at least one byte was delivered; `delivered` (may be null)
    // receives the count (0 at the end).
    virtual bool read(void* destination, uint32_t size, uint32_t* delivered = nullptr) = 0;

    // Position to 0.
    virtual void rewind() = 0;
    virtual uint32_t position() const = 0;
    // Clipped to the end of the stream.
    virtual void setPosition(uint32_t position) = 0;
    // Position to the end (the stream's byte size).
    virtual void seekToEnd() = 0;
    // Position to `count` bytes before the end (0 when count exceeds the size).
    virtual void seekBackFromEnd(uint32_t count) = 0;
    // Forward by `count` bytes, clipped to the end.
    virtual void skip(uint32_t count) = 0;
    // Back by `count` bytes, clipped to 0.
    virtual void skipBack(uint32_t count) = 0;
};

}  // namespace s::io
