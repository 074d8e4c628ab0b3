#pragma once
// ArrayBase: a growable block of fixed-size elements (1 << shift bytes each),
// the storage under every list and byte buffer of the library.
//
// Contract: indices and counts must lie within the array; the operations do not
// test them (debug builds assert). A count of -1 means "to the end". "Raw"
// sources and destinations are plain memory holding elements of this array's
// size; their indices are in elements too.
//
// Growth: one step from capacity c is 100 below 100, 3c below 10,000,000, 2c below
// 50,000,000, 1.5c below 100,000,000, 1.2c above (truncated). Single-element
// appends take one step when full; multi-element appends and inserts repeat
// steps until the need is met; setLength and setRange reserve exactly. The block
// holds exactly capacity elements. A failed allocation leaves the array as it was
// and the operation answers false.
//
// The array is also a byte stream over its storage (read/write at a byte position)
// and hands out CollectionInputStream objects and iterators from their pools.
#include <cstddef>
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/col/ICollection.h"
#include "foundation/col/IEnumerable.h"
#include "foundation/io/IInputStream.h"
#include "foundation/io/IInputStreamable.h"
#include "foundation/io/IOutputStream.h"
#include "foundation/thread/IPoolable.h"

namespace s::base {
class IComparator;
}
namespace s::str::strbuffer {
class StrBuffer;
}
namespace s::digest::md5 {
class Md5;
}

namespace s::col::_array {

class ArrayU08;

// What an array class is, in data (slot 32).
struct ArrayDescriptor {
    const wchar_t* className;
    uint8_t shift;
    int32_t typeCode;
};

class ArrayBase : public ICollection,
                  public io::IInputStreamable,
                  public virtual thread::IPoolable,
                  public IEnumerable,
                  public io::IInputStream,
                  public io::IOutputStream {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_col_array_ArrayBase";
    // Type code of the four concrete element arrays.
    static constexpr int32_t ELEMENT_ARRAY_TYPE = 5;

    ~ArrayBase() override;
    ArrayBase(const ArrayBase&) = delete;
    ArrayBase& operator=(const ArrayBase&) = delete;

    // ---- IObject / IComparable
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    // With a comparator it decides. Otherwise an array of the same class orders by
    // length (shorter first), then by the first element that differs (element
    // comparator); another kind of object compares by identity.
    int32_t compareTo(const base::IComparable* other, const base::IComparator* comparator = nullptr) const override;

    // ---- Operations in slot order
    // Slot 9 (ICollection::collectionName) answers the class-name string.

    // Writes `count` elements from sourceIndex into `destination` at destinationIndex
    // (through its setRange). The destination must have the same element size.
    virtual bool copyTo(ArrayBase* destination, uint32_t destinationIndex, uint32_t sourceIndex,
                        int32_t count = -1) const;
    virtual bool copyFrom(const ArrayBase* source, uint32_t sourceIndex, uint32_t destinationIndex, int32_t count = -1);
    virtual uint32_t length() const { return length_; }
    // Reallocates exactly to n when n exceeds the capacity, then sets the length.
    // New elements are not initialised.
    virtual bool setLength(uint32_t n);
    // n << shift bytes (n = -1: the length).
    virtual size_t byteSize(int32_t n = -1) const;
    virtual void copyOut(void* destination, uint32_t destinationIndex, uint32_t sourceIndex, int32_t count = -1) const;
    // Writes count elements of `source` (from sourceIndex) at destinationIndex, reserving
    // exactly destinationIndex + count when needed; extends the length when the range
    // ends beyond it. Count 0 does nothing.
    virtual bool setRange(const void* source, uint32_t count, uint32_t sourceIndex, uint32_t destinationIndex);
    virtual bool append(const void* source, uint32_t count, uint32_t sourceIndex = 0);
    virtual bool prepend(const void* source, uint32_t count, uint32_t sourceIndex = 0);
    // index = length appends, index 0 prepends.
    virtual bool insert(uint32_t index, const void* source, uint32_t count, uint32_t sourceIndex = 0);
    virtual void dropLast(uint32_t n);
    // Moves the rest down.
    virtual void dropFirst(uint32_t n);
    virtual void removeRange(uint32_t index, uint32_t count);
    // Copies the last `count` elements to destination[destinationIndex...] and drops them.
    virtual void takeLast(void* destination, uint32_t count, uint32_t destinationIndex = 0);
    virtual void takeFirst(void* destination, uint32_t count, uint32_t destinationIndex = 0);
    virtual void takeRange(uint32_t index, void* destination, uint32_t count, uint32_t destinationIndex = 0);
    // Compares up to `count` elements from `index` with `other` (otherLength elements)
    // from otherIndex: bytes of the overlapping part first, then the shorter part is less.
    virtual int32_t compareRange(uint32_t index, const void* other, uint32_t otherLength, uint32_t otherIndex,
                                 int32_t count = -1) const;
    // Length and stream position 0; the block is kept; nothing is disposed of.
    virtual void clear();
    // Frees the block: capacity, length and position 0.
    virtual void freeBuffer();
    virtual void swap(uint32_t i, uint32_t j);
    virtual void reverse();
    // 0 in ArrayBase, ELEMENT_ARRAY_TYPE in the element arrays.
    virtual int32_t typeCode() const { return 0; }
    virtual const ArrayDescriptor& descriptor() const;
    // Appends the text of one element (the element's address is given).
    virtual void appendElementText(str::strbuffer::StrBuffer* string, const void* element) const;
    // Appends the XML form of one element (nothing here).
    virtual void appendElementXml(str::strbuffer::StrBuffer* string, const void* element) const;
    // "CLASS [e1 e2 ...]". With a null string a new one is taken from the string pool
    // (the caller releases it); without append the string is cleared first.
    virtual str::strbuffer::StrBuffer* toString(str::strbuffer::StrBuffer* string = nullptr, bool append = false) const;
    // '<CLASS length="N">' elements '</CLASS>'.
    virtual str::strbuffer::StrBuffer* toXml(str::strbuffer::StrBuffer* string = nullptr, bool append = false) const;
    // Feeds the raw bytes (length << shift) to `digester` (one from its pool when null)
    // and finishes the digest into `result` (a new byte array when null; cleared first
    // unless `append`). Returns the result array, or null when none could be had.
    virtual ArrayU08* digest(digest::md5::Md5* digester = nullptr, ArrayU08* result = nullptr,
                             bool append = false) const;
    // The elements' XML (appendElementXml of each) in ArrayBase; hex dumps in the byte and int arrays.
    virtual str::strbuffer::StrBuffer* appendElements(str::strbuffer::StrBuffer* string = nullptr,
                                                      bool append = false) const;
    virtual const base::IComparator& elementComparator() const = 0;
    // Exchanges elements i and j through `scratch` (room for one element).
    virtual void swap(uint32_t i, uint32_t j, void* scratch);

    // ---- Storage
    uint32_t count() const { return length_; }
    uint32_t capacity() const { return capacity_; }
    uint8_t shift() const { return shift_; }
    uint32_t elementSize() const { return 1u << shift_; }
    // The raw block (null before the first reservation).
    uint8_t* data() { return block_; }
    const uint8_t* data() const { return block_; }
    // Address of element i (i may equal the length: one past the end).
    void* elementAddress(uint32_t i) { return block_ + (size_t(i) << shift_); }
    const void* elementAddress(uint32_t i) const { return block_ + (size_t(i) << shift_); }
    // One growth step.
    bool grow();
    // Growth steps until the capacity is at least n.
    bool reserve(uint32_t n);
    // Capacity at least n, exactly n when it grows.
    bool reserveExact(uint32_t n);
    // The capacity one growth step makes from `capacity`.
    static uint32_t nextCapacity(uint32_t capacity);

    // ---- IPoolable
    // freeBuffer (element arrays add their own state).
    void reset() override;

    // ---- IEnumerable (iterators from the array iterator pool; the caller releases them)
    IteratorBase* iterator() override;
    IteratorBase* iteratorAtEnd() override;
    IteratorBase* iteratorAt(uint32_t n) override;
    IteratorBase* reverseIteratorAt(uint32_t n) override;
    void* elementAt(uint32_t n) override { return elementAddress(n); }

    // ---- IInputStreamable: a CollectionInputStream bound to this array.
    io::IInputStream* getInputStream() override;

    // ---- Stream views over the bytes of the elements (length << shift bytes).
    bool read(void* destination, uint32_t size, uint32_t* delivered = nullptr) override;
    // Stores bytes at the position (reserving as needed); the length becomes at least
    // position >> shift (whole elements only).
    bool write(const void* source, uint32_t size) override;
    bool flush() override { return true; }
    void rewind() override { position_ = 0; }
    uint32_t position() const override { return position_; }
    // Clipped to the byte size.
    void setPosition(uint32_t position) override;
    void seekToEnd() override;
    void seekBackFromEnd(uint32_t count) override;
    void skip(uint32_t count) override;
    void skipBack(uint32_t count) override;

protected:
    explicit ArrayBase(uint8_t shift);
    // Moves the block to a new one of exactly `newCapacity` elements (>= length).
    bool reallocate(uint32_t newCapacity);
    // The address of `count` elements of `source` from sourceIndex that stays valid
    // while this array makes room for `needed` elements: when the source lies in this
    // array's block and the block will move (or `alwaysCopy`, for inserts that shift
    // the block), the elements are first copied to *temporary (freed by the caller).
    // Null when that copy cannot be made.
    const uint8_t* stableSource(const void* source, uint32_t sourceIndex, uint32_t count, uint32_t needed,
                                bool alwaysCopy, uint8_t** temporary) const;
    bool ownsAddress(const void* address) const;
    uint32_t streamSize() const;
    uint32_t resolveCount(uint32_t index, int32_t count) const { return count < 0 ? length_ - index : uint32_t(count); }
    size_t bytes(uint32_t elements) const { return size_t(elements) << shift_; }

    uint8_t shift_;      // element size is 1 << shift bytes
    uint8_t* block_;     // owned; null when nothing was reserved
    uint32_t length_;    // elements in use
    uint32_t capacity_;  // elements the block holds
    uint32_t position_;  // byte offset of the stream views
};

}  // namespace s::col::_array
