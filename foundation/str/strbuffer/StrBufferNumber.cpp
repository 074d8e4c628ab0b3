// StrBuffer: numbers as text (append and set), hexadecimal dumps and parsing.
//
// Integers are formatted here rather than through the C library's wide printf:
// the result is what "%d", "%u" and "%I64d" produce, without a format parse per
// call and without depending on which printf the MinGW run-time links.
// Floating-point values use the C library's "%f" (six decimals).
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <new>

#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/ObjLocker.h"

namespace s::str::strbuffer {

using col::_array::ArrayU08;

namespace {

// Appending a number first makes room for this many code units, so a run of
// numbers appended to one string reallocates rarely.
const uint32_t NUMBER_ROOM = 256;
// "%f" of the largest double has 309 integer digits, a sign, a point and six decimals.
const int FLOAT_TEXT_SIZE = 400;

// Decimal digits of `value`, written backwards from `end`; answers the first digit.
char* formatDigits(uint64_t value, char* end) {
    do {
        *--end = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    return end;
}

// The scratch string of the set-number operations: one static string, owned by its
// locker, used only while the locker's lock is held; deleted at exit.
void deleteScratch(void* object) { delete static_cast<StrBuffer*>(object); }

thread::ObjLocker& scratchLocker() {
    static thread::ObjLocker locker(new (std::nothrow) StrBuffer(), &deleteScratch);
    return locker;
}

// Replaces the text of `target` with what `format` appends to an empty scratch string.
template <class Format>
bool setThroughScratch(StrBuffer& target, Format format) {
    target.clear();
    thread::ObjLocker& locker = scratchLocker();
    thread::ObjLocker::Guard guard(locker);
    StrBuffer* scratch = static_cast<StrBuffer*>(locker.object());
    if (!scratch) return false;
    scratch->clear();
    scratch->reserve(NUMBER_ROOM);
    return format(*scratch) && target.setStr(scratch);
}

uint32_t hexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return uint32_t(c - L'0');
    if (c >= L'a' && c <= L'f') return uint32_t(c - L'a' + 10);
    if (c >= L'A' && c <= L'F') return uint32_t(c - L'A' + 10);
    return 0;
}

bool isHexDigit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

}  // namespace

// ---- Appending numbers

bool StrBuffer::appendS64(int64_t value) {
    if (!reserveMore(NUMBER_ROOM)) return false;
    char digits[24];
    char* end = digits + sizeof(digits);
    // The magnitude as unsigned, so the most negative value formats too.
    const uint64_t magnitude = value < 0 ? uint64_t(0) - uint64_t(value) : uint64_t(value);
    char* first = formatDigits(magnitude, end);
    if (value < 0) *--first = '-';
    return appendAscii(first, uint32_t(end - first));
}

bool StrBuffer::appendU64(uint64_t value) {
    if (!reserveMore(NUMBER_ROOM)) return false;
    char digits[24];
    char* end = digits + sizeof(digits);
    char* first = formatDigits(value, end);
    return appendAscii(first, uint32_t(end - first));
}

bool StrBuffer::appendU32(uint32_t value) { return appendU64(value); }

bool StrBuffer::appendDouble(double value) {
    char text[FLOAT_TEXT_SIZE];
    const int count = snprintf(text, sizeof(text), "%f", value);
    if (count < 0) return false;
    const uint32_t produced = uint32_t(count) < sizeof(text) ? uint32_t(count) : uint32_t(sizeof(text) - 1);
    if (!reserveMore(produced > NUMBER_ROOM ? produced : NUMBER_ROOM)) return false;
    return appendAscii(text, produced);
}

// ---- Setting numbers

bool StrBuffer::setS64(int64_t value) {
    return setThroughScratch(*this, [value](StrBuffer& scratch) { return scratch.appendS64(value); });
}

bool StrBuffer::setU32(uint32_t value) {
    return setThroughScratch(*this, [value](StrBuffer& scratch) { return scratch.appendU32(value); });
}

bool StrBuffer::setU64(uint64_t value) {
    return setThroughScratch(*this, [value](StrBuffer& scratch) { return scratch.appendU64(value); });
}

bool StrBuffer::setDouble(double value) {
    return setThroughScratch(*this, [value](StrBuffer& scratch) { return scratch.appendDouble(value); });
}

// ---- Hexadecimal dumps

namespace {

// Appends each value as `digits` lower-case hexadecimal digits. Values are taken as
// unsigned of their own width, so a negative 8-bit value dumps as two digits.
template <class Value>
bool appendHexValues(StrBuffer& string, const Value* values, uint32_t count, uint32_t digits) {
    if (count == 0) return true;
    const uint64_t needed = uint64_t(string.length()) + uint64_t(count) * digits;
    if (needed > StrBuffer::MAX_CAPACITY || !string.reserve(uint32_t(needed))) return false;
    static const wchar_t HEX[] = L"0123456789abcdef";
    const uint64_t mask = digits >= 16 ? ~uint64_t(0) : (uint64_t(1) << (digits * 4)) - 1;
    wchar_t* out = string.pointerAt(string.length());
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t value = uint64_t(values[i]) & mask;
        for (uint32_t d = 0; d < digits; ++d) out[d] = HEX[(value >> ((digits - 1 - d) * 4)) & 15];
        out += digits;
    }
    string.setLength(uint32_t(needed));
    return true;
}

}  // namespace

bool StrBuffer::appendHexU64(const uint64_t* values, uint32_t count) { return appendHexValues(*this, values, count, 16); }

bool StrBuffer::appendHexU32(const uint32_t* values, uint32_t count) { return appendHexValues(*this, values, count, 8); }

bool StrBuffer::appendHexU16(const uint16_t* values, uint32_t count) { return appendHexValues(*this, values, count, 4); }

bool StrBuffer::appendHexU08(const uint8_t* values, uint32_t count) { return appendHexValues(*this, values, count, 2); }

bool StrBuffer::appendHexS64(const int64_t* values, uint32_t count) { return appendHexValues(*this, values, count, 16); }

bool StrBuffer::appendHexS32(const int32_t* values, uint32_t count) { return appendHexValues(*this, values, count, 8); }

bool StrBuffer::appendHexS16(const int16_t* values, uint32_t count) { return appendHexValues(*this, values, count, 4); }

bool StrBuffer::appendHexS08(const int8_t* values, uint32_t count) { return appendHexValues(*this, values, count, 2); }

bool StrBuffer::appendHexDword(const unsigned long* values, uint32_t count) {
    return appendHexValues(*this, values, count, 8);
}

bool StrBuffer::appendHexU64LowHigh(const uint64_t* values, uint32_t count) {
    if (uint64_t(count) * 2 > UINT32_MAX) return false;
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t halves[2] = {uint32_t(values[i]), uint32_t(values[i] >> 32)};
        if (!appendHexU32(halves, 2)) return false;
    }
    return true;
}

// ---- Parsing (the C library's wide conversions over c_str())

int32_t StrBuffer::toS32() const { return int32_t(wcstol(c_str(), nullptr, 10)); }

uint32_t StrBuffer::toU32() const { return uint32_t(wcstoul(c_str(), nullptr, 10)); }

int64_t StrBuffer::toS64() const { return _wcstoi64(c_str(), nullptr, 10); }

uint64_t StrBuffer::toU64() const { return _wcstoui64(c_str(), nullptr, 10); }

long StrBuffer::toLong() const { return wcstol(c_str(), nullptr, 10); }

unsigned long StrBuffer::toULong() const { return wcstoul(c_str(), nullptr, 10); }

int StrBuffer::toInt() const { return int(wcstol(c_str(), nullptr, 10)); }

long long StrBuffer::toLongLong() const { return _wcstoi64(c_str(), nullptr, 10); }

float StrBuffer::toFloat() const { return float(wcstod(c_str(), nullptr)); }

double StrBuffer::toDouble() const { return wcstod(c_str(), nullptr); }

bool StrBuffer::isHex() const {
    if (length_ == 0) return false;
    for (uint32_t i = 0; i < length_; ++i) {
        if (!isHexDigit(text_[i])) return false;
    }
    return true;
}

uint32_t StrBuffer::hexValueAt(uint32_t i) const { return hexDigit(charAt(i)); }

ArrayU08* StrBuffer::hexToBytes(ArrayU08* bytes, bool append) const {
    ArrayU08* target = bytes ? bytes : ArrayU08::acquire();
    if (!target) return nullptr;
    if (!append) target->clear();
    const uint32_t count = length_ / 2;
    if (!target->reserve(target->length() + count)) return target;
    for (uint32_t i = 0; i < count; ++i) {
        target->add(uint8_t((hexDigit(text_[2 * i]) << 4) | hexDigit(text_[2 * i + 1])));
    }
    return target;
}

bool StrBuffer::isInteger() const {
    if (length_ == 0) return false;
    for (uint32_t i = 0; i < length_; ++i) {
        const wchar_t c = text_[i];
        if (c >= L'0' && c <= L'9') continue;
        if (c == L'-' && i == 0 && length_ > 1) continue;
        return false;
    }
    return true;
}

}  // namespace s::str::strbuffer
