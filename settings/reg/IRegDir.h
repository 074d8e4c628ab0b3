#pragma once
// IRegDir: one registry key, given by a root key and a sub-key path, with the
// value operations the settings store needs. The platform class is
// s::reg::win::RegDir.
//
// Typed reads accept only their own value type: REG_DWORD for 32-bit values,
// REG_QWORD (or a REG_DWORD, widened) for 64-bit ones, REG_SZ or REG_EXPAND_SZ
// for text, REG_BINARY for bytes; a value of any other type reads as missing.
// Every operation answers false on a registry error (missing key, access denied)
// and then changes nothing.
#include <cstdint>

#include "foundation/base/IObject.h"

namespace s::col::_array {
class ArrayU08;
}
namespace s::str::strarray {
class StrArray;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::reg {

class IRegDir : public base::IObject {
public:
    // Registry value types (the system's numbers).
    static constexpr uint32_t TYPE_SZ = 1;
    static constexpr uint32_t TYPE_EXPAND_SZ = 2;
    static constexpr uint32_t TYPE_BINARY = 3;
    static constexpr uint32_t TYPE_DWORD = 4;
    static constexpr uint32_t TYPE_QWORD = 11;

    // ---- The key
    // The sub-key path below the root key (closes an open key).
    virtual bool setPath(const wchar_t* path) = 0;
    virtual const wchar_t* getPath() const = 0;
    // Opens the key for reading, or with `create` for reading and writing, creating it
    // and the keys above it when missing. An open key is reused when it allows the access.
    virtual bool open(bool create) = 0;
    virtual bool isOpen() const = 0;
    virtual bool isWritable() const = 0;
    virtual void close() = 0;
    virtual bool exists() = 0;
    // Deletes the key with every key and value below it (closes it first).
    virtual bool deleteKey() = 0;

    // ---- Values of the open key (the empty name is the key's unnamed value)
    virtual bool hasValue(const wchar_t* name) = 0;
    virtual bool valueType(const wchar_t* name, uint32_t& type) = 0;
    // The raw bytes of any value, replacing the array's content.
    virtual bool readRaw(const wchar_t* name, col::_array::ArrayU08* bytes, uint32_t& type) = 0;
    virtual bool getDword(const wchar_t* name, uint32_t& value) = 0;
    // A REG_DWORD is widened: with `signExtend` as a signed value.
    virtual bool getQword(const wchar_t* name, uint64_t& value, bool signExtend) = 0;
    // The text replaces the target's content; an expandable text is expanded to its
    // full length when `expand` is set. `wasExpandable` may be null.
    virtual bool getText(const wchar_t* name, str::strbuffer::StrBuffer* target, bool* wasExpandable, bool expand) = 0;
    virtual bool getBinary(const wchar_t* name, col::_array::ArrayU08* bytes) = 0;
    virtual bool setDword(const wchar_t* name, uint32_t value) = 0;
    virtual bool setQword(const wchar_t* name, uint64_t value) = 0;
    // Stored with its terminating zero.
    virtual bool setText(const wchar_t* name, const wchar_t* value, bool expandable) = 0;
    virtual bool setBinary(const wchar_t* name, const uint8_t* bytes, uint32_t count) = 0;
    virtual bool removeValue(const wchar_t* name) = 0;
    // Names of the values and of the sub-keys, appended to the lists (either may be null).
    virtual bool enumerate(str::strarray::StrArray* valueNames, str::strarray::StrArray* keyNames) = 0;
};

}  // namespace s::reg
