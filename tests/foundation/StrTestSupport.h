#pragma once
// Helpers of the string tests: pooled objects held until the end of a test, and
// string contents as std::wstring for readable expectations.
#include <memory>
#include <string>
#include <vector>

#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::strtest {

struct ReleaseDeleter {
    template <class T>
    void operator()(T* object) const {
        if (object) object->release();
    }
};

template <class T>
using Held = std::unique_ptr<T, ReleaseDeleter>;

using StrPtr = Held<str::strbuffer::StrBuffer>;
using BytesPtr = Held<col::_array::ArrayU08>;

inline StrPtr makeStr(const wchar_t* text = L"", int32_t count = -1) {
    StrPtr string(str::strbuffer::StrBuffer::acquire());
    string->set(text, count);
    return string;
}

inline std::wstring textOf(const str::IStr* string) {
    if (!string || string->length() == 0) return std::wstring();
    return std::wstring(string->data(), string->length());
}

inline std::vector<uint8_t> bytesOf(const col::_array::ArrayU08* bytes) {
    if (!bytes || bytes->length() == 0) return {};
    return std::vector<uint8_t>(bytes->elements(), bytes->elements() + bytes->length());
}

}  // namespace s::strtest
