// StrBuffer: storage, growth, comparison and hashing, editing, the stream views
// and the iterators. Searches, numbers and encodings live in the StrBuffer*.cpp
// files beside this one.
#include "foundation/str/strbuffer/StrBuffer.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "foundation/base/IComparator.h"
#include "foundation/col/Growth.h"
#include "foundation/thread/EasyPooler.h"

namespace s::str::strbuffer {

S_POOLED_CLASS_IMPL(StrBuffer, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

uint32_t minimum(uint32_t a, uint32_t b) { return a < b ? a : b; }

// Appends up to this many code units copy them in a loop rather than through memmove.
const uint32_t SHORT_COPY = 16;

int32_t sign(int value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

// The other object as a string, or null when it is not one. Every comparable of the
// library is an IObject; the class-name pointer tells whether it is a string.
const StrBuffer* asString(const base::IComparable* other) {
    if (!other) return nullptr;
    const base::IObject* object = static_cast<const base::IObject*>(other);
    return object->getClassName() == StrBuffer::CLASS_NAME ? static_cast<const StrBuffer*>(object) : nullptr;
}

// ASCII letters folded, code units as unsigned values.
int32_t compareFolded(const wchar_t* a, const wchar_t* b, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) {
        const wchar_t x = StrBuffer::lowerAscii(a[i]);
        const wchar_t y = StrBuffer::lowerAscii(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

uint32_t hashStep(uint32_t h, wchar_t unit) { return ((h << 1) | ((h >> 30) & 1u)) ^ uint16_t(unit); }

uint32_t resolveCount(const wchar_t* text, int32_t count) {
    if (!text) return 0;
    return count < 0 ? uint32_t(wcslen(text)) : uint32_t(count);
}

}  // namespace

StrBuffer::StrBuffer() : text_(nullptr), length_(0), capacity_(0), position_(0) {}

StrBuffer::~StrBuffer() { free(text_); }

// ---- Growth

uint32_t StrBuffer::nextCapacity(uint32_t capacity) {
    const uint64_t next = col::grownCapacity(capacity);
    return next > MAX_CAPACITY ? MAX_CAPACITY : uint32_t(next);
}

uint32_t StrBuffer::reservedCapacity(uint32_t capacity, uint32_t n) {
    if (n <= capacity) return capacity;
    if (n > MAX_CAPACITY) return 0;
    while (capacity < n) capacity = nextCapacity(capacity);
    return capacity;
}

bool StrBuffer::reallocate(uint32_t newCapacity) {
    // A new block, the text copied, the old block freed: only the length is copied
    // (realloc would copy the whole old block), and a failure keeps the old text.
    wchar_t* block = static_cast<wchar_t*>(malloc((size_t(newCapacity) + 1) * sizeof(wchar_t)));
    if (!block) return false;
    if (length_ != 0) memcpy(block, text_, size_t(length_) * sizeof(wchar_t));
    free(text_);
    text_ = block;
    capacity_ = newCapacity;
    return true;
}

// A capacity of 0 means no block: nothing is allocated until something is stored.
bool StrBuffer::reserveExact(uint32_t n) {
    if (n <= capacity_) return true;
    if (n > MAX_CAPACITY) return false;
    return reallocate(n);
}

bool StrBuffer::grow() {
    const uint32_t next = nextCapacity(capacity_);
    if (next <= capacity_) return false;
    return reallocate(next);
}

bool StrBuffer::reserve(uint32_t n) {
    if (n <= capacity_) return true;
    const uint32_t target = reservedCapacity(capacity_, n);
    if (target == 0) return false;
    return reallocate(target);
}

bool StrBuffer::reserveMore(uint32_t extra) {
    const uint64_t needed = uint64_t(length_) + extra;
    if (needed > MAX_CAPACITY) return false;
    return reserve(uint32_t(needed));
}

void StrBuffer::freeBuffer() {
    free(text_);
    text_ = nullptr;
    length_ = 0;
    capacity_ = 0;
    position_ = 0;
}

// ---- Comparison and hashing

int32_t StrBuffer::compareTo(const base::IComparable* other, const base::IComparator* comparator) const {
    const base::IComparable* self = this;
    if (comparator) return comparator->compare(self, other);
    const StrBuffer* string = asString(other);
    if (!string) return IComparable::compareTo(other, nullptr);
    const uint32_t common = minimum(length_, string->length_);
    const int32_t bytes = common ? sign(memcmp(text_, string->text_, common * sizeof(wchar_t))) : 0;
    if (bytes != 0) return bytes;
    if (length_ == string->length_) return 0;
    return length_ < string->length_ ? -1 : 1;
}

int32_t StrBuffer::compareToIgnoreCase(const base::IComparable* other, const base::IComparator* comparator) const {
    const base::IComparable* self = this;
    if (comparator) return comparator->compareIgnoreCase(self, other);
    const StrBuffer* string = asString(other);
    if (!string) return IComparable::compareTo(other, nullptr);
    const int32_t folded = compareFolded(text_, string->text_, minimum(length_, string->length_));
    if (folded != 0) return folded;
    if (length_ == string->length_) return 0;
    return length_ < string->length_ ? -1 : 1;
}

bool StrBuffer::equals(const base::IComparable* other, const base::IComparator* comparator) const {
    if (comparator) return IComparable::equals(other, comparator);
    const StrBuffer* string = asString(other);
    if (!string) return IComparable::equals(other, nullptr);
    return length_ == string->length_ && (length_ == 0 || memcmp(text_, string->text_, length_ * 2) == 0);
}

bool StrBuffer::equalsIgnoreCase(const base::IComparable* other, const base::IComparator* comparator) const {
    if (comparator) return IComparable::equalsIgnoreCase(other, comparator);
    const StrBuffer* string = asString(other);
    if (!string) return IComparable::equals(other, nullptr);
    return length_ == string->length_ && compareFolded(text_, string->text_, length_) == 0;
}

int32_t StrBuffer::hashOf(const wchar_t* text, uint32_t count) {
    uint32_t h = 0;
    for (uint32_t i = 0; i < count; ++i) h = hashStep(h, text[i]);
    return int32_t(h);
}

int32_t StrBuffer::hashOfIgnoreCase(const wchar_t* text, uint32_t count) {
    uint32_t h = 0;
    for (uint32_t i = 0; i < count; ++i) h = hashStep(h, lowerAscii(text[i]));
    return int32_t(h);
}

int32_t StrBuffer::hashCode() const { return hashOf(text_, length_); }

int32_t StrBuffer::hashCodeIgnoreCase() const { return hashOfIgnoreCase(text_, length_); }

// ---- Whole-text changes

void StrBuffer::reverse() {
    if (length_ < 2) return;
    for (uint32_t i = 0, j = length_ - 1; i < j; ++i, --j) {
        const wchar_t unit = text_[i];
        text_[i] = text_[j];
        text_[j] = unit;
    }
}

void StrBuffer::toLowerCase() {
    for (uint32_t i = 0; i < length_; ++i) text_[i] = lowerAscii(text_[i]);
}

void StrBuffer::toUpperCase() {
    for (uint32_t i = 0; i < length_; ++i) text_[i] = upperAscii(text_[i]);
}

void StrBuffer::capitalize() {
    toLowerCase();
    if (length_ != 0) text_[0] = upperAscii(text_[0]);
}

// ---- Editing

bool StrBuffer::append(const wchar_t* codeUnits, int32_t count) {
    const uint32_t n = resolveCount(codeUnits, count);
    if (n > capacity_ - length_) {
        // The source may lie in this string's own block, which growing moves.
        const bool own = text_ && codeUnits >= text_ && codeUnits <= text_ + capacity_;
        const size_t offset = own ? size_t(codeUnits - text_) : 0;
        if (!reserveMore(n)) return false;
        if (own) codeUnits = text_ + offset;
    }
    wchar_t* out = text_ + length_;
    if (n <= SHORT_COPY) {
        // Words and separators: a plain loop beats a call to memmove. The units of a
        // source inside the block that lie before `out` are read before anything
        // overwrites them.
        for (uint32_t i = 0; i < n; ++i) out[i] = codeUnits[i];
    } else {
        memmove(out, codeUnits, n * sizeof(wchar_t));
    }
    length_ += n;
    return true;
}

bool StrBuffer::append(const wchar_t* text) { return append(text, -1); }

bool StrBuffer::appendStr(const IStr* other) {
    if (!other) return true;
    return append(other->data(), int32_t(other->length()));
}

bool StrBuffer::prepend(const wchar_t* codeUnits, int32_t count) {
    const uint32_t n = resolveCount(codeUnits, count);
    if (n == 0) return true;
    // A source inside this block would be moved by the shift below: copy it first.
    wchar_t* copy = nullptr;
    if (text_ && codeUnits >= text_ && codeUnits <= text_ + capacity_) {
        copy = static_cast<wchar_t*>(malloc(n * sizeof(wchar_t)));
        if (!copy) return false;
        memcpy(copy, codeUnits, n * sizeof(wchar_t));
        codeUnits = copy;
    }
    const bool reserved = reserveMore(n);
    if (reserved) {
        memmove(text_ + n, text_, length_ * sizeof(wchar_t));
        memcpy(text_, codeUnits, n * sizeof(wchar_t));
        length_ += n;
    }
    free(copy);
    return reserved;
}

bool StrBuffer::appendBytes(const char* bytes, int32_t count) {
    const uint32_t n = bytes ? (count < 0 ? uint32_t(strlen(bytes)) : uint32_t(count)) : 0;
    if (n == 0) return true;
    if (!reserveMore(n)) return false;
    wchar_t* out = text_ + length_;
    // Sign extension: a byte 0x80..0xFF becomes 0xFF80..0xFFFF.
    for (uint32_t i = 0; i < n; ++i) out[i] = wchar_t(int16_t(int8_t(bytes[i])));
    length_ += n;
    return true;
}

bool StrBuffer::appendByteString(const char* text) { return appendBytes(text, -1); }

bool StrBuffer::appendAscii(const char* ascii, uint32_t count) {
    if (!reserveMore(count)) return false;
    wchar_t* out = text_ + length_;
    for (uint32_t i = 0; i < count; ++i) out[i] = wchar_t(uint8_t(ascii[i]));
    length_ += count;
    return true;
}

bool StrBuffer::set(const wchar_t* codeUnits, int32_t count) {
    const uint32_t n = resolveCount(codeUnits, count);
    // A source inside this block fits it already (no reallocation), and memmove
    // copes with the overlap.
    if (!reserveExact(n)) return false;
    if (n != 0) memmove(text_, codeUnits, n * sizeof(wchar_t));
    length_ = n;
    position_ = 0;
    return true;
}

bool StrBuffer::set(const wchar_t* text) { return set(text, -1); }

bool StrBuffer::setStr(const IStr* other) {
    if (other == this) return true;
    if (!other) {
        clear();
        return true;
    }
    return set(other->data(), int32_t(other->length()));
}

void StrBuffer::keepRange(uint32_t from, uint32_t to) {
    to = minimum(to, length_);
    if (from >= to) {
        length_ = 0;
        return;
    }
    if (from != 0) memmove(text_, text_ + from, (to - from) * sizeof(wchar_t));
    length_ = to - from;
}

StrBuffer* StrBuffer::substring(uint32_t from, uint32_t to) const {
    StrBuffer* result = acquire();
    if (!result) return nullptr;
    to = minimum(to, length_);
    if (from < to && !result->set(text_ + from, int32_t(to - from))) {
        result->release();
        return nullptr;
    }
    return result;
}

StrBuffer* StrBuffer::clone() const { return substring(0, length_); }

void StrBuffer::swapContent(StrBuffer& other) {
    wchar_t* text = text_;
    text_ = other.text_;
    other.text_ = text;
    const uint32_t length = length_;
    length_ = other.length_;
    other.length_ = length;
    const uint32_t capacity = capacity_;
    capacity_ = other.capacity_;
    other.capacity_ = capacity;
}

// ---- Stream views

bool StrBuffer::read(void* destination, uint32_t size, uint32_t* delivered) {
    const uint32_t total = byteSize();
    const uint32_t count = position_ < total ? minimum(size, total - position_) : 0;
    if (count != 0) memcpy(destination, reinterpret_cast<const uint8_t*>(text_) + position_, count);
    position_ += count;
    if (delivered) *delivered = count;
    return count != 0;
}

bool StrBuffer::write(const void* source, uint32_t size) {
    if (size == 0) return true;
    const uint64_t end = uint64_t(position_) + size;
    if (end > uint64_t(MAX_CAPACITY) * 2) return false;
    const uint8_t* bytes = static_cast<const uint8_t*>(source);
    const uint8_t* block = reinterpret_cast<const uint8_t*>(text_);
    const bool own = block && bytes >= block && bytes < block + (size_t(capacity_) + 1) * 2;
    const size_t offset = own ? size_t(bytes - block) : 0;
    if (!reserve(uint32_t((end + 1) / 2))) return false;
    if (own) bytes = reinterpret_cast<const uint8_t*>(text_) + offset;
    memmove(reinterpret_cast<uint8_t*>(text_) + position_, bytes, size);
    position_ = uint32_t(end);
    if (position_ / 2 > length_) length_ = position_ / 2;
    return true;
}

void StrBuffer::setPosition(uint32_t position) { position_ = minimum(position, byteSize()); }

void StrBuffer::seekBackFromEnd(uint32_t count) {
    const uint32_t total = byteSize();
    position_ = count > total ? 0 : total - count;
}

void StrBuffer::skip(uint32_t count) {
    const uint32_t total = byteSize();
    position_ = (position_ >= total || count > total - position_) ? total : position_ + count;
}

void StrBuffer::skipBack(uint32_t count) { position_ = count > position_ ? 0 : position_ - count; }

// ---- Iterators

Iterator* StrBuffer::iteratorWith(int32_t index, uint32_t elementIndex) const {
    Iterator* iterator = Iterator::acquire();
    if (iterator) iterator->bind(this, index, elementIndex);
    return iterator;
}

Iterator* StrBuffer::iterator() const { return iteratorWith(-1, 0); }

Iterator* StrBuffer::iteratorAtEnd() const { return iteratorWith(int32_t(length_), length_); }

Iterator* StrBuffer::iteratorAt(int32_t n) const {
    if (n < 0) return iteratorAtEnd();
    assert(uint32_t(n) <= length_);
    return iteratorWith(n - 1, uint32_t(n));
}

Iterator* StrBuffer::reverseIteratorAt(uint32_t n) const {
    assert(n <= length_);
    return iteratorWith(int32_t(length_ - n), length_ - n);
}

}  // namespace s::str::strbuffer
