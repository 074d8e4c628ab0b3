#pragma once
// IXml: one node of an XML document that is at once element, attribute holder and
// text holder. s::xml::Node is its implementation.
//
// Model
// - A node has a name (null until set), attributes and child elements in document
//   order. The text content is an attribute record with the empty name; an element
//   may hold several (one per run of text between children); reads use the first.
// - Values are stored in their escaped document form (XmlText.h). The text setter
//   escapes (attribute rules, or text-content rules for the empty name); getText
//   decodes with the same choice. Numbers are stored as formatted, unescaped.
// - Setters always append a new record, never replace one: a caller that updates a
//   value removes the old one first (getAttributes()->removeAll(name)).
// - Attribute names are looked up ignoring case; the first match wins.
// - Nodes are pooled; a tree is owned by its root, and releasing the root gives the
//   whole subtree back. Children handed out by childAt/getChild stay owned by
//   their parent.
//
// Parsing accepts a small subset of XML (see Node's parser for the rules): no
// declarations, processing instructions, DOCTYPE, CDATA or single-quoted values.
// It reports no errors: it skips what it does not understand, stops at the end of
// the text and keeps what it has built. Elements nested deeper than
// Node::MAX_DEPTH levels are skipped with their content.
//
// Files are UTF-8 without a byte-order mark, exactly the bytes of toXml.
#include <cstdint>

#include "foundation/base/IObject.h"

namespace s::col::_array {
class ArrayU08;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::xml {

class Attributes;

class IXml : public base::IObject {
public:
    // ---- 9, 10
    virtual uint32_t childCount() const = 0;
    // Frees the name, gives the attribute records and the children back to their pools.
    virtual void clear() = 0;

    // ---- 11: diagnostic walk over attributes and children with a tab-extended
    // prefix. Produces no output; answers the number of nodes visited.
    virtual uint32_t dump(const wchar_t* prefix) const = 0;

    // ---- 12, 13: parsing (this node is cleared first)
    // Parses one element of a NUL-terminated UTF-16 text into this node, skipping
    // comments in front of it; answers the position after it (the end of the text
    // when there is none). Null text parses nothing.
    virtual const wchar_t* parse(const wchar_t* text) = 0;
    // Decodes the bytes as UTF-8 and parses them; true when an element was found.
    virtual bool parseBytes(const col::_array::ArrayU08* bytes) = 0;

    // ---- 14-17: the name
    // The name, or null when none was set.
    virtual const wchar_t* getName() const = 0;
    // Replaces the name with a copy of `count` code units (-1: NUL-terminated).
    virtual bool setName(const wchar_t* text, int32_t count = -1) = 0;
    // count -1: the whole name equals `text` ignoring case. Otherwise the name is
    // exactly those `count` code units (case-sensitive); a node without a name never
    // matches a counted text.
    virtual bool nameEquals(const wchar_t* text, int32_t count = -1) const = 0;
    // The name begins with "!".
    virtual bool isComment() const = 0;

    // ---- 18-23: children
    virtual IXml* childAt(uint32_t index) const = 0;
    // A node from the node pool, named and appended; null when it could not be made.
    virtual IXml* addChild(const wchar_t* name, int32_t count = -1) = 0;
    // Appends an existing node (a Node that belongs to no tree, so neither this node
    // nor one of its ancestors) and takes it over; false when it could not be added
    // (the node then stays the caller's).
    virtual bool appendChild(IXml* node) = 0;
    // Removes the child keeping the order of the rest and gives it back to the pool.
    virtual void removeChildAt(uint32_t index) = 0;
    // The first child whose nameEquals(name, count) holds.
    virtual bool findChild(const wchar_t* name, uint32_t& index, int32_t count = -1) const = 0;
    virtual IXml* getChild(const wchar_t* name, int32_t count = -1) const = 0;

    // ---- 24-34: append an attribute record (false when memory ran out).
    // "%I64d"; "%u" for the unsigned 32/16/8-bit values; "%d" for the signed ones;
    // "%I64u" for the unsigned 64-bit value; "%f" for float and double.
    virtual bool setAttributeS64(const wchar_t* name, int64_t value) = 0;
    virtual bool setAttributeU32(const wchar_t* name, uint32_t value) = 0;
    virtual bool setAttributeU16(const wchar_t* name, uint16_t value) = 0;
    virtual bool setAttributeU08(const wchar_t* name, uint8_t value) = 0;
    virtual bool setAttributeU64(const wchar_t* name, uint64_t value) = 0;
    virtual bool setAttributeS32(const wchar_t* name, int32_t value) = 0;
    virtual bool setAttributeS16(const wchar_t* name, int16_t value) = 0;
    virtual bool setAttributeS08(const wchar_t* name, int8_t value) = 0;
    virtual bool setAttributeFloat(const wchar_t* name, float value) = 0;
    virtual bool setAttributeDouble(const wchar_t* name, double value) = 0;
    // Text, escaped by the attribute rules, or the text-content rules when `name` is
    // empty (count -1: NUL-terminated; null stores an empty value).
    virtual bool setAttribute(const wchar_t* name, const wchar_t* value, int32_t count = -1) = 0;

    // ---- 35-44: hexadecimal dumps of arrays: "%016I64x", "%08x", "%04x", "%02x" per
    // element by width; the last writes each 64-bit value as two "%08x" groups, lower
    // half first.
    virtual bool setAttributeHexU64(const wchar_t* name, const uint64_t* values, uint32_t count) = 0;
    virtual bool setAttributeHexU32(const wchar_t* name, const uint32_t* values, uint32_t count) = 0;
    virtual bool setAttributeHexU16(const wchar_t* name, const uint16_t* values, uint32_t count) = 0;
    virtual bool setAttributeHexU08(const wchar_t* name, const uint8_t* values, uint32_t count) = 0;
    virtual bool setAttributeHexS64(const wchar_t* name, const int64_t* values, uint32_t count) = 0;
    virtual bool setAttributeHexS32(const wchar_t* name, const int32_t* values, uint32_t count) = 0;
    virtual bool setAttributeHexS16(const wchar_t* name, const int16_t* values, uint32_t count) = 0;
    virtual bool setAttributeHexS08(const wchar_t* name, const int8_t* values, uint32_t count) = 0;
    virtual bool setAttributeHexDword(const wchar_t* name, const unsigned long* values, uint32_t count) = 0;
    virtual bool setAttributeHexU64LowHigh(const wchar_t* name, const uint64_t* values, uint32_t count) = 0;

    // ---- 45-54: getters; a missing attribute yields the default.
    // The stored (escaped) value; valid until the attributes change.
    virtual const wchar_t* getAttribute(const wchar_t* name, const wchar_t* defaultValue = nullptr) const = 0;
    // True when the value begins with "1" or with "true" (lower case); false otherwise.
    virtual bool getBool(const wchar_t* name, bool defaultValue) const = 0;
    // Decimal parse to 32 bits, then narrowed.
    virtual int8_t getS08(const wchar_t* name, int8_t defaultValue) const = 0;
    virtual int16_t getS16(const wchar_t* name, int16_t defaultValue) const = 0;
    virtual int32_t getS32(const wchar_t* name, int32_t defaultValue) const = 0;
    virtual int64_t getS64(const wchar_t* name, int64_t defaultValue) const = 0;
    // Unsigned decimal parse, base 10.
    virtual uint8_t getU08(const wchar_t* name, uint8_t defaultValue) const = 0;
    virtual uint16_t getU16(const wchar_t* name, uint16_t defaultValue) const = 0;
    virtual uint32_t getU32(const wchar_t* name, uint32_t defaultValue) const = 0;
    virtual uint64_t getU64(const wchar_t* name, uint64_t defaultValue) const = 0;

    // ---- 55: decodes the first attribute of that name into `target` (text-content
    // rules for the empty name, attribute rules otherwise), appended or replacing its
    // text. When it is missing, `defaultValue` (null: nothing) is appended or set.
    // A null target takes a new string from the pool (the caller releases it).
    virtual str::strbuffer::StrBuffer* getText(const wchar_t* name, str::strbuffer::StrBuffer* target,
                                               const wchar_t* defaultValue, bool append) const = 0;

    // ---- 56, 57: the writer
    // Writes this element and its subtree with no indentation, no line breaks and no
    // self-closing form: "<" name, ' name="value"' for each named attribute, ">", the
    // first text record, the children, "</" name ">". A null string takes one from
    // the pool (the caller releases it); without `append` the string is cleared first.
    virtual str::strbuffer::StrBuffer* toXml(str::strbuffer::StrBuffer* string = nullptr,
                                             bool append = false) const = 0;
    // toXml as UTF-8 in a new byte array (the caller releases it); the terminating NUL
    // is written after the bytes but not counted.
    virtual col::_array::ArrayU08* toUtf8Bytes() const = 0;

    // ---- 58
    virtual Attributes* getAttributes() = 0;

    // ---- 59-62: files
    // Reads and parses the file. A file that does not exist reads as zero bytes and
    // leaves this node empty (answer false); so does a file that cannot be read.
    virtual bool load(const wchar_t* path) = 0;
    // Reads an open file (a Win32 file handle, not closed here) from its current
    // position to the end and parses it.
    virtual bool loadFile(void* fileHandle) = 0;
    // Creates missing folders, writes the document to a new file beside `path` and
    // only then replaces `path` with it, so an interrupted save never leaves a
    // truncated or empty file. False when the document could not be written; the old
    // file is then untouched.
    virtual bool save(const wchar_t* path) = 0;
    // Writes the document to an open file (a Win32 file handle, not closed here).
    virtual bool saveFile(void* fileHandle) = 0;
};

}  // namespace s::xml
