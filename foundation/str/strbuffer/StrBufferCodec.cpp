// StrBuffer: byte encodings (UTF-8, OEM, any system code page, UTF-16 in both
// byte orders) and the MD5 digest of the text.
//
// Every system conversion is given the exact size of its output space, so invalid
// UTF-8 or an unpaired surrogate yields whatever the system makes of it (usually
// U+FFFD or '?') but can never write outside the block; a conversion that fails
// produces nothing and leaves the text as it was.
#include <windows.h>

#include <cstring>

#include "foundation/col/_array/ArrayU08.h"
#include "foundation/digest/md5/Md5.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/system/codepage/CodePage.h"

namespace s::str::strbuffer {

using col::_array::ArrayU08;
using system::codepage::CodePage;

namespace {

// The byte array an encoding writes to: the caller's, or a new one from the pool;
// emptied unless appending. Null when a new one cannot be made.
ArrayU08* targetArray(ArrayU08* bytes, bool append) {
    ArrayU08* target = bytes ? bytes : ArrayU08::acquire();
    if (target && !append) target->clear();
    return target;
}

// After `produced` bytes at the end of `target`: the NUL byte(s) written, and
// counted in the length when asked. The caller reserved room for them.
void terminate(ArrayU08* target, uint32_t produced, uint32_t nulBytes, bool countNul) {
    const uint32_t end = target->length() + produced;
    for (uint32_t i = 0; i < nulBytes; ++i) target->elements()[end + i] = 0;
    target->setLength(countNul ? end + nulBytes : end);
}

// Room for `count` more bytes in `target` (growth steps); false when impossible.
bool reserveBytes(ArrayU08* target, uint64_t count) {
    const uint64_t needed = uint64_t(target->length()) + count;
    return needed <= UINT32_MAX && target->reserve(uint32_t(needed));
}

// Byte count of a NUL-terminated UTF-16 text in memory of unknown alignment.
uint32_t utf16ByteLength(const uint8_t* bytes) {
    uint32_t count = 0;
    while (bytes[count] != 0 || bytes[count + 1] != 0) count += 2;
    return count;
}

}  // namespace

// ---- To bytes

ArrayU08* StrBuffer::toMultiByte(uint32_t codePage, ArrayU08* bytes, bool append, bool countNul) const {
    ArrayU08* target = targetArray(bytes, append);
    if (!target) return nullptr;
    // A UTF-16 code unit never needs more than 3 UTF-8 bytes (a surrogate pair, 4
    // bytes for 2 units). Other pages (GB18030, the ISO-2022 ones) can need more:
    // there the system measures first.
    uint64_t room = uint64_t(length_) * 3;
    if (codePage != CP_UTF8 && length_ != 0) {
        const int measured = WideCharToMultiByte(codePage, 0, text_, int(length_), nullptr, 0, nullptr, nullptr);
        if (uint64_t(measured) > room) room = uint64_t(measured);
    }
    if (!reserveBytes(target, room + 2)) return target;
    int produced = 0;
    if (length_ != 0) {
        char* out = reinterpret_cast<char*>(target->elements() + target->length());
        produced = WideCharToMultiByte(codePage, 0, text_, int(length_), out, int(room), nullptr, nullptr);
    }
    terminate(target, produced > 0 ? uint32_t(produced) : 0, 1, countNul);
    return target;
}

ArrayU08* StrBuffer::toCodePageImpl(const CodePage* codePage, ArrayU08* bytes, bool append, bool countNul) const {
    const CodePage* utf16 = CodePage::utf16();
    const CodePage* utf16be = CodePage::utf16be();
    if (!codePage || (codePage != utf16 && codePage != utf16be)) {
        // No page at all converts nothing, like a page the system does not know.
        return toMultiByte(codePage ? codePage->number() : 0xFFFFFFFF, bytes, append, countNul);
    }
    ArrayU08* target = targetArray(bytes, append);
    if (!target) return nullptr;
    const uint32_t byteCount = length_ * 2;
    if (!reserveBytes(target, uint64_t(byteCount) + 2)) return target;
    uint8_t* out = target->elements() + target->length();
    if (codePage == utf16) {
        if (byteCount) memcpy(out, text_, byteCount);
    } else {
        for (uint32_t i = 0; i < length_; ++i) {
            out[2 * i] = uint8_t(uint16_t(text_[i]) >> 8);
            out[2 * i + 1] = uint8_t(text_[i]);
        }
    }
    // A UTF-16 text ends with a whole NUL code unit.
    terminate(target, byteCount, 2, countNul);
    return target;
}

ArrayU08* StrBuffer::toUtf8(ArrayU08* bytes, bool append) const { return toMultiByte(CP_UTF8, bytes, append, true); }

ArrayU08* StrBuffer::toUtf8NoNul(ArrayU08* bytes, bool append) const {
    return toMultiByte(CP_UTF8, bytes, append, false);
}

ArrayU08* StrBuffer::toOem(ArrayU08* bytes, bool append) const { return toMultiByte(GetOEMCP(), bytes, append, true); }

ArrayU08* StrBuffer::toOemNoNul(ArrayU08* bytes, bool append) const {
    return toMultiByte(GetOEMCP(), bytes, append, false);
}

ArrayU08* StrBuffer::toCodePage(const CodePage* codePage, ArrayU08* bytes, bool append) const {
    return toCodePageImpl(codePage, bytes, append, true);
}

ArrayU08* StrBuffer::toCodePageNoNul(const CodePage* codePage, ArrayU08* bytes, bool append) const {
    return toCodePageImpl(codePage, bytes, append, false);
}

// ---- From bytes

bool StrBuffer::reserveForConversion(uint32_t count, bool append) {
    const uint64_t needed = uint64_t(length_) + count;
    if (needed > MAX_CAPACITY) return false;
    return append ? reserve(uint32_t(needed)) : reserveExact(uint32_t(needed));
}

uint32_t StrBuffer::fromMultiByte(uint32_t codePage, const char* bytes, bool append, int32_t byteCount) {
    if (!append) clear();
    const uint32_t count = bytes ? (byteCount < 0 ? uint32_t(strlen(bytes)) : uint32_t(byteCount)) : 0;
    if (count == 0 || count > uint32_t(INT32_MAX)) return 0;
    // One byte never makes more than one code unit in the pages in use; should a
    // page do so, the system measures and the space is made for its answer.
    uint32_t room = count;
    if (!reserveForConversion(room, append)) return 0;
    int produced = MultiByteToWideChar(codePage, 0, bytes, int(count), text_ + length_, int(room));
    if (produced <= 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        const int measured = MultiByteToWideChar(codePage, 0, bytes, int(count), nullptr, 0);
        room = measured > 0 ? uint32_t(measured) : 0;
        produced = (room != 0 && reserveForConversion(room, append))
                       ? MultiByteToWideChar(codePage, 0, bytes, int(count), text_ + length_, int(room))
                       : 0;
    }
    if (produced <= 0) return 0;
    length_ += uint32_t(produced);
    return uint32_t(produced);
}

uint32_t StrBuffer::fromUtf8(const char* bytes, bool append, int32_t byteCount) {
    return fromMultiByte(CP_UTF8, bytes, append, byteCount);
}

uint32_t StrBuffer::fromOem(const char* bytes, bool append, int32_t byteCount) {
    return fromMultiByte(GetOEMCP(), bytes, append, byteCount);
}

uint32_t StrBuffer::fromCodePage(const CodePage* codePage, const void* bytes, bool append, int32_t byteCount) {
    const CodePage* utf16 = CodePage::utf16();
    const CodePage* utf16be = CodePage::utf16be();
    if (!codePage) {
        if (!append) clear();
        return 0;
    }
    if (codePage != utf16 && codePage != utf16be) {
        return fromMultiByte(codePage->number(), static_cast<const char*>(bytes), append, byteCount);
    }
    if (!append) clear();
    const uint8_t* in = static_cast<const uint8_t*>(bytes);
    const uint32_t byteTotal = in ? (byteCount < 0 ? utf16ByteLength(in) : uint32_t(byteCount)) : 0;
    const uint32_t units = byteTotal / 2;
    if (units == 0 || !reserveForConversion(units, append)) return 0;
    wchar_t* out = text_ + length_;
    if (codePage == utf16) {
        memcpy(out, in, size_t(units) * 2);
    } else {
        for (uint32_t i = 0; i < units; ++i) out[i] = wchar_t((uint16_t(in[2 * i]) << 8) | in[2 * i + 1]);
    }
    length_ += units;
    return units;
}

// ---- Digest

ArrayU08* StrBuffer::digest(::s::digest::md5::Md5* digester, ArrayU08* result, bool append) const {
    ::s::digest::md5::Md5* md5 = digester ? digester : ::s::digest::md5::Md5::acquire();
    if (!md5) return nullptr;
    if (length_ != 0) md5->update(text_, size_t(length_) * 2);
    ArrayU08* bytes = md5->finishInto(result, append);
    if (!digester) md5->release();
    return bytes;
}

}  // namespace s::str::strbuffer
