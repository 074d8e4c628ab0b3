#include "foundation/col/CollectionInputStream.h"

#include <cstring>

#include "foundation/col/IteratorBase.h"
#include "foundation/col/_array/ArrayBase.h"
#include "foundation/thread/EasyPooler.h"

namespace s::col {

S_POOLED_CLASS_IMPL(CollectionInputStream, thread::EasyPooler::DEFAULT_CAPACITY)

CollectionInputStream::CollectionInputStream() : array_(nullptr), iterator_(nullptr) {
    reset();
}

CollectionInputStream::~CollectionInputStream() {
    if (iterator_) iterator_->release();
}

void CollectionInputStream::reset() {
    if (iterator_) iterator_->release();
    iterator_ = nullptr;
    array_ = nullptr;
    bufferLength_ = 0;
    bufferOffset_ = 0;
    position_ = 0;
}

void CollectionInputStream::bind(const _array::ArrayBase* array) {
    reset();
    array_ = array;
}

uint32_t CollectionInputStream::totalBytes() const {
    return array_ ? uint32_t(array_->byteSize()) : 0;
}

bool CollectionInputStream::refill() {
    bufferLength_ = 0;
    bufferOffset_ = 0;
    if (!array_) return false;
    if (!iterator_) {
        iterator_ = const_cast<_array::ArrayBase*>(array_)->iterator();
        if (!iterator_) return false;
    }
    const uint32_t size = iterator_->elementSize();
    while (bufferLength_ + size <= BUFFER_SIZE && iterator_->index() + 1 < int64_t(array_->length())) {
        memcpy(buffer_ + bufferLength_, iterator_->next(), size);
        bufferLength_ += size;
    }
    return bufferLength_ != 0;
}

bool CollectionInputStream::read(void* destination, uint32_t size, uint32_t* delivered) {
    uint8_t* to = static_cast<uint8_t*>(destination);
    uint32_t done = 0;
    while (done < size) {
        if (bufferOffset_ == bufferLength_ && !refill()) break;
        uint32_t n = bufferLength_ - bufferOffset_;
        if (n > size - done) n = size - done;
        if (to) memcpy(to + done, buffer_ + bufferOffset_, n);
        bufferOffset_ += n;
        done += n;
    }
    position_ += done;
    if (delivered) *delivered = done;
    return done != 0;
}

void CollectionInputStream::rewind() {
    bind(array_);
}

void CollectionInputStream::setPosition(uint32_t position) {
    if (position < position_) rewind();
    skip(position - position_);
}

void CollectionInputStream::seekToEnd() {
    setPosition(totalBytes());
}

void CollectionInputStream::seekBackFromEnd(uint32_t count) {
    const uint32_t total = totalBytes();
    setPosition(count < total ? total - count : 0);
}

// Skipping reads into nowhere: the stream only moves forward through its iterator.
void CollectionInputStream::skip(uint32_t count) {
    read(nullptr, count, nullptr);
}

void CollectionInputStream::skipBack(uint32_t count) {
    setPosition(count < position_ ? position_ - count : 0);
}

}  // namespace s::col
