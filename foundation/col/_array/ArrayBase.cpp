#include "foundation/col/_array/ArrayBase.h"

#include <cassert>
#include <cstdlib>
#include <cstring>

#include "foundation/base/IComparator.h"
#include "foundation/col/CollectionInputStream.h"
#include "foundation/col/Growth.h"
#include "foundation/col/_array/Iterator.h"

namespace s::col::_array {

namespace {

uint32_t minimum(uint32_t a, uint32_t b) {
    return a < b ? a : b;
}

}  // namespace

ArrayBase::ArrayBase(uint8_t shift) : shift_(shift), block_(nullptr), length_(0), capacity_(0), position_(0) {}

ArrayBase::~ArrayBase() {
    free(block_);
}

// ---- Comparison

int32_t ArrayBase::compareTo(const base::IComparable* other, const base::IComparator* comparator) const {
    const base::IComparable* self = this;
    if (comparator) return comparator->compare(self, other);
    if (!other) return 1;
    // Every comparable of the library is an IObject; the class-name pointer says whether it is our kind.
    const base::IObject* object = static_cast<const base::IObject*>(other);
    if (object->getClassName() != getClassName()) return IComparable::compareTo(other, nullptr);
    const ArrayBase* array = static_cast<const ArrayBase*>(object);
    if (length_ != array->length_) return length_ < array->length_ ? -1 : 1;
    const base::IComparator& elements = elementComparator();
    for (uint32_t i = 0; i < length_; ++i) {
        const int32_t result = elements.compare(elementAddress(i), array->elementAddress(i));
        if (result != 0) return result;
    }
    return 0;
}

// ---- Growth

uint32_t ArrayBase::nextCapacity(uint32_t capacity) {
    const uint64_t next = col::grownCapacity(capacity);
    return next > UINT32_MAX ? UINT32_MAX : uint32_t(next);
}

bool ArrayBase::reallocate(uint32_t newCapacity) {
    if (newCapacity < length_) return false;
    uint8_t* block = nullptr;
    if (newCapacity != 0) {
        block = static_cast<uint8_t*>(malloc(bytes(newCapacity)));
        if (!block) return false;
        if (length_ != 0) memcpy(block, block_, bytes(length_));
    }
    free(block_);
    block_ = block;
    capacity_ = newCapacity;
    return true;
}

bool ArrayBase::grow() {
    const uint32_t next = nextCapacity(capacity_);
    if (next <= capacity_) return false;
    return reallocate(next);
}

bool ArrayBase::reserve(uint32_t n) {
    if (n <= capacity_) return true;
    uint32_t capacity = capacity_;
    while (capacity < n) {
        const uint32_t next = nextCapacity(capacity);
        if (next <= capacity) return false;
        capacity = next;
    }
    return reallocate(capacity);
}

bool ArrayBase::reserveExact(uint32_t n) {
    if (n <= capacity_) return true;
    return reallocate(n);
}

bool ArrayBase::ownsAddress(const void* address) const {
    const uint8_t* p = static_cast<const uint8_t*>(address);
    return block_ && p >= block_ && p < block_ + bytes(capacity_);
}

const uint8_t* ArrayBase::stableSource(const void* source, uint32_t sourceIndex, uint32_t count, uint32_t needed,
                                       bool alwaysCopy, uint8_t** temporary) const {
    *temporary = nullptr;
    const uint8_t* start = static_cast<const uint8_t*>(source) + bytes(sourceIndex);
    if (!ownsAddress(start) || (!alwaysCopy && needed <= capacity_)) return start;
    *temporary = static_cast<uint8_t*>(malloc(bytes(count)));
    if (*temporary) memcpy(*temporary, start, bytes(count));
    return *temporary;
}

// ---- Length and copies

bool ArrayBase::copyTo(ArrayBase* destination, uint32_t destinationIndex, uint32_t sourceIndex, int32_t count) const {
    assert(destination && destination->shift_ == shift_);
    if (destination->shift_ != shift_) return false;
    const uint32_t n = resolveCount(sourceIndex, count);
    assert(sourceIndex + n <= length_);
    return destination->setRange(block_, n, sourceIndex, destinationIndex);
}

bool ArrayBase::copyFrom(const ArrayBase* source, uint32_t sourceIndex, uint32_t destinationIndex, int32_t count) {
    assert(source && source->shift_ == shift_);
    if (source->shift_ != shift_) return false;
    const uint32_t n = source->resolveCount(sourceIndex, count);
    assert(sourceIndex + n <= source->length_);
    return setRange(source->block_, n, sourceIndex, destinationIndex);
}

bool ArrayBase::setLength(uint32_t n) {
    if (n > capacity_ && !reallocate(n)) return false;
    length_ = n;
    return true;
}

size_t ArrayBase::byteSize(int32_t n) const {
    return bytes(n < 0 ? length_ : uint32_t(n));
}

void ArrayBase::copyOut(void* destination, uint32_t destinationIndex, uint32_t sourceIndex, int32_t count) const {
    const uint32_t n = resolveCount(sourceIndex, count);
    assert(sourceIndex + n <= length_);
    if (n == 0) return;
    memcpy(static_cast<uint8_t*>(destination) + bytes(destinationIndex), block_ + bytes(sourceIndex), bytes(n));
}

bool ArrayBase::setRange(const void* source, uint32_t count, uint32_t sourceIndex, uint32_t destinationIndex) {
    if (count == 0) return true;
    const uint64_t end64 = uint64_t(destinationIndex) + count;
    if (end64 > UINT32_MAX) return false;
    const uint32_t end = uint32_t(end64);
    uint8_t* temporary;
    const uint8_t* from = stableSource(source, sourceIndex, count, end, false, &temporary);
    if (!from || !reserveExact(end)) {
        free(temporary);
        return false;
    }
    memmove(block_ + bytes(destinationIndex), from, bytes(count));
    free(temporary);
    if (end > length_) length_ = end;
    return true;
}

bool ArrayBase::append(const void* source, uint32_t count, uint32_t sourceIndex) {
    if (count == 1) {
        // One element: copied aside first, so growing cannot pull it from under us.
        uint8_t element[sizeof(uint64_t)];
        const size_t size = elementSize();
        memcpy(element, static_cast<const uint8_t*>(source) + bytes(sourceIndex), size);
        if (length_ == capacity_ && !grow()) return false;
        memcpy(block_ + bytes(length_), element, size);
        ++length_;
        return true;
    }
    return insert(length_, source, count, sourceIndex);
}

bool ArrayBase::prepend(const void* source, uint32_t count, uint32_t sourceIndex) {
    return insert(0, source, count, sourceIndex);
}

bool ArrayBase::insert(uint32_t index, const void* source, uint32_t count, uint32_t sourceIndex) {
    assert(index <= length_);
    if (count == 0) return true;
    const uint64_t needed64 = uint64_t(length_) + count;
    if (needed64 > UINT32_MAX) return false;
    const uint32_t needed = uint32_t(needed64);
    uint8_t* temporary;
    const uint8_t* from = stableSource(source, sourceIndex, count, needed, index != length_, &temporary);
    if (!from || !reserve(needed)) {
        free(temporary);
        return false;
    }
    if (index < length_) memmove(block_ + bytes(index + count), block_ + bytes(index), bytes(length_ - index));
    memmove(block_ + bytes(index), from, bytes(count));
    free(temporary);
    length_ = needed;
    return true;
}

void ArrayBase::dropLast(uint32_t n) {
    assert(n <= length_);
    length_ -= n;
}

void ArrayBase::dropFirst(uint32_t n) {
    removeRange(0, n);
}

void ArrayBase::removeRange(uint32_t index, uint32_t count) {
    assert(index <= length_ && count <= length_ - index);
    if (count == 0) return;
    const uint32_t tail = length_ - index - count;
    if (tail != 0) memmove(block_ + bytes(index), block_ + bytes(index + count), bytes(tail));
    length_ -= count;
}

void ArrayBase::takeLast(void* destination, uint32_t count, uint32_t destinationIndex) {
    assert(count <= length_);
    if (count == 1) {
        --length_;
        memcpy(static_cast<uint8_t*>(destination) + bytes(destinationIndex), block_ + bytes(length_), elementSize());
        return;
    }
    copyOut(destination, destinationIndex, length_ - count, int32_t(count));
    length_ -= count;
}

void ArrayBase::takeFirst(void* destination, uint32_t count, uint32_t destinationIndex) {
    takeRange(0, destination, count, destinationIndex);
}

void ArrayBase::takeRange(uint32_t index, void* destination, uint32_t count, uint32_t destinationIndex) {
    copyOut(destination, destinationIndex, index, int32_t(count));
    removeRange(index, count);
}

int32_t ArrayBase::compareRange(uint32_t index, const void* other, uint32_t otherLength, uint32_t otherIndex,
                                int32_t count) const {
    assert(index <= length_ && otherIndex <= otherLength);
    uint32_t mine = length_ - index;
    uint32_t theirs = otherLength - otherIndex;
    if (count >= 0) {
        mine = minimum(mine, uint32_t(count));
        theirs = minimum(theirs, uint32_t(count));
    }
    const uint32_t common = minimum(mine, theirs);
    if (common != 0) {
        const int result =
            memcmp(block_ + bytes(index), static_cast<const uint8_t*>(other) + bytes(otherIndex), bytes(common));
        if (result != 0) return result < 0 ? -1 : 1;
    }
    if (mine == theirs) return 0;
    return mine < theirs ? -1 : 1;
}

void ArrayBase::clear() {
    length_ = 0;
    position_ = 0;
}

void ArrayBase::freeBuffer() {
    free(block_);
    block_ = nullptr;
    capacity_ = 0;
    length_ = 0;
    position_ = 0;
}

void ArrayBase::swap(uint32_t i, uint32_t j) {
    uint8_t scratch[sizeof(uint64_t)];
    swap(i, j, scratch);
}

void ArrayBase::swap(uint32_t i, uint32_t j, void* scratch) {
    assert(i < length_ && j < length_);
    const size_t size = elementSize();
    memcpy(scratch, elementAddress(i), size);
    memcpy(elementAddress(i), elementAddress(j), size);
    memcpy(elementAddress(j), scratch, size);
}

void ArrayBase::reverse() {
    if (length_ < 2) return;
    for (uint32_t i = 0, j = length_ - 1; i < j; ++i, --j) swap(i, j);
}

const ArrayDescriptor& ArrayBase::descriptor() const {
    static const ArrayDescriptor base = {CLASS_NAME, 0, 0};
    return base;
}

void ArrayBase::reset() {
    freeBuffer();
}

// ---- Iterators and streams

IteratorBase* ArrayBase::iterator() {
    return iteratorAt(0);
}

IteratorBase* ArrayBase::iteratorAtEnd() {
    return reverseIteratorAt(0);
}

IteratorBase* ArrayBase::iteratorAt(uint32_t n) {
    assert(n <= length_);
    Iterator* it = Iterator::acquire();
    if (it) it->bind(this, int32_t(n) - 1, n);
    return it;
}

IteratorBase* ArrayBase::reverseIteratorAt(uint32_t n) {
    assert(n <= length_);
    Iterator* it = Iterator::acquire();
    if (it) it->bind(this, int32_t(length_ - n), length_ - n);
    return it;
}

io::IInputStream* ArrayBase::getInputStream() {
    CollectionInputStream* stream = CollectionInputStream::acquire();
    if (stream) stream->bind(this);
    return stream;
}

uint32_t ArrayBase::streamSize() const {
    const size_t size = bytes(length_);
    return size > UINT32_MAX ? UINT32_MAX : uint32_t(size);
}

bool ArrayBase::read(void* destination, uint32_t size, uint32_t* delivered) {
    const uint32_t total = streamSize();
    const uint32_t n = position_ < total ? minimum(size, total - position_) : 0;
    if (n != 0) memcpy(destination, block_ + position_, n);
    position_ += n;
    if (delivered) *delivered = n;
    return n != 0;
}

bool ArrayBase::write(const void* source, uint32_t size) {
    if (size == 0) return true;
    const uint64_t end = uint64_t(position_) + size;
    const uint64_t elements64 = (end + elementSize() - 1) >> shift_;
    if (end > UINT32_MAX || elements64 > UINT32_MAX) return false;
    const uint32_t elements = uint32_t(elements64);
    // The source is read as bytes: measure it in elements only to keep it valid while growing.
    uint8_t* temporary = nullptr;
    const uint8_t* from = static_cast<const uint8_t*>(source);
    if (elements > capacity_ && ownsAddress(from)) {
        temporary = static_cast<uint8_t*>(malloc(size));
        if (!temporary) return false;
        memcpy(temporary, from, size);
        from = temporary;
    }
    if (!reserve(elements)) {
        free(temporary);
        return false;
    }
    memmove(block_ + position_, from, size);
    free(temporary);
    position_ = uint32_t(end);
    const uint32_t wholeElements = position_ >> shift_;
    if (wholeElements > length_) length_ = wholeElements;
    return true;
}

void ArrayBase::setPosition(uint32_t position) {
    position_ = minimum(position, streamSize());
}

void ArrayBase::seekToEnd() {
    position_ = streamSize();
}

void ArrayBase::seekBackFromEnd(uint32_t count) {
    const uint32_t total = streamSize();
    position_ = count < total ? total - count : 0;
}

void ArrayBase::skip(uint32_t count) {
    const uint32_t total = streamSize();
    position_ = count < total - minimum(position_, total) ? position_ + count : total;
}

void ArrayBase::skipBack(uint32_t count) {
    position_ = count < position_ ? position_ - count : 0;
}

}  // namespace s::col::_array
