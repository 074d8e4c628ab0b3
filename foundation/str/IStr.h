#pragma once
// IStr: the text interface. Text is counted UTF-16 (embedded NULs allowed);
// operations that hand out a NUL-terminated string write the NUL on demand.
//
// Conventions
// - Indices and counts are in code units. A count of -1 (int32_t) means "up to the
//   terminating NUL of the argument".
// - Backward searches take a position; FROM_END (0xFFFFFF) means from the end.
// - Searches answer success as a boolean and write the index found to `index`.
// - Strings, byte arrays and string lists handed out by an operation come from their
//   pools and belong to the caller, who releases them.
// - Only "A".."Z"/"a".."z" fold in the ignore-case operations and in the case
//   changes: the run-time's wide case functions do no more in its default locale.
//
// Spelling of the same-named operations
// A call such as append(5) or append(L'x') must never quietly pick another
// operation, so operations that differ only by the kind of value they take carry
// the kind in their name:
//   appendChar(wchar_t)                 one code unit
//   appendS08/S16/S32/S64(value)        signed numbers, "%d" / "%I64d"
//   appendU08/U16/U32/U64(value)        unsigned numbers, "%u" / "%I64u"
//   appendFloat/appendDouble(value)     "%f"
//   appendHexU08 ... appendHexS64       hexadecimal dumps of arrays of values
//   appendStr(const IStr*)              another string
//   append(const wchar_t*)              a NUL-terminated UTF-16 string
//   append(const wchar_t*, count)       counted code units
//   appendBytes(const char*, count)     bytes widened one to one (sign extended)
//   setS08 ... setDouble, setStr, set   the same for replacing the whole text
// Overloads that remain (append of text, trimEnd/trimStart, end, pointerAt) differ
// in the number of arguments or only in constness, so no call can reach the wrong
// one silently: append(5) and append(L'x') do not compile.
#include <cstdint>

#include "foundation/base/IObject.h"

namespace s::col::_array {
class ArrayU08;
}
namespace s::digest::md5 {
class Md5;
}
namespace s::system::codepage {
class CodePage;
}
namespace s::str::strarray {
class StrArray;
}
namespace s::str::strbuffer {
class Iterator;
}

namespace s::str {

class IStr : public base::IObject {
public:
    // Backward-search position meaning "from the end".
    static constexpr uint32_t FROM_END = 0xFFFFFF;

    // ---- 9, 10: writes a NUL at position length and returns its address; null when empty.
    virtual wchar_t* end() = 0;
    virtual const wchar_t* end() const = 0;

    // ---- 11-13
    virtual uint32_t length() const = 0;
    // No reallocation: the caller guarantees n <= capacity().
    virtual void setLength(uint32_t n) = 0;
    virtual uint32_t capacity() const = 0;

    // ---- 14-16 (false when the block cannot be made; the text is then unchanged)
    // Capacity at least n, exactly n when it grows.
    virtual bool reserveExact(uint32_t n) = 0;
    // One growth step.
    virtual bool grow() = 0;
    // Growth steps until the capacity is at least n, then one reallocation.
    virtual bool reserve(uint32_t n) = 0;

    // ---- 17, 18
    // Length and stream position 0; the block is kept.
    virtual void clear() = 0;
    // Frees the block: capacity, length and position 0.
    virtual void freeBuffer() = 0;

    // ---- 19, 20
    // The raw block (null when nothing was ever reserved); not NUL-terminated.
    virtual wchar_t* data() const = 0;
    // The text, NUL-terminated; a static empty string when the length is 0.
    virtual const wchar_t* c_str() const = 0;

    // ---- 21-24
    virtual void reverse() = 0;
    virtual void toLowerCase() = 0;
    virtual void toUpperCase() = 0;
    // Lower-cases everything, then upper-cases the first code unit when it is "a".."z".
    virtual void capitalize() = 0;

    // ---- 25-27 (i < length)
    virtual wchar_t charAt(uint32_t i) const = 0;
    virtual wchar_t lowerCharAt(uint32_t i) const = 0;
    virtual wchar_t upperCharAt(uint32_t i) const = 0;

    // ---- 28-31: forward searches from `from` up to the end.
    virtual bool indexOfChar(wchar_t c, uint32_t& index, uint32_t from = 0) const = 0;
    virtual bool indexOfCharIgnoreCase(wchar_t c, uint32_t& index, uint32_t from = 0) const = 0;
    // Any member of `set` (setCount code units, -1: NUL-terminated).
    virtual bool indexOfAny(const wchar_t* set, int32_t setCount, uint32_t& index, uint32_t from = 0) const = 0;
    virtual bool indexOfAnyIgnoreCase(const wchar_t* set, int32_t setCount, uint32_t& index,
                                      uint32_t from = 0) const = 0;

    // ---- 32-35: backward searches from min(position, length) - 1 down to 0.
    virtual bool lastIndexOfChar(wchar_t c, uint32_t& index, uint32_t position = FROM_END) const = 0;
    virtual bool lastIndexOfCharIgnoreCase(wchar_t c, uint32_t& index, uint32_t position = FROM_END) const = 0;
    virtual bool lastIndexOfAny(const wchar_t* set, int32_t setCount, uint32_t& index,
                                uint32_t position = FROM_END) const = 0;
    virtual bool lastIndexOfAnyIgnoreCase(const wchar_t* set, int32_t setCount, uint32_t& index,
                                          uint32_t position = FROM_END) const = 0;

    // ---- 36-39: substring searches (text NUL-terminated).
    // First occurrence at or after `from`; an empty text is found at `from`.
    virtual bool indexOf(const wchar_t* text, uint32_t& index, uint32_t from = 0) const = 0;
    // An empty text is never found.
    virtual bool indexOfIgnoreCase(const wchar_t* text, uint32_t& index, uint32_t from = 0) const = 0;
    // Last occurrence that ends at or before min(before, length); an empty text is never found.
    virtual bool lastIndexOf(const wchar_t* text, uint32_t& index, uint32_t before = FROM_END) const = 0;
    virtual bool lastIndexOfIgnoreCase(const wchar_t* text, uint32_t& index, uint32_t before = FROM_END) const = 0;

    // ---- 40, 41: the `count` code units at `index` equal those of text[textIndex...].
    // count -1: all of text[textIndex...], and the match must end at the end of this string.
    virtual bool regionMatches(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t count) const = 0;
    virtual bool regionMatchesIgnoreCase(uint32_t index, const wchar_t* text, uint32_t textIndex,
                                         int32_t count) const = 0;

    // ---- 42-45: the first (count -1: all) code units of `text` end / start this string.
    virtual bool endsWith(const wchar_t* text, int32_t count = -1) const = 0;
    virtual bool endsWithIgnoreCase(const wchar_t* text, int32_t count = -1) const = 0;
    virtual bool startsWith(const wchar_t* text, int32_t count = -1) const = 0;
    virtual bool startsWithIgnoreCase(const wchar_t* text, int32_t count = -1) const = 0;

    // ---- 46-49: remove trailing members of a set while the length is above a minimum.
    // The default set is space, line feed, U+3000, tab, carriage return; minimum 0.
    virtual void trimEnd() = 0;
    virtual void trimEnd(uint32_t minimumLength) = 0;
    virtual void trimEnd(const wchar_t* set, int32_t setCount) = 0;
    virtual void trimEnd(const wchar_t* set, uint32_t minimumLength, int32_t setCount) = 0;

    // ---- 50, 51: remove leading members of the set (default as above).
    virtual void trimStart() = 0;
    virtual void trimStart(const wchar_t* set, int32_t setCount) = 0;

    // ---- 52, 53: -1 when index >= length; else compares text from `index` with
    // text[textIndex...] over `count` code units (-1: to the terminating NULs).
    virtual int32_t compareAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t count) const = 0;
    virtual int32_t compareAtIgnoreCase(uint32_t index, const wchar_t* text, uint32_t textIndex,
                                        int32_t count) const = 0;

    // ---- 54-58: editing (counts -1: NUL-terminated). False when the block cannot grow.
    virtual bool prepend(const wchar_t* codeUnits, int32_t count) = 0;
    // Each byte becomes one code unit by sign extension (0x80..0xFF -> 0xFF80..0xFFFF).
    virtual bool appendBytes(const char* bytes, int32_t count) = 0;
    virtual bool append(const wchar_t* codeUnits, int32_t count) = 0;
    virtual bool appendChar(wchar_t c) = 0;
    // The same for a code unit computed as a number.
    virtual bool appendCodeUnit(uint16_t codeUnit) = 0;

    // ---- 59-68: hexadecimal dumps, lower case, zero-padded, no separators:
    // "%016I64x", "%08x", "%04x", "%02x" per element by element width.
    virtual bool appendHexU64(const uint64_t* values, uint32_t count) = 0;
    virtual bool appendHexU32(const uint32_t* values, uint32_t count) = 0;
    virtual bool appendHexU16(const uint16_t* values, uint32_t count) = 0;
    virtual bool appendHexU08(const uint8_t* values, uint32_t count) = 0;
    virtual bool appendHexS64(const int64_t* values, uint32_t count) = 0;
    virtual bool appendHexS32(const int32_t* values, uint32_t count) = 0;
    virtual bool appendHexS16(const int16_t* values, uint32_t count) = 0;
    virtual bool appendHexS08(const int8_t* values, uint32_t count) = 0;
    // Windows DWORDs (unsigned long, 32-bit).
    virtual bool appendHexDword(const unsigned long* values, uint32_t count) = 0;
    // Each 64-bit value as two "%08x" groups, lower half first.
    virtual bool appendHexU64LowHigh(const uint64_t* values, uint32_t count) = 0;

    // ---- 69, 70: replace every occurrence (scanning left to right, continuing after
    // each replacement); answers the number of replacements.
    virtual uint32_t replaceAll(const wchar_t* find, const wchar_t* replacement) = 0;
    virtual uint32_t replaceAllIgnoreCase(const wchar_t* find, const wchar_t* replacement) = 0;

    // ---- 71-73
    // A new string with the same text.
    virtual IStr* clone() const = 0;
    // Keeps code units [from, min(to, length)).
    virtual void keepRange(uint32_t from, uint32_t to) = 0;
    // A new string holding [from, min(to, length)); empty when from >= that end.
    virtual IStr* substring(uint32_t from, uint32_t to) const = 0;

    // ---- 74-79: a new string holding the text before the last occurrence (searched
    // backwards from `before`) of a code unit / any of a set / a text; empty when none.
    virtual IStr* prefixBeforeLastChar(wchar_t c, uint32_t before = FROM_END) const = 0;
    virtual IStr* prefixBeforeLastCharIgnoreCase(wchar_t c, uint32_t before = FROM_END) const = 0;
    virtual IStr* prefixBeforeLastAny(const wchar_t* set, int32_t setCount, uint32_t before = FROM_END) const = 0;
    virtual IStr* prefixBeforeLastAnyIgnoreCase(const wchar_t* set, int32_t setCount,
                                                uint32_t before = FROM_END) const = 0;
    virtual IStr* prefixBeforeLast(const wchar_t* text, uint32_t before = FROM_END) const = 0;
    virtual IStr* prefixBeforeLastIgnoreCase(const wchar_t* text, uint32_t before = FROM_END) const = 0;

    // ---- 80: MD5 of the UTF-16 bytes (2 x length). The digester (one from its pool
    // when null) is fed and finished; its 16 bytes go to `result` (a new byte array
    // when null; cleared first unless `append`), which is returned.
    virtual col::_array::ArrayU08* digest(::s::digest::md5::Md5* digester = nullptr,
                                          col::_array::ArrayU08* result = nullptr, bool append = false) const = 0;

    // ---- 81-89: encodings. The byte array (a new one when null) is cleared unless
    // `append`; the bytes produced are added, then one NUL byte is written after them,
    // counted in the array's length by the plain variants and not by the NoNul ones.
    // The from* operations answer the number of code units added (byteCount -1:
    // a NUL-terminated source); without `append` the text is replaced.
    virtual col::_array::ArrayU08* toUtf8(col::_array::ArrayU08* bytes = nullptr, bool append = false) const = 0;
    virtual col::_array::ArrayU08* toUtf8NoNul(col::_array::ArrayU08* bytes = nullptr,
                                               bool append = false) const = 0;
    virtual uint32_t fromUtf8(const char* bytes, bool append = false, int32_t byteCount = -1) = 0;
    // UTF-16 and UTF-16BE are recognised by the identity of CodePage::utf16() and
    // CodePage::utf16be() and converted here; other pages go through the system.
    virtual col::_array::ArrayU08* toCodePage(const system::codepage::CodePage* codePage,
                                              col::_array::ArrayU08* bytes = nullptr, bool append = false) const = 0;
    virtual col::_array::ArrayU08* toCodePageNoNul(const system::codepage::CodePage* codePage,
                                                   col::_array::ArrayU08* bytes = nullptr,
                                                   bool append = false) const = 0;
    virtual uint32_t fromCodePage(const system::codepage::CodePage* codePage, const void* bytes, bool append = false,
                                  int32_t byteCount = -1) = 0;
    virtual col::_array::ArrayU08* toOem(col::_array::ArrayU08* bytes = nullptr, bool append = false) const = 0;
    virtual col::_array::ArrayU08* toOemNoNul(col::_array::ArrayU08* bytes = nullptr, bool append = false) const = 0;
    virtual uint32_t fromOem(const char* bytes, bool append = false, int32_t byteCount = -1) = 0;

    // ---- 90-99: the leading decimal number of c_str() (leading blanks skipped, stops
    // at the first invalid character, 0 when there is none; out-of-range values clamp).
    virtual int32_t toS32() const = 0;
    virtual uint32_t toU32() const = 0;
    virtual int64_t toS64() const = 0;
    virtual uint64_t toU64() const = 0;
    virtual long toLong() const = 0;
    virtual unsigned long toULong() const = 0;
    virtual int toInt() const = 0;
    virtual long long toLongLong() const = 0;
    virtual float toFloat() const = 0;
    virtual double toDouble() const = 0;

    // ---- 100-103
    // Not empty and only 0-9, a-f, A-F.
    virtual bool isHex() const = 0;
    // 0..15 for a hexadecimal digit, 0 for anything else.
    virtual uint32_t hexValueAt(uint32_t i) const = 0;
    // length / 2 bytes, high nibble first, into `bytes` (a new array when null;
    // cleared first unless `append`).
    virtual col::_array::ArrayU08* hexToBytes(col::_array::ArrayU08* bytes = nullptr, bool append = false) const = 0;
    // Not empty, all decimal digits; "-" allowed first when the length is above 1.
    virtual bool isInteger() const = 0;

    // ---- 104, 105: new lists of new strings.
    // The non-empty pieces between separators.
    virtual strarray::StrArray* split(wchar_t separator) const = 0;
    // The distinct words (ignoring case), optionally without "the", "of" and "and".
    virtual strarray::StrArray* words(bool skipStopWords) const = 0;

    // ---- 106: address of the code unit at i (i <= capacity).
    virtual wchar_t* pointerAt(uint32_t i) = 0;

    // ---- 107-119: appending (false when the block cannot grow)
    // A NUL-terminated byte string through appendBytes.
    virtual bool appendByteString(const char* text) = 0;
    virtual bool appendS64(int64_t value) = 0;
    virtual bool appendU32(uint32_t value) = 0;
    virtual bool appendU16(uint16_t value) = 0;
    virtual bool appendU08(uint8_t value) = 0;
    virtual bool appendU64(uint64_t value) = 0;
    virtual bool appendS32(int32_t value) = 0;
    virtual bool appendS16(int16_t value) = 0;
    virtual bool appendS08(int8_t value) = 0;
    virtual bool appendFloat(float value) = 0;
    virtual bool appendDouble(double value) = 0;
    // Null appends nothing.
    virtual bool appendStr(const IStr* other) = 0;
    // Null appends nothing.
    virtual bool append(const wchar_t* text) = 0;

    // ---- 120-131: replacing the whole text (exact reservation)
    virtual bool setS64(int64_t value) = 0;
    virtual bool setU32(uint32_t value) = 0;
    virtual bool setU16(uint16_t value) = 0;
    virtual bool setU08(uint8_t value) = 0;
    virtual bool setU64(uint64_t value) = 0;
    virtual bool setS32(int32_t value) = 0;
    virtual bool setS16(int16_t value) = 0;
    virtual bool setS08(int8_t value) = 0;
    virtual bool setFloat(float value) = 0;
    virtual bool setDouble(double value) = 0;
    // Null makes the string empty.
    virtual bool setStr(const IStr* other) = 0;
    virtual bool set(const wchar_t* text) = 0;

    // ---- 132-135: iterators over the code units (from their pool; the caller releases them)
    // Index -1, at code unit 0.
    virtual strbuffer::Iterator* iterator() const = 0;
    // Index length, one past the last code unit.
    virtual strbuffer::Iterator* iteratorAtEnd() const = 0;
    // Index n - 1, at code unit n; n = -1: at the end.
    virtual strbuffer::Iterator* iteratorAt(int32_t n) const = 0;
    // Index length - n, at code unit length - n.
    virtual strbuffer::Iterator* reverseIteratorAt(uint32_t n) const = 0;

    // ---- 136: as slot 106.
    virtual const wchar_t* pointerAt(uint32_t i) const = 0;
};

}  // namespace s::str
