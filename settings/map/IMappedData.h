#pragma once
// IMappedData: the settings store. A value is addressed by a section path and a
// value name and converted to and from a small set of types.
//
// - Section: names separated by "\\" (the file store also accepts "/"); the empty
//   path is the store's root section. Name: the value's name inside the section;
//   the empty name (or null) is the section's unnamed value.
// - Getters take the caller's default and return it when the section or value is
//   missing or, in the registry, of another type. They never create anything.
// - Setters create the section path as needed and replace an existing value of the
//   same name. They answer false when the value could not be stored (access denied,
//   no memory); the store is then as it was.
// - Auto-flush: when on, every setter, remove and delete is followed by flush().
//   Stores start with it off; batches of writes turn it off and flush once.
// - The store keeps the last section it selected: selecting the same section again
//   (ignoring letter case) reuses it.
//
// Stores are not locked: one thread uses a store at a time.
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

namespace s::map {

class IMappedData : public base::IObject {
public:
    // ---- 9: makes all changes durable (file store: writes the file; registry: nothing).
    virtual bool flush() = 0;
    // ---- 10: opens the section, creating missing sections on the way.
    virtual bool selectForWriting(const wchar_t* section) = 0;
    // ---- 11: removes the section with all its values and sub-sections.
    virtual bool deleteSection(const wchar_t* section) = 0;
    // ---- 12: opens the section if it exists.
    virtual bool selectForReading(const wchar_t* section) = 0;
    // ---- 13
    virtual bool hasValue(const wchar_t* section, const wchar_t* name) = 0;

    // ---- 14-24: typed getters
    virtual uint8_t getU08(const wchar_t* section, const wchar_t* name, uint8_t defaultValue) = 0;
    virtual uint16_t getU16(const wchar_t* section, const wchar_t* name, uint16_t defaultValue) = 0;
    virtual uint32_t getU32(const wchar_t* section, const wchar_t* name, uint32_t defaultValue) = 0;
    virtual uint64_t getU64(const wchar_t* section, const wchar_t* name, uint64_t defaultValue) = 0;
    virtual int8_t getS08(const wchar_t* section, const wchar_t* name, int8_t defaultValue) = 0;
    virtual int16_t getS16(const wchar_t* section, const wchar_t* name, int16_t defaultValue) = 0;
    virtual int32_t getS32(const wchar_t* section, const wchar_t* name, int32_t defaultValue) = 0;
    virtual int64_t getS64(const wchar_t* section, const wchar_t* name, int64_t defaultValue) = 0;
    virtual float getFloat(const wchar_t* section, const wchar_t* name, float defaultValue) = 0;
    virtual double getDouble(const wchar_t* section, const wchar_t* name, double defaultValue) = 0;
    virtual bool getBool(const wchar_t* section, const wchar_t* name, bool defaultValue) = 0;

    // ---- 25: the text into `target` (a new string from the pool when null; the
    // caller releases it), replacing its content; the default (null: empty) when
    // missing. `wasExpandable` (may be null) tells whether the registry held an
    // expandable text; `expand` then chooses between the raw and the expanded text.
    // The file store ignores both.
    virtual str::strbuffer::StrBuffer* getText(const wchar_t* section, const wchar_t* name, const wchar_t* defaultValue,
                                               bool* wasExpandable = nullptr, bool expand = true,
                                               str::strbuffer::StrBuffer* target = nullptr) = 0;
    // ---- 26: reserved; answers 0.
    virtual int32_t reserved() { return 0; }
    // ---- 27: the bytes into `bytes` (a new array from the pool when null; the caller
    // releases it), replacing its content. Null when the value is missing or not a
    // byte value; a given array is then left as it was.
    virtual col::_array::ArrayU08* getBytes(const wchar_t* section, const wchar_t* name,
                                            col::_array::ArrayU08* bytes = nullptr) = 0;
    // ---- 28
    virtual bool removeValue(const wchar_t* section, const wchar_t* name) = 0;
    // ---- 29: the names of the section's values and of its sub-sections, appended to
    // the lists (either may be null). False when the section does not exist.
    virtual bool enumerate(const wchar_t* section, str::strarray::StrArray* valueNames,
                           str::strarray::StrArray* sectionNames) = 0;

    // ---- 30-43: typed setters
    virtual bool setU08(const wchar_t* section, const wchar_t* name, uint8_t value) = 0;
    virtual bool setU16(const wchar_t* section, const wchar_t* name, uint16_t value) = 0;
    virtual bool setU32(const wchar_t* section, const wchar_t* name, uint32_t value) = 0;
    virtual bool setU64(const wchar_t* section, const wchar_t* name, uint64_t value) = 0;
    virtual bool setS08(const wchar_t* section, const wchar_t* name, int8_t value) = 0;
    virtual bool setS16(const wchar_t* section, const wchar_t* name, int16_t value) = 0;
    virtual bool setS32(const wchar_t* section, const wchar_t* name, int32_t value) = 0;
    virtual bool setS64(const wchar_t* section, const wchar_t* name, int64_t value) = 0;
    virtual bool setFloat(const wchar_t* section, const wchar_t* name, float value) = 0;
    virtual bool setDouble(const wchar_t* section, const wchar_t* name, double value) = 0;
    virtual bool setBool(const wchar_t* section, const wchar_t* name, bool value) = 0;
    // Text; `expandable` stores it as an expandable text where the store knows one.
    virtual bool setText(const wchar_t* section, const wchar_t* name, const wchar_t* value,
                         bool expandable = false) = 0;
    // Stores nothing; flushes when auto-flush is on.
    virtual bool touch(const wchar_t* section, const wchar_t* name) = 0;
    virtual bool setBytes(const wchar_t* section, const wchar_t* name, const uint8_t* bytes, uint32_t count) = 0;

    // ---- 44, 45
    virtual bool getAutoFlush() const = 0;
    virtual void setAutoFlush(bool on) = 0;
};

}  // namespace s::map
