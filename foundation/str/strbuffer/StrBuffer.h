#pragma once
// StrBuffer: the growable UTF-16 string behind every text, path and setting.
//
// Storage: a heap block of capacity + 1 code units (so a NUL can always be
// written at position `length`), or no block at all until something is stored.
// The text is counted, not NUL-terminated; c_str()/end() write the NUL on demand.
// Growth is geometric (see nextCapacity): 3x while small, so appending one code
// unit touches the allocator only when the block is full. reset (run by the pool
// on every release) frees the block, so a recycled string starts without one.
//
// The string is also a byte stream over its code units (2 x length bytes); the
// input and output views share one byte position, which clear() resets.
//
// Names of the same-named operations (append of a number, of a code unit, ...)
// are spelled with their kind, see IStr.h. Calls through a StrBuffer pointer are
// direct (the class is final), so the one-code-unit append inlines.
#include <cassert>
#include <cstdint>

#include "foundation/io/IInputStream.h"
#include "foundation/io/IOutputStream.h"
#include "foundation/str/IStr.h"
#include "foundation/str/strbuffer/Iterator.h"
#include "foundation/thread/Pooled.h"

namespace s::str::strbuffer {

class StrBuffer final : public IStr, public io::IInputStream, public io::IOutputStream {
    S_POOLED_CLASS(StrBuffer, L"s_str_strbuffer_StrBuffer")

public:
    // The largest capacity: the byte position of the stream views (2 x length) must
    // fit 32 bits, and the block needs one code unit more.
    static constexpr uint32_t MAX_CAPACITY = 0x7FFFFFFE;

    StrBuffer();
    ~StrBuffer() override;
    StrBuffer(const StrBuffer&) = delete;
    StrBuffer& operator=(const StrBuffer&) = delete;

    // ---- Growth policy, as pure functions of the capacity (in code units).
    // One step: below 100 -> 100; below 10,000,000 -> 3x; below 50,000,000 -> 2x;
    // below 100,000,000 -> 1.5x; else 1.2x (truncated), never above MAX_CAPACITY.
    static uint32_t nextCapacity(uint32_t capacity);
    // What reserve(n) makes of `capacity`: steps until n is reached; `capacity` itself
    // when it already suffices; 0 when n exceeds MAX_CAPACITY.
    static uint32_t reservedCapacity(uint32_t capacity, uint32_t n);

    // ---- IComparable / IObject
    // Code units as bytes in storage order (a memory comparison of the little-endian
    // units) over the shorter length, then the shorter string is less. A non-string
    // compares by identity. With a comparator, the comparator decides.
    int32_t compareTo(const base::IComparable* other, const base::IComparator* comparator = nullptr) const override;
    // ASCII letters folded, code units compared as unsigned values over the shorter
    // length, then by length.
    int32_t compareToIgnoreCase(const base::IComparable* other,
                                const base::IComparator* comparator = nullptr) const override;
    bool equals(const base::IComparable* other, const base::IComparator* comparator = nullptr) const override;
    bool equalsIgnoreCase(const base::IComparable* other, const base::IComparator* comparator = nullptr) const override;
    // h = rotate-ish: (h << 1) with bit 0 taken from the old bit 30, then XOR the code
    // unit; 0 for an empty string.
    int32_t hashCode() const override;
    // The same with "A".."Z" folded to "a".."z".
    int32_t hashCodeIgnoreCase() const override;
    // The same rules over a counted UTF-16 text, for callers holding raw text (hash keys).
    static int32_t hashOf(const wchar_t* text, uint32_t count);
    static int32_t hashOfIgnoreCase(const wchar_t* text, uint32_t count);

    // ---- IPoolable
    // freeBuffer.
    void reset() override { freeBuffer(); }

    // ---- IStr, slot order
    wchar_t* end() override { return writeNul(); }
    const wchar_t* end() const override { return writeNul(); }

    uint32_t length() const override { return length_; }
    void setLength(uint32_t n) override {
        assert(n <= capacity_);
        length_ = n;
    }
    uint32_t capacity() const override { return capacity_; }

    bool reserveExact(uint32_t n) override;
    bool grow() override;
    bool reserve(uint32_t n) override;

    void clear() override {
        length_ = 0;
        position_ = 0;
    }
    void freeBuffer() override;

    wchar_t* data() const override { return text_; }
    const wchar_t* c_str() const override {
        if (length_ == 0) return L"";
        text_[length_] = 0;
        return text_;
    }

    void reverse() override;
    void toLowerCase() override;
    void toUpperCase() override;
    void capitalize() override;

    wchar_t charAt(uint32_t i) const override {
        assert(i < length_);
        return text_[i];
    }
    wchar_t lowerCharAt(uint32_t i) const override { return lowerAscii(charAt(i)); }
    wchar_t upperCharAt(uint32_t i) const override { return upperAscii(charAt(i)); }

    bool indexOfChar(wchar_t c, uint32_t& index, uint32_t from = 0) const override;
    bool indexOfCharIgnoreCase(wchar_t c, uint32_t& index, uint32_t from = 0) const override;
    bool indexOfAny(const wchar_t* set, int32_t setCount, uint32_t& index, uint32_t from = 0) const override;
    bool indexOfAnyIgnoreCase(const wchar_t* set, int32_t setCount, uint32_t& index,
                              uint32_t from = 0) const override;

    bool lastIndexOfChar(wchar_t c, uint32_t& index, uint32_t position = FROM_END) const override;
    bool lastIndexOfCharIgnoreCase(wchar_t c, uint32_t& index, uint32_t position = FROM_END) const override;
    bool lastIndexOfAny(const wchar_t* set, int32_t setCount, uint32_t& index,
                        uint32_t position = FROM_END) const override;
    bool lastIndexOfAnyIgnoreCase(const wchar_t* set, int32_t setCount, uint32_t& index,
                                  uint32_t position = FROM_END) const override;

    bool indexOf(const wchar_t* text, uint32_t& index, uint32_t from = 0) const override;
    bool indexOfIgnoreCase(const wchar_t* text, uint32_t& index, uint32_t from = 0) const override;
    bool lastIndexOf(const wchar_t* text, uint32_t& index, uint32_t before = FROM_END) const override;
    bool lastIndexOfIgnoreCase(const wchar_t* text, uint32_t& index, uint32_t before = FROM_END) const override;

    bool regionMatches(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t count) const override;
    bool regionMatchesIgnoreCase(uint32_t index, const wchar_t* text, uint32_t textIndex,
                                 int32_t count) const override;

    bool endsWith(const wchar_t* text, int32_t count = -1) const override;
    bool endsWithIgnoreCase(const wchar_t* text, int32_t count = -1) const override;
    bool startsWith(const wchar_t* text, int32_t count = -1) const override;
    bool startsWithIgnoreCase(const wchar_t* text, int32_t count = -1) const override;

    void trimEnd() override;
    void trimEnd(uint32_t minimumLength) override;
    void trimEnd(const wchar_t* set, int32_t setCount) override;
    void trimEnd(const wchar_t* set, uint32_t minimumLength, int32_t setCount) override;
    void trimStart() override;
    void trimStart(const wchar_t* set, int32_t setCount) override;

    int32_t compareAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t count) const override;
    int32_t compareAtIgnoreCase(uint32_t index, const wchar_t* text, uint32_t textIndex,
                                int32_t count) const override;

    bool prepend(const wchar_t* codeUnits, int32_t count) override;
    bool appendBytes(const char* bytes, int32_t count) override;
    bool append(const wchar_t* codeUnits, int32_t count) override;
    bool appendChar(wchar_t c) override {
        if (length_ == capacity_ && !grow()) return false;
        text_[length_++] = c;
        return true;
    }
    bool appendCodeUnit(uint16_t codeUnit) override { return appendChar(wchar_t(codeUnit)); }

    bool appendHexU64(const uint64_t* values, uint32_t count) override;
    bool appendHexU32(const uint32_t* values, uint32_t count) override;
    bool appendHexU16(const uint16_t* values, uint32_t count) override;
    bool appendHexU08(const uint8_t* values, uint32_t count) override;
    bool appendHexS64(const int64_t* values, uint32_t count) override;
    bool appendHexS32(const int32_t* values, uint32_t count) override;
    bool appendHexS16(const int16_t* values, uint32_t count) override;
    bool appendHexS08(const int8_t* values, uint32_t count) override;
    bool appendHexDword(const unsigned long* values, uint32_t count) override;
    bool appendHexU64LowHigh(const uint64_t* values, uint32_t count) override;

    uint32_t replaceAll(const wchar_t* find, const wchar_t* replacement) override;
    uint32_t replaceAllIgnoreCase(const wchar_t* find, const wchar_t* replacement) override;

    StrBuffer* clone() const override;
    void keepRange(uint32_t from, uint32_t to) override;
    StrBuffer* substring(uint32_t from, uint32_t to) const override;

    StrBuffer* prefixBeforeLastChar(wchar_t c, uint32_t before = FROM_END) const override;
    StrBuffer* prefixBeforeLastCharIgnoreCase(wchar_t c, uint32_t before = FROM_END) const override;
    StrBuffer* prefixBeforeLastAny(const wchar_t* set, int32_t setCount, uint32_t before = FROM_END) const override;
    StrBuffer* prefixBeforeLastAnyIgnoreCase(const wchar_t* set, int32_t setCount,
                                             uint32_t before = FROM_END) const override;
    StrBuffer* prefixBeforeLast(const wchar_t* text, uint32_t before = FROM_END) const override;
    StrBuffer* prefixBeforeLastIgnoreCase(const wchar_t* text, uint32_t before = FROM_END) const override;

    col::_array::ArrayU08* digest(::s::digest::md5::Md5* digester = nullptr, col::_array::ArrayU08* result = nullptr,
                                  bool append = false) const override;

    col::_array::ArrayU08* toUtf8(col::_array::ArrayU08* bytes = nullptr, bool append = false) const override;
    col::_array::ArrayU08* toUtf8NoNul(col::_array::ArrayU08* bytes = nullptr, bool append = false) const override;
    uint32_t fromUtf8(const char* bytes, bool append = false, int32_t byteCount = -1) override;
    col::_array::ArrayU08* toCodePage(const system::codepage::CodePage* codePage,
                                      col::_array::ArrayU08* bytes = nullptr, bool append = false) const override;
    col::_array::ArrayU08* toCodePageNoNul(const system::codepage::CodePage* codePage,
                                           col::_array::ArrayU08* bytes = nullptr,
                                           bool append = false) const override;
    uint32_t fromCodePage(const system::codepage::CodePage* codePage, const void* bytes, bool append = false,
                          int32_t byteCount = -1) override;
    col::_array::ArrayU08* toOem(col::_array::ArrayU08* bytes = nullptr, bool append = false) const override;
    col::_array::ArrayU08* toOemNoNul(col::_array::ArrayU08* bytes = nullptr, bool append = false) const override;
    uint32_t fromOem(const char* bytes, bool append = false, int32_t byteCount = -1) override;

    int32_t toS32() const override;
    uint32_t toU32() const override;
    int64_t toS64() const override;
    uint64_t toU64() const override;
    long toLong() const override;
    unsigned long toULong() const override;
    int toInt() const override;
    long long toLongLong() const override;
    float toFloat() const override;
    double toDouble() const override;

    bool isHex() const override;
    uint32_t hexValueAt(uint32_t i) const override;
    col::_array::ArrayU08* hexToBytes(col::_array::ArrayU08* bytes = nullptr, bool append = false) const override;
    bool isInteger() const override;

    strarray::StrArray* split(wchar_t separator) const override;
    strarray::StrArray* words(bool skipStopWords) const override;

    wchar_t* pointerAt(uint32_t i) override {
        assert(i <= capacity_);
        return text_ + i;
    }

    bool appendByteString(const char* text) override;
    bool appendS64(int64_t value) override;
    bool appendU32(uint32_t value) override;
    bool appendU16(uint16_t value) override { return appendU32(value); }
    bool appendU08(uint8_t value) override { return appendU32(value); }
    bool appendU64(uint64_t value) override;
    bool appendS32(int32_t value) override { return appendS64(value); }
    bool appendS16(int16_t value) override { return appendS64(value); }
    bool appendS08(int8_t value) override { return appendS64(value); }
    bool appendFloat(float value) override { return appendDouble(value); }
    bool appendDouble(double value) override;
    bool appendStr(const IStr* other) override;
    bool append(const wchar_t* text) override;

    bool setS64(int64_t value) override;
    bool setU32(uint32_t value) override;
    bool setU16(uint16_t value) override { return setU32(value); }
    bool setU08(uint8_t value) override { return setU32(value); }
    bool setU64(uint64_t value) override;
    bool setS32(int32_t value) override { return setS64(value); }
    bool setS16(int16_t value) override { return setS64(value); }
    bool setS08(int8_t value) override { return setS64(value); }
    bool setFloat(float value) override { return setDouble(value); }
    bool setDouble(double value) override;
    bool setStr(const IStr* other) override;
    bool set(const wchar_t* text) override;

    Iterator* iterator() const override;
    Iterator* iteratorAtEnd() const override;
    Iterator* iteratorAt(int32_t n) const override;
    Iterator* reverseIteratorAt(uint32_t n) const override;

    const wchar_t* pointerAt(uint32_t i) const override {
        assert(i <= capacity_);
        return text_ + i;
    }

    // ---- Not in the interface
    // Replaces the text by `count` code units (-1: NUL-terminated), reserving exactly.
    bool set(const wchar_t* codeUnits, int32_t count);
    // Exchanges blocks, lengths and capacities with `other` (positions stay).
    void swapContent(StrBuffer& other);

    // ---- Stream views over the bytes of the code units (2 x length bytes)
    // min(size, bytes left) bytes from the position; false (0 delivered) at the end.
    bool read(void* destination, uint32_t size, uint32_t* delivered = nullptr) override;
    // Stores the bytes at the position (room for position + size bytes plus one code
    // unit is reserved); the length becomes at least position / 2.
    bool write(const void* source, uint32_t size) override;
    bool flush() override { return true; }
    void rewind() override { position_ = 0; }
    uint32_t position() const override { return position_; }
    void setPosition(uint32_t position) override;
    void seekToEnd() override { position_ = byteSize(); }
    void seekBackFromEnd(uint32_t count) override;
    void skip(uint32_t count) override;
    void skipBack(uint32_t count) override;

    // ---- The ASCII-only case folding shared by the ignore-case operations.
    static wchar_t lowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c + 32) : c; }
    static wchar_t upperAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? wchar_t(c - 32) : c; }

private:
    // Moves the text to a block of exactly newCapacity + 1 code units.
    bool reallocate(uint32_t newCapacity);
    // Writes the NUL at `length` and answers its address; null when empty.
    wchar_t* writeNul() const {
        if (length_ == 0) return nullptr;
        text_[length_] = 0;
        return text_ + length_;
    }
    uint32_t byteSize() const { return length_ * 2; }
    // Makes room for `extra` more code units (growth steps); false when impossible.
    bool reserveMore(uint32_t extra);
    // Appends ASCII text (a formatted number) as code units.
    bool appendAscii(const char* ascii, uint32_t count);
    // Searches shared by the case-sensitive and ignore-case variants.
    bool findForward(const wchar_t* text, uint32_t& index, uint32_t from, bool ignoreCase) const;
    bool findBackward(const wchar_t* text, uint32_t& index, uint32_t before, bool ignoreCase) const;
    bool regionEquals(uint32_t index, const wchar_t* text, uint32_t count, bool ignoreCase) const;
    bool matchesRegion(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t count,
                       bool ignoreCase) const;
    bool startsOrEnds(const wchar_t* text, int32_t count, bool atEnd, bool ignoreCase) const;
    int32_t compareAtImpl(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t count,
                          bool ignoreCase) const;
    uint32_t replaceAllImpl(const wchar_t* find, const wchar_t* replacement, bool ignoreCase);
    StrBuffer* prefixBefore(bool found, uint32_t index) const;
    col::_array::ArrayU08* toMultiByte(uint32_t codePage, col::_array::ArrayU08* bytes, bool append,
                                       bool countNul) const;
    col::_array::ArrayU08* toCodePageImpl(const system::codepage::CodePage* codePage, col::_array::ArrayU08* bytes,
                                          bool append, bool countNul) const;
    uint32_t fromMultiByte(uint32_t codePage, const char* bytes, bool append, int32_t byteCount);
    // Room for `count` more code units as the from* conversions take it: exact
    // without append, growth steps with append.
    bool reserveForConversion(uint32_t count, bool append);
    Iterator* iteratorWith(int32_t index, uint32_t elementIndex) const;

    wchar_t* text_;      // owned heap block of capacity_ + 1 code units; null when none
    uint32_t length_;    // code units in use
    uint32_t capacity_;  // code units the block holds before the spare one for the NUL
    uint32_t position_;  // byte offset of the stream views
};

}  // namespace s::str::strbuffer
