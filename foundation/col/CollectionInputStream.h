#pragma once
// Reads an array as a byte stream: whole elements are copied, in order, into a
// 64-byte buffer, and reads are served from that buffer. The element iterator is
// made on the first read. Positioning other than rewind re-reads from the start
// (streams over arrays are read forward; seeking is rare).
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/io/IInputStream.h"
#include "foundation/thread/Pooled.h"

namespace s::col {

class IteratorBase;
namespace _array {
class ArrayBase;
}

class CollectionInputStream : public base::IObject, public io::IInputStream {
    S_POOLED_CLASS(CollectionInputStream, L"s_col_CollectionInputStream")

public:
    static constexpr uint32_t BUFFER_SIZE = 64;

    CollectionInputStream();
    ~CollectionInputStream() override;

    // Reads `array` (not owned; it must outlive the stream) from position 0.
    void bind(const _array::ArrayBase* array);

    bool read(void* destination, uint32_t size, uint32_t* delivered = nullptr) override;
    void rewind() override;
    uint32_t position() const override { return position_; }
    void setPosition(uint32_t position) override;
    void seekToEnd() override;
    void seekBackFromEnd(uint32_t count) override;
    void skip(uint32_t count) override;
    void skipBack(uint32_t count) override;
    // Unbinds and drops the iterator.
    void reset() override;

private:
    // Copies whole elements into the buffer until it is full or they run out.
    bool refill();
    uint32_t totalBytes() const;

    const _array::ArrayBase* array_;  // not owned
    IteratorBase* iterator_;          // owned (released to its pool); null before the first read
    uint8_t buffer_[BUFFER_SIZE];
    uint32_t bufferLength_;  // bytes in the buffer
    uint32_t bufferOffset_;  // bytes of the buffer already delivered
    uint32_t position_;      // bytes delivered since position 0
};

}  // namespace s::col
